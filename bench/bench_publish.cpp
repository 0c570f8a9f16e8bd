// Benchmarks of the publishing on the edition in IXO_EDITION (or the built one):
// every chapter page of the text written into a temporary HTML folder, and the
// style sheet of a search for two words.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchEngine.h"
#include "engine/ixoObject.h"
#include "publish/HtmlPages.h"
#include "publish/SearchConditions.h"
#include "publish/StyleSheet.h"

namespace {

class TwoWords final : public publish::SearchConditions {
 public:
  bool Checked(int condition) const override { return condition <= 2; }
  std::vector<std::string> Words(int condition) const override {
    if (condition == 1) return {"beginning"};
    if (condition == 2) return {"love"};
    return {};
  }
};

// Into an empty HTML folder each time, as at the first start.
void AllChapterPages(benchmark::State& state) {
  engine::TixoEngine* engine = bench::LoadedEngine(state);
  if (!engine) return;
  const std::string htmlDir = engine->HtmlDir;
  int run = 0;
  for (auto _ : state) {
    engine->HtmlDir = htmlDir + "run" + std::to_string(++run) + "/";
    for (int book = 1; book <= engine::TixoEngine::Books; ++book)
      if (!publish::WriteChapterHtml(book, 0)) return state.SkipWithError("a page could not be written");
  }
  engine->HtmlDir = htmlDir;
}
BENCHMARK(AllChapterPages)->Unit(benchmark::kMillisecond);

void StyleSheetOfATwoWordSearch(benchmark::State& state) {
  if (!bench::LoadedEngine(state)) return;
  const TwoWords search;
  for (auto _ : state)
    if (!publish::WriteStyleSheet(&search)) return state.SkipWithError("the style sheet could not be written");
}
BENCHMARK(StyleSheetOfATwoWordSearch)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
