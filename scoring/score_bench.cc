// How the per-contact work grows with the log: every AddData0 scans the
// whole store for dupes, and every GetResult0 rescans it per band.
#include <benchmark/benchmark.h>

#include "tests/plugin_harness.h"

namespace aadx {
namespace {

void FillLog(PluginHarness* h, int count) {
  const char* bands[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
  for (int i = 0; i < count; ++i) {
    h->Add("JA" + std::to_string(i % 2000) + "AA", bands[i % 6], "CW",
           "JA" + std::to_string(i % 97), "JA");
  }
}

void BM_AddContacts(benchmark::State& state) {
  for (auto _ : state) {
    PluginHarness h;
    h.Reset("EU");
    FillLog(&h, static_cast<int>(state.range(0)));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AddContacts)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

void BM_GetResult(benchmark::State& state) {
  PluginHarness h;
  h.Reset("AS");
  FillLog(&h, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(h.Result());
}
BENCHMARK(BM_GetResult)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace aadx
