#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/views/views.h"
#include "view_test_util.h"

namespace drawlyze {
namespace {

using testing::History;
using testing::Input;

// Newest first: 024, 789, 456, 123.
constexpr const char* kDraws = "123 456 789 024";

struct PositionCase {
  const char* name;
  const char* history;  // oldest first
  int row;
  int lastDraws;                       // 0: no item selected
  int n;                               // the window the labels show
  std::vector<std::string> averages;   // a, +1, -1, +2, -2
  std::vector<std::string> midpoints;  // d, +1, -1, +2, -2, +3, -3
  std::string exactAverages;
  std::string exactMidpoints;
};

std::string Expected(const PositionCase& c) {
  const std::string n = std::to_string(c.n);
  std::string out = "00 01 02 03 04 05 06 07 08 09 \n\n";
  out += "Average A1..A3 +1 -1 +2 -2 for last " + n + " draws:\n";
  for (int i = 0; i < 5; ++i) out += (c.averages.empty() ? "" : c.averages[i]) + "\n";
  out += "\nAverage d1..d3 +1 -1 +2 -2 +3 -3 for last " + n + " draws:\n";
  for (int i = 0; i < 7; ++i) out += (c.midpoints.empty() ? "" : c.midpoints[i]) + "\n";
  out += "\nAverage A1..A3 Exact value:\n" + c.exactAverages + "\n\n";
  out += "Average d1..d3 Exact value:\n" + c.exactMidpoints + "\n";
  return out;
}

const PositionCase kCases[] = {
    // One draw 024: the averages are its digits, d1 = (0+1) div 2, d4 = (10+4) div 2.
    {"OneDraw",
     kDraws,
     1,
     1,
     1,
     {"00  02  04  ", "01  03  05  ", "09  01  03  ", "02  04  06  ", "08  00  02  "},
     {"00  01  03  07  ", "01  02  04  08  ", "09  00  02  06  ", "02  03  05  09  ", "08  09  01  05  ",
      "03  04  06  00  ", "07  08  00  04  "},
     "0.00 2.00 4.00 ",
     "0.50 1.00 3.00 7.00 "},
    // 024 789 456: S = 11 15 19; 3.67 rounds up, d2 = (26 div 3) div 2 = 4 truncates twice.
    {"ThreeDraws",
     kDraws,
     1,
     3,
     3,
     {"04  05  06  ", "05  06  07  ", "03  04  05  ", "06  07  08  ", "02  03  04  "},
     {"02  04  05  08  ", "03  05  06  09  ", "01  03  04  07  ", "04  06  07  00  ", "00  02  03  06  ",
      "05  07  08  01  ", "09  01  02  05  "},
     "3.67 5.00 6.33 ",
     "2.33 4.33 5.67 8.17 "},
    // Row 3 with 10 asked: only 456 and 123 are left. Means 2.5 3.5 4.5 round to 2 4 4.
    {"WindowCutAtOldestHalvesToEven",
     kDraws,
     3,
     10,
     2,
     {"02  04  04  ", "03  05  05  ", "01  03  03  ", "04  06  06  ", "00  02  02  "},
     {"01  03  04  07  ", "02  04  05  08  ", "00  02  03  06  ", "03  05  06  09  ", "09  01  02  05  ",
      "04  06  07  00  ", "08  00  01  04  "},
     "2.50 3.50 4.50 ",
     "1.75 3.00 4.00 7.25 "},
    {"EmptyWindow", kDraws, 1, 0, 0, {}, {}, "", ""},
    {"NoDraws", "", 1, 1, 0, {}, {}, "", ""},
    // Row 0 lies above the table: no window, no draw read before index 0.
    {"RowAboveTheTable", kDraws, 0, 4, 0, {}, {}, "", ""},
};

class PositionCopyTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(PositionCopyTest, CopyText) {
  const PositionCase& c = GetParam();
  const DrawHistory history = History(c.history);
  const Chart chart = PositionView(Input(history, c.row, c.lastDraws));
  EXPECT_EQ(chart.copyLines.size(), 23u);
  EXPECT_EQ(testing::Lines(chart), Expected(c));
}

INSTANTIATE_TEST_SUITE_P(Cases, PositionCopyTest, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(PositionChartTest, NoDrawsShowsHeaderAndLabelsOnly) {
  const DrawHistory history = History("");
  const Chart chart = PositionView(Input(history, 1, 1));
  ASSERT_EQ(chart.items.size(), 14u);
  EXPECT_EQ(chart.items[10].text.text, "Average A1..A3 +1 -1 +2 -2 for last 0 draws:");
  EXPECT_EQ(chart.items[13].text.text, "Average d1..d3 Exact value:");
}

const ChartText* FindText(const Chart& chart, int x, int y) {
  for (const ChartItem& item : chart.items)
    if (item.text.x == x && item.text.y == y) return &item.text;
  return nullptr;
}

struct Placed {
  int x, y;
  const char* text;
  bool marked;
};

// Row 2 (789, one draw) with the next draw 024: the header marks 0, 2 and 4;
// the value rows mark 2 and 4 but never 0; exact texts are never marked.
TEST(PositionChartTest, PositionsAndMarks) {
  const DrawHistory history = History(kDraws);
  const Chart chart = PositionView(Input(history, 2, 1));
  const Placed expected[] = {
      {2, 10, "00 ", true},
      {30, 10, "02 ", true},
      {16, 10, "01 ", false},
      {2, 40, "Average A1..A3 +1 -1 +2 -2 for last 1 draws:", false},
      {2, 55, "07 ", false},
      {30, 70, "00 ", false},  // 9 + 1
      {2, 145, "Average d1..d3 +1 -1 +2 -2 +3 -3 for last 1 draws:", false},
      {2, 160, "04 ", true},  // d1 = (7 + 1) div 2
      {44, 160, "09 ", false},
      {2, 220, "02 ", true},
      {16, 235, "00 ", false},
      {44, 235, "02 ", true},
      {16, 250, "04 ", true},
      {2, 270, "Average A1..A3 Exact value:", false},
      {3, 285, "7.00", false},
      {85, 285, "9.00", false},
      {2, 315, "Average d1..d3 Exact value:", false},
      {44, 330, "7.50", false},
      {126, 330, "9.50", false},
  };
  for (const Placed& p : expected) {
    const ChartText* t = FindText(chart, p.x, p.y);
    ASSERT_NE(t, nullptr) << p.x << ',' << p.y;
    EXPECT_EQ(t->text, p.text) << p.x << ',' << p.y;
    EXPECT_EQ(t->font, p.marked ? kRed : kBlack) << p.x << ',' << p.y;
    EXPECT_EQ(t->brush, p.marked ? kYellow : kWhite) << p.x << ',' << p.y;
  }
  int marked = 0;
  for (const ChartItem& item : chart.items) marked += item.text.brush == kYellow;
  // header 3; a rows none of 2, 4 (7 8 9 / 8 9 0 / 6 7 8 / 9 0 1 / 5 6 7); d rows 1+0+0+0+1+1+1
  EXPECT_EQ(marked, 7);
}

}  // namespace
}  // namespace drawlyze
