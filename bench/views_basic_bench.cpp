// Frequency, Cold Numbers, Freq A1..A3 and Statistics on a full store of random draws.
#include <benchmark/benchmark.h>

#include "bench_util.h"
#include "core/views/views.h"

namespace drawlyze {
namespace {

constexpr int kDraws = 10000;

ViewInput InputFor(const DrawHistory& history, int lastDraws) {
  ViewInput in;
  in.history = &history;
  in.row = 2;  // a next draw exists, so the views mark digits
  in.lastDraws = lastDraws;
  return in;
}

template <Chart (*View)(const ViewInput&)>
void BM_View(benchmark::State& state) {
  const DrawHistory history = bench::RandomHistory(kDraws);
  const ViewInput in = InputFor(history, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(View(in));
}
BENCHMARK(BM_View<FrequencyView>)->Name("BM_FrequencyView")->Arg(kDraws)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_View<ColdNumbersView>)->Name("BM_ColdNumbersView")->Arg(kDraws)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_View<FreqA1A3View>)->Name("BM_FreqA1A3View")->Arg(kDraws)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_View<StatisticsView>)->Name("BM_StatisticsView")->Arg(kDraws)->Unit(benchmark::kMicrosecond);

// The slowest Cold Numbers case: the digit 9 never comes, so its search walks
// to the oldest draw.
void BM_ColdNumbersViewDigitNeverMet(benchmark::State& state) {
  std::vector<DrawNumbers> draws = bench::RandomDraws(kDraws);
  for (DrawNumbers& d : draws)
    for (auto& a : d)
      if (a == 9) a = 8;
  const DrawHistory history = DrawHistory::FromOldestFirst(draws);
  const ViewInput in = InputFor(history, kDraws);
  for (auto _ : state) benchmark::DoNotOptimize(ColdNumbersView(in));
}
BENCHMARK(BM_ColdNumbersViewDigitNeverMet)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace drawlyze
BENCHMARK_MAIN();
