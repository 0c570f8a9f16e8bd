#include "BenchEngine.h"

#include <benchmark/benchmark.h>

#include "BenchEdition.h"
#include "TestInstallation.h"
#include "engine/ixoObject.h"

namespace bench {

engine::TixoEngine* LoadedEngine(benchmark::State& state) {
  static testing_support::TestInstallation installation(IXOCORE_LIBRARY, EditionFolder());
  if (!EditionPresent()) {
    state.SkipWithError("no edition: build it or set IXO_EDITION");
    return nullptr;
  }
  engine::TixoEngine& engine = engine::Engine();
  if (!engine.Loaded && !engine.Load()) {
    state.SkipWithError("the engine does not load the edition");
    return nullptr;
  }
  return &engine;
}

}  // namespace bench
