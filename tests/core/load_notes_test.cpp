// What the main window says of a long history or an empty draw file.
#include "core/history/load_notes.h"

#include <gtest/gtest.h>

namespace drawlyze {
namespace {

// count lines, one draw a day from 01.01.1990 on, with the first line's date
// and the rest "dd.mm.yyyy" of a simple calendar (28 days a month).
std::string History(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    const int day = i % 28 + 1, month = i / 28 % 12 + 1, year = 1990 + i / (28 * 12);
    char date[16];
    std::snprintf(date, sizeof date, "%02d.%02d.%04d", day, month, year);
    text += std::to_string(i + 1) + " " + date + " x x 1 2 3 x\r\n";
  }
  return text;
}

TEST(GroupedCount, ThousandsSeparators) {
  const std::pair<long long, const char*> cases[] = {{0, "0"},          {999, "999"},           {1000, "1,000"},
                                                     {25027, "25,027"}, {1234567, "1,234,567"}, {-1000, "-1,000"}};
  for (const auto& [n, text] : cases) EXPECT_EQ(GroupedCount(n), text);
}

TEST(StoreLimitText, TheNewestKeptOfAll) {
  const LoadResult all = ParseDrawFile(History(MAX_DRAWS));
  EXPECT_EQ(StoreLimitText(all), "");
  const LoadResult longer = ParseDrawFile(History(MAX_DRAWS + 50));
  // The oldest draw kept is line 51: day 51 of the calendar, 23.02.1990.
  EXPECT_EQ(StoreLimitText(longer), "10,000 newest of 10,050 draws, from 23.02.1990");
  EXPECT_EQ(longer.firstDate, "01.01.1990");  // the first line, which the store left out
}

TEST(NoDrawsText, PointsToImportAndUpdate) {
  const std::pair<const char*, std::string> cases[] = {
      {"", "The draw file 3x10.txt holds no draws."},
      {"\r\n", "The draw file 3x10.txt holds no draws: its one line is incorrect."},
      {"a\r\nb\r\nc\r\n", "The draw file 3x10.txt holds no draws: its 3 lines are all incorrect."},
  };
  for (const auto& [text, start] : cases)
    EXPECT_EQ(NoDrawsText("3x10.txt", ParseDrawFile(text)),
              start + " Use File \u2192 Import results\u2026 or Update\u2026 to get a history.");
  EXPECT_EQ(NoDrawsText("3x10.txt", ParseDrawFile(History(1))), "");
}

}  // namespace
}  // namespace drawlyze
