// Options 8 to 12 on a random history of 10,000 draws, window N = 10,000,
// the newest row selected with the next draw marked from row 2.
#include <benchmark/benchmark.h>

#include <random>

#include "core/views/views.h"

namespace {

using namespace drawlyze;

const DrawHistory& RandomHistory() {
  static const DrawHistory history = [] {
    std::mt19937 rng(8);
    std::uniform_int_distribution<int> digit(0, 9);
    std::vector<DrawNumbers> draws(MAX_DRAWS);
    for (DrawNumbers& d : draws)
      for (std::uint8_t& a : d) a = static_cast<std::uint8_t>(digit(rng));
    return DrawHistory::FromOldestFirst(draws);
  }();
  return history;
}

void RunOption(benchmark::State& state, int option, bool median) {
  ViewInput in;
  in.history = &RandomHistory();
  in.row = 2;
  in.lastDraws = MAX_DRAWS - 1;  // the window reaches the oldest draw
  in.median = median;
  for (auto _ : state) {
    Chart chart = RunView(option, in);
    benchmark::DoNotOptimize(chart);
  }
}

void BM_SkipsForPositions(benchmark::State& state) { RunOption(state, 8, false); }
void BM_SkipsForPositionsMedian(benchmark::State& state) { RunOption(state, 8, true); }
void BM_FrequencyAnalyse(benchmark::State& state) { RunOption(state, 9, false); }
void BM_Sieve(benchmark::State& state) { RunOption(state, 10, false); }
void BM_OddEvenZones(benchmark::State& state) { RunOption(state, 11, false); }
void BM_FreePairs(benchmark::State& state) { RunOption(state, 12, false); }

BENCHMARK(BM_SkipsForPositions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SkipsForPositionsMedian)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrequencyAnalyse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sieve)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OddEvenZones)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FreePairs)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
