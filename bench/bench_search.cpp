// Benchmarks of the search on the edition in IXO_EDITION (or the built one):
// from the criteria as typed in the tool bar to the finished list of hits.
// The search logic alone rebuilds the conditions from their summary texts,
// marks their words, walks the text and groups the hits by book, chapter and
// verse; the search form does the same and builds its result tree's nodes
// (with the status line and the preview of the first node) from them. The
// first search after loading is timed apart.
#include <benchmark/benchmark.h>


#include <string>

#include "BenchEngine.h"
#include "BenchSearch.h"
#include "search/ConditionSet.h"
#include "search/ToolbarCriteria.h"
#include "search/ixoSearch.h"
#include "ui/NodeKind.h"
#include "ui/TreeView.h"

namespace {

using bench::FiveTerms;
using bench::SearchFor;
using bench::TwoWords;

// The form's part of the tool bar's search, without finishing it (which
// writes the study and the style sheet): the verses found in the tree.
int SearchInForm(search::TInterfaceForm& form, const std::string& criteria) {
  form.Conditions.UseSummaryTexts(*search::ToolbarConditionTexts(criteria, true));
  form.EnableResultsView(true);
  form.ParseConditionText(0);
  form.FillSearchTree();
  int verses = 0;
  for (const ui::TreeNode* node = form.TreeViewSearch->FirstNode(); node; node = node->GetNext())
    if (node->ImageIndex() == ui::node::kVerse) ++verses;
  return verses;
}

void Search(benchmark::State& state, const std::string& criteria) {
  if (!bench::LoadedEngine(state)) return;
  search::ConditionSet conditions;
  int verses = 0;
  for (auto _ : state) {
    const search::SearchResult result = SearchFor(conditions, criteria);
    verses = result.Verses;
    benchmark::DoNotOptimize(result);
  }
  state.counters["verses"] = verses;
}

// The first search after loading: its terms never searched before.
void FirstSearch(benchmark::State& state, const std::string& criteria) {
  int verses = 0;
  bench::FirstCallAfterLoad(state, [&](engine::TixoEngine&) {
    search::ConditionSet conditions;
    verses = SearchFor(conditions, criteria).Verses;
  });
  state.counters["verses"] = verses;
}

void SearchForm(benchmark::State& state, const std::string& criteria) {
  if (!bench::LoadedEngine(state)) return;
  search::TInterfaceForm form;
  SearchInForm(form, criteria);
  int verses = 0;
  for (auto _ : state) verses = SearchInForm(form, criteria);
  state.counters["verses"] = verses;
}

void TwoConditions(benchmark::State& state) { Search(state, TwoWords); }
BENCHMARK(TwoConditions)->Unit(benchmark::kMillisecond);

void FiveConditionsWithStrongsNumbers(benchmark::State& state) { Search(state, FiveTerms); }
BENCHMARK(FiveConditionsWithStrongsNumbers)->Unit(benchmark::kMillisecond);

void FirstSearchOfTwoConditionsAfterLoad(benchmark::State& state) { FirstSearch(state, TwoWords); }
BENCHMARK(FirstSearchOfTwoConditionsAfterLoad)->Unit(benchmark::kMillisecond)->Iterations(bench::AfterLoadIterations);

void FirstSearchOfFiveConditionsAfterLoad(benchmark::State& state) { FirstSearch(state, FiveTerms); }
BENCHMARK(FirstSearchOfFiveConditionsAfterLoad)->Unit(benchmark::kMillisecond)->Iterations(bench::AfterLoadIterations);

void TwoConditionsIntoTheResultTree(benchmark::State& state) { SearchForm(state, TwoWords); }
BENCHMARK(TwoConditionsIntoTheResultTree)->Unit(benchmark::kMillisecond);

void FiveConditionsIntoTheResultTree(benchmark::State& state) { SearchForm(state, FiveTerms); }
BENCHMARK(FiveConditionsIntoTheResultTree)->Unit(benchmark::kMillisecond);

}  // namespace
