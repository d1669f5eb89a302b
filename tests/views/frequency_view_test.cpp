#include <gtest/gtest.h>

#include <clocale>

#include "core/views/views.h"
#include "view_test_util.h"

namespace drawlyze {
namespace {

using testing::History;
using testing::Input;
using testing::Lines;

std::string Repeat(const std::string& draw, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += draw + " ";
  return out;
}

TEST(FrequencyView, CopyText) {
  const struct {
    const char* what;
    std::string history;
    int row, lastDraws;
    std::string expected;
  } cases[] = {
      {"counts every position, ties by ascending digit", "314 592 358 979", 1, 4,
       "Number/Occurence:\n\n09 03 05 01 02 04 07 08 00 06 \n03 02 02 01 01 01 01 01 00 00 \n\nAverage: 1.20\n"},
      {"N = 1 with a triple digit", "123 444", 1, 1,
       "Number/Occurence:\n\n04 00 01 02 03 05 06 07 08 09 \n03 00 00 00 00 00 00 00 00 00 \n\nAverage: 0.30\n"},
      {"all counts equal keeps 0..9", "012 345 678 901 234 567 890 123 456 789", 1, 10,
       "Number/Occurence:\n\n00 01 02 03 04 05 06 07 08 09 \n03 03 03 03 03 03 03 03 03 03 \n\nAverage: 3.00\n"},
      {"counts of 100 and more", Repeat("552", 50), 1, 50,
       "Number/Occurence:\n\n05 02 00 01 03 04 06 07 08 09 \n100 50 00 00 00 00 00 00 00 00 \n\nAverage: 15.00\n"},
      {"window ends at the oldest draw", "111 222 333 444", 3, 10,
       "Number/Occurence:\n\n01 02 00 03 04 05 06 07 08 09 \n03 03 00 00 00 00 00 00 00 00 \n\nAverage: 0.60\n"},
      {"no item selected", "", 1, 0,
       "Number/Occurence:\n\n00 01 02 03 04 05 06 07 08 09 \n00 00 00 00 00 00 00 00 00 00 \n\nAverage: 0.00\n"},
  };
  for (const auto& c : cases) {
    const DrawHistory h = History(c.history);
    EXPECT_EQ(Lines(FrequencyView(Input(h, c.row, c.lastDraws))), c.expected) << c.what;
  }
}

TEST(FrequencyView, AverageUsesAPointWhateverTheLocale) {
  const DrawHistory h = History("123 444");
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  bool tried = false;
  for (const char* locale : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "ru_RU.UTF-8"}) {
    if (!std::setlocale(LC_NUMERIC, locale)) continue;
    tried = true;
    EXPECT_EQ(FrequencyView(Input(h, 1, 2)).copyLines.back(), "Average: 0.60") << locale;
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
  if (!tried) GTEST_SKIP() << "no locale with a decimal comma is installed";
}

std::string Plain(int x, int y, const std::string& text) {
  return "text " + std::to_string(x) + " " + std::to_string(y) + " #000000 #FFFFFF normal " + text + "\n";
}
std::string Marked(int x, int y, const std::string& text) {
  return "text " + std::to_string(x) + " " + std::to_string(y) + " #FF0000 #FFFF00 normal " + text + "\n";
}

TEST(FrequencyView, MarksTheDigitsOfTheNextDraw) {
  // Selected 3 5 8 with the two draws before it; the next draw 9 7 9 marks 9 and 7.
  const DrawHistory h = History("314 592 358 979");
  const Chart chart = FrequencyView(Input(h, 2, 3));
  const std::string expected =
      Plain(2, 5, "Number/Occurence:") + Plain(2, 70, "Average: 0.90") + Plain(16, 25, "03 ") + Plain(16, 40, "02 ") +
      Plain(16, 145, "00 ") + Plain(44, 25, "05 ") + Plain(44, 40, "02 ") + Plain(44, 145, "01 ") +
      Plain(72, 25, "01 ") + Plain(72, 40, "01 ") + Plain(72, 145, "02 ") + Plain(100, 25, "02 ") +
      Plain(100, 40, "01 ") + Plain(100, 145, "03 ") + Plain(128, 25, "04 ") + Plain(128, 40, "01 ") +
      Plain(128, 145, "04 ") + Plain(156, 25, "08 ") + Plain(156, 40, "01 ") + Plain(156, 145, "05 ") +
      Marked(184, 25, "09 ") + Marked(184, 40, "01 ") + Plain(184, 145, "06 ") + Plain(212, 25, "00 ") +
      Plain(212, 40, "00 ") + Marked(212, 145, "07 ") + Plain(240, 25, "06 ") + Plain(240, 40, "00 ") +
      Plain(240, 145, "08 ") + Marked(268, 25, "07 ") + Marked(268, 40, "00 ") + Marked(268, 145, "09 ");
  EXPECT_EQ(FormatChartListing(chart), expected);
}

TEST(FrequencyView, NothingIsMarkedOnTheNewestRow) {
  const DrawHistory h = History("314 592 358 979");
  for (const ChartItem& item : FrequencyView(Input(h, 1, 4)).items) {
    EXPECT_EQ(item.text.font, kBlack) << item.text.text;
    EXPECT_EQ(item.text.brush, kWhite) << item.text.text;
  }
}

}  // namespace
}  // namespace drawlyze
