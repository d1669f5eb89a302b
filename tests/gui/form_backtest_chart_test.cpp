// The backtest chart window replaces its charts by the latest result's.
#include "gui/form_backtest_chart.h"

#include <gtest/gtest.h>

#include <QChartView>

#include "../backtest/backtest_test_util.h"
#include "qt_app.h"

namespace drawlyze {
namespace {

BacktestResult Result(std::vector<int> rules) {
  BacktestOptions o;
  o.window = 20;
  o.rules = std::move(rules);
  return RunBacktest(testing::RandomHistory(300, 3), o);
}

TEST(BacktestChartWindow, ShowsTheLatestResult) {
  testing::App();
  TForm_backtest_chart form;
  form.SetResult(Result({}));
  form.SetResult(Result({FindDigitRule("position-random")}));
  EXPECT_EQ(form.windowTitle(), "Backtest chart");
  EXPECT_EQ(form.findChildren<QChartView*>().size(), 1);
}

}  // namespace
}  // namespace drawlyze
