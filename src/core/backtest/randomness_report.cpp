// The randomness report: the hypothesis in a player's words, then one
// tab-separated line per test.
#include <algorithm>

#include "core/backtest/decimal_text.h"
#include "core/backtest/randomness.h"

namespace drawlyze {

std::vector<std::string> RandomnessReport(const DrawHistory& history, int row, LastDraws lastDraws) {
  // The Statistics window's run of draws: the selected draw and the N-1 before it.
  const int count = history.Count();
  const DrawWindow window = AnalysisWindow(history, row, lastDraws);
  const int start = row - 1;
  const int n = window.n;

  std::vector<std::string> lines;
  lines.push_back("Statistics from " + std::to_string(count - start) + " to " + std::to_string(count - start - n + 1) +
                  " draws");
  lines.emplace_back();
  lines.emplace_back(
      "Hypothesis: the draws are fair. Every digit 0..9 is as likely as any other at A1, A2 and A3, "
      "and no draw depends on the draws before it.");
  lines.emplace_back(
      "Each test measures how far these draws stray from that; its p-value is how often a fair game "
      "strays at least as far.");
  lines.emplace_back(
      "A test says \"not random\" when its p-value is below 0.01, as a fair game does once in a hundred "
      "tests; otherwise \"consistent with random\".");
  lines.emplace_back();
  lines.emplace_back("Test\tStatistic\tdf\tp-value\tVerdict\tDetail");
  for (const RandomnessLine& t : RandomnessTests(history, start, n)) {
    const std::string statistic = t.enough && t.decimals >= 0 ? Fixed(t.statistic, t.decimals) : "-";
    lines.push_back(t.test + "\t" + statistic + "\t" + (t.enough && t.df > 0 ? std::to_string(t.df) : "-") + "\t" +
                    (t.enough ? PValueText(t.pValue) : "-") + "\t" + RandomnessVerdict(t) + "\t" + t.detail);
  }
  return lines;
}

}  // namespace drawlyze
