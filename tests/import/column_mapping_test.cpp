// The proposed mapping, its reasons, the user's overrides and the problems
// that need a choice.
#include <gtest/gtest.h>

#include "import_test_util.h"

namespace drawlyze::import::test {
namespace {

TEST(ColumnMapping, ProposalsSayWhyEachColumnIsUsedOrNot) {
  const struct {
    const char* fixture;
    int column;  // 1-based
    std::string reason;
  } cases[] = {
      {"ny_open_data.csv", 1,
       "date: 5 of 5 values are dates (MM/DD/YYYY), month first: a day above 12 stands second in 3 values"},
      {"ny_open_data.csv", 2,
       "midday result: 1 of 4 values are three-digit results, 3 values with fewer digits read with leading zeros "
       "(7 is 007); the header says midday"},
      {"ny_open_data.csv", 3, "evening result: 5 of 5 values are three-digit results; the header says evening"},
      {"ny_open_data.csv", 5, "not used: the header names another game, not a pick-3 result"},
      {"ny_open_data.csv", 6, "not used: the header names a sum, not a pick-3 result"},
      {"balls.csv", 2, "draw time: 3 of 3 values say midday or evening"},
      {"balls.csv", 3,
       "digit 1 of the result: 3 of 3 values are single digits; the draw time comes from \"Draw Time\""},
      {"balls.csv", 6, "not used: the header names a bonus number, not a pick-3 result"},
      {"eu_semicolon.csv", 1, "date: 3 of 3 values are dates (DD.MM.YYYY)"},
      {"eu_semicolon.csv", 6, "not used: mostly numbers below 100 (a sum or a count, not a result)"},
      {"date_draw_result.tsv", 3, "result: 3 of 3 values are three-digit results; the draw time comes from \"Draw\""},
      {"texas_pick3.csv", 1, "draw time: 7 of 7 values name a draw time"},
      {"texas_pick3.csv", 2,
       "date, month: 7 of 7 values are 1 to 12, month first: a day above 12 stands second in 3 values"},
      {"texas_pick3.csv", 3, "date, day: 7 of 7 values are 1 to 31"},
      {"texas_pick3.csv", 4, "date, year: 7 of 7 values are years"},
      {"texas_pick3.csv", 5,
       "digit 1 of the result: 7 of 7 values are single digits; the draw time comes from column 1"},
      {"texas_pick3.csv", 8, "not used: single digits beside the chosen results (a bonus number)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.fixture) + " column " + std::to_string(c.column));
    const ImportedInput input = ReadInput(c.fixture, Fixture(c.fixture));
    ASSERT_TRUE(input.mapping.Ready()) << input.mapping.problem;
    EXPECT_EQ(input.mapping.columns.at(static_cast<std::size_t>(c.column - 1)).reason, c.reason);
  }
}

TEST(ColumnMapping, OtherGamesNeverPassForResults) {
  // Four- and five-digit results (some shortened to three by a spreadsheet),
  // money, sums and bonus digits beside one pick-3 column.
  const std::string text =
      "Date,Pick 5,Value,Pick3,Total,Bonus,Payout\n"
      "2020-04-01,12345,0456,111,3,7,$500\n2020-04-02,98765,7890,222,6,1,$250\n"
      "2020-04-03,4567,123,333,9,2,$1000\n";
  const Mapping m = ReadInput("x.csv", text).mapping;
  ASSERT_TRUE(m.Ready()) << m.problem;
  ASSERT_EQ(m.results.size(), 1u);
  EXPECT_EQ(m.results[0].columns, std::vector<int>{3});
  EXPECT_EQ(m.columns[2].reason, "not used: numbers of four or more digits (another game)");
  EXPECT_EQ(m.columns[5].reason, "not used: the header names a bonus number, not a pick-3 result");
}

TEST(ColumnMapping, ChoicesOverrideTheProposal) {
  const std::string twoColumns = "When,A,B,Kind\n2020-04-03,123,456,M\n2020-04-04,789,12,E\n";
  const struct {
    const char* name;
    std::string text;
    MappingChoice choice;
    std::string expected;
  } cases[] = {
      {"results by header in any case, the midday one first",
       twoColumns,
       {.results = {"b", "a"}},
       "03.04.2020 Mid 456\n03.04.2020 Eve 123\n04.04.2020 Mid 012\n04.04.2020 Eve 789\n"},
      {"one result by number with the draw time by number",
       twoColumns,
       {.date = "1", .results = {"2"}, .time = "4"},
       "03.04.2020 Mid 123\n04.04.2020 Eve 789\n"},
      {"three digit columns named in ball order",
       "Date,X,Y,Z\n2020-04-03,1,2,3\n",
       {.results = {"Z", "X", "Y"}},
       "03.04.2020 - 312\n"},
      {"a dialog's explicit draw times",
       twoColumns,
       {.results = {"A", "B"}, .resultTimes = {DrawTime::Evening, DrawTime::Midday}},
       "03.04.2020 Mid 456\n03.04.2020 Eve 123\n04.04.2020 Mid 012\n04.04.2020 Eve 789\n"},
      {"a split date named by its columns, day first as chosen",
       "A,B,Y,Result\n3,4,2020,123\n",
       {.date = "a+B+3", .dayOrder = DayOrder::DayFirst},
       "03.04.2020 - 123\n"},
      {"month first against the header's hint",
       "Date (DD/MM),Result\n01/04/2020,222\n",
       {.dayOrder = DayOrder::MonthFirst},
       "04.01.2020 - 222\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ImportedInput input = ReadInput("x.csv", c.text, c.choice);
    ASSERT_TRUE(input.mapping.Ready()) << input.mapping.problem;
    EXPECT_EQ(Compact(MergeDraws({input}).draws), c.expected);
  }
}

TEST(ColumnMapping, UnclearMappingsNameTheChoiceToMake) {
  const struct {
    const char* name;
    std::string text;
    MappingChoice choice;
    Choice needs;
    std::string problem;
  } cases[] = {
      {"day and month read both ways",
       "Date,Result\n01/04/2020,123\n02/04/2020,456\n",
       {},
       Choice::DayOrder,
       "the dates in \"Date\" read as well day first as month first (no day above 12 tells)"},
      {"dates written both ways",
       "Date,Result\n13/04/2020,123\n04/14/2020,456\n",
       {},
       Choice::DayOrder,
       "the dates in \"Date\" are written day first on some rows (1) and month first on others (1)"},
      {"no dates", "Draw,Result\n1,123\n", {}, Choice::DateColumn, "no column holds dates"},
      {"a split date whose day and month read both ways",
       "A,B,Y,Result\n3,4,2020,123\n",
       {},
       Choice::DayOrder,
       "the dates in \"A\", \"B\" and \"Y\" read as well day first as month first (no day above 12 tells)"},
      {"a split date named without its year",
       "A,B,Y,Result\n3,4,2020,123\n",
       {.date = "A+B+Result"},
       Choice::Column,
       "\"A\", \"B\" and \"Result\" hold no column of years"},
      {"no results", "Date,Name\n2020-04-03,Bob\n", {}, Choice::ResultColumns, "no column holds pick-3 results"},
      {"two results, headers silent",
       "Date,First,Second\n2020-04-03,123,456\n",
       {},
       Choice::ResultColumns,
       "\"First\" and \"Second\" both hold results and their headers do not say which is midday"},
      {"four single-digit columns",
       "Date,A,B,C,D\n2020-04-03,1,2,3,4\n",
       {},
       Choice::ResultColumns,
       "the single-digit columns \"A\", \"B\", \"C\" and \"D\" do not make whole results (three a draw)"},
      {"two digit columns chosen",
       "Date,A,B,C\n2020-04-03,1,2,3\n",
       {.results = {"A", "B"}},
       Choice::ResultColumns,
       "a result from single-digit columns takes three of them, in ball order: \"A\" and \"B\""},
      {"the date column named as a result",
       "Date,Result\n2020-04-03,123\n",
       {.results = {"Result", "1"}},
       Choice::ResultColumns,
       "\"Date\" holds the date or the draw time"},
      {"a column that is not there",
       "Date,Result\n2020-04-03,123\n",
       {.date = "Datum"},
       Choice::Column,
       "there is no column \"Datum\"; the columns are 1 \"Date\", 2 \"Result\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ImportedInput input = ReadInput("x.csv", c.text, c.choice);
    EXPECT_EQ(input.mapping.needs, c.needs);
    EXPECT_EQ(input.mapping.problem, c.problem);
    EXPECT_TRUE(input.draws.empty());
  }
}

}  // namespace
}  // namespace drawlyze::import::test
