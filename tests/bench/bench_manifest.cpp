// The start-up's check of the install: the manifest read and every data file it lists checked
// (present, regular, its size, its CRC-32), as the program does before its start window. The
// median of the repetitions is the figure; the budget is 20 ms.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/files/data_manifest.h"

namespace {

void BM_CheckEveryDataFile(benchmark::State& state) {
  for (auto _ : state) {
    const orbelon::platform::DataManifest manifest(ORBELON_GAME_DIR);
    for (const std::string& name : manifest.Names()) {
      manifest.Check(name);
    }
  }
}
BENCHMARK(BM_CheckEveryDataFile)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
