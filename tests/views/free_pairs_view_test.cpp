#include <gtest/gtest.h>

#include "core/views/views.h"
#include "view_test_util.h"

namespace drawlyze {
namespace {

using testing::History;
using testing::Input;

const ChartText* TextAt(const Chart& chart, int x, int y) {
  for (const ChartItem& item : chart.items)
    if (item.kind == ChartItem::Kind::Text && item.text.x == x && item.text.y == y && !item.text.bold)
      return &item.text;
  return nullptr;
}

// Cell (a, b) of the frequency table (top 0) or the last-skip table (top 200).
std::string Cell(const Chart& chart, int top, int a, int b) {
  return TextAt(chart, 28 * b + 28, top + 15 * a + 35)->text;
}

TEST(FreePairsView, WeightsOfRepeatedDigits) {
  const struct {
    const char* draw;
    std::vector<std::pair<int, int>> cells;  // (a*10+b, frequency); every other cell 0
  } cases[] = {
      {"557", {{55, 1}, {57, 2}, {75, 2}}},
      {"333", {{33, 3}}},
      {"124", {{12, 1}, {21, 1}, {14, 1}, {41, 1}, {24, 1}, {42, 1}}},
  };
  for (const auto& c : cases) {
    const DrawHistory h = History(c.draw);
    const Chart chart = FreePairsView(Input(h, 1, 1));
    for (int cell = 0; cell < 100; ++cell) {
      int expected = 0;
      for (const auto& [at, value] : c.cells)
        if (at == cell) expected = value;
      EXPECT_EQ(Cell(chart, 0, cell / 10, cell % 10), std::to_string(expected)) << c.draw << " " << cell;
      EXPECT_EQ(Cell(chart, 200, cell / 10, cell % 10), "0") << c.draw << " " << cell;
    }
  }
}

TEST(FreePairsView, CopyLinesAndLastSkips) {
  const DrawHistory h = History("120 345 167 000");  // row 2: window 1 6 7, 3 4 5, 1 2 0
  const Chart chart = FreePairsView(Input(h, 2, 3));
  ASSERT_EQ(chart.copyLines.size(), 24u);
  EXPECT_EQ(chart.copyLines[0], "Frequency:");
  EXPECT_EQ(chart.copyLines[1], "000 001 001 000 000 000 000 000 000 000 ");
  EXPECT_EQ(chart.copyLines[2], "001 000 001 000 000 000 001 001 000 000 ");
  EXPECT_EQ(chart.copyLines[11], "");
  EXPECT_EQ(chart.copyLines[12], "");
  EXPECT_EQ(chart.copyLines[13], "Last skip:");
  EXPECT_EQ(chart.copyLines[14], "000 002 002 000 000 000 000 000 000 000 ");
  EXPECT_EQ(chart.copyLines[15], "002 000 002 000 000 000 000 000 000 000 ");
  EXPECT_EQ(chart.copyLines[17], "000 000 000 000 001 001 000 000 000 000 ");
  // 1 2 0 is two draws back; a pair of the selected draw itself has last skip 0.
  EXPECT_EQ(Cell(chart, 200, 1, 2), "2");
  EXPECT_EQ(Cell(chart, 200, 6, 1), "0");
}

TEST(FreePairsView, ValuesOfAThousandAndMoreKeepTheirDigits) {
  std::string draws = "000";
  for (int i = 0; i < 399; ++i) draws += " 000";
  const DrawHistory h = History(draws);
  const Chart chart = FreePairsView(Input(h, 1, 400));
  EXPECT_EQ(chart.copyLines[1], "1200 000 000 000 000 000 000 000 000 000 ");
  EXPECT_EQ(Cell(chart, 0, 0, 0), "1200");
}

TEST(FreePairsView, BoldHeadingsAndMarkedPairsOfTheNextDraw) {
  const DrawHistory h = History("124 557");  // row 2 = 1 2 4, next 5 5 7
  const Chart chart = FreePairsView(Input(h, 2, 1));
  EXPECT_EQ(chart.items[0].text.text, "Frequency:");
  EXPECT_EQ(chart.items[0].text.x, 120);
  int bold = 0;
  std::vector<std::pair<int, int>> marked;
  for (const ChartItem& item : chart.items) {
    const ChartText& t = item.text;
    if (t.bold) {
      ++bold;
      EXPECT_EQ(t.font, kBlack);
      EXPECT_EQ(t.brush, kWhite);
      EXPECT_TRUE(t.y == 20 || t.y == 220 || t.x == 4) << t.x << "," << t.y;
    }
    if (t.font == kRed) marked.emplace_back(t.x, t.y);
  }
  EXPECT_EQ(bold, 40);
  // (5, 5), (5, 7) and (7, 5) in both tables; (7, 7) needs 7 twice.
  const std::vector<std::pair<int, int>> expected = {{168, 110}, {224, 110}, {168, 140},
                                                     {168, 310}, {224, 310}, {168, 340}};
  EXPECT_EQ(marked, expected);
  const ChartText* heading = nullptr;
  for (const ChartItem& item : chart.items)
    if (item.text.bold && item.text.x == 4 && item.text.y == 235 + 15 * 3) heading = &item.text;
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->text, "3");

  for (const ChartItem& item : FreePairsView(Input(h, 1, 2)).items) EXPECT_EQ(item.text.font, kBlack);
}

}  // namespace
}  // namespace drawlyze
