#include <gtest/gtest.h>

#include "core/views/views.h"
#include "view_test_util.h"

namespace drawlyze {
namespace {

using testing::History;
using testing::Input;
using testing::Lines;

TEST(StatisticsView, CopyText) {
  std::string forty;
  for (int i = 0; i < 40; ++i) forty += "777 ";
  const struct {
    const char* what;
    std::string history;
    int row, lastDraws;
    std::string expected;
  } cases[] = {
      {"counts 5 5 4 3 3 3 2 2 2 1 end with an empty level-0 line", "000 001 111 122 223 334 445 556 677 889", 1, 10,
       "05: 00 01 \n04: 02 \n03: 03 04 05 \n02: 06 07 08 \n01: 09 \n00: \n"},
      {"N = 1 with a triple digit", "123 666", 1, 1, "03: 06 \n00: 00 01 02 03 04 05 07 08 09 \n"},
      {"no item selected", "", 1, 0, "00: 00 01 02 03 04 05 06 07 08 09 \n"},
      {"counts of 100 and more", forty, 1, 40, "120: 07 \n00: 00 01 02 03 04 05 06 08 09 \n"},
      {"window ends at the oldest draw", "123 456 789 012", 3, 10, "01: 01 02 03 04 05 06 \n00: 00 07 08 09 \n"},
  };
  for (const auto& c : cases) {
    const DrawHistory h = History(c.history);
    EXPECT_EQ(Lines(StatisticsView(Input(h, c.row, c.lastDraws))), c.expected) << c.what;
  }
}

std::string Plain(int x, int y, const std::string& text) {
  return "text " + std::to_string(x) + " " + std::to_string(y) + " #000000 #FFFFFF normal " + text + "\n";
}
std::string Marked(int x, int y, const std::string& text) {
  return "text " + std::to_string(x) + " " + std::to_string(y) + " #FF0000 #FFFF00 normal " + text + "\n";
}

TEST(StatisticsView, MarksTheDigitsOfTheNextDraw) {
  // Selected 6 6 6 alone; the next draw 1 2 3 marks 1, 2 and 3.
  const DrawHistory h = History("666 123");
  std::string expected = Plain(2, 40, "03:") + Plain(30, 40, "06") + Plain(2, 55, "00:");
  int k = 0;
  for (const int d : {0, 1, 2, 3, 4, 5, 7, 8, 9}) {
    ++k;
    const std::string text = "0" + std::to_string(d);
    expected += (d >= 1 && d <= 3) ? Marked(14 * k + 16, 55, text) : Plain(14 * k + 16, 55, text);
  }
  for (int j = 1; j <= 10; ++j) {
    const std::string text = "0" + std::to_string(j - 1) + " ";
    expected += (j >= 2 && j <= 4) ? Marked(21 * j - 12, 10, text) : Plain(21 * j - 12, 10, text);
  }
  EXPECT_EQ(FormatChartListing(StatisticsView(Input(h, 2, 1))), expected);
}

TEST(StatisticsView, NothingIsMarkedOnTheNewestRow) {
  const DrawHistory h = History("666 123");
  for (const ChartItem& item : StatisticsView(Input(h, 1, 2)).items) {
    EXPECT_EQ(item.text.font, kBlack) << item.text.text;
    EXPECT_EQ(item.text.brush, kWhite) << item.text.text;
  }
}

}  // namespace
}  // namespace drawlyze
