// Benchmarks of the publishing on the edition in IXO_EDITION (or the built one):
// every chapter page of the text written into a temporary HTML folder, and the
// style sheet of a search for two words.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchEdition.h"
#include "TestInstallation.h"
#include "engine/ixoObject.h"
#include "publish/HtmlPages.h"
#include "publish/SearchConditions.h"
#include "publish/StyleSheet.h"

namespace {

// The process-wide engine, loaded once from an installation whose HTML
// folder is temporary.
bool EngineLoaded(benchmark::State& state) {
  static testing_support::TestInstallation installation(IXOCORE_LIBRARY, bench::EditionFolder());
  if (!bench::EditionPresent()) {
    state.SkipWithError("no edition: build it or set IXO_EDITION");
    return false;
  }
  engine::TixoEngine& engine = engine::Engine();
  if (!engine.Loaded && !engine.Load()) {
    state.SkipWithError("the engine does not load the edition");
    return false;
  }
  return true;
}

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
  if (!EngineLoaded(state)) return;
  engine::TixoEngine& engine = engine::Engine();
  const std::string htmlDir = engine.HtmlDir;
  int run = 0;
  for (auto _ : state) {
    engine.HtmlDir = htmlDir + "run" + std::to_string(++run) + "/";
    for (int book = 1; book <= engine::TixoEngine::Books; ++book)
      if (!publish::WriteChapterHtml(book, 0)) return state.SkipWithError("a page could not be written");
  }
  engine.HtmlDir = htmlDir;
}
BENCHMARK(AllChapterPages)->Unit(benchmark::kMillisecond);

void StyleSheetOfATwoWordSearch(benchmark::State& state) {
  if (!EngineLoaded(state)) return;
  const TwoWords search;
  for (auto _ : state)
    if (!publish::WriteStyleSheet(&search)) return state.SkipWithError("the style sheet could not be written");
}
BENCHMARK(StyleSheetOfATwoWordSearch)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
