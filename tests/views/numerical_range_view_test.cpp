#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/views/views.h"
#include "view_test_util.h"

namespace drawlyze {
namespace {

using testing::History;
using testing::Input;

const std::vector<std::string> kLabels = {
    "Current draw, previous draw +1 +2:",
    "Current draw, previous draw -1 -2:",
    "Current draw, previous draw -1 +1:",
    "Current draw, previous draw +2 +3:",
    "Current draw, previous draw:",
    "Current draw, previous draw +4 +5:",
    "Numbers without current and previous draws:",
    "Current draw:",
    "Previous:",
    "Previous -1",
    "Previous -2",
    "Previous -3",
    "Previous -4",
    "Previous -5",
};

// The copy text is fourteen blocks of label, values line, empty line; the
// cases list only the values lines.
std::string CopyWithValues(const std::vector<std::string>& values) {
  std::string out;
  for (std::size_t i = 0; i < kLabels.size(); ++i) out += kLabels[i] + "\n" + values[i] + "\n\n";
  return out;
}

struct RangeCase {
  const char* name;
  const char* history;  // oldest first
  int row;
  std::vector<std::string> values;  // +1+2, -1-2, -1+1, +2+3, plain, +4+5, absent, current, previous 0..5
};

const RangeCase kCases[] = {
    // C = 905 wraps: C+1 = 0 1 6, C+2 = 1 2 7, then P = 123 shifted, repeats dropped.
    {"WrapAround",
     "123 905 447",
     2,
     {"00 01 06 02 07 03 04 05 ", "08 09 04 07 03 00 01 02 ", "00 01 06 08 09 04 02 03 ", "01 02 07 03 08 04 05 06 ",
      "09 00 05 01 02 03 ", "03 04 09 05 00 06 07 08 ", "04 06 07 08 ", "09 00 05 ", "01 02 03 ", "", "", "", "", ""}},
    // Current equal to previous, with a repeated digit: each digit once, at its first place.
    {"RepeatedDigitsNewestRow",
     "447 447",
     1,
     {"05 08 06 09 ", "03 06 02 05 ", "05 08 03 06 ", "06 09 07 00 ", "04 07 ", "08 01 09 02 ",
      "00 01 02 03 05 06 08 09 ", "04 04 07 ", "04 04 07 ", "", "", "", "", ""}},
    // No previous draw: labels only for the candidates; the current draw alone is left out.
    {"OldestRow",
     "123 905 447",
     3,
     {"", "", "", "", "", "", "00 04 05 06 07 08 09 ", "01 02 03 ", "", "", "", "", "", ""}},
    {"NoDraws", "", 1, {"", "", "", "", "", "", "00 01 02 03 04 05 06 07 08 09 ", "", "", "", "", "", "", ""}},
    {"AllSixPreviousColumns",
     "111 222 333 444 555 666 777 888",
     1,
     {"09 00 08 ", "07 06 05 ", "09 07 08 06 ", "00 01 09 ", "08 07 ", "02 03 01 ", "00 01 02 03 04 05 06 09 ",
      "08 08 08 ", "07 07 07 ", "06 06 06 ", "05 05 05 ", "04 04 04 ", "03 03 03 ", "02 02 02 "}},
    // Fewer than six older draws: the columns past the oldest draw are empty.
    {"PreviousColumnsPastOldest",
     "111 222 333 444 555 666 777 888",
     3,
     {"07 08 06 ", "05 04 03 ", "07 05 06 04 ", "08 09 07 ", "06 05 ", "00 01 09 ", "00 01 02 03 04 07 08 09 ",
      "06 06 06 ", "05 05 05 ", "04 04 04 ", "03 03 03 ", "02 02 02 ", "01 01 01 ", ""}},
};

class NumericalRangeCopyTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(NumericalRangeCopyTest, CopyText) {
  const RangeCase& c = GetParam();
  const DrawHistory history = History(c.history);
  const Chart chart = NumericalRangeView(Input(history, c.row, 0));
  EXPECT_EQ(chart.copyLines.size(), 42u);
  EXPECT_EQ(testing::Lines(chart), CopyWithValues(c.values));
}

INSTANTIATE_TEST_SUITE_P(Cases, NumericalRangeCopyTest, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

// A row outside the table has no current draw, so no candidate line has values.
TEST(NumericalRangeRowTest, OutsideTheTableHasNoCandidates) {
  const DrawHistory history = History("123 905 447");
  for (int row : {0, -2, 4, 9}) {
    const Chart chart = NumericalRangeView(Input(history, row, 0));
    ASSERT_EQ(chart.copyLines.size(), 42u) << row;
    for (std::size_t line = 0; line < 6; ++line) EXPECT_EQ(chart.copyLines[3 * line + 1], "") << row;
  }
}

const ChartText* FindText(const Chart& chart, int x, int y) {
  for (const ChartItem& item : chart.items)
    if (item.kind == ChartItem::Kind::Text && item.text.x == x && item.text.y == y) return &item.text;
  return nullptr;
}

// Row 2 of "123 905 447": the next draw 447 marks every 4 and 7, nothing else.
TEST(NumericalRangeChartTest, MarksTheNextDrawsDigitsOnly) {
  const DrawHistory history = History("123 905 447");
  const Chart chart = NumericalRangeView(Input(history, 2, 0));
  int marked = 0;
  for (const ChartItem& item : chart.items) {
    const ChartText& t = item.text;
    const bool digit = t.text.size() == 3 && t.text[0] == '0';
    const bool hit = digit && (t.text[1] == '4' || t.text[1] == '7');
    EXPECT_EQ(t.font, hit ? kRed : kBlack) << t.x << ',' << t.y << ' ' << t.text;
    EXPECT_EQ(t.brush, hit ? kYellow : kWhite) << t.x << ',' << t.y << ' ' << t.text;
    marked += hit;
  }
  // header 2, the six candidate lines 2+2+1+2+0+2, absent 2, current 0, previous 0
  EXPECT_EQ(marked, 13);
}

TEST(NumericalRangeChartTest, NewestRowMarksNothing) {
  const DrawHistory history = History("123 905 447");
  for (const ChartItem& item : NumericalRangeView(Input(history, 1, 0)).items) {
    EXPECT_EQ(item.text.font, kBlack) << item.text.text;
    EXPECT_EQ(item.text.brush, kWhite) << item.text.text;
  }
}

struct Placed {
  int x, y;
  const char* text;
};

TEST(NumericalRangeChartTest, Positions) {
  const DrawHistory history = History("111 222 333 444 555 666 777 888");
  const Chart chart = NumericalRangeView(Input(history, 1, 0));
  const Placed expected[] = {
      {2, 10, "00 "},
      {128, 10, "09 "},
      {2, 25, "Current draw, previous draw +1 +2:"},
      {2, 40, "09 "},
      {30, 40, "08 "},
      {2, 205, "Current draw, previous draw:"},
      {16, 220, "07 "},
      {2, 250, "Current draw, previous draw +4 +5:"},
      {30, 265, "01 "},
      {2, 295, "Numbers without current and previous draws:"},
      {100, 310, "09 "},
      {2, 340, "Current draw:"},
      {30, 355, "08 "},
      {82, 340, "Previous:"},
      {110, 355, "07 "},
      {152, 340, "Previous -1"},
      {432, 340, "Previous -5"},
      {432, 355, "02 "},
      {460, 355, "02 "},
  };
  for (const Placed& p : expected) {
    const ChartText* t = FindText(chart, p.x, p.y);
    ASSERT_NE(t, nullptr) << p.x << ',' << p.y;
    EXPECT_EQ(t->text, p.text) << p.x << ',' << p.y;
  }
}

}  // namespace
}  // namespace drawlyze
