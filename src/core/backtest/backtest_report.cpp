// The backtest table as tab-separated lines.
#include <string>

#include "core/backtest/backtest.h"
#include "core/backtest/decimal_text.h"

namespace drawlyze {

std::vector<std::string> BacktestReport(const BacktestResult& result) {
  const BacktestOptions& o = result.options;
  std::vector<std::string> lines;
  if (result.tested == 0) {
    lines.push_back("No draw to test: a tested draw needs " + std::to_string(o.window) +
                    " draws before it, and the history has " + std::to_string(result.count) + ".");
    return lines;
  }
  lines.push_back("Statistics from " + std::to_string(result.NewestOrdinal()) + " to " +
                  std::to_string(result.OldestOrdinal()) + " draws");
  lines.emplace_back();
  lines.emplace_back("Hypothesis: no ranking tells the next draw; every rule hits as often as chance.");
  lines.push_back("Each of these " + std::to_string(result.tested) + " draws is scored with the top " +
                  std::to_string(o.top) + " digits of each rule, ranked from the " + std::to_string(o.window) +
                  " draws before it.");
  lines.emplace_back();
  lines.emplace_back("Rule\tScored as\tTrials\tHits\tHit rate\tChance\tLift\t95% from\t95% to\tp-value\tVerdict");
  for (const BacktestLine& line : result.lines) {
    const LineSummary s = SummarizeLine(line, o.top);
    lines.push_back(std::string(AllDigitRules()[static_cast<std::size_t>(line.rule)].caption) + "\t" +
                    ScoreText(line.score) + "\t" + std::to_string(line.trials) + "\t" + std::to_string(line.hits) +
                    "\t" + Fixed(s.rate, 4) + "\t" + Fixed(s.chance, 4) + "\t" + Fixed(s.lift, 2) + "\t" +
                    Fixed(s.interval.low, 4) + "\t" + Fixed(s.interval.high, 4) + "\t" + PValueText(s.pValue) +
                    "\t" + s.verdict);
  }
  lines.emplace_back();
  lines.emplace_back("\"at least one\": one of the top digits comes; \"all three\": every digit of the draw is among "
                     "them; \"at the position\": the digit at A1, A2 and A3 (three trials a draw).");
  lines.emplace_back("\"Longest since last hit\" and \"Longest skip at the position\" look back through every older "
                     "draw, as their views do.");
  lines.emplace_back("At 95%, about one line in twenty lands outside chance by luck alone; trust a verdict only if "
                     "it holds on newer draws too.");
  return lines;
}

}  // namespace drawlyze
