// Benchmarks of the engine on the edition in IXO_EDITION (or the built one):
// loading with the book index and the index of the text (whose memory it
// gives as a counter), the first mark of an English word and of a
// Strong's number and the first lemma tags of a frequent word after loading,
// look-ups of many terms after loading, the same calls once their look-ups are
// kept, and clearing the marks.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "BenchEngine.h"
#include "engine/ixoObject.h"
#include "engine/ixoutils.h"

namespace {

void LoadWithBuildIndex(benchmark::State& state) {
  // The process has its library and views, as the program has.
  engine::TixoEngine* loaded = bench::LoadedEngine(state);
  if (!loaded) return;
  for (auto _ : state) {
    engine::TixoEngine engine;
    benchmark::DoNotOptimize(engine.Load());
  }
  state.counters["index_bytes"] = static_cast<double>(loaded->WordIndex().MemoryBytes());
}
BENCHMARK(LoadWithBuildIndex)->Unit(benchmark::kMillisecond);

using bench::FirstCallAfterLoad;

void FirstMarkEnglishWordAfterLoad(benchmark::State& state) {
  const std::uint16_t key = bench::LoadedEngine(state) ? engine::EnglishWordToKey("love") : 0;
  FirstCallAfterLoad(state, [key](engine::TixoEngine& engine) { engine.MarkWord(1, key, 'E'); });
}
BENCHMARK(FirstMarkEnglishWordAfterLoad)->Unit(benchmark::kMillisecond)->Iterations(bench::AfterLoadIterations);

void FirstMarkStrongsNumberAfterLoad(benchmark::State& state) {
  FirstCallAfterLoad(state, [](engine::TixoEngine& engine) { engine.MarkWord(2, 430, 'H'); });
}
BENCHMARK(FirstMarkStrongsNumberAfterLoad)->Unit(benchmark::kMillisecond)->Iterations(bench::AfterLoadIterations);

void FirstLemmaTagsForFrequentWordAfterLoad(benchmark::State& state) {
  FirstCallAfterLoad(state, [](engine::TixoEngine&) { benchmark::DoNotOptimize(engine::LemmaTagsForWord("the")); });
}
BENCHMARK(FirstLemmaTagsForFrequentWordAfterLoad)->Unit(benchmark::kMillisecond)->Iterations(bench::AfterLoadIterations);

// Look-ups of many terms at once, as a word's related words (the words of all
// its numbers) or the Strong's numbers of a long word list ask for them.
void FirstWordsOfEveryNumberOfAFrequentWordAfterLoad(benchmark::State& state) {
  if (!bench::LoadedEngine(state)) return;
  const platform::TStringList numbers = engine::StrongsNumbersForWord("the");
  state.counters["numbers"] = static_cast<double>(numbers.Count());
  FirstCallAfterLoad(state, [&numbers](engine::TixoEngine&) {
    for (const std::string& number : numbers) benchmark::DoNotOptimize(engine::WordsForStrongsNumber(number));
  });
}
BENCHMARK(FirstWordsOfEveryNumberOfAFrequentWordAfterLoad)->Unit(benchmark::kMillisecond)->Iterations(bench::AfterLoadIterations);

void FirstNumbersOfManyWordsAfterLoad(benchmark::State& state) {
  if (!bench::LoadedEngine(state)) return;
  std::vector<std::string> words;
  for (std::uint16_t key = 1000; key < 1200; ++key) words.push_back(engine::KeyToEnglishWord(key));
  FirstCallAfterLoad(state, [&words](engine::TixoEngine&) {
    for (const std::string& word : words) benchmark::DoNotOptimize(engine::StrongsNumbersForWord(word));
  });
}
BENCHMARK(FirstNumbersOfManyWordsAfterLoad)->Unit(benchmark::kMillisecond)->Iterations(bench::AfterLoadIterations);

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
