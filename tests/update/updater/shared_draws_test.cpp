// Whether two histories share draws and agree on them: the test behind the
// question "is this another game's history?".
#include "update/updater/shared_draws.h"

#include <gtest/gtest.h>

namespace drawlyze::updater {
namespace {

// Draws written oldest first as "date time digits"; returned newest first, as a load gives them.
std::vector<Draw> Draws(const std::vector<std::string>& oldestFirst) {
  std::vector<Draw> draws;
  for (const std::string& line : oldestFirst) {
    Draw d;
    const auto a = line.find(' '), b = line.find(' ', a + 1);
    d.date = line.substr(0, a);
    d.time = line.substr(a + 1, b - a - 1);
    for (int k = 0; k < DRAW_SIZE; ++k)
      d.a[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(line[b + 1 + k] - '0');
    draws.insert(draws.begin(), d);
  }
  return draws;
}

TEST(CompareSharedDraws, PairsByDayAndDrawTime) {
  const std::vector<Draw> current =
      Draws({"01.01.2020 Mid 123", "01.01.2020 Eve 456", "02.01.2020 Mid 789", "02.01.2020 Eve 012"});
  struct Case {
    const char* what;
    std::vector<std::string> candidate;
    long long shared, differing;
    bool overlapping;
    std::string example;
  };
  const Case cases[] = {
      {"the same draws, one more", {"02.01.2020 Mid 789", "02.01.2020 Eve 012", "03.01.2020 Mid 345"}, 2, 0, true, ""},
      {"another game on the same days",
       {"01.01.2020 Mid 999", "01.01.2020 Eve 456", "02.01.2020 Eve 111"},
       3,
       2,
       true,
       "01.01.2020 Mid: 999, the current file 123"},
      {"midday only: the evening draws stay unpaired", {"01.01.2020 Day 123", "02.01.2020 Day 789"}, 2, 0, true, ""},
      {"no draw time written: as many draws a day pair in file order",
       {"01.01.2020 x 123", "01.01.2020 x 456", "02.01.2020 - 789", "02.01.2020 - 012"},
       4,
       0,
       true,
       ""},
      {"one untimed draw against two: not paired", {"01.01.2020 x 123"}, 0, 0, true, ""},
      {"other draw times on the same days", {"01.01.2020 Mor 123", "02.01.2020 Ngt 012"}, 0, 0, true, ""},
      {"days apart", {"05.01.2020 Mid 123", "06.01.2020 Mid 456"}, 0, 0, false, ""},
      {"the dates written year first",
       {"2020.01.01 Mid 123", "2020.01.01 Eve 457"},
       2,
       1,
       true,
       "2020.01.01 Eve: 457, the current file 456"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const SharedDraws s = CompareSharedDraws(Draws(c.candidate), current);
    EXPECT_EQ(s.shared, c.shared);
    EXPECT_EQ(s.differing, c.differing);
    EXPECT_EQ(s.overlapping, c.overlapping);
    EXPECT_EQ(s.example, c.example);
  }
}

TEST(CompareSharedDraws, DatesThatAreNoDaysCompareAsWritten) {
  const SharedDraws s = CompareSharedDraws(Draws({"2007 x 123", "2008 x 456"}), Draws({"2008 x 456"}));
  EXPECT_EQ(s.shared, 1);
  EXPECT_EQ(s.differing, 0);
  EXPECT_TRUE(s.overlapping);
}

}  // namespace
}  // namespace drawlyze::updater
