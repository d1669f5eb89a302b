// The backtest chart's numbers: its band is the table's Wilson interval read
// the other way round, its lines end at the table's hit rates.
#include "core/backtest/backtest_series.h"

#include <gtest/gtest.h>

#include <cmath>

#include "backtest_test_util.h"

namespace drawlyze {
namespace {

// A rate lies in the band of chance exactly when the table's Wilson interval
// for it holds the chance rate, at every count of hits.
TEST(BacktestSeries, BandIsWhereTheTablesWilsonIntervalHoldsChance) {
  const struct {
    double chance;
    int trials;
  } cases[] = {{0.657, 1}, {0.657, 20}, {0.657, 500}, {0.027, 20}, {0.027, 6000}, {0.3, 3}, {0.3, 1200}, {0.3, 20277}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.chance) + " over " + std::to_string(c.trials));
    const Interval band = ChanceBand(c.chance, c.trials);
    int inside = 0;
    for (int hits = 0; hits <= c.trials; ++hits) {
      const Interval wilson = WilsonInterval(hits, c.trials);
      // On the edge itself rounding decides; no case here lands within 1e-12 of it.
      if (std::fabs(wilson.low - c.chance) < 1e-12 || std::fabs(wilson.high - c.chance) < 1e-12) continue;
      const double rate = static_cast<double>(hits) / c.trials;
      const bool holdsChance = wilson.low <= c.chance && c.chance <= wilson.high;
      EXPECT_EQ(band.low <= rate && rate <= band.high, holdsChance) << hits << " hits";
      inside += holdsChance;
    }
    EXPECT_GT(inside, 0);
  }
  const Interval none = ChanceBand(0.3, 0);
  EXPECT_EQ(none.low, 0);
  EXPECT_EQ(none.high, 1);
}

TEST(BacktestSeries, LinesEndAtTheTablesRatesAndTheBandAtItsInterval) {
  BacktestOptions o;
  o.window = 20;
  const BacktestResult result = RunBacktest(testing::RandomHistory(700, 11), o);
  const std::vector<LineSummary> table = SummarizeLines(result);
  const int maxPoints = 100;
  const std::vector<BacktestSeries> charts = BacktestChartSeries(result, maxPoints);
  ASSERT_EQ(charts.size(), 3u);
  std::size_t rules = 0;
  for (const BacktestSeries& chart : charts) {
    SCOPED_TRACE(chart.title);
    const int perDraw = chart.score == Score::AtThePosition ? 3 : 1;
    ASSERT_FALSE(chart.draws.empty());
    // Every (n / maxPoints)-th draw and the last: fewer than twice maxPoints.
    EXPECT_LT(chart.draws.size(), static_cast<std::size_t>(2 * maxPoints));
    EXPECT_GE(chart.draws.size(), static_cast<std::size_t>(maxPoints));
    EXPECT_EQ(chart.draws.back(), result.tested);
    ASSERT_EQ(chart.band.size(), chart.draws.size());
    EXPECT_LE(chart.axis.low, chart.band.back().low);
    EXPECT_GE(chart.axis.high, chart.band.back().high);
    for (const RuleSeries& rule : chart.rules) {
      ++rules;
      // The table line of the same rule and score.
      std::size_t i = 0;
      while (result.lines[i].rule != rule.rule || result.lines[i].score != chart.score) ++i;
      const LineSummary& line = table[i];
      ASSERT_EQ(rule.rates.size(), chart.draws.size());
      EXPECT_DOUBLE_EQ(rule.rates.back(), line.rate);
      EXPECT_EQ(rule.summary.adjustedP, line.adjustedP);
      EXPECT_EQ(rule.summary.verdict, line.verdict);
      EXPECT_EQ(result.lines[i].trials, perDraw * result.tested);
      // The band's last point is the table's interval for a rate at chance, read the other way.
      const Interval band = ChanceBand(chart.chance, result.lines[i].trials);
      EXPECT_EQ(chart.band.back().low, band.low);
      EXPECT_EQ(chart.band.back().high, band.high);
      const bool outside = rule.rates.back() < band.low || rule.rates.back() > band.high;
      EXPECT_EQ(outside, line.interval.low > chart.chance || line.interval.high < chart.chance);
      EXPECT_NE(rule.name.find(", adjusted "), std::string::npos) << rule.name;
    }
  }
  EXPECT_EQ(rules, result.lines.size());
  EXPECT_EQ(BacktestChartNote(result).substr(0, 31), "15 tests were made in this run.");

  o.window = 800;  // more than the history: nothing tested, nothing to draw
  EXPECT_TRUE(BacktestChartSeries(RunBacktest(testing::RandomHistory(700, 11), o)).empty());
}

}  // namespace
}  // namespace drawlyze
