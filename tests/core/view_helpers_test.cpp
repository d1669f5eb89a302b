#include "core/chart/view_helpers.h"

#include <gtest/gtest.h>

namespace drawlyze {
namespace {

TEST(AnalysisWindow, ClampsToTheDrawsThatExist) {
  std::vector<DrawNumbers> draws(12, DrawNumbers{1, 2, 3});
  const DrawHistory h = DrawHistory::FromOldestFirst(draws);
  const struct {
    int row;
    LastDraws last;
    int start, n;
  } cases[] = {{10, 10, 9, 3}, {1, 12, 0, 12}, {1, 100, 0, 12},          {3, 1, 2, 1},           {1, 0, 0, 0},
               {0, 12, -1, 0}, {13, 1, 12, 0}, {1, std::nullopt, 0, 12}, {5, std::nullopt, 4, 8}};
  for (const auto& c : cases) {
    const DrawWindow w = AnalysisWindow(h, c.row, c.last);
    EXPECT_EQ(w.start, c.start);
    EXPECT_EQ(w.n, c.n) << "row " << c.row << " last " << c.last.value_or(-1);
  }
  EXPECT_EQ(AnalysisWindow(DrawHistory(), 1, std::nullopt).n, 0);
}

TEST(NextDraw, ExistsFromRowTwo) {
  const DrawHistory h = DrawHistory::FromOldestFirst({{1, 2, 3}, {4, 5, 6}});
  EXPECT_FALSE(GetNextDraw(h, 1).exists);
  const NextDraw next = GetNextDraw(h, 2);
  EXPECT_TRUE(next.Contains(5));
  EXPECT_FALSE(next.Contains(1));
}

TEST(FormatNumber, PadsToTheSampleWidth) {
  EXPECT_EQ(FormatNumber(0), "00");
  EXPECT_EQ(FormatNumber(9), "09");
  EXPECT_EQ(FormatNumber(42), "42");
  EXPECT_EQ(FormatNumber(100), "100");
  EXPECT_EQ(NumberText(7), "07 ");
}

TEST(Sorts, StableDescendingAndReorder) {
  int values[] = {3, 5, 3};
  int companions[] = {0, 1, 2};
  SortPairsDescending(values, companions, 3);
  EXPECT_EQ(std::vector<int>(values, values + 3), (std::vector<int>{5, 3, 3}));
  EXPECT_EQ(std::vector<int>(companions, companions + 3), (std::vector<int>{1, 0, 2}));

  int v[10] = {7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  const int keys[10] = {2, 0, 1, 3, 4, 5, 6, 7, 8, 9};
  ReorderByKeys(v, keys);
  EXPECT_EQ(v[0], 9);
  EXPECT_EQ(v[1], 7);
  EXPECT_EQ(v[2], 8);
}

TEST(FinishView, GridColumnsStepAndBias) {
  const struct {
    int step, bias;
    std::vector<int> columns;
  } cases[] = {
      {3, 0, {0, 3, 6, 9, 12, 15, 18}},
      {1, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {20, 0, {0, 20}},
      {5, 19, {19}},
      {1, 19, {19, 20}},
  };
  for (const auto& c : cases) {
    Chart chart;
    FinishView(chart, GridSettings{true, c.step, c.bias});
    ASSERT_EQ(chart.items.size(), c.columns.size() + 2);
    for (std::size_t i = 0; i < c.columns.size(); ++i) {
      const ChartLine& l = chart.items[i].line;
      EXPECT_EQ(l, (ChartLine{14 * c.columns[i] + 1, 0, 14 * c.columns[i] + 1, kChartHeight, kGreen}));
    }
    EXPECT_EQ(chart.items[c.columns.size()].line, (ChartLine{0, 409, 253, 409, kGreen}));
    EXPECT_EQ(chart.items.back().line, (ChartLine{0, 1, 253, 1, kGreen}));
    EXPECT_EQ(chart.pen, kBlack);
  }
  Chart off;
  FinishView(off, GridSettings{});
  EXPECT_TRUE(off.items.empty());
}

TEST(Chart, ListingAndCopyText) {
  Chart chart;
  chart.TextOut(9, 25, "03 ", kHitText);
  chart.TextOut(2, 5, "A1", kBoldText);
  chart.pen = kGreen;
  chart.LineTo(1, 0, 1, 640);
  EXPECT_EQ(FormatChartListing(chart),
            "text 9 25 #FF0000 #FFFF00 normal 03 \n"
            "text 2 5 #000000 #FFFFFF bold A1\n"
            "line 1 0 1 640 #00FF00\n");
  chart.AddCopyLine("a");
  chart.AddCopyLine("");
  EXPECT_EQ(chart.CopyText(), "a\r\n\r\n");
}

}  // namespace
}  // namespace drawlyze
