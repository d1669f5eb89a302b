// The backtest chart: one per way of scoring, a line per rule beside chance
// and its 95% range; the PNG is drawn offscreen.
#include "render/backtest_chart.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

#include "../backtest/backtest_test_util.h"

namespace drawlyze {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "backtest_chart_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

BacktestResult Result(std::vector<int> rules) {
  BacktestOptions o;
  o.window = 20;
  o.rules = std::move(rules);
  return RunBacktest(testing::RandomHistory(300, 3), o);
}

TEST(BacktestChart, OneChartPerScoreWithEveryRuleAndChance) {
  App();
  const struct {
    std::vector<int> rules;
    std::vector<QString> titles;
    int seriesPerChart;
  } cases[] = {
      {{},
       {"At least one of the top 3 digits comes (chance 0.657)", "All three digits among the top 3 (chance 0.027)",
        "The digit at each position among its top 3 (chance 0.300)"},
       0},
      {{FindDigitRule("position-skip")}, {"The digit at each position among its top 3 (chance 0.300)"}, 1 + 3},
      {{FindDigitRule("random"), FindDigitRule("most-frequent")},
       {"At least one of the top 3 digits comes (chance 0.657)", "All three digits among the top 3 (chance 0.027)"},
       2 + 3},
  };
  for (const auto& c : cases) {
    std::unique_ptr<QWidget> widget(MakeBacktestCharts(Result(c.rules)));
    const QList<QChartView*> views = widget->findChildren<QChartView*>();
    ASSERT_EQ(views.size(), static_cast<qsizetype>(c.titles.size()));
    for (qsizetype i = 0; i < views.size(); ++i) {
      EXPECT_EQ(views[i]->chart()->title(), c.titles[static_cast<std::size_t>(i)]);
      if (c.seriesPerChart > 0) {
        EXPECT_EQ(views[i]->chart()->series().size(), c.seriesPerChart);
      }
    }
  }
}

TEST(BacktestChart, PngIsDrawnOffscreen) {
  App();
  QTemporaryDir dir;
  const std::string path = dir.filePath("chart.png").toStdString();
  const Status saved = SaveBacktestChartPng(Result({}), path);
  ASSERT_TRUE(saved) << ErrorText(saved.Failure());
  const QImage image(QString::fromStdString(path));
  EXPECT_EQ(image.height(), 3 * 380);
  EXPECT_NE(image.pixel(image.width() / 2, image.height() / 6), image.pixel(2, 2));  // something is drawn

  BacktestOptions o;
  o.window = 400;  // more than the history: nothing tested, no chart
  const Status nothing = SaveBacktestChartPng(RunBacktest(testing::RandomHistory(300, 3), o), path);
  ASSERT_FALSE(nothing);
  EXPECT_EQ(ErrorText(nothing.Failure()), "Error - no draw was tested, so there is no chart");

  // A folder that is not there: the one wording, and no file at all.
  const std::string missing = dir.filePath("none/chart.png").toStdString();
  const Status unwritable = SaveBacktestChartPng(Result({}), missing);
  ASSERT_FALSE(unwritable);
  EXPECT_EQ(ErrorText(unwritable.Failure()),
            "Error - file " + missing + " cannot be written! No such file or directory");
  EXPECT_FALSE(QFile::exists(dir.filePath("none")));
}

}  // namespace
}  // namespace drawlyze
