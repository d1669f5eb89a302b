// JSON exports: each shape gives the draws it holds, through the same column
// uses as a CSV; an unclear or hostile shape is refused with its reason.
#include "core/import/json_table.h"

#include <gtest/gtest.h>

#include "import_test_util.h"

namespace drawlyze::import::test {
namespace {

struct JsonCase {
  const char* name;
  std::string text;
  std::string expected;  // the merged draws, compact
  MappingChoice choice = {};
  JsonOptions options = {};
};

TEST(JsonImport, EachShapeGivesTheDrawsItHolds) {
  const MappingChoice pa{.results = {"drawingNumber1", "drawingNumber2", "drawingNumber3"},
                         .resultTimes = {DrawTime::Midday}};
  const JsonCase cases[] = {
      {"New York open data as JSON: two results a record, the Win 4 fields beside them, a missing field",
       Fixture("ny_numbers.json"),
       "12.01.2021 Mid 081\n12.01.2021 Eve 120\n13.01.2021 Mid 007\n13.01.2021 Eve 945\n14.01.2021 Eve 306\n"},
      {"Pennsylvania: .NET dates, digits as numbers, the Wild Ball in a fourth number",
       Fixture("pa_pick3_day_2020.json"), "02.07.2020 Mid 123\n03.07.2020 Mid 009\n", pa},
      {"Georgia: an object holding the records, timestamps, nested results, three draws a day",
       Fixture("ga_cash3.json"),
       "01.07.2025 Mid 001\n01.07.2025 Eve 258\n01.07.2025 Ngt 404\n",
       {},
       {JsonTimeZone::UsEastern}},
      {"a number as a string and a number that lost its zeros",
       R"([{"date":"2020-04-03","result":"012"},{"date":"2020-04-04","result":7}])",
       "03.04.2020 - 012\n04.04.2020 - 007\n"},
      {"an array of digits is one result", R"({"rows":[{"day":"2020-04-03","numbers":[4,5,6]}]})",
       "03.04.2020 - 456\n"},
      {"an object beside the records and a list of tags is read over",
       R"({"meta":{"view":{"name":"x"}},"tags":["a","b"],"data":[{"d":"04/13/2020","Midday":"123"}]})",
       "13.04.2020 Mid 123\n"},
  };
  for (const JsonCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ImportedInput input = ReadInput("in.json", c.text, c.choice, {}, c.options);
    ASSERT_FALSE(input.failure) << input.failure->detail;
    ASSERT_TRUE(input.mapping.Ready()) << input.mapping.problem;
    EXPECT_EQ(Compact(MergeDraws({input}).draws), c.expected);
  }
}

TEST(JsonImport, ColumnsAreNamedByTheirPathsAndTheSummarySaysWhy) {
  const ImportedInput input = ReadInput("ga.json", Fixture("ga_cash3.json"), {}, {}, {JsonTimeZone::UsEastern});
  std::string lines;
  for (const std::string& line : ColumnLines(input)) lines += line + "\n";
  EXPECT_NE(lines.find("\"drawTime\""), std::string::npos) << lines;
  EXPECT_NE(lines.find("\"results[0].primary\""), std::string::npos) << lines;
  EXPECT_NE(lines.find("draw time"), std::string::npos) << lines;
  // The rows are the lines on which the records open.
  ASSERT_EQ(input.draws.size(), 3u);
  EXPECT_EQ(input.draws[0].line, 2);
  EXPECT_EQ(input.draws[2].line, 4);
}

std::string Repeated(const std::string& part, int times) {
  std::string text;
  for (int k = 0; k < times; ++k) text += part;
  return text;
}

TEST(JsonImport, UnclearOrHostileShapesAreRefusedWithTheReason) {
  const struct {
    std::string text;
    std::string reason;
  } cases[] = {
      {R"({"a":[{"d":"2020-04-03","r":"123"}],"b":[{"d":"2020-04-04","r":"456"}]})",
       "the JSON holds two arrays of records, \"a\" and \"b\": which one holds the draws is unclear"},
      {R"({"count":3,"status":"ok"})", "the JSON holds no array of records"},
      {R"([1,2,3])", "the top-level array holds plain values, not only records"},
      {R"([{"d":"2020-04-03"},[1]])", "the top-level array holds arrays, not only records"},
      {R"([{"d":"2020-04-03","r":"123"},)", "the text is not valid JSON (at byte 31)"},
      {"[{\"a\":" + std::string(40, '[') + std::string(40, ']') + "}]", "the JSON is nested deeper than 32 levels"},
      {Repeated("{\"a\":", 200000), "the JSON is nested deeper than 32 levels"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 60));
    const ImportedInput input = ReadInput("in.json", c.text);
    ASSERT_TRUE(input.failure);
    EXPECT_EQ(input.failure->kind, ErrorKind::Unreadable);
    EXPECT_EQ(input.failure->detail, c.reason);
    EXPECT_TRUE(input.draws.empty());
  }
}

TEST(JsonImport, CellsKeepTheLimitsOfTheCsvReader) {
  std::string wide = "[{\"date\":\"2020-04-03\",\"result\":\"123\"";
  for (int k = 0; k < kMaxColumns + 10; ++k) wide += ",\"f" + std::to_string(k) + "\":1";
  wide += ",\"long\":\"" + std::string(1000, 'x') + "\"}]";
  const JsonTable read = ReadJsonTable(wide);
  ASSERT_TRUE(read.problem.empty()) << read.problem;
  EXPECT_EQ(read.table.Columns(), kMaxColumns);
  EXPECT_EQ(read.table.ColumnsNotRead(), 13);
  EXPECT_EQ(read.table.Cell(0, 1), "123");
  const ImportedInput input = ReadInput("wide.json", wide);
  EXPECT_EQ(Compact(input.draws), "03.04.2020 - 123\n");

  const JsonTable longCell = ReadJsonTable("[{\"d\":\"" + std::string(1000, 'y') + "\"}]");
  EXPECT_EQ(longCell.table.Cell(0, 0), std::string(kMaxCellBytes, 'y') + "\xE2\x80\xA6");

  // Names as long as the file, nested: the column's name is cut as a cell is.
  const std::string name(100000, 'n');
  const JsonTable longNames =
      ReadJsonTable("[{\"" + name + "\":{\"" + name + "\":{\"" + name + "\":\"2020-04-03\"}}}]");
  ASSERT_EQ(longNames.table.Columns(), 1);
  EXPECT_EQ(longNames.table.Header(0).size(), kMaxCellBytes + 3);
  EXPECT_EQ(longNames.table.Cell(0, 0), "2020-04-03");
}

TEST(JsonImport, TimestampsFallOnTheDayWhereTheyWereTaken) {
  const struct {
    long long ms;
    JsonTimeZone zone;
    const char* day;
  } cases[] = {
      {1593662400000, JsonTimeZone::Utc, "2020-07-02"},        // midnight in New York in summer, 04:00 UTC
      {1593662400000, JsonTimeZone::UsEastern, "2020-07-02"},  // the same midnight, daylight time
      {1751426040000, JsonTimeZone::Utc, "2025-07-02"},        // 23:14 in Georgia is tomorrow in UTC
      {1751426040000, JsonTimeZone::UsEastern, "2025-07-01"},
      {1578891600000, JsonTimeZone::UsEastern, "2020-01-13"},  // midnight in winter: 05:00 UTC
      {1578891599000, JsonTimeZone::UsEastern, "2020-01-12"},  // a second before
      {1173596400000, JsonTimeZone::UsEastern, "2007-03-11"},  // 03:00 daylight, the first day of the rule of 2007
      {-86400000, JsonTimeZone::Utc, "1969-12-31"},
  };
  for (const auto& c : cases) EXPECT_EQ(DayOfTimestamp(c.ms, c.zone), c.day) << c.ms;
}

}  // namespace
}  // namespace drawlyze::import::test
