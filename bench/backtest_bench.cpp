// Every rule backtested over 10,000 draws with a window of 100 (target: under
// 50 ms in all), against recomputing every measure for every draw; the
// randomness tests over the same draws; the table's summary statistics.
#include <benchmark/benchmark.h>

#include "../tests/backtest/backtest_test_util.h"
#include "bench_util.h"
#include "core/backtest/backtest.h"
#include "core/backtest/randomness.h"

namespace drawlyze {
namespace {

const DrawHistory& TenThousandDraws() {
  static const DrawHistory history = bench::RandomHistory(MAX_DRAWS, 11);
  return history;
}

BacktestOptions EveryRule(int window) {
  BacktestOptions o;
  o.window = window;
  return o;
}

void BacktestEveryRuleSlidingWindow(benchmark::State& state) {
  const BacktestOptions o = EveryRule(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(RunBacktest(TenThousandDraws(), o));
}
BENCHMARK(BacktestEveryRuleSlidingWindow)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BacktestEveryRuleRecomputingEachDraw(benchmark::State& state) {
  const BacktestOptions o = EveryRule(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(testing::ReferenceBacktest(TenThousandDraws(), o));
}
BENCHMARK(BacktestEveryRuleRecomputingEachDraw)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(2);

// What the command prints: the run plus every line's interval and exact p-value.
void BacktestTableText(benchmark::State& state) {
  const BacktestOptions o = EveryRule(100);
  for (auto _ : state) benchmark::DoNotOptimize(BacktestReport(RunBacktest(TenThousandDraws(), o)));
}
BENCHMARK(BacktestTableText)->Unit(benchmark::kMillisecond);

void RandomnessReportOverAllDraws(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(RandomnessReport(TenThousandDraws(), 1, MAX_DRAWS));
}
BENCHMARK(RandomnessReportOverAllDraws)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drawlyze

BENCHMARK_MAIN();
