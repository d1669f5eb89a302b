// The column decisions as data (what was decided, on which facts), and their
// wording, checked once for every decision.
#include <gtest/gtest.h>

#include "import_test_util.h"

namespace drawlyze::import::test {
namespace {

TEST(ColumnReasons, DecisionsCarryTheirFacts) {
  const ImportedInput ny = ReadInput("ny.csv", Fixture("ny_open_data.csv"));
  ASSERT_TRUE(ny.mapping.Ready()) << ny.mapping.problem;
  const Reason& date = ny.mapping.columns[0].why;
  EXPECT_EQ(date.decision, Decision::Date);
  EXPECT_EQ(date.part, 5);
  EXPECT_EQ(date.whole, 5);
  EXPECT_EQ(date.order, DayOrder::MonthFirst);
  EXPECT_EQ(date.orderFound, OrderFound::DayAbove12);
  EXPECT_EQ(date.orderCount, 3);
  const Reason& midday = ny.mapping.columns[1].why;
  EXPECT_EQ(midday.decision, Decision::Result);
  EXPECT_EQ(midday.time, DrawTime::Midday);
  EXPECT_EQ(midday.timeFound, TimeFound::Header);
  EXPECT_EQ(midday.shorter, 3);
  EXPECT_EQ(ny.mapping.columns[4].why.decision, Decision::Excluded);
  EXPECT_EQ(ny.mapping.columns[4].why.excluded, Exclusion::OtherGame);
  EXPECT_EQ(ny.mapping.columns[5].why.excluded, Exclusion::Sum);

  const ImportedInput texas = ReadInput("texas.csv", Fixture("texas_pick3.csv"));
  ASSERT_TRUE(texas.mapping.Ready()) << texas.mapping.problem;
  EXPECT_EQ(texas.mapping.columns[0].why.decision, Decision::TimeNamed);
  EXPECT_EQ(texas.mapping.columns[1].why.decision, Decision::Month);
  EXPECT_EQ(texas.mapping.columns[1].why.orderFound, OrderFound::DayAbove12);
  EXPECT_EQ(texas.mapping.columns[4].why.decision, Decision::Digit);
  EXPECT_EQ(texas.mapping.columns[4].why.timeFound, TimeFound::Column);
  EXPECT_EQ(texas.mapping.columns[7].why.decision, Decision::BonusDigits);

  const Mapping chosen = ReadInput("c.csv", "Date,A,B\n2020-04-01,123,456\n", {.results = {"B", "A"}}).mapping;
  EXPECT_TRUE(chosen.columns[2].why.chosen);
  EXPECT_EQ(chosen.columns[2].why.timeFound, TimeFound::NamedFirst);
  EXPECT_EQ(chosen.columns[1].why.timeFound, TimeFound::NamedSecond);
}

TEST(ColumnReasons, EveryDecisionIsWordedOnce) {
  DateParts slashed;
  slashed.kind = DateKind::EitherOrder;
  slashed.separator = '/';
  const struct {
    Reason reason;
    const char* text;
  } cases[] = {
      {{.decision = Decision::Date,
        .part = 5,
        .whole = 5,
        .sample = slashed,
        .order = DayOrder::MonthFirst,
        .orderFound = OrderFound::DayAbove12,
        .orderCount = 3},
       "date: 5 of 5 values are dates (MM/DD/YYYY), month first: a day above 12 stands second in 3 values"},
      {{.decision = Decision::Date,
        .chosen = true,
        .part = 1,
        .whole = 2,
        .sample = slashed,
        .order = DayOrder::DayFirst,
        .orderFound = OrderFound::Chosen},
       "date: as chosen; 1 of 2 values are dates (DD/MM/YYYY), day first as chosen"},
      {{.decision = Decision::Date, .part = 1, .whole = 1, .sample = slashed, .orderFound = OrderFound::Unknown},
       "date: 1 of 1 values are dates (MM/DD/YYYY or DD/MM/YYYY), day and month order unknown"},
      {{.decision = Decision::Date, .part = 2, .whole = 2, .sample = slashed, .orderFound = OrderFound::BothWays},
       "date: 2 of 2 values are dates (MM/DD/YYYY or DD/MM/YYYY), written both ways"},
      {{.decision = Decision::Date,
        .part = 2,
        .whole = 2,
        .sample = slashed,
        .order = DayOrder::MonthFirst,
        .orderFound = OrderFound::Header},
       "date: 2 of 2 values are dates (MM/DD/YYYY), month first as the header says"},
      {{.decision = Decision::Year, .part = 7, .whole = 7}, "date, year: 7 of 7 values are years"},
      {{.decision = Decision::Month,
        .part = 7,
        .whole = 7,
        .order = DayOrder::DayFirst,
        .orderFound = OrderFound::DayAbove12,
        .orderCount = 1},
       "date, month: 7 of 7 values are 1 to 12, day first: a day above 12 stands first in 1 value"},
      {{.decision = Decision::Month,
        .part = 2,
        .whole = 2,
        .order = DayOrder::MonthFirst,
        .orderFound = OrderFound::Headers},
       "date, month: 2 of 2 values are 1 to 12, month first as the headers say"},
      {{.decision = Decision::Month,
        .part = 2,
        .whole = 2,
        .order = DayOrder::MonthFirst,
        .orderFound = OrderFound::AfterYear},
       "date, month: 2 of 2 values are 1 to 12, month first after the year"},
      {{.decision = Decision::DayOfMonth, .chosen = true, .part = 3, .whole = 3},
       "date, day: as chosen; 3 of 3 values are 1 to 31"},
      {{.decision = Decision::Time, .part = 3, .whole = 3}, "draw time: 3 of 3 values say midday or evening"},
      {{.decision = Decision::TimeNamed, .part = 7, .whole = 7}, "draw time: 7 of 7 values name a draw time"},
      {{.decision = Decision::Result,
        .part = 1,
        .whole = 4,
        .shorter = 3,
        .time = DrawTime::Midday,
        .timeFound = TimeFound::Header},
       "midday result: 1 of 4 values are three-digit results, 3 values with fewer digits read with leading zeros "
       "(7 is 007); the header says midday"},
      {{.decision = Decision::Result, .part = 3, .whole = 3, .timeFound = TimeFound::Column, .timeColumn = "\"Draw\""},
       "result: 3 of 3 values are three-digit results; the draw time comes from \"Draw\""},
      {{.decision = Decision::Result,
        .chosen = true,
        .part = 1,
        .whole = 1,
        .time = DrawTime::Evening,
        .timeFound = TimeFound::HeaderNight},
       "evening result: as chosen; 1 of 1 values are three-digit results; the header says night, the later of two "
       "draws a day"},
      {{.decision = Decision::Result, .part = 1, .whole = 1, .time = DrawTime::Midday, .timeFound = TimeFound::Chosen},
       "midday result: 1 of 1 values are three-digit results; the draw time as chosen"},
      {{.decision = Decision::Result,
        .part = 1,
        .whole = 1,
        .time = DrawTime::Evening,
        .timeFound = TimeFound::NamedSecond},
       "evening result: 1 of 1 values are three-digit results; evening: named second"},
      {{.decision = Decision::Digit, .part = 3, .whole = 3, .time = DrawTime::Morning, .ball = 2},
       "digit 2 of the morning result: 3 of 3 values are single digits"},
      {{.decision = Decision::OwnTimes}, "not used: each result column has its own draw time"},
      {{.decision = Decision::Empty}, "not used: empty"},
      {{.decision = Decision::Excluded, .excluded = Exclusion::Winners},
       "not used: the header names a count of winners, not a pick-3 result"},
      {{.decision = Decision::Money}, "not used: amounts of money"},
      {{.decision = Decision::LongNumbers}, "not used: numbers of four or more digits (another game)"},
      {{.decision = Decision::OtherDates, .dateFrom = "\"Date\""}, "not used: dates; the date comes from \"Date\""},
      {{.decision = Decision::OtherDates}, "not used: dates; the date comes from elsewhere"},
      {{.decision = Decision::DrawTimes}, "not used: draw times"},
      {{.decision = Decision::BonusDigits}, "not used: single digits beside the chosen results (a bonus number)"},
      {{.decision = Decision::SmallNumbers}, "not used: mostly numbers below 100 (a sum or a count, not a result)"},
      {{.decision = Decision::ResultsNotChosen}, "not used: three-digit results not chosen"},
      {{.decision = Decision::OtherNumbers}, "not used: numbers that are not pick-3 results"},
      {{.decision = Decision::Text}, "not used: text"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReasonText(c.reason), c.text);
}

}  // namespace
}  // namespace drawlyze::import::test
