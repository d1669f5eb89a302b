#pragma once
// What the backtest chart draws: for each way of scoring, every rule's running
// hit rate over the tested draws, the chance rate and its band, all computed
// here so that the chart only paints them. The band is the table's: the rates
// whose Wilson interval holds chance.

#include <string>
#include <vector>

#include "core/backtest/backtest.h"

namespace drawlyze {

// At most this many points a line: enough for any screen, cheap for any history.
inline constexpr int kMaxSeriesPoints = 1200;

struct RuleSeries {
  int rule = 0;               // index into AllDigitRules()
  std::string name;           // the legend: the caption, the p-value and the adjusted one
  std::vector<double> rates;  // the hit rate so far at each of the chart's draws
  LineSummary summary;        // the table's line: p-value, adjusted p, verdict
};

struct BacktestSeries {
  Score score = Score::AtLeastOne;
  std::string title;  // "At least one of the top 3 digits comes (chance 0.657)"
  double chance = 0;
  std::vector<int> draws;  // the sampled tested draws, 1 = the oldest tested draw
  std::vector<RuleSeries> rules;
  std::vector<Interval> band;  // the 95% range of chance at each of the draws
  Interval axis;               // the rates' axis: the band and every rate from the settled draws on
};

// One series per score the result's lines use (at least one, all three, at
// the position, in that order); none when no draw was tested.
std::vector<BacktestSeries> BacktestChartSeries(const BacktestResult& result, int maxPoints = kMaxSeriesPoints);

// The note under the charts: how many tests the run made and what the legend's p-values are.
std::string BacktestChartNote(const BacktestResult& result);

}  // namespace drawlyze
