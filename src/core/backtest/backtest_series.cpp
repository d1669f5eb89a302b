#include "core/backtest/backtest_series.h"

#include <algorithm>

#include "core/backtest/decimal_text.h"

namespace drawlyze {
namespace {

std::string Title(Score score, int top) {
  const std::string chance = Fixed(ChanceRate(score, top), 3);
  const std::string k = std::to_string(top);
  switch (score) {
    case Score::AtLeastOne:
      return "At least one of the top " + k + " digits comes (chance " + chance + ")";
    case Score::AllThree:
      return "All three digits among the top " + k + " (chance " + chance + ")";
    case Score::AtThePosition:
      return "The digit at each position among its top " + k + " (chance " + chance + ")";
  }
  return {};
}

std::string Legend(const DigitRule& rule, const LineSummary& s) {
  std::string name =
      std::string(rule.caption) + ": p " + PValueText(s.pValue) + ", adjusted " + PValueText(s.adjustedP);
  if (s.verdict == "better than chance" || s.verdict == "worse than chance") name += ", " + s.verdict;
  return name;
}

BacktestSeries SeriesOf(const BacktestResult& result, const std::vector<LineSummary>& summaries, Score score,
                        int maxPoints) {
  BacktestSeries series;
  series.score = score;
  series.title = Title(score, result.options.top);
  series.chance = ChanceRate(score, result.options.top);
  const int perDraw = score == Score::AtThePosition ? 3 : 1;
  const int n = result.tested;
  const int step = std::max(1, n / std::max(maxPoints, 1));
  for (int j = 0; j < n; ++j)
    if ((j + 1) % step == 0 || j == n - 1) series.draws.push_back(j + 1);
  for (const int draw : series.draws) series.band.push_back(ChanceBand(series.chance, perDraw * draw));

  // The axis shows the band from a twentieth of the draws on (the first
  // draws swing wildly) and every rule's rate from there.
  const int settled = std::min(n - 1, std::max(n / 20, 20));
  const Interval settledBand = ChanceBand(series.chance, perDraw * (settled + 1));
  double low = series.chance - 1.2 * (series.chance - settledBand.low);
  double high = series.chance + 1.2 * (settledBand.high - series.chance);

  for (std::size_t i = 0; i < result.lines.size(); ++i) {
    const BacktestLine& line = result.lines[i];
    if (line.score != score) continue;
    RuleSeries rule;
    rule.rule = line.rule;
    rule.summary = summaries[i];
    rule.name = Legend(AllDigitRules()[static_cast<std::size_t>(line.rule)], rule.summary);
    int hits = 0;
    std::size_t next = 0;
    for (int j = 0; j < n; ++j) {
      hits += line.hitsByDraw[static_cast<std::size_t>(j)];
      const double rate = static_cast<double>(hits) / (perDraw * (j + 1));
      if (j >= settled) low = std::min(low, rate), high = std::max(high, rate);
      if (next < series.draws.size() && series.draws[next] == j + 1) rule.rates.push_back(rate), ++next;
    }
    series.rules.push_back(std::move(rule));
  }
  const double margin = (high - low) * 0.05;
  series.axis = {std::max(0.0, low - margin), std::min(1.0, high + margin)};
  return series;
}

}  // namespace

std::vector<BacktestSeries> BacktestChartSeries(const BacktestResult& result, int maxPoints) {
  std::vector<BacktestSeries> all;
  if (result.tested == 0) return all;
  const std::vector<LineSummary> summaries = SummarizeLines(result);
  for (const Score score : {Score::AtLeastOne, Score::AllThree, Score::AtThePosition}) {
    const bool used = std::any_of(result.lines.begin(), result.lines.end(),
                                  [&](const BacktestLine& line) { return line.score == score; });
    if (used) all.push_back(SeriesOf(result, summaries, score, maxPoints));
  }
  return all;
}

std::string BacktestChartNote(const BacktestResult& result) {
  return TestsMadeText(static_cast<int>(result.lines.size())) +
         ". Beside each rule its p-value and the one adjusted for every test of the run (Holm), which its verdict "
         "uses. The dotted band is the 95% range of chance: the rates whose Wilson interval, as the table gives it, "
         "holds chance.";
}

}  // namespace drawlyze
