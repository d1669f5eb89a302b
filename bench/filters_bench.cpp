// The Filters window's count after one change (target: under 1 ms) and a
// backtest of a 5-filter list over 10,000 draws with 1,000 random lists
// (target: under 200 ms), with and without history-based filters.
#include <benchmark/benchmark.h>

#include "bench_util.h"
#include "core/filters/filter_backtest.h"
#include "core/filters/filter_text.h"

namespace drawlyze {
namespace {

using filters::Filter;

const DrawHistory& TenThousandDraws() {
  static const DrawHistory history = bench::RandomHistory(MAX_DRAWS, 11);
  return history;
}

std::vector<Filter> Parse(const std::vector<std::pair<const char*, const char*>>& options) {
  std::vector<Filter> out;
  for (const auto& [name, value] : options) out.push_back(*filters::ParseFilter(name, value));
  return out;
}

// Five filters that ignore the history, and five of which three read it.
const std::vector<Filter>& FixedFive() {
  static const auto f = Parse(
      {{"sum", "10-17"}, {"odd-even", "OEO,EOE,2odd"}, {"spread", "2-8"}, {"excludes", "0"}, {"no-pair", "any:11,22"}});
  return f;
}
const std::vector<Filter>& HistoryFive() {
  static const auto f = Parse({{"sum", "8-19"},
                               {"kind", "singles,doubles"},
                               {"not-last-box", "30"},
                               {"hot", "most-frequent:6:100:any"},
                               {"near", "any"}});
  return f;
}

// What the window does on every change: the chain, the list and its odds. The
// window keeps the views' measures of the selected draw between changes.
void CountAfterOneChange(benchmark::State& state, const std::vector<Filter>& chain) {
  filters::MeasuresAlong measures(TenThousandDraws(), 0);
  const filters::FilterContext context{&TenThousandDraws(), 0, nullptr, &measures};
  const plays::PrizeTable table = plays::DefaultPrizeTable();
  for (auto _ : state) {
    const filters::ChainResult r = filters::EvaluateChain(chain, context);
    benchmark::DoNotOptimize(filters::SummarizeList(r.kept, plays::BetType::Straight, 100, table));
  }
}
void CountFixedFilters(benchmark::State& state) { CountAfterOneChange(state, FixedFive()); }
BENCHMARK(CountFixedFilters)->Unit(benchmark::kMicrosecond);
void CountHistoryFilters(benchmark::State& state) { CountAfterOneChange(state, HistoryFive()); }
BENCHMARK(CountHistoryFilters)->Unit(benchmark::kMicrosecond);
// The first count after the selected row moved: the hot digits' ranking walks
// the whole history up to the selected draw.
void CountHistoryFiltersNewRow(benchmark::State& state) {
  const filters::FilterContext context{&TenThousandDraws(), 0, nullptr, nullptr};
  const plays::PrizeTable table = plays::DefaultPrizeTable();
  for (auto _ : state) {
    const filters::ChainResult r = filters::EvaluateChain(HistoryFive(), context);
    benchmark::DoNotOptimize(filters::SummarizeList(r.kept, plays::BetType::Straight, 100, table));
  }
}
BENCHMARK(CountHistoryFiltersNewRow)->Unit(benchmark::kMicrosecond);

void Backtest(benchmark::State& state, const std::vector<Filter>& chain, plays::BetType bet) {
  filters::FilterBacktestOptions o;
  o.draws = MAX_DRAWS;
  o.bet = bet;
  const plays::PrizeTable table = plays::DefaultPrizeTable();
  for (auto _ : state) benchmark::DoNotOptimize(filters::RunFilterBacktest(TenThousandDraws(), chain, o, table));
}
void BacktestFixedFiveStraight(benchmark::State& state) { Backtest(state, FixedFive(), plays::BetType::Straight); }
BENCHMARK(BacktestFixedFiveStraight)->Unit(benchmark::kMillisecond);
void BacktestHistoryFiveStraight(benchmark::State& state) { Backtest(state, HistoryFive(), plays::BetType::Straight); }
BENCHMARK(BacktestHistoryFiveStraight)->Unit(benchmark::kMillisecond);
void BacktestHistoryFiveBox(benchmark::State& state) { Backtest(state, HistoryFive(), plays::BetType::Box); }
BENCHMARK(BacktestHistoryFiveBox)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drawlyze

BENCHMARK_MAIN();
