#include <gtest/gtest.h>

#include "core/views/views.h"
#include "view_test_util.h"

namespace drawlyze {
namespace {

using testing::History;
using testing::Input;
using testing::Lines;

TEST(OddEvenZonesView, FixedLayoutAndCopyLines) {
  const DrawHistory empty;
  const Chart chart = OddEvenZonesView(Input(empty, 1, 0));
  EXPECT_EQ(Lines(chart),
            "Odd-Even:\n00 02 04 06 08 \n01 03 05 07 09 \n\n"
            "Zones High-Low:\n00 01 02 03 04 \n05 06 07 08 09 \n\n"
            "Series:\n00 02 04 06 08 \n01 03 05 07 09 \n");

  std::string series140, series155;
  for (const ChartItem& item : chart.items) {
    const ChartText& t = item.text;
    EXPECT_EQ(t.brush, kWhite);
    if (t.y == 140) series140 += t.text;
    if (t.y == 155) series155 += t.text;
  }
  EXPECT_EQ(series140, "00 03 04 07 08 ");
  EXPECT_EQ(series155, "01 02 05 06 09 ");
  EXPECT_EQ(chart.items.front().text.text, "Odd-Even:");
  EXPECT_EQ(chart.items.size(), 33u);
}

TEST(OddEvenZonesView, MarksARepeatedDigitOnceInEachGroup) {
  const DrawHistory h = History("123 338");  // row 2, next draw 3 3 8
  const Chart chart = OddEvenZonesView(Input(h, 2, 1));
  std::vector<std::pair<int, int>> marked;
  for (const ChartItem& item : chart.items)
    if (item.text.font == kRed) {
      EXPECT_EQ(item.text.brush, kYellow);
      marked.emplace_back(item.text.x, item.text.y);
    }
  const std::vector<std::pair<int, int>> expected = {{16, 35}, {58, 20}, {44, 80}, {44, 95}, {16, 140}, {58, 140}};
  EXPECT_EQ(marked, expected);

  for (const ChartItem& item : OddEvenZonesView(Input(h, 1, 1)).items) EXPECT_EQ(item.text.font, kBlack);
}

}  // namespace
}  // namespace drawlyze
