#pragma once
// How each digit ranking would have fared: for every tested draw, the top k
// digits a rule ranked from the draws before it, scored against that draw.

#include <cstdint>
#include <string>
#include <vector>

#include "core/backtest/digit_rules.h"
#include "core/backtest/probability.h"
#include "core/chart/view_helpers.h"
#include "core/history/draw_history.h"

namespace drawlyze {

// How a tested draw is scored against the k digits.
enum class Score {
  AtLeastOne,     // at least one of the draw's digits is among them
  AllThree,       // every digit of the draw is among them
  AtThePosition,  // positional rules: the digit at each position is among that position's k
};

// The chance of a hit when the draws are fair: 1 - ((10-k)/10)^3, (k/10)^3, k/10.
double ChanceRate(Score score, int k);
const char* ScoreText(Score score);

struct BacktestOptions {
  std::vector<int> rules;  // indexes into AllDigitRules(); empty: every rule
  int top = 3;             // k, 1..9
  int window = 100;        // N: a draw is tested when it has N older draws
  LastDraws draws;         // M: test the newest M such draws (0: none); none: all of them
  int row = 1;             // the newest tested draw is the one at row R of the table (index R-1)
  std::uint64_t seed = 1;  // the random baselines' seed
};

// One line of the table: a rule scored one way.
struct BacktestLine {
  int rule = 0;  // index into AllDigitRules()
  Score score = Score::AtLeastOne;
  int trials = 0;
  int hits = 0;
  // Hits at each tested draw, oldest tested draw first (0..3 at the position, else 0..1).
  std::vector<std::uint8_t> hitsByDraw;
  bool operator==(const BacktestLine&) const = default;
};

struct BacktestResult {
  BacktestOptions options;
  int count = 0;      // draws in the history
  int firstTime = 0;  // the oldest tested draw's place in time (0 = the oldest draw)
  int tested = 0;     // tested draws: times firstTime .. firstTime+tested-1
  std::vector<BacktestLine> lines;
  // Draws numbered from 1 (the oldest) to count (the newest), as the reports do.
  int NewestOrdinal() const { return firstTime + tested; }
  int OldestOrdinal() const { return firstTime + 1; }
};

// The statistics of one line.
struct LineSummary {
  double rate = 0;       // hits / trials
  double chance = 0;     // the chance rate
  double lift = 0;       // rate / chance
  Interval interval;     // 95% Wilson interval of the rate
  double pValue = 1;     // two-sided exact binomial test against the chance rate
  double adjustedP = 1;  // pValue adjusted for every line of the run (AdjustPValues)
  std::string verdict;   // from adjustedP: a verdict counts every test made in the run
};

// Draw by draw, with the measures kept up to date as the window slides.
BacktestResult RunBacktest(const DrawHistory& history, const BacktestOptions& options);

// The backtest of the Statistics window's button: every rule, the defaults
// above, the newest tested draw at the selected row and as many tested draws
// as the window's "Use Last Draws" (drawlyze-cli backtest --row R --draws M).
BacktestOptions StatisticsBacktestOptions(int row, LastDraws lastDraws);

// The tested draws' places in time; fills result.count, firstTime and tested.
void PlanBacktest(const DrawHistory& history, BacktestResult& result);
// The empty lines of the table, one per rule and score, in table order.
std::vector<BacktestLine> BacktestLines(const BacktestOptions& options);
// Scores one tested draw for every line, from the measures of the draws before it.
void ScoreDraw(const DigitMeasures& m, const DrawNumbers& draw, const BacktestOptions& options,
               std::vector<BacktestLine>& lines);

// Every line's statistics, in table order. The lines of one run are one
// family of tests: each p-value is adjusted for all of them (Holm).
std::vector<LineSummary> SummarizeLines(const BacktestResult& result);
// "better than chance" or "worse than chance" when the interval lies above or
// below the chance rate and the (adjusted) p-value is below 0.05 too; otherwise "no
// better than chance" (the two can disagree near the edge on few trials).
std::string Verdict(const Interval& interval, double chance, double pValue, int trials);

// The table as tab-separated lines for the report window and the command line.
std::vector<std::string> BacktestReport(const BacktestResult& result);
// "15 tests were made in this run" (the report's and the chart's notes say it).
std::string TestsMadeText(int tests);

}  // namespace drawlyze
