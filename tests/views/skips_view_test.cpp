#include <gtest/gtest.h>

#include "core/views/views.h"
#include "view_test_util.h"

namespace drawlyze {
namespace {

using testing::History;
using testing::Input;
using testing::Lines;

const char* kTail =
    "\n\n\n"
    "Probability median of FFG for 50% = log(1-0.5) / log(1-3/10) = 1.94 =~ 2\n"
    "Probability median of FFG for 75% = log(1-0.75) / log(1-3/10) = 3.88 =~4\n";

TEST(SkipsView, CopyTextOnWorkedWindows) {
  const DrawHistory h = History("314 592 358 979");
  const Chart chart = SkipsView(Input(h, 1, 4));
  // Last skips: 1 and 4 were last seen three draws back, 2 two back, 3 5 8 one back.
  EXPECT_EQ(Lines(chart), std::string("Number/Last Skip/Skip Median:\n\n"
                                      "01 04 02 03 05 08 00 06 07 09 \n"
                                      "03 03 02 01 01 01 00 00 00 00 \n"
                                      "03 03 02 01 00 01 00 00 00 00 \n\n\n"
                                      "Number/Skip Median:\n\n"
                                      "01 04 02 03 08 05 00 06 07 09 \n"
                                      "03 03 02 01 01 00 00 00 00 00 \n") +
                              kTail);

  const Chart one = SkipsView(Input(h, 1, 1));
  EXPECT_EQ(one.copyLines[2], "00 01 02 03 04 05 06 07 08 09 ");
  EXPECT_EQ(one.copyLines[3], "00 00 00 00 00 00 00 00 00 00 ");
  EXPECT_EQ(one.copyLines[9], "00 01 02 03 04 05 06 07 08 09 ");
  EXPECT_EQ(one.copyLines.size(), 16u);
}

TEST(SkipsView, DoubleDigitCountsOnceAndNoDrawsCountNothing) {
  // 9 9 2 holds 9 once: a window 9 9 2, 1 1 1 gives 9 the last skip 1 and median 1.
  const DrawHistory h = History("992 111");
  const Chart chart = SkipsView(Input(h, 1, 2));
  EXPECT_EQ(chart.copyLines[2], "02 09 00 01 03 04 05 06 07 08 ");
  EXPECT_EQ(chart.copyLines[3], "01 01 00 00 00 00 00 00 00 00 ");
  EXPECT_EQ(chart.copyLines[4], "01 01 00 00 00 00 00 00 00 00 ");

  const DrawHistory empty;
  const Chart none = SkipsView(Input(empty, 1, 0));
  EXPECT_EQ(none.copyLines[2], "00 01 02 03 04 05 06 07 08 09 ");
}

TEST(SkipsView, MarksTheNextDrawsDigitsInAllThreeRowsAndTheDigitRow) {
  const DrawHistory h = History("314 592 358 979");  // row 2 = 3 5 8, next draw 9 7 9
  const Chart chart = SkipsView(Input(h, 2, 3));
  int marked = 0;
  for (const ChartItem& item : chart.items) {
    if (item.kind != ChartItem::Kind::Text || item.text.font != kRed) continue;
    EXPECT_EQ(item.text.brush, kYellow);
    ++marked;
  }
  // Digits 7 and 9: three texts in the first block, two in the second, one in the digit row.
  EXPECT_EQ(marked, 2 * (3 + 2 + 1));
  const ChartText& first = chart.items[0].text;
  EXPECT_EQ(first, (ChartText{2, 5, kBlack, kWhite, false, "Number/Last Skip/Skip Median:"}));
}

}  // namespace
}  // namespace drawlyze
