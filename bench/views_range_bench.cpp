// Numerical Range, Separation and Position on a full store of random draws.
#include <benchmark/benchmark.h>

#include "bench_util.h"
#include "core/views/views.h"

namespace drawlyze {
namespace {

constexpr int kDraws = 10000;

ViewInput InputFor(const DrawHistory& history, int lastDraws) {
  ViewInput in;
  in.history = &history;
  in.row = 2;
  in.lastDraws = lastDraws;
  return in;
}

void BM_NumericalRangeView(benchmark::State& state) {
  const DrawHistory history = bench::RandomHistory(kDraws);
  const ViewInput in = InputFor(history, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(NumericalRangeView(in));
}
BENCHMARK(BM_NumericalRangeView)->Arg(kDraws)->Unit(benchmark::kMicrosecond);

void BM_SeparationView(benchmark::State& state) {
  const DrawHistory history = bench::RandomHistory(kDraws);
  ViewInput in = InputFor(history, static_cast<int>(state.range(0)));
  in.separation = SeparationLayout::Ascending;
  for (auto _ : state) benchmark::DoNotOptimize(SeparationView(in));
}
BENCHMARK(BM_SeparationView)->Arg(kDraws)->Unit(benchmark::kMicrosecond);

// The slowest case: the digit 9 never comes, so its search walks to the oldest draw.
void BM_SeparationViewDigitNeverMet(benchmark::State& state) {
  std::vector<DrawNumbers> draws = bench::RandomDraws(kDraws);
  for (DrawNumbers& d : draws)
    for (auto& a : d)
      if (a == 9) a = 8;
  const DrawHistory history = DrawHistory::FromOldestFirst(draws);
  const ViewInput in = InputFor(history, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(SeparationView(in));
}
BENCHMARK(BM_SeparationViewDigitNeverMet)->Arg(kDraws)->Unit(benchmark::kMicrosecond);

void BM_PositionView(benchmark::State& state) {
  const DrawHistory history = bench::RandomHistory(kDraws);
  const ViewInput in = InputFor(history, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(PositionView(in));
}
BENCHMARK(BM_PositionView)->Arg(kDraws)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace drawlyze

BENCHMARK_MAIN();
