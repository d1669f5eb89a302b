#include <gtest/gtest.h>

#include "core/views/views.h"
#include "view_test_util.h"

namespace drawlyze {
namespace {

using testing::History;
using testing::Input;
using testing::Lines;

// Newest first: 1 2 3, 5 5 5, 4 5 6, 0 0 0, 7 8 9.
constexpr const char* kFive = "789 000 456 555 123";

TEST(ColdNumbersView, CopyText) {
  const struct {
    const char* what;
    const char* history;
    int row;
    std::string expected;
  } cases[] = {
      {"digits of the selected draw come last", kFive, 1,
       "Number/Last Hit Sorted:\n07 08 09 00 04 06 05 01 02 03 \n04 04 04 03 02 02 01 00 00 00 \n"},
      {"a digit never seen sorts among the selected draw's", "456 555 123", 1,
       "Number/Last Hit Sorted:\n04 06 05 00 01 02 03 07 08 09 \n02 02 01 00 00 00 00 00 00 00 \n"},
      {"looks only at draws older than the selected one", kFive, 2,
       "Number/Last Hit Sorted:\n07 08 09 00 04 06 01 02 03 05 \n03 03 03 02 01 01 00 00 00 00 \n"},
      {"oldest draw selected", kFive, 5,
       "Number/Last Hit Sorted:\n00 01 02 03 04 05 06 07 08 09 \n00 00 00 00 00 00 00 00 00 00 \n"},
      {"distances of ten and more", "900 111 111 111 111 111 111 111 111 111 111 111 123", 1,
       "Number/Last Hit Sorted:\n00 09 01 02 03 04 05 06 07 08 \n12 12 00 00 00 00 00 00 00 00 \n"},
      {"no draws", "", 1, "Number/Last Hit Sorted:\n00 01 02 03 04 05 06 07 08 09 \n00 00 00 00 00 00 00 00 00 00 \n"},
  };
  for (const auto& c : cases) {
    const DrawHistory h = History(c.history);
    EXPECT_EQ(Lines(ColdNumbersView(Input(h, c.row, 1))), c.expected) << c.what;
  }
}

TEST(ColdNumbersView, IgnoresUseLastDraws) {
  const DrawHistory h = History(kFive);
  const std::string reference = FormatChartListing(ColdNumbersView(Input(h, 2, 1)));
  for (const int lastDraws : {0, 2, 4, 100}) {
    const Chart chart = ColdNumbersView(Input(h, 2, lastDraws));
    EXPECT_EQ(FormatChartListing(chart), reference) << lastDraws;
    EXPECT_EQ(Lines(chart), Lines(ColdNumbersView(Input(h, 2, 1)))) << lastDraws;
  }
}

std::string Plain(int x, int y, const std::string& text) {
  return "text " + std::to_string(x) + " " + std::to_string(y) + " #000000 #FFFFFF normal " + text + "\n";
}
std::string Marked(int x, int y, const std::string& text) {
  return "text " + std::to_string(x) + " " + std::to_string(y) + " #FF0000 #FFFF00 normal " + text + "\n";
}

TEST(ColdNumbersView, MarksTheDigitsOfTheNextDraw) {
  // Selected 5 5 5; the next draw 1 2 3 marks its digits in both rows.
  const DrawHistory h = History(kFive);
  const std::string expected = Plain(2, 5, "Number/Last Hit Sorted:") +                                  //
                               Plain(9, 25, "07 ") + Plain(9, 40, "03 ") + Plain(9, 100, "00 ") +        //
                               Plain(30, 25, "08 ") + Plain(30, 40, "03 ") + Marked(30, 100, "01 ") +    //
                               Plain(51, 25, "09 ") + Plain(51, 40, "03 ") + Marked(51, 100, "02 ") +    //
                               Plain(72, 25, "00 ") + Plain(72, 40, "02 ") + Marked(72, 100, "03 ") +    //
                               Plain(93, 25, "04 ") + Plain(93, 40, "01 ") + Plain(93, 100, "04 ") +     //
                               Plain(114, 25, "06 ") + Plain(114, 40, "01 ") + Plain(114, 100, "05 ") +  //
                               Marked(135, 25, "01 ") + Marked(135, 40, "00 ") + Plain(135, 100, "06 ") +
                               Marked(156, 25, "02 ") + Marked(156, 40, "00 ") + Plain(156, 100, "07 ") +
                               Marked(177, 25, "03 ") + Marked(177, 40, "00 ") + Plain(177, 100, "08 ") +
                               Plain(198, 25, "05 ") + Plain(198, 40, "00 ") + Plain(198, 100, "09 ");
  EXPECT_EQ(FormatChartListing(ColdNumbersView(Input(h, 2, 1))), expected);
}

TEST(ColdNumbersView, NothingIsMarkedOnTheNewestRow) {
  const DrawHistory h = History(kFive);
  for (const ChartItem& item : ColdNumbersView(Input(h, 1, 1)).items) {
    EXPECT_EQ(item.text.font, kBlack) << item.text.text;
    EXPECT_EQ(item.text.brush, kWhite) << item.text.text;
  }
}

}  // namespace
}  // namespace drawlyze
