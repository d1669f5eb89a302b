#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/selection.h"
#include "core/views/views.h"
#include "view_test_util.h"

namespace drawlyze {
namespace {

using testing::History;
using testing::Input;

// Newest first: 595, 111, 195 (nothing new: skipped), 890, 567, 234, 901, 678, 345, 012.
constexpr const char* kStairs = "012 345 678 901 234 567 890 195 111 595";

constexpr SeparationLayout kPositional = SeparationLayout::Positional;
constexpr SeparationLayout kAscending = SeparationLayout::Ascending;
constexpr SeparationLayout kDescending = SeparationLayout::Descending;

struct SeparationCase {
  const char* name;
  const char* history;  // oldest first
  int row;
  SeparationLayout layout;
  std::vector<std::string> columns;  // the copy lines without their trailing blanks
  bool notCompleted;
};

const SeparationCase kCases[] = {
    {"Positional", kStairs, 1, kPositional, {"05 01 08    02 ", "09 01    06 03 ", "05 01 00 07 04 "}, false},
    {"Ascending", kStairs, 1, kAscending, {"05 01 00 06 02 ", "05 01 08 07 03 ", "09 01       04 "}, false},
    {"Descending", kStairs, 1, kDescending, {"09 01 08 07 04 ", "05 01 00 06 03 ", "05 01       02 "}, false},
    // "X" after the arrow pointed down: the arrow keeps its direction, the layout is positional.
    {"CenterXWinsOverDirection",
     kStairs,
     1,
     SeparationChoice{kPositional, kDescending}.layout,
     {"05 01 08    02 ", "09 01    06 03 ", "05 01 00 07 04 "},
     false},
    {"SecondRow", kStairs, 2, kPositional, {"01    08    02 ", "01 09    06 03 ", "01 05 00 07 04 "}, false},
    {"OldestRow", kStairs, 10, kPositional, {"00 ", "01 ", "02 "}, true},
    // 7, 8, 9 never come back and 0 never occurs at all.
    {"DigitsNeverMet", "123 456 789", 1, kPositional, {"07 04 01 ", "08 05 02 ", "09 06 03 "}, true},
    // 0 1 2 are met again only five draws back: the walk goes there, but the
    // rows whose digits were all seen are not printed.
    {"FarBackDigitsOfTheSelectedDraw",
     "012 345 933 678 345 012",
     1,
     kPositional,
     {"00 03 06 09 ", "01 04 07 ", "02 05 08 "},
     false},
    {"NoDraws", "", 1, kAscending, {"", "", ""}, false},
};

std::string PaddedLines(const std::vector<std::string>& columns) {
  std::string out;
  for (const std::string& c : columns) out += c + std::string(69 - c.size(), ' ') + "\n";
  return out;
}

bool HasText(const Chart& chart, const std::string& text) {
  for (const ChartItem& item : chart.items)
    if (item.kind == ChartItem::Kind::Text && item.text.text == text) return true;
  return false;
}

class SeparationCopyTest : public ::testing::TestWithParam<SeparationCase> {};

TEST_P(SeparationCopyTest, CopyText) {
  const SeparationCase& c = GetParam();
  const DrawHistory history = History(c.history);
  ViewInput in = Input(history, c.row, 0);
  in.separation = c.layout;
  const Chart chart = SeparationView(in);
  EXPECT_EQ(testing::Lines(chart), PaddedLines(c.columns));
  EXPECT_EQ(HasText(chart, "Not Completed"), c.notCompleted);
}

INSTANTIATE_TEST_SUITE_P(Cases, SeparationCopyTest, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(SeparationChartTest, NoDrawsDrawsNothing) {
  const DrawHistory history = History("");
  EXPECT_TRUE(SeparationView(Input(history, 1, 0)).items.empty());
}

TEST(SeparationChartTest, NotCompletedPlace) {
  const DrawHistory history = History(kStairs);
  const Chart chart = SeparationView(Input(history, 10, 0));
  const ChartText& last = chart.items.back().text;
  EXPECT_EQ(last.text, "Not Completed");
  EXPECT_EQ(last.x, 2);
  EXPECT_EQ(last.y, 370);
}

std::vector<ChartText> Texts(const Chart& chart) {
  std::vector<ChartText> texts;
  for (const ChartItem& item : chart.items) texts.push_back(item.text);
  return texts;
}

ChartText Plain(int x, int y, const char* text) { return ChartText{x, y, kBlack, kWhite, false, text}; }
ChartText Marked(int x, int y, const char* text) { return ChartText{x, y, kRed, kYellow, false, text}; }

// Row 2 selects 111; the next draw 595 marks every 5 and 9. Erased places
// draw four blanks: in their own column when positional, and sharing the
// spot of the next kept digit when sorted ascending.
TEST(SeparationChartTest, PositionsAndMarks) {
  const DrawHistory history = History(kStairs);
  ViewInput in = Input(history, 2, 0);
  const std::vector<ChartText> positional = {
      Plain(2, 10, "01 "),  Plain(16, 10, "01 "),  Plain(30, 10, "01 "),   // 111
      Plain(2, 25, "    "), Marked(16, 25, "09 "), Marked(30, 25, "05 "),  // 195
      Plain(2, 40, "08 "),  Plain(16, 40, "    "), Plain(30, 40, "00 "),   // 890
      Plain(2, 55, "    "), Plain(16, 55, "06 "),  Plain(30, 55, "07 "),   // 567
      Plain(2, 70, "02 "),  Plain(16, 70, "03 "),  Plain(30, 70, "04 "),   // 234
  };
  EXPECT_EQ(Texts(SeparationView(in)), positional);

  in.separation = kAscending;
  const std::vector<ChartText> ascending = {
      Plain(2, 10, "01 "),  Plain(16, 10, "01 "), Plain(30, 10, "01 "),   //
      Plain(2, 25, "    "), Marked(2, 25, "05 "), Marked(16, 25, "09 "),  //
      Plain(2, 40, "    "), Plain(2, 40, "00 "),  Plain(16, 40, "08 "),   //
      Plain(2, 55, "    "), Plain(2, 55, "06 "),  Plain(16, 55, "07 "),   //
      Plain(2, 70, "02 "),  Plain(16, 70, "03 "), Plain(30, 70, "04 "),   //
  };
  EXPECT_EQ(Texts(SeparationView(in)), ascending);
}

}  // namespace
}  // namespace drawlyze
