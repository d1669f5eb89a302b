#include <gtest/gtest.h>

#include "core/views/views.h"
#include "view_test_util.h"

namespace drawlyze {
namespace {

using testing::History;
using testing::Input;
using testing::Lines;

const ChartText* TextAt(const Chart& chart, int x, int y) {
  for (const ChartItem& item : chart.items)
    if (item.kind == ChartItem::Kind::Text && item.text.x == x && item.text.y == y) return &item.text;
  return nullptr;
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

const std::string kDigits = "00 01 02 03 04 05 06 07 08 09 ";
const std::string kZeros = Repeat("00 ", 10);

// A1 runs 1 2 3 1 3 5 5: 1 has skips 2 and 3 (median 2), 2 came once five
// draws ago, 3 has skips 1 and 2 (median 1). A2 runs 7 8 8 8 7 9 9: 8 has
// the larger last skip, 7 the larger median. A3 is always 0.
const char* kSeven = "170 280 380 180 370 590 590";

TEST(SkipsForPositionsView, LastSkipAndMedianLayouts) {
  const DrawHistory h = History(kSeven);
  ViewInput in = Input(h, 1, 7);
  EXPECT_EQ(Lines(SkipsForPositionsView(in)),
            "Number/Last Skip/Skip Median for Positions A1..A3:\n"
            "\n"
            "02 01 03 00 04 05 06 07 08 09 \n"
            "05 03 02 00 00 00 00 00 00 00 \n"
            "05 02 01 00 00 00 00 00 00 00 \n"
            "\n"
            "08 07 00 01 02 03 04 05 06 09 \n"
            "03 02 00 00 00 00 00 00 00 00 \n"
            "00 02 00 00 00 00 00 00 00 00 \n"
            "\n" +
                kDigits + "\n" + kZeros + "\n" + kZeros + "\n");

  in.median = true;
  EXPECT_EQ(Lines(SkipsForPositionsView(in)),
            "Number/Skip Median for Positions A1..A3:\n"
            "02 01 03 00 04 05 06 07 08 09 \n"
            "05 02 01 00 00 00 00 00 00 00 \n"
            "\n"
            "07 08 00 01 02 03 04 05 06 09 \n"
            "02 00 00 00 00 00 00 00 00 00 \n"
            "\n" +
                kDigits + "\n" + kZeros + "\n\n");
}

TEST(SkipsForPositionsView, WalksFromTheOldestDrawWhateverTheWindow) {
  const DrawHistory h = History(kSeven);
  // The "Use Last Draws" choice plays no part.
  EXPECT_EQ(SkipsForPositionsView(Input(h, 1, 1)).copyLines, SkipsForPositionsView(Input(h, 1, 7)).copyLines);

  // The oldest draw alone: its digits have hits 1 and last skip 0, like the digits that never came.
  const Chart oldest = SkipsForPositionsView(Input(h, 7, 1));
  for (int line : {2, 6, 10}) EXPECT_EQ(oldest.copyLines[static_cast<std::size_t>(line)], kDigits);
  for (int line : {3, 4, 7, 8, 11, 12}) EXPECT_EQ(oldest.copyLines[static_cast<std::size_t>(line)], kZeros);

  const DrawHistory empty;
  EXPECT_EQ(SkipsForPositionsView(Input(empty, 1, 0)).copyLines.size(), 13u);
}

TEST(SkipsForPositionsView, LargeSkipsAndTheBlankMedian) {
  const struct {
    int gap;  // draws after the single 1 in A1
    std::string lastSkips, medians;
  } cases[] = {
      {99, "99 " + Repeat("00 ", 9), "99 " + Repeat("00 ", 9)},
      {100, "H  " + Repeat("00 ", 9), "H  " + Repeat("00 ", 9)},
      // Skips are kept as bytes: 300 draws give the median 300 - 256.
      {300, "H  " + Repeat("00 ", 9), "44 " + Repeat("00 ", 9)},
      // A median of 88 blanks its slot.
      {88, "___" + Repeat("00 ", 9), "___" + Repeat("00 ", 9)},
  };
  for (const auto& c : cases) {
    std::string draws = "100";
    for (int i = 0; i < c.gap; ++i) draws += " 200";
    const DrawHistory h = History(draws);
    const Chart chart = SkipsForPositionsView(Input(h, 1, 1));
    EXPECT_EQ(chart.copyLines[2], "01 00 02 03 04 05 06 07 08 09 ") << c.gap;
    EXPECT_EQ(chart.copyLines[3], c.lastSkips) << c.gap;
    EXPECT_EQ(chart.copyLines[4], c.medians) << c.gap;
    if (c.gap == 88) {
      EXPECT_EQ(TextAt(chart, 2, 40)->text, "");
      EXPECT_EQ(TextAt(chart, 2, 55)->text, "");
      ViewInput in = Input(h, 1, 1);
      in.median = true;
      const Chart checked = SkipsForPositionsView(in);
      EXPECT_EQ(checked.copyLines[2], "___" + Repeat("00 ", 9));
      EXPECT_EQ(TextAt(checked, 2, 40)->text, "");
    }
  }
}

TEST(SkipsForPositionsView, MarksTheNextDrawsDigitsAndTheLegend) {
  const DrawHistory h = History(kSeven);  // row 2 is the first 5 9 0; the next draw is 5 9 0
  const Chart chart = SkipsForPositionsView(Input(h, 2, 1));
  // A1 at row 2: last skips 2 -> 4, 1 -> 2, 3 -> 1; the slots of 0, 5 and 9 are marked.
  EXPECT_EQ(chart.copyLines[2], "02 01 03 00 04 05 06 07 08 09 ");
  const struct {
    int x, y;
    bool marked;
  } cells[] = {
      {2, 25, false},  {44, 25, true},   {44, 40, true},  {44, 55, true}, {72, 25, true},
      {58, 25, false}, {128, 25, true},  {128, 40, true}, {2, 385, true}, {16, 385, false},
      {72, 385, true}, {128, 385, true}, {2, 5, false},
  };
  for (const auto& c : cells) {
    const ChartText* t = TextAt(chart, c.x, c.y);
    ASSERT_NE(t, nullptr) << c.x << "," << c.y;
    EXPECT_EQ(t->font, c.marked ? kRed : kBlack) << c.x << "," << c.y;
    EXPECT_EQ(t->brush, c.marked ? kYellow : kWhite) << c.x << "," << c.y;
  }
  EXPECT_EQ(TextAt(chart, 2, 385)->text, "00 ");

  // The newest draw selected: nothing is marked.
  for (const ChartItem& item : SkipsForPositionsView(Input(h, 1, 1)).items) EXPECT_EQ(item.text.font, kBlack);
}

}  // namespace
}  // namespace drawlyze
