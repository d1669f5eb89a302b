// One case a shape of export and a quirk of real data: the draws each gives.
#include <gtest/gtest.h>

#include "import_test_util.h"

namespace drawlyze::import::test {
namespace {

struct ShapeCase {
  const char* name;
  std::string text;
  std::string expected;  // the merged draws, compact
  std::string skipped = "";
  MappingChoice choice = {};
};

std::string Utf16Le(std::string_view ascii) {
  std::string out = "\xFF\xFE";
  for (char c : ascii) (out += c) += '\0';
  return out;
}

TEST(ImportShapes, EachShapeGivesTheDrawsItHolds) {
  const ShapeCase cases[] = {
      {"New York open data: two results a row, lost zeros, other games, a repeated row, newest first",
       Fixture("ny_open_data.csv"),
       "31.12.2020 Mid 512\n31.12.2020 Eve 048\n12.01.2021 Mid 081\n12.01.2021 Eve 120\n13.01.2021 Mid 007\n"
       "13.01.2021 Eve 945\n14.01.2021 Eve 306\n"},
      {"European semicolons, blanks after them, byte-order mark, CR LF, ball columns, money",
       Fixture("eu_semicolon.csv"), "02.04.2020 Mid 009\n03.04.2020 Mid 123\n03.04.2020 Eve 456\n"},
      {"quoted US export with a draw-time column and a bonus ball", Fixture("balls.csv"),
       "29.03.2020 Eve 377\n03.04.2020 Mid 228\n03.04.2020 Eve 901\n"},
      {"tabs, ISO date-times, MID/EVE, 1-2-3", Fixture("date_draw_result.tsv"),
       "02.04.2020 Mid 314\n03.04.2020 Mid 042\n03.04.2020 Eve 661\n"},
      {"blank-separated results, no draw time", "Date,Winning Numbers\n2020-04-03,1 2 3\n2020-04-02, 4 5 6 \n",
       "02.04.2020 - 456\n03.04.2020 - 123\n"},
      {"quoted separators, doubled quotes and line breaks inside quotes keep line numbers",
       "Date,Result,Note\n2020-04-02,123,\"a, \"\"b\"\"\nc\"\n2020-04-0X,456,x\n2020-04-04,789,\"\"\n",
       "02.04.2020 - 123\n04.04.2020 - 789\n", "4"},
      {"the day stands first where a value passes 12", "Date;Result\n13/04/2020;111\n01/04/2020;222\n",
       "01.04.2020 - 222\n13.04.2020 - 111\n"},
      {"the header tells the order where no value does", "Date (DD/MM/YYYY),Result\n01/04/2020,222\n",
       "01.04.2020 - 222\n"},
      {"the user's order where nothing else does",
       "Date,Result\n01/04/2020,222\n",
       "01.04.2020 - 222\n",
       "",
       {.dayOrder = DayOrder::DayFirst}},
      {"two-digit years, month names, weekday names",
       "Date,Result\n4/13/20,100\n\"Tuesday, April 14, 2020\",200\n15-Apr-2020,300\n",
       "13.04.2020 - 100\n14.04.2020 - 200\n15.04.2020 - 300\n"},
      {"a title line above the header, weekday names before dates, clock times",
       "New York Numbers\nDate,Time,Result\nSat 01/02/2021,12:30 PM,123\nSat 01/02/2021,7:30 PM,456\n"
       "\"Wed, 01/13/2021\",19:30,789\n",
       "02.01.2021 Mid 123\n02.01.2021 Eve 456\n13.01.2021 Eve 789\n"},
      {"no header row", "2020-04-03,Evening,123\n2020-04-03,Midday,456\n", "03.04.2020 Mid 456\n03.04.2020 Eve 123\n"},
      {"Excel's sep= line, blank lines and separator-only lines",
       "sep=;\nDate;Result\n\n2020-04-03;5\n;;\n2020-04-04;123\n", "03.04.2020 - 005\n04.04.2020 - 123\n"},
      {"UTF-16 text from a spreadsheet", Utf16Le("Date\tResult\r\n2020-04-03\t987\r\n"), "03.04.2020 - 987\n"},
      {"unreadable rows are listed by line and the rest is kept",
       "Date,Draw,Result\n2020-02-30,Mid,111\n2020-03-01,Later,222\n2020-03-01,Eve,12a\n2020-03-02,Eve,\n"
       "2020-03-03,EVE,333\n",
       "03.03.2020 Eve 333\n", "2 3 4 5"},
      {"a row holds a midday result but no evening one yet", "Date,Midday,Evening\n2020-04-03,123,\n",
       "03.04.2020 Mid 123\n"},
      {"Texas: no header, the game with its draw time, month, day and year apart, three balls and a Fireball",
       Fixture("texas_pick3.csv"),
       "10.06.2019 Mor 824\n10.06.2019 Mid 123\n10.06.2019 Eve 456\n10.06.2019 Ngt 789\n13.06.2019 Mor 007\n"
       "13.06.2019 Ngt 010\n",
       "5"},
      {"a split date whose headers say month first where no day passes 12", "Month,Day,Year,Result\n4,3,2020,123\n",
       "03.04.2020 - 123\n"},
      {"a split date whose headers say day first", "Day;Month;Year;Result\n3;4;2020;123\n", "03.04.2020 - 123\n"},
      {"a split date with the year first", "Year,Month,Day,Result\n2020,4,3,123\n", "03.04.2020 - 123\n"},
      {"compact dates", "Date,Result\n20200403,123\n20200402,456\n", "02.04.2020 - 456\n03.04.2020 - 123\n"},
      {"four draws a day, one column each", "Date,Morning,Day,Evening,Night\n2020-04-03,111,222,333,444\n",
       "03.04.2020 Mor 111\n03.04.2020 Mid 222\n03.04.2020 Eve 333\n03.04.2020 Ngt 444\n"},
      {"two draws a day called Day and Night are midday and evening",
       "Date,Draw,Result\n2020-04-03,Night,123\n2020-04-03,Day,456\n", "03.04.2020 Mid 456\n03.04.2020 Eve 123\n"},
      {"Day and Night in the headers of two results", "Date,Day Numbers,Night Numbers\n2020-04-03,123,456\n",
       "03.04.2020 Mid 123\n03.04.2020 Eve 456\n"},
  };
  for (const ShapeCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ImportedInput input = ReadInput("in.csv", c.text, c.choice);
    ASSERT_TRUE(input.mapping.Ready()) << input.mapping.problem;
    EXPECT_EQ(Compact(MergeDraws({input}).draws), c.expected);
    EXPECT_EQ(SkippedLines(input), c.skipped);
  }
}

TEST(ImportShapes, CsvCellsAsTheFileHoldsThem) {
  const struct {
    std::string text;
    char separator;
    std::string cells;  // "line:cell|cell" a row
  } cases[] = {
      {"a,b\r\n1, 2 \r\n", ',', "2:1|2"},
      {"a;b\n\"x;y\";\"say \"\"hi\"\"\"\n", ';', "2:x;y|say \"hi\""},
      {"a\tb\n\"two\nlines\"\tz\nlast\t\n", '\t', "2:two\nlines|z 4:last|"},
      {"a,b\n\"never closed,1\n2,3\n", ',', "3:2|3"},  // a quote never closed: its row is unreadable
      {"a,b\r\rx,y\r", ',', "3:x|y"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const CsvTable table = ReadCsv(c.text);
    EXPECT_EQ(table.separator, c.separator);
    std::string cells;
    for (int r = 0; r < table.Rows(); ++r) {
      cells += (r ? " " : "") + std::to_string(table.Line(r)) + ":";
      for (int col = 0; col < table.Columns(); ++col) cells += (col ? "|" : "") + std::string(table.Cell(r, col));
    }
    EXPECT_EQ(cells, c.cells);
  }
}

}  // namespace
}  // namespace drawlyze::import::test
