// Full-size histories: the store's limit and every view and report at the edges of it.
#include <gtest/gtest.h>

#include <random>

#include "core/reports/reports.h"
#include "core/views/views.h"

namespace drawlyze {
namespace {

std::string RandomDrawFile(int lines, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> digit(0, 9);
  std::string text;
  for (int i = 1; i <= lines; ++i)
    text += std::to_string(i) + " 01.01.2011 Sat Day " + std::to_string(digit(rng)) + ' ' + std::to_string(digit(rng)) +
            ' ' + std::to_string(digit(rng)) + " x\r\n";
  return text;
}

TEST(LargeHistory, TwentyFiveThousandLinesKeepTheNewestTenThousand) {
  const LoadResult result = ParseDrawFile(RandomDrawFile(25000, 7));
  ASSERT_EQ(result.draws.size(), 10000u);
  EXPECT_EQ(result.draws.front().number, "25000");
  EXPECT_EQ(result.draws.back().number, "15001");
  EXPECT_EQ(result.Messages(), std::vector<std::string>{"15000 older lines were not loaded (at most 10000 draws)"});
}

TEST(LargeHistory, EveryViewAndReportRunsAtTheEdgesOfAFullStore) {
  DrawHistory history;
  history.Assign(ParseDrawFile(RandomDrawFile(10000, 11)).draws);
  ASSERT_EQ(history.Count(), MAX_DRAWS);
  const struct {
    int row, lastIndex;
  } selections[] = {{1, 9999}, {2, 9999}, {5000, 9999}, {9999, 9999}, {10000, 9999}, {2, 0}, {10000, 0}};
  for (const auto& s : selections) {
    SCOPED_TRACE("row " + std::to_string(s.row) + " index " + std::to_string(s.lastIndex));
    ViewInput in;
    in.history = &history;
    in.row = s.row;
    in.lastDraws = s.lastIndex + 1;
    in.grid.on = true;
    for (int option = 0; option < kOptionCount; ++option) {
      for (bool median : {false, true}) {
        in.median = median;
        const Chart chart = RunView(option, in);
        EXPECT_FALSE(chart.copyLines.empty()) << OptionCaption(option);
        for (const ChartItem& item : chart.items) {
          if (item.kind != ChartItem::Kind::Text) continue;
          EXPECT_GE(item.text.x, 0) << OptionCaption(option);
          EXPECT_LT(item.text.x, kChartWidth) << OptionCaption(option);
          EXPECT_GE(item.text.y, 0) << OptionCaption(option);
          EXPECT_LT(item.text.y, kChartHeight) << OptionCaption(option);
        }
      }
    }
    for (const ReportInfo& report : AllReports()) {
      ReportInput input{&history, s.row, s.lastIndex + 1, "1 2 3"};
      EXPECT_FALSE(report.run(input).empty()) << report.caption;
    }
  }
}

}  // namespace
}  // namespace drawlyze
