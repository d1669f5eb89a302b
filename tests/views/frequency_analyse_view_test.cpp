#include <gtest/gtest.h>

#include "core/views/views.h"
#include "view_test_util.h"

namespace drawlyze {
namespace {

using testing::History;
using testing::Input;

const ChartText* TextAt(const Chart& chart, int x, int y) {
  for (const ChartItem& item : chart.items)
    if (item.kind == ChartItem::Kind::Text && item.text.x == x && item.text.y == y) return &item.text;
  return nullptr;
}

const std::string kDigits = "00 01 02 03 04 05 06 07 08 09 ";
const std::string kZeros = "00 00 00 00 00 00 00 00 00 00 ";

TEST(FrequencyAnalyseView, OneDrawWindowCountsOnlyThePairWithItsOlderDraw) {
  const DrawHistory h = History("123 456 789");  // row 2 = 4 5 6, older 1 2 3, next 7 8 9
  const Chart chart = FrequencyAnalyseView(Input(h, 2, 1));
  ASSERT_EQ(chart.copyLines.size(), 40u);
  for (int d = 0; d < 10; ++d) {
    const auto line = [&](int k) { return chart.copyLines[static_cast<std::size_t>(4 * d + k)]; };
    EXPECT_EQ(line(0), " Number 0" + std::to_string(d) + ": ");
    const bool follows = d >= 1 && d <= 3;
    EXPECT_EQ(line(1), follows ? "04 05 06 00 01 02 03 07 08 09 " : kDigits) << d;
    EXPECT_EQ(line(2), follows ? "01 01 01 00 00 00 00 00 00 00 " : kZeros) << d;
    EXPECT_EQ(line(3), "");
    // Headings on light blue for the digits of the older draw 1 2 3.
    const int x0 = d < 5 ? 7 : 257;
    const ChartText* heading = TextAt(chart, x0, 60 * (d % 5) + 5);
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->brush, follows ? kHeadingBlue : kWhite) << d;
    EXPECT_EQ(heading->font, kBlack);
  }
  // Block 1 (left column, second row): slot 0 holds 4, unmarked; 7 8 9 sit in slots 7..9, marked.
  EXPECT_EQ(TextAt(chart, 9, 80)->text, "04 ");
  EXPECT_EQ(TextAt(chart, 9, 80)->font, kBlack);
  EXPECT_EQ(TextAt(chart, 21 * 7 + 9, 95)->brush, kYellow);
  EXPECT_EQ(TextAt(chart, 21 * 7 + 9, 80)->font, kRed);
  // Block 9 (right column, last row).
  EXPECT_EQ(TextAt(chart, 250 + 21 * 9 + 9, 275)->text, "00 ");
}

TEST(FrequencyAnalyseView, DoubleDigitsCountTwiceAndTheOldestDrawAddsNothing) {
  const DrawHistory h = History("345 112");
  const Chart chart = FrequencyAnalyseView(Input(h, 1, 2));
  for (int d : {3, 4, 5}) {
    EXPECT_EQ(chart.copyLines[static_cast<std::size_t>(4 * d + 1)], "01 02 00 03 04 05 06 07 08 09 ");
    EXPECT_EQ(chart.copyLines[static_cast<std::size_t>(4 * d + 2)], "02 01 00 00 00 00 00 00 00 00 ");
  }
  EXPECT_EQ(chart.copyLines[4 * 1 + 2], kZeros);  // 3 4 5 has no older draw
}

TEST(FrequencyAnalyseView, CountsOfAHundredAndMoreKeepTheirColumns) {
  std::string draws = "111";
  for (int i = 0; i < 39; ++i) draws += " 111";
  const DrawHistory h = History(draws);
  const Chart chart = FrequencyAnalyseView(Input(h, 1, 40));
  EXPECT_EQ(chart.copyLines[5], "01 00 02 03 04 05 06 07 08 09 ");
  EXPECT_EQ(chart.copyLines[6], "117 00 00 00 00 00 00 00 00 00 ");
  EXPECT_EQ(TextAt(chart, 9, 95)->text, "117 ");
  EXPECT_EQ(TextAt(chart, 30, 95)->text, "00 ");
}

TEST(FrequencyAnalyseView, HeadingsFollowTheOlderDrawEvenOnTheNewestRow) {
  const DrawHistory h = History("123 456");
  const Chart newest = FrequencyAnalyseView(Input(h, 1, 2));
  EXPECT_EQ(TextAt(newest, 7, 65)->brush, kHeadingBlue);  // digit 1 of the older draw
  for (const ChartItem& item : newest.items) EXPECT_EQ(item.text.font, kBlack);

  // The oldest draw selected has no older draw: every heading on white.
  const Chart oldest = FrequencyAnalyseView(Input(h, 2, 1));
  for (int d = 0; d < 10; ++d) EXPECT_EQ(TextAt(oldest, d < 5 ? 7 : 257, 60 * (d % 5) + 5)->brush, kWhite);
  EXPECT_EQ(oldest.copyLines[1], kDigits);
}

}  // namespace
}  // namespace drawlyze
