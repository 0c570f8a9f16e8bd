#pragma once
// The process-wide engine of the benchmarks: loaded once, on the edition of
// BenchEdition.h, from an installation whose HTML folder is temporary.

namespace benchmark {
class State;
}
namespace engine {
class TixoEngine;
}

namespace bench {

// The loaded engine; nullptr, with the benchmark skipped and the reason given,
// when there is no edition or the engine does not load it.
engine::TixoEngine* LoadedEngine(benchmark::State& state);

}  // namespace bench
