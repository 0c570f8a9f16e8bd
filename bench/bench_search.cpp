// Benchmarks of the search on the edition in IXO_EDITION (or the built one):
// from the criteria as typed in the tool bar to the finished list of hits
// (conditions rebuilt from their summary texts, words marked, the text
// walked, the result grouped by book, chapter and verse).
#include <benchmark/benchmark.h>

#include <string>

#include "BenchEngine.h"
#include "search/ConditionSet.h"
#include "search/ProximitySearch.h"
#include "search/ToolbarCriteria.h"

namespace {

search::SearchResult SearchFor(search::ConditionSet& conditions, const std::string& criteria, int span) {
  conditions.UseSummaryTexts(*search::ToolbarConditionTexts(criteria, true));
  conditions.ParseConditionText(0);
  return search::RunSearch(conditions, 0, span);
}

void Search(benchmark::State& state, const std::string& criteria) {
  if (!bench::LoadedEngine(state)) return;
  search::ConditionSet conditions;
  // The engine finds the words of each term at its first mark and keeps
  // them; that is not part of a search.
  SearchFor(conditions, criteria, 7);
  int verses = 0;
  for (auto _ : state) {
    const search::SearchResult result = SearchFor(conditions, criteria, 7);
    verses = result.Verses;
    benchmark::DoNotOptimize(result);
  }
  state.counters["verses"] = verses;
}

void TwoConditions(benchmark::State& state) { Search(state, "love world"); }
BENCHMARK(TwoConditions)->Unit(benchmark::kMillisecond);

// English words and Hebrew numbers, five conditions (Genesis 1:1 meets them).
void FiveConditionsWithStrongsNumbers(benchmark::State& state) { Search(state, "God heaven earth H8064 H776"); }
BENCHMARK(FiveConditionsWithStrongsNumbers)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
