// Inputs an attacker hands the importer: rows far wider than their header,
// draw-file lines the loader refuses, dates in the future, huge cells,
// quotes that never close, results with signs and points, a stop request.
#include <gtest/gtest.h>

#include "core/history/escaped_text.h"
#include "import_test_util.h"

namespace drawlyze::import::test {
namespace {

std::string Reasons(const ImportedInput& input) {
  std::string text;
  for (const SkippedRow& row : input.skipped) text += std::to_string(row.line) + ": " + row.reason + "\n";
  return text;
}

// A row with far more fields than its header is an unreadable row; columns
// past kMaxColumns are read over.
TEST(HostileInput, AFarWiderRowIsRefusedAndColumnsAreBounded) {
  const std::string wide = "2020-04-02,456" + std::string(100000, ',') + "\n";
  const ImportedInput input = ReadInput("w.csv", "Date,Result\n2020-04-01,123\n" + wide + "2020-04-03,789\n");
  ASSERT_TRUE(input.mapping.Ready()) << input.mapping.problem;
  EXPECT_EQ(Compact(input.draws), "01.04.2020 - 123\n03.04.2020 - 789\n");
  EXPECT_EQ(Reasons(input), "3: 100002 fields, far more than the 2 of the header\n");
  EXPECT_EQ(input.rows, 3);
  EXPECT_EQ(input.table.Columns(), 2);

  std::string header = "Date,Result", row = "2020-04-01,123";
  for (int c = 2; c < 1000; ++c) header += ",c" + std::to_string(c), row += ",x";
  const ImportedInput broad = ReadInput("b.csv", header + "\n" + row + "\n");
  EXPECT_EQ(broad.table.Columns(), kMaxColumns);
  EXPECT_EQ(broad.table.ColumnsNotRead(), 1000 - kMaxColumns);
  EXPECT_EQ(Compact(broad.draws), "01.04.2020 - 123\n");
  EXPECT_EQ(ColumnLines(broad).back(), "  columns 257 to 1000: not read (past the 256 columns an export may use)");
}

// Lines the draw-file loader calls incorrect are unreadable rows of a draw
// file given to the importer, listed by line.
TEST(HostileInput, ADrawFileIsReadByTheLoadersRules) {
  const struct {
    const char* line;
    const char* draws;  // what the second line gives
  } cases[] = {
      {"2 01.01.2021 Fri Mid 1 256 3 x", ""},  // 256 is no digit, not 0
      {"2 01.01.2021 Fri Mid 1 12 3 x", ""},
      {"2 01.01.2021 Fri Mid 1 2 99999999999 x", ""},
      {"2 01.01.2021 Fri Mid 1 2 3", ""},  // seven tokens
      {"", ""},                            // an empty line, incorrect to the loader too
      {"2 01.01.2021 Fri Mid 17 2 3 x", "01.01.2021 Mid 723\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const std::string text =
        "1 31.12.2020 Thu Eve 4 5 6 x\r\n" + std::string(c.line) + "\r\n3 02.01.2021 Sat Mid 7 8 9 x\r\n";
    const ImportedInput input = ReadInput("3x10.txt", text);
    ASSERT_EQ(input.kind, InputKind::DrawFile);
    EXPECT_EQ(Compact(input.draws), "31.12.2020 Eve 456\n" + std::string(c.draws) + "02.01.2021 Mid 789\n");
    const bool incorrect = ParseDrawFile(text).incorrectLineCount > 0;
    EXPECT_EQ(SkippedLines(input), incorrect ? "2" : "");
    EXPECT_EQ(incorrect, std::string(c.draws).empty());
  }
}

// How old a draw file's newest date is, in the title's words; across a
// month's and a leap year's end; nothing for a later day or another form.
TEST(HostileInput, DaysAgoCountsCalendarDays) {
  const FixedToday today(20240301);
  for (const auto& [date, words] : std::vector<std::pair<std::string, std::string>>{{"01.03.2024", "today"},
                                                                                    {"29.02.2024", "yesterday"},
                                                                                    {"28.02.2024", "2 days ago"},
                                                                                    {"01.03.2023", "366 days ago"},
                                                                                    {"02.03.2024", ""},
                                                                                    {"2024.02.28", ""},
                                                                                    {"31.02.2024", ""},
                                                                                    {"", ""}})
    EXPECT_EQ(DaysAgo(date), words) << date;
}

// A draw after tomorrow never was; a two-digit year is the latest year not
// after the current one.
TEST(HostileInput, DatesAfterTomorrowAreRefusedAndTwoDigitYearsLookBack) {
  const FixedToday today(20260115);
  EXPECT_EQ(LatestDrawDay(), 20260116);
  for (const auto& [yy, year] :
       std::vector<std::pair<int, int>>{{26, 2026}, {27, 1927}, {49, 1949}, {65, 1965}, {0, 2000}, {99, 1999}})
    EXPECT_EQ(YearOfTwoDigits(yy), year) << yy;

  const ImportedInput csv =
      ReadInput("d.csv", "Date,Result\n12/31/2199,111\n01/15/2026,222\n01/16/2026,333\n01/17/2026,444\n1/2/49,555\n");
  EXPECT_EQ(Compact(csv.draws), "15.01.2026 - 222\n16.01.2026 - 333\n02.01.1949 - 555\n");
  EXPECT_EQ(Reasons(csv),
            "2: the date \"12/31/2199\" lies after tomorrow (16.01.2026)\n"
            "5: the date \"01/17/2026\" lies after tomorrow (16.01.2026)\n");

  const ImportedInput split = ReadInput("s.csv", "Month,Day,Year,Result\n12,31,2199,111\n1,14,2026,222\n");
  EXPECT_EQ(Compact(split.draws), "14.01.2026 - 222\n");
  EXPECT_EQ(SkippedLines(split), "2");

  const ImportedInput file = ReadInput("3x10.txt", "1 14.01.2026 Wed Mid 1 2 3 x\n2 31.12.2199 Tue Mid 4 5 6 x\n");
  EXPECT_EQ(Compact(file.draws), "14.01.2026 Mid 123\n");
  EXPECT_EQ(Reasons(file), "2: the date 31.12.2199 lies after tomorrow (16.01.2026)\n");
}

// Messages quote a short escaped excerpt of a cell, whatever its size.
TEST(HostileInput, MessagesQuoteShortEscapedExcerpts) {
  const std::string huge(100000, 'x');
  const ImportedInput input =
      ReadInput("h.csv", "Date,Result\n2020-04-01,123\n2020-04-02,\x1B[2J" + huge + "\n" + huge + ",456\n");
  const std::string excerpt = "\\x1B[2J" + std::string(36, 'x') + "\xE2\x80\xA6";
  EXPECT_EQ(Reasons(input), "3: the result \"" + excerpt +
                                "\" in \"Result\" is not a pick-3 result\n"
                                "4: the date \"" +
                                std::string(40, 'x') + "\xE2\x80\xA6\" is not a day\n");
  EXPECT_EQ(Excerpt("caf\xC3\xA9"), "caf\xC3\xA9");
  EXPECT_EQ(Excerpt(std::string(39, 'a') + "\xC3\xA9\xC3\xA9"), std::string(39, 'a') + "\xC3\xA9\xE2\x80\xA6");
  EXPECT_EQ(Excerpt("\x07\xFF"), "\\x07\\xFF");
}

// The size a history's draw file would have is known before it is written,
// and one past the limit is refused.
TEST(HostileInput, AHistoryPastTheSizeLimitIsRefusedBeforeItIsWritten) {
  std::vector<ImportedDraw> draws;
  for (int i = 0; i < 12; ++i)
    draws.push_back({20200101 + i, i % 2 ? DrawTime::Evening : DrawTime::Unknown, {1, 2, 3}, 0, i + 1});
  EXPECT_EQ(DrawFileBytes(draws), FormatDrawFile(draws).size());
  EXPECT_TRUE(CheckDrawFileSize(draws));
  draws.resize(2'500'000, draws.front());
  const Status refused = CheckDrawFileSize(draws);
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.Failure().kind, ErrorKind::TooLarge);
  EXPECT_EQ(refused.Failure().detail,
            "the 2500000 draws would make a draw file of 81 MiB, more than the 64 MiB a draw file may hold; nothing "
            "was written");
}

// An unbalanced quote refuses its own row only; the rows after it are read.
TEST(HostileInput, AnUnbalancedQuoteSwallowsNoRow) {
  std::string text = "Date,Midday,Evening\n";
  for (int day = 1; day <= 30; ++day) {
    const std::string date = "2020-04-" + std::string(day < 10 ? "0" : "") + std::to_string(day);
    text += date + (day == 5 ? ",\"123" : ",123") + ",456\n";
  }
  const ImportedInput input = ReadInput("q.csv", text);
  EXPECT_EQ(input.draws.size(), 58u);
  EXPECT_EQ(Reasons(input), "6: a quote opened on line 6 is not closed before the next row\n");

  const struct {
    std::string text;
    std::string cells;  // "line:cell|cell" a row
  } cases[] = {
      {"a,b\n\"two\nlines\",z\n", "2:two\nlines|z"},            // a note over two lines
      {"a,b\n\"x,1\n2020-04-01,2\n", "3:2020-04-01|2"},         // the next line is a row
      {"a,b\n\"x,1\nno\nrow\nhere\n", "3:no| 4:row| 5:here|"},  // never closed
      {"a,b\n\"1\n2\n3\n4\n5\n6\n7\n8\n9\n10\"\nz,y\n", "3:2| 4:3| 5:4| 6:5| 7:6| 8:7| 9:8| 10:9| 11:10\"| 12:z|y"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const CsvTable table = ReadCsv(c.text);
    std::string cells;
    for (int r = 0; r < table.Rows(); ++r) {
      cells += (r ? " " : "") + std::to_string(table.Line(r)) + ":";
      for (int col = 0; col < table.Columns(); ++col) cells += (col ? "|" : "") + std::string(table.Cell(r, col));
    }
    EXPECT_EQ(cells, c.cells);
  }
}

// A result cell is digits only, or three digits with separators between them.
TEST(HostileInput, ResultsAreDigitsOnly) {
  const struct {
    const char* cell;
    const char* result;  // empty: refused
  } cases[] = {
      {"-5", ""},   {"-0", ""},    {"12.", ""},    {".5", ""},       {"1-2-3-", ""},   {"+7", ""},
      {"5", "005"}, {"81", "081"}, {"123", "123"}, {"1-2-3", "123"}, {"1 2 3", "123"}, {" 4, 5, 6 ", "456"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cell);
    DrawNumbers numbers{};
    const bool read = ReadResult(c.cell, numbers);
    EXPECT_EQ(read, *c.result != '\0');
    if (read) {
      EXPECT_EQ(std::string({char('0' + numbers[0]), char('0' + numbers[1]), char('0' + numbers[2])}), c.result);
    }
  }
}

// A stop request ends the reading at its next rows.
TEST(HostileInput, AStopRequestEndsTheReading) {
  std::string csv = "Date,Result\n", file;
  for (int i = 0; i < 20000; ++i) {
    csv += "2020-04-01,123\n";
    file += "1 01.04.2020 Wed Mid 1 2 3 x\n";
  }
  int asked = 0;
  const StopCheck stop = [&asked] { return ++asked >= 2; };
  for (const std::string* text : {&csv, &file}) {
    asked = 0;
    const ImportedInput input = ReadInput("big", *text, {}, stop);
    ASSERT_TRUE(input.failure.has_value());
    EXPECT_EQ(input.failure->kind, ErrorKind::Stopped);
    EXPECT_LT(input.draws.size(), 20000u);
  }
}

}  // namespace
}  // namespace drawlyze::import::test
