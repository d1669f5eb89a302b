// The backtest table as tab-separated lines.
#include <algorithm>
#include <string>

#include "core/backtest/backtest.h"
#include "core/backtest/decimal_text.h"

namespace drawlyze {

namespace {

// Why nothing was tested, in the user's terms.
std::string NothingTested(const BacktestResult& result) {
  const BacktestOptions& o = result.options;
  if (result.count == 0) return "No draw to test: the history holds no draw.";
  if (o.draws && *o.draws <= 0) return "No draw to test: none was asked for.";
  const int before = std::max(result.count - std::max(o.row, 1), 0);
  return "No draw to test: a tested draw needs " + std::to_string(o.window) + " draws before it, and the draw at row " +
         std::to_string(o.row) + " has " + std::to_string(before) + ".";
}

// The settings the table was made with, so that a reader of the window's
// report, which has no controls for them, knows them.
std::string SettingsLine(const BacktestResult& result) {
  const BacktestOptions& o = result.options;
  const std::string n = std::to_string(o.window);
  const std::string row = std::to_string(o.row);
  // Fewer draws asked for than have N before them: the newest of them.
  const std::string which = o.draws && *o.draws == result.tested
                                ? "the newest " + std::to_string(result.tested) + " up to row " + row
                                : "every draw up to row " + row + " with " + n + " before it";
  const std::size_t all = AllDigitRules().size();
  const std::string rules = o.rules.size() == all
                                ? "all " + std::to_string(all) + " rules"
                                : std::to_string(o.rules.size()) + " of the " + std::to_string(all) + " rules";
  return "Settings: top K = " + std::to_string(o.top) + " digits, window N = " + n +
         " draws, M = " + std::to_string(result.tested) + (result.tested == 1 ? " tested draw (" : " tested draws (") +
         which + "), " + rules + ".";
}

}  // namespace

std::vector<std::string> BacktestReport(const BacktestResult& result) {
  std::vector<std::string> lines;
  if (result.tested == 0) {
    lines.push_back(NothingTested(result));
    return lines;
  }
  lines.push_back("Statistics from " + std::to_string(result.NewestOrdinal()) + " to " +
                  std::to_string(result.OldestOrdinal()) + " draws");
  lines.emplace_back();
  lines.emplace_back("Hypothesis: no ranking tells the next draw; every rule hits as often as chance.");
  lines.push_back(SettingsLine(result));
  lines.emplace_back(
      "Each tested draw is scored with the top K digits of each rule, ranked from the N draws before it.");
  lines.emplace_back();
  lines.emplace_back(
      "Rule\tScored as\tTrials\tHits\tHit rate\tChance\tLift\t95% from\t95% to\tp-value\tadjusted p\tVerdict");
  const std::vector<LineSummary> summaries = SummarizeLines(result);
  for (std::size_t i = 0; i < result.lines.size(); ++i) {
    const BacktestLine& line = result.lines[i];
    const LineSummary& s = summaries[i];
    lines.push_back(std::string(AllDigitRules()[static_cast<std::size_t>(line.rule)].caption) + "\t" +
                    ScoreText(line.score) + "\t" + std::to_string(line.trials) + "\t" + std::to_string(line.hits) +
                    "\t" + Fixed(s.rate, 4) + "\t" + Fixed(s.chance, 4) + "\t" + Fixed(s.lift, 2) + "\t" +
                    Fixed(s.interval.low, 4) + "\t" + Fixed(s.interval.high, 4) + "\t" + PValueText(s.pValue) + "\t" +
                    PValueText(s.adjustedP) + "\t" + s.verdict);
  }
  lines.emplace_back();
  // Lines no wider than the table, so the report window holds them.
  lines.emplace_back(
      "\"at least one\": one of the top digits comes; \"all three\": every digit of the draw is among them;");
  lines.emplace_back(
      "\"at the position\": the digit at A1, A2 and A3 is among its position's top (three trials a draw).");
  lines.emplace_back(
      "\"Longest since last hit\" and \"Longest skip at the position\" look back through every older draw, as");
  lines.emplace_back(
      "their views do; a digit is rarely absent from all N draws, so \"Longest current skip\" mostly ranks alike.");
  // Holm's adjustment keeps luck alone from any verdict of the run in at most one run in twenty.
  lines.push_back(TestsMadeText(static_cast<int>(result.lines.size())) +
                  ". Better or worse needs the 95% interval clear of chance and the");
  lines.emplace_back(
      "adjusted p below 0.05: Holm's adjustment counts every test of the run, so that luck alone gives a");
  lines.emplace_back("verdict in at most one run in twenty. Trust a verdict only if newer draws confirm it.");
  return lines;
}

}  // namespace drawlyze
