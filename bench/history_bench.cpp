// Loading a draw file and drawing the default view at the store's full size.
#include <benchmark/benchmark.h>

#include "bench_util.h"
#include "core/views/views.h"

namespace drawlyze {
namespace {

void BM_LoadDrawFile(benchmark::State& state) {
  const std::string text = bench::RandomDrawFile(static_cast<int>(state.range(0)));
  DrawHistory history;
  for (auto _ : state) {
    const LoadResult result = ParseDrawFile(text);
    history.Assign(result.draws);
    benchmark::DoNotOptimize(history.Count());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_LoadDrawFile)->Arg(10000)->Unit(benchmark::kMillisecond);

// A file of 1,000,000 incorrect lines and its message.
void BM_LoadIncorrectLines(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 1000000; ++i) text += "garbage line\r\n";
  for (auto _ : state) benchmark::DoNotOptimize(ParseDrawFile(text).Messages());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_LoadIncorrectLines)->Unit(benchmark::kMillisecond);

void BM_SkipsView(benchmark::State& state) {
  const DrawHistory history = bench::RandomHistory(10000);
  ViewInput in;
  in.history = &history;
  in.row = 2;
  in.lastDraws = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(SkipsView(in));
}
BENCHMARK(BM_SkipsView)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace drawlyze

BENCHMARK_MAIN();
