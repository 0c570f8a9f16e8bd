// Benchmarks of the search on the edition in IXO_EDITION (or the built one).
#include <benchmark/benchmark.h>

#include "BenchEdition.h"

namespace {

void EditionIsThere(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(bench::EditionPresent());
}
BENCHMARK(EditionIsThere);

}  // namespace

BENCHMARK_MAIN();
