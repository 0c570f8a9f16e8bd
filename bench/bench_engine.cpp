// Benchmarks of the engine on the edition in IXO_EDITION (or the built one):
// loading with the book index, the first marks after loading, marking an
// English word and a Strong's number, the lemma tags of a frequent word, and
// clearing the marks.
#include <benchmark/benchmark.h>

#include "BenchEngine.h"
#include "engine/ixoObject.h"
#include "engine/ixoutils.h"

namespace {

void LoadWithBuildIndex(benchmark::State& state) {
  // The process has its library and views, as the program has.
  if (!bench::LoadedEngine(state)) return;
  for (auto _ : state) {
    engine::TixoEngine engine;
    benchmark::DoNotOptimize(engine.Load());
  }
}
BENCHMARK(LoadWithBuildIndex)->Unit(benchmark::kMillisecond);

// The tables of word keys and Strong's numbers are built by the first marks
// after loading and kept; this is what the first search pays once.
void FirstMarksAfterLoad(benchmark::State& state) {
  if (!bench::LoadedEngine(state)) return;
  const std::uint16_t key = engine::EnglishWordToKey("love");
  for (auto _ : state) {
    engine::TixoEngine engine;
    engine.Load();
    engine.MarkWord(1, key, 'E');
    engine.MarkWord(2, 430, 'H');
  }
}
BENCHMARK(FirstMarksAfterLoad)->Unit(benchmark::kMillisecond);

void MarkEnglishWord(benchmark::State& state) {
  engine::TixoEngine* engine = bench::LoadedEngine(state);
  if (!engine) return;
  const std::uint16_t key = engine::EnglishWordToKey("love");
  for (auto _ : state) engine->MarkWord(1, key, 'E');
  engine->Marks.ClearAllMarks();
}
BENCHMARK(MarkEnglishWord)->Unit(benchmark::kMillisecond);

void MarkStrongsNumber(benchmark::State& state) {
  engine::TixoEngine* engine = bench::LoadedEngine(state);
  if (!engine) return;
  for (auto _ : state) engine->MarkWord(2, 430, 'H');
  engine->Marks.ClearAllMarks();
}
BENCHMARK(MarkStrongsNumber)->Unit(benchmark::kMillisecond);

void LemmaTagsForFrequentWord(benchmark::State& state) {
  if (!bench::LoadedEngine(state)) return;
  for (auto _ : state) benchmark::DoNotOptimize(engine::LemmaTagsForWord("the"));
}
BENCHMARK(LemmaTagsForFrequentWord)->Unit(benchmark::kMillisecond);

void ClearAllMarks(benchmark::State& state) {
  engine::TixoEngine* engine = bench::LoadedEngine(state);
  if (!engine) return;
  engine->MarkWord(1, engine::EnglishWordToKey("the"), 'E');
  for (auto _ : state) engine->Marks.ClearAllMarks();
}
BENCHMARK(ClearAllMarks)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
