// Checking plays at the store's full size: 10,000 plays of 10 draws each
// against 10,000 draws (two a day, Mid and Eve, over 5,000 days). The
// checking itself has a target of 20 ms; reading the plays file and the whole
// report with its luck are measured beside it.
#include <benchmark/benchmark.h>

#include <random>

#include "core/import/cell_values.h"
#include "core/plays/check_plays.h"
#include "core/plays/play_totals.h"
#include "core/plays/plays_file.h"
#include "core/plays/plays_report.h"
#include "core/plays/prizes.h"

namespace drawlyze {
namespace {

using namespace plays;

constexpr int kDraws = 10000;
constexpr int kPlays = 10000;
constexpr int kDrawsAPlay = 10;

DayKey FirstDay() { return import::MakeDayKey(2006, 1, 1); }

const DrawHistory& FullHistory() {
  static const DrawHistory history = [] {
    std::mt19937 rng(24);
    std::uniform_int_distribution<int> digit(0, 9);
    std::string text;
    for (int i = 0; i < kDraws; ++i) {
      text += std::to_string(i + 1) + ' ';
      drawlyze::import::AppendDate(text, FirstDay() + i / 2);
      text += i % 2 == 0 ? " wd Mid " : " wd Eve ";
      for (int k = 0; k < 3; ++k) text += std::to_string(digit(rng)) + ' ';
      text += "x\r\n";
    }
    DrawHistory h;
    h.Assign(ParseDrawFile(text).draws);
    return h;
  }();
  return history;
}

// Every bet in turn on a number it takes, from a day the history holds
// (the newest plays run past it and stay pending).
const std::vector<Play>& ManyPlays() {
  static const std::vector<Play> plays = [] {
    std::mt19937 rng(25);
    std::uniform_int_distribution<int> day(0, kDraws / 2 - 1), number(0, 999);
    std::vector<Play> list;
    for (int i = 0; i < kPlays; ++i) {
      Play play;
      play.date = FirstDay() + day(rng);
      play.time = i % 2 == 0 ? DrawTime::Midday : DrawTime::Evening;
      play.bet = kBetTypes[static_cast<std::size_t>(i) % kBetTypes.size()];
      play.number = IsPair(play.bet) ? number(rng) % 100 : number(rng);
      if (!Refusal(play.bet, play.number).empty()) play.number = 123;
      play.amount = kOneUnit;
      play.draws = kDrawsAPlay;
      play.line = i + 2;
      list.push_back(play);
    }
    return list;
  }();
  return plays;
}

void BM_CheckPlays(benchmark::State& state) {
  const DrawHistory& history = FullHistory();
  const std::vector<Play>& plays = ManyPlays();
  const PrizeTable table = DefaultPrizeTable();
  for (auto _ : state) {
    const PlaysCheck check = CheckPlays(history, plays, table);
    benchmark::DoNotOptimize(TotalsOf(check).won);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kPlays * kDrawsAPlay);
}
BENCHMARK(BM_CheckPlays)->Unit(benchmark::kMillisecond);

// The same with the history's draw times read once, as the window keeps them.
void BM_CheckPlaysHistoryRead(benchmark::State& state) {
  const DrawHistory& history = FullHistory();
  const HistoryDraws draws(history);
  const std::vector<Play>& plays = ManyPlays();
  const PrizeTable table = DefaultPrizeTable();
  for (auto _ : state) benchmark::DoNotOptimize(CheckPlays(draws, history, plays, table).plays.size());
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kPlays * kDrawsAPlay);
}
BENCHMARK(BM_CheckPlaysHistoryRead)->Unit(benchmark::kMillisecond);

void BM_ReadPlaysFile(benchmark::State& state) {
  const std::string text = FormatPlays(ManyPlays());
  for (auto _ : state) benchmark::DoNotOptimize(ReadPlays(text, "plays.csv"));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadPlaysFile)->Unit(benchmark::kMillisecond);

// What drawlyze-cli plays check and the window compute: checking, totals and
// how lucky the result is (simulated at this size, as the report says).
void BM_PlaysReport(benchmark::State& state) {
  const DrawHistory& history = FullHistory();
  PlaysFile file;
  file.plays = ManyPlays();
  for (auto _ : state)
    benchmark::DoNotOptimize(MakePlaysReport("plays.csv", "3x10.txt", file, DefaultPrizeTable(), history).luck.won);
}
BENCHMARK(BM_PlaysReport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drawlyze

BENCHMARK_MAIN();
