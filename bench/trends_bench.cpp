// Every trend series over 10,000 draws, as the Trends window computes it for
// the newest row and every draw (target: under 5 ms each).
#include <benchmark/benchmark.h>

#include "bench_util.h"
#include "core/trends/chance.h"
#include "core/trends/trends.h"

namespace drawlyze::trends {
namespace {

const DrawHistory& TenThousandDraws() {
  static const DrawHistory history = bench::RandomHistory(MAX_DRAWS, 27);
  return history;
}

const TrendSelection kAll{1, {}};

void Series(benchmark::State& state, TrendKind kind, int position, int window) {
  TrendOptions o;
  o.digit = 7;
  o.position = position;
  o.window = window;
  for (auto _ : state) benchmark::DoNotOptimize(SeriesOf(kind, TenThousandDraws(), kAll, o));
}

void SkipAnywhere(benchmark::State& s) { Series(s, TrendKind::Skip, 0, 1); }
void SkipAtA2(benchmark::State& s) { Series(s, TrendKind::Skip, 2, 1); }
void Frequency(benchmark::State& s) { Series(s, TrendKind::Frequency, 0, static_cast<int>(s.range(0))); }
void Sum(benchmark::State& s) { Series(s, TrendKind::Sum, 0, static_cast<int>(s.range(0))); }
void Spread(benchmark::State& s) { Series(s, TrendKind::Spread, 0, static_cast<int>(s.range(0))); }
void RootSum(benchmark::State& s) { Series(s, TrendKind::RootSum, 0, static_cast<int>(s.range(0))); }
BENCHMARK(SkipAnywhere)->Unit(benchmark::kMillisecond);
BENCHMARK(SkipAtA2)->Unit(benchmark::kMillisecond);
BENCHMARK(Frequency)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(Sum)->Arg(1)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(Spread)->Arg(1)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(RootSum)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void Pairs(benchmark::State& state) {
  const auto kind = static_cast<PairKind>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(PairCounts(TenThousandDraws(), kAll, kind));
}
BENCHMARK(Pairs)
    ->Arg(static_cast<int>(PairKind::Front))
    ->Arg(static_cast<int>(PairKind::Any))
    ->Unit(benchmark::kMillisecond);

// The sum's band for a window N the first time it is asked for (the series keep it after).
void SumBandFirstTime(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(DistributionQuantile(DigitsSumDistribution(3 * n), 0.05));
}
BENCHMARK(SumBandFirstTime)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void SumCountsOfAllDraws(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SumHistogram(TenThousandDraws(), kAll));
}
BENCHMARK(SumCountsOfAllDraws)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drawlyze::trends

BENCHMARK_MAIN();
