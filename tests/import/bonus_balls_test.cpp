// Bonus balls are never digits: a Fireball, a Wild Ball or a bonus ball
// beside the three digits never reaches A1..A3, named or not, and the summary
// says why its column is not used.
#include "core/import/bonus_balls.h"

#include <gtest/gtest.h>

#include "import_test_util.h"

namespace drawlyze::import::test {
namespace {

TEST(BonusBalls, HeadersThatNameOne) {
  const struct {
    const char* header;
    const char* name;
  } cases[] = {
      {"Fireball", "a bonus ball (Fireball)"},
      {"FIRE BALL", "a bonus ball (Fireball)"},
      {"wild_ball", "a bonus ball (Wild Ball)"},
      {"WildBall", "a bonus ball (Wild Ball)"},
      {"Wild Ball #", "a bonus ball (Wild Ball)"},
      {"drawing.wildBall", "a bonus ball (Wild Ball)"},
      {"Bonus", "a bonus ball (bonus ball)"},
      {"Lucky Ball", "a bonus ball (Lucky Ball)"},
      {"Midday Daily #", ""},
      {"Ball 1", ""},
      {"Wildlife", ""},
      {"drawingNumber4", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(BonusBallName(c.header), c.name) << c.header;
}

TEST(BonusBalls, NeverBecomeDigits) {
  const struct {
    const char* name;
    std::string text;
    std::string expected;
    MappingChoice choice = {};
  } cases[] = {
      {"Texas without a header: the three digits, the sum, then the Fireball", Fixture("tx_pick3day.csv"),
       "09.09.2013 Mid 398\n02.07.2020 Mid 123\n", MappingChoice{.dayOrder = DayOrder::MonthFirst}},
      {"a Wild Ball written as one word after three ball columns",
       "Date,Ball 1,Ball 2,Ball 3,WildBall\n2020-04-03,1,2,3,9\n", "03.04.2020 - 123\n"},
      {"a JSON field in camel case", R"([{"date":"2020-04-03","n1":4,"n2":5,"n3":6,"fireBall":7}])",
       "03.04.2020 - 456\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ImportedInput input = ReadInput("in", c.text, c.choice);
    ASSERT_TRUE(input.mapping.Ready()) << input.mapping.problem;
    EXPECT_EQ(Compact(input.draws), c.expected);
  }
}

TEST(BonusBalls, TheSummarySaysWhyAndANamedOneIsRefused) {
  const ImportedInput wild = ReadInput("in.csv", "Date,Ball 1,Ball 2,Ball 3,WildBall\n2020-04-03,1,2,3,9\n");
  EXPECT_EQ(wild.mapping.columns[4].reason, "not used: the header names a bonus number, not a pick-3 result");

  const ImportedInput texas = ReadInput("tx.csv", Fixture("tx_pick3day.csv"), {.dayOrder = DayOrder::MonthFirst});
  EXPECT_EQ(texas.mapping.columns[8].reason, "not used: single digits beside the chosen results (a bonus number)");

  const ImportedInput named =
      ReadInput("in.csv", "Date,A,B,Fireball\n2020-04-03,1,2,3\n", {.results = {"A", "B", "Fireball"}});
  EXPECT_FALSE(named.mapping.Ready());
  EXPECT_EQ(named.mapping.problem, "\"Fireball\" holds a bonus ball (Fireball), never a result or one of its digits");
  EXPECT_TRUE(named.draws.empty());
}

}  // namespace
}  // namespace drawlyze::import::test
