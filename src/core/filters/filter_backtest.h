#pragma once
// The list played on past draws without looking ahead: each tested draw is
// predicted from the draws older than it (the history-based filters are
// recomputed as if the draw just older than it were selected), then scored in
// hits and money, and set beside seeded random lists of the same size and bet.

#include <cstdint>
#include <string>
#include <vector>

#include "core/backtest/probability.h"
#include "core/filters/play_list.h"

namespace drawlyze::filters {

struct FilterBacktestOptions {
  int draws = 100;  // M: the tested draws, the selected one and the M-1 before it
  int row = 1;      // the selected row; the newest tested draw is its draw
  plays::BetType bet = plays::BetType::Straight;
  plays::Cents amount = plays::kOneUnit;
  int randomLists = 1000;
  std::uint64_t seed = 1;
  const SievePatterns* sieve = nullptr;  // null: the start patterns
};

struct TestedDraw {
  int index = 0;  // in the history (0 = the newest draw)
  int drawn = 0;  // 0..999
  int kept = 0;   // the list's plays at that draw
  bool hit = false;
  plays::Cents cost = 0;
  plays::Cents prize = 0;
  double chance = 0;         // of a hit, exactly, for that list
  double expectedPrize = 0;  // cents
};

// The random lists' running net at one tested draw: the middle 90%.
struct NetBand {
  int draw = 0;  // 0-based among the tested draws
  double low = 0, high = 0;
};

struct FilterBacktestResult {
  FilterBacktestOptions options;
  int requested = 0;              // M as asked; fewer are tested when the history is shorter
  std::vector<TestedDraw> draws;  // oldest first
  int trials = 0, hits = 0;
  double expectedHits = 0;
  double chance = 0;       // expectedHits / trials
  Interval interval;       // 95% Wilson interval of the hit rate
  double pValue = 1;       // exact two-sided test of the hits against their chances
  bool sameChance = true;  // every tested draw had the same chance: the binomial test; else Poisson-binomial
  plays::Cents cost = 0, won = 0;
  double expectedWon = 0;
  std::vector<plays::Cents> runningNet;                  // after each tested draw
  std::vector<NetBand> band;                             // the random lists' middle 90%, at most about 500 points
  std::vector<plays::Cents> randomNets;                  // each random list's net at the end, ascending
  int randomBelow = 0, randomTies = 0, randomAbove = 0;  // random lists with a smaller, equal, larger net
  double percentile = 0;                                 // share below, ties counted half, in percent
  double randomP = 1;                                    // two-sided: how often a random list is at least this far out
  std::vector<std::string> testNames;
  std::vector<double> rawP, adjustedP;  // the run's tests, then adjusted together
  std::string verdict;

  plays::Cents Net() const { return won - cost; }
};

// The list the kept numbers make at one tested draw, counted the fast way the
// backtest needs (the same figures as SummarizeList).
struct DrawList {
  int plays = 0;
  int hitNumbers = 0;  // of the 1,000, those that pay the list
  plays::Cents prizeOverAll = 0;
  NumberSet items;  // the plays: the numbers, or the box keys
};
class DrawListCounter {
 public:
  DrawListCounter(plays::BetType bet, plays::Cents amount, const plays::PrizeTable& table);
  DrawList Count(const NumberSet& kept) const;

 private:
  plays::BetType bet_;
  std::array<int, kNumbers> orders_{};          // of each play that can be made, else 0
  std::array<plays::Cents, kNumbers> prize_{};  // what it pays when it wins
  std::array<std::uint16_t, kNumbers> key_{};   // the play a kept number makes: itself, or its box key
};

// A failure when no draw can be tested (no draw older than the selected one).
Result<FilterBacktestResult> RunFilterBacktest(const DrawHistory& history, const std::vector<Filter>& filters,
                                               const FilterBacktestOptions& options, const plays::PrizeTable& table);

// The report in a player's words, for the window and drawlyze-cli.
std::vector<std::string> FilterBacktestReport(const FilterBacktestResult& result, const plays::PrizeTable& table);

// drawlyze-cli filter --backtest M --csv: the header date,draw,drawn,kept,hit,cost,prize and one record a
// tested draw, oldest first.
std::vector<std::string> FilterBacktestCsv(const DrawHistory& history, const FilterBacktestResult& result);

}  // namespace drawlyze::filters
