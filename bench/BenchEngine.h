#pragma once
// The process-wide engine of the benchmarks: loaded once, on the edition of
// BenchEdition.h, from an installation whose HTML folder is temporary.

#include <benchmark/benchmark.h>

#include <memory>
#include <utility>

#include "engine/ixoObject.h"

namespace bench {

// The loaded engine; nullptr, with the benchmark skipped and the reason given,
// when there is no edition or the engine does not load it.
engine::TixoEngine* LoadedEngine(benchmark::State& state);

// Times call(engine) on an engine loaded afresh for each iteration, in place
// of the process-wide one: what the first call after loading pays once.
// Loading is not timed, but takes far longer than the call: such benchmarks
// run a fixed number of iterations (AfterLoadIterations).
inline constexpr int AfterLoadIterations = 100;

template <typename Call>
void FirstCallAfterLoad(benchmark::State& state, Call call) {
  if (!LoadedEngine(state)) return;
  for (auto _ : state) {
    state.PauseTiming();
    auto fresh = std::make_unique<engine::TixoEngine>();
    fresh->Load();
    auto previous = engine::ReplaceEngine(std::move(fresh));
    state.ResumeTiming();
    call(engine::Engine());
    state.PauseTiming();
    engine::ReplaceEngine(std::move(previous));
    state.ResumeTiming();
  }
}

}  // namespace bench
