// Saved report text and the CSV of reports and the Table window.
#include "core/export/export_text.h"

#include <gtest/gtest.h>

namespace drawlyze {
namespace {

TEST(ExportText, FieldsAreQuotedOnlyWhenTheyMustBe) {
  const struct {
    std::string field, csv;
  } cases[] = {
      {"", ""},
      {"0 1 X", "0 1 X"},
      {" blanks kept ", " blanks kept "},
      {"#", "#"},
      {"fewest 5 (digit 6), most 13", "\"fewest 5 (digit 6), most 13\""},
      {"says \"not random\"", "\"says \"\"not random\"\"\""},
      {"\"", "\"\"\"\""},
      {"two\nlines", "\"two\nlines\""},
      {"a\rb", "\"a\rb\""},
  };
  for (const auto& c : cases) EXPECT_EQ(CsvField(c.field), c.csv) << c.field;
  EXPECT_EQ(CsvRecord({"a", "b,c", ""}), "a,\"b,c\",\r\n");
}

TEST(ExportText, ARunOfTabsSeparatesTwoFields) {
  using Fields = std::vector<std::string_view>;
  const struct {
    std::string line;
    Fields fields;
  } cases[] = {
      {"Statistics from 3 to 1 draws", {"Statistics from 3 to 1 draws"}},
      {"Combination\tFrequency\tskip\t\tMax skip", {"Combination", "Frequency", "skip", "Max skip"}},
      {"0 1 X\t\t2\t\t0\t\t1\t#", {"0 1 X", "2", "0", "1", "#"}},
      {"\tlead", {"", "lead"}},
      {"trail\t\t", {"trail", ""}},
      {"", {""}},
  };
  for (const auto& c : cases) EXPECT_EQ(TabbedFields(c.line), c.fields) << c.line;
}

TEST(ExportText, AReportAsTextAndAsCsv) {
  const std::vector<std::string> lines = {
      "Find: 1 2 3", "", "Draw\tCombination\tExact Combination", "7:\t1 2 3\t\t#", "note, \"quoted\"", ""};
  EXPECT_EQ(ReportText(lines),
            "Find: 1 2 3\n\nDraw\tCombination\tExact Combination\n7:\t1 2 3\t\t#\nnote, \"quoted\"\n\n");
  EXPECT_EQ(ReportCsv(lines),
            "Find: 1 2 3\r\n\r\nDraw,Combination,Exact Combination\r\n7:,1 2 3,#\r\n\"note, \"\"quoted\"\"\"\r\n\r\n");
  EXPECT_EQ(ReportText({}), "");
  EXPECT_EQ(ReportCsv({}), "");
}

TEST(ExportText, TheTableHasAHeaderRowAndEveryColumnOfEveryDraw) {
  DrawHistory history;
  history.Assign(ParseDrawFile("1 01.01.2011 a b 2 4 6 x\n2 02.01.2011 a b 9 0 5 x\n").draws);
  EXPECT_EQ(TableCsv(BuildTableRows(history, kNumberHeader, kDateHeader)),
            "\xE2\x84\x96,Date,First,Last,Sum,Min,Max,Even > Odd,Even < Odd,First Even,Last Even,Sum Even,Min Even,"
            "Max Even\r\n"
            "2,02.01.2011,9,5,14,0,9,0,1,0,0,1,1,0\r\n"
            "1,01.01.2011,2,6,12,2,6,1,0,1,1,1,1,1\r\n");
}

}  // namespace
}  // namespace drawlyze
