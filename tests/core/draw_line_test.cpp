// The draw-file line grammar and the small number operations.
#include <gtest/gtest.h>

#include "core/history/draw_history.h"

namespace drawlyze {
namespace {

struct LineCase {
  const char* line;
  bool valid;
  const char* number;
  const char* date;
  const char* field;
  const char* time = "x";  // token 4, kept for the plays' draw times
};

TEST(ParseDrawLine, Grammar) {
  const LineCase cases[] = {
      {"1001 05.03.2007 x x 4 7 1 z", true, "1001", "05.03.2007", "4 7 1"},
      {"1001\t05.03.2007\tx\tx\t4\t7\t1\tz", true, "1001", "05.03.2007", "4 7 1"},  // tabs read as blanks
      {"  1001   05.03.2007 x  x 4 7 1 z  \r", true, "1001", "05.03.2007", "4 7 1"},
      {"1001 05/03/2007 x x 4 7 1 z", false, "1001", "05/03/2007", "4 7 1"},
      {"1001 2007 x x 4 7 1 z", true, "1001", "2007", "4 7 1"},
      {"1001 05.03.2007 x x 4 7 1", false, "1001", "05.03.2007", ""},         // seven tokens
      {"1001 05.03.2007 x x 17 7 1 z", true, "1001", "05.03.2007", "7 7 1"},  // last char of token 5
      // Token 8 loses its last two characters: "12x" leaves "1", "ab" leaves a blank.
      {"1001 05.03.2007 x x 4 7 1 12x", true, "1001", "05.03.2007", "4 7 1 1"},
      {"1001 05.03.2007 x x 4 7 1 ab", true, "1001", "05.03.2007", "4 7 1 "},
      {"1001 05.03.2007 x x 4 7 1 abc", false, "1001", "05.03.2007", "4 7 1 a"},
      {"1001 05.03.2007 x x 4 7 1 z extra tokens", true, "1001", "05.03.2007", "4 7 1"},
      {"1001 05.03.2007 x x 4 a 1 z", false, "1001", "05.03.2007", "4 a 1"},
      {"100a 05.03.2007 x x 4 7 1 z", false, "100a", "05.03.2007", "4 7 1"},
      {"", false, "", "", "", ""},
      {"1 01.01.2011 Sat Day 4 9 1 x", true, "1", "01.01.2011", "4 9 1", "Day"},
      {"  7\t02.09.1980  Tue\t\tEve 1 2 3 x", true, "7", "02.09.1980", "1 2 3", "Eve"},
      {"1 2", false, "1", "", "", ""},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.line);
    const ParsedLine p = ParseDrawLine(c.line);
    EXPECT_EQ(p.valid, c.valid);
    EXPECT_EQ(p.number, c.number);
    EXPECT_EQ(p.date, c.date);
    EXPECT_EQ(p.field, c.field);
    EXPECT_EQ(p.time, c.time);
  }
}

TEST(ParseNumberList, KeepsLowBytesAndReportsOverflow) {
  std::uint8_t out[8] = {};
  EXPECT_EQ(ParseNumberList("4 7 1 1", out, 8), 4);
  EXPECT_EQ(JoinNumbers(out, 4, ",", false), "4,7,1,1");
  EXPECT_EQ(ParseNumberList("a300b-2", out, 8), 2);  // 300 keeps its low byte 44
  EXPECT_EQ(out[0], 44);
  EXPECT_EQ(out[1], 2);
  EXPECT_EQ(ParseNumberList(" ", out, 8), 0);
  EXPECT_EQ(ParseNumberList("xyz", out, 8), 0);
  std::string bad;
  EXPECT_EQ(ParseNumberList("1 99999999999", out, 8, &bad), -1);
  EXPECT_EQ(bad, "99999999999");
}

TEST(NumberOperations, JoinContainsSort) {
  std::uint8_t bytes[] = {9, 0, 5, 12};
  EXPECT_EQ(JoinNumbers(bytes, 3, " ", true), "09 00 05");
  EXPECT_EQ(JoinNumbers(bytes, 4, "-", false), "9-0-5-12");
  EXPECT_EQ(JoinNumbers(bytes, 0, " ", false), "");
  EXPECT_TRUE(ContainsNumber(5, bytes, 3));
  EXPECT_FALSE(ContainsNumber(12, bytes, 3));
  EXPECT_FALSE(ContainsNumber(-1, bytes, 3));
  SortNumbersAscending(bytes, 4);
  EXPECT_EQ(JoinNumbers(bytes, 4, " ", false), "0 5 9 12");
}

TEST(SplitLines, EveryLineEndEndsALine) {
  const auto lines = SplitLines("a\r\nb\nc\rd\n");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2], "c");
  EXPECT_EQ(lines[3], "d");
  EXPECT_EQ(SplitLines("a\n\nb").size(), 3u);
  EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace drawlyze
