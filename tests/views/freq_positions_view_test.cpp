#include <gtest/gtest.h>

#include "core/views/views.h"
#include "view_test_util.h"

namespace drawlyze {
namespace {

using testing::History;
using testing::Input;

// Copy-text cells: a digit never in the position, and one seen there once.
const std::string kNever = "    ";
const std::string kOnce = "   ";
const std::string kHeader = "00 01 02 03 04 05 06 07 08 09 ";

std::string Times(const std::string& cell, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += cell;
  return out;
}

TEST(FreqA1A3View, CopyText) {
  const struct {
    const char* what;
    const char* history;
    int row, lastDraws;
    std::vector<std::string> expected;
  } cases[] = {
      {"N = 1 shows only the selected draw's digits",
       "123 474",
       1,
       1,
       {kHeader, Times(kNever, 4) + kOnce + Times(kNever, 5) + "A1", Times(kNever, 7) + kOnce + Times(kNever, 2) + "A2",
        Times(kNever, 4) + kOnce + Times(kNever, 5) + "A3"}},
      {"three times in a position shows 02",
       "131 232 333",
       1,
       3,
       {kHeader, kNever + Times(kOnce, 3) + Times(kNever, 6) + "A1", Times(kNever, 3) + "02 " + Times(kNever, 6) + "A2",
        kNever + Times(kOnce, 3) + Times(kNever, 6) + "A3"}},
      {"counts 0, 1, 2 give four blanks, three blanks, 01",
       "155 255 255",
       1,
       3,
       {kHeader, kNever + kOnce + "01 " + Times(kNever, 7) + "A1", Times(kNever, 5) + "02 " + Times(kNever, 4) + "A2",
        Times(kNever, 5) + "02 " + Times(kNever, 4) + "A3"}},
      {"window ends at the oldest draw",
       "999 888 777",
       2,
       10,
       {kHeader, Times(kNever, 8) + Times(kOnce, 2) + "A1", Times(kNever, 8) + Times(kOnce, 2) + "A2",
        Times(kNever, 8) + Times(kOnce, 2) + "A3"}},
      {"no item selected",
       "",
       1,
       0,
       {kHeader, Times(kNever, 10) + "A1", Times(kNever, 10) + "A2", Times(kNever, 10) + "A3"}},
  };
  for (const auto& c : cases) {
    const DrawHistory h = History(c.history);
    EXPECT_EQ(FreqA1A3View(Input(h, c.row, c.lastDraws)).copyLines, c.expected) << c.what;
  }
}

TEST(FreqA1A3View, LargeCountsTakeThreeDigits) {
  std::string history;
  for (int i = 0; i < 101; ++i) history += "012 ";
  const DrawHistory h = History(history);
  const Chart chart = FreqA1A3View(Input(h, 1, 101));
  EXPECT_EQ(chart.copyLines[1], "100 " + Times(kNever, 9) + "A1");
  EXPECT_EQ(chart.copyLines[3], Times(kNever, 2) + "100 " + Times(kNever, 7) + "A3");
}

std::string Plain(int x, int y, const std::string& text) {
  return "text " + std::to_string(x) + " " + std::to_string(y) + " #000000 #FFFFFF normal " + text + "\n";
}
std::string Marked(int x, int y, const std::string& text) {
  return "text " + std::to_string(x) + " " + std::to_string(y) + " #FF0000 #FFFF00 normal " + text + "\n";
}

TEST(FreqA1A3View, MarksOnlyCellsWithANumber) {
  // Selected 4 7 4 alone; the next draw 7 8 0 marks 0, 7 and 8 in the header,
  // but in the rows only the 7 of A2 has a number to mark.
  const DrawHistory h = History("474 780");
  std::string expected;
  for (int d = 0; d < 10; ++d) {
    const std::string text = "0" + std::to_string(d) + " ";
    expected += (d == 0 || d == 7 || d == 8) ? Marked(28 * d + 9, 10, text) : Plain(28 * d + 9, 10, text);
  }
  const int rowDigit[] = {4, 7, 4};
  for (int p = 1; p <= 3; ++p) {
    const int y = 15 * p + 10;
    for (int d = 0; d < 10; ++d) {
      if (d != rowDigit[p - 1])
        expected += Plain(28 * d + 9, y, kNever);
      else if (d == 7)
        expected += Marked(28 * d + 9, y, "00 ");
      else
        expected += Plain(28 * d + 9, y, "00 ");
    }
    expected += Plain(297, y, "A" + std::to_string(p));
  }
  EXPECT_EQ(FormatChartListing(FreqA1A3View(Input(h, 2, 1))), expected);
}

TEST(FreqA1A3View, NothingIsMarkedOnTheNewestRow) {
  const DrawHistory h = History("474 780");
  for (const ChartItem& item : FreqA1A3View(Input(h, 1, 2)).items) {
    EXPECT_EQ(item.text.font, kBlack) << item.text.text;
    EXPECT_EQ(item.text.brush, kWhite) << item.text.text;
  }
}

}  // namespace
}  // namespace drawlyze
