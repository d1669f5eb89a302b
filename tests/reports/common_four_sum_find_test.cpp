// "Common Four", "Sum", "Find " and the table of reports by caption.
#include <gtest/gtest.h>

#include "report_test_util.h"

namespace drawlyze {
namespace {

using testing::History;
using testing::Repeat;

TEST(CommonFour, CountsDrawsOfThreeDifferentDigitsOfTheSet) {
  const ReportLines lines = CommonFourReport(History("115 135"), 1, 2);
  ASSERT_EQ(lines.size(), 2u + 210 + 3 + 210);
  EXPECT_EQ(lines[2], "0 1 2 3\t0");
  EXPECT_EQ(lines[3], "0 1 2 4\t0");
  EXPECT_EQ(lines[211], "6 7 8 9\t0");
  EXPECT_EQ(ReportLines(lines.begin() + 212, lines.begin() + 215), (ReportLines{"", "Count: 210", ""}));
  // 1 3 5 belongs to the seven sets that add a fourth digit; 1 1 5 to none.
  EXPECT_EQ(ReportLines(lines.begin() + 215, lines.begin() + 223),
            (ReportLines{"0 1 3 5\t1", "1 2 3 5\t1", "1 3 4 5\t1", "1 3 5 6\t1", "1 3 5 7\t1", "1 3 5 8\t1",
                         "1 3 5 9\t1", "0 1 2 3\t0"}));
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "0 1 3 5\t1"), 2);

  // An empty window keeps the generation order in both lists.
  const ReportLines empty = CommonFourReport(DrawHistory{}, 1, 0);
  EXPECT_EQ(empty[215], "0 1 2 3\t0");
  EXPECT_EQ(empty.back(), "6 7 8 9\t0");
}

ReportLines SumChart(const std::string& firstBar) {
  ReportLines chart{"", "Sum:"};
  for (int v = 0; v <= 27; ++v) chart.push_back((v < 10 ? "0" : "") + std::to_string(v) + ": ");
  chart[2] += firstBar;
  return chart;
}

TEST(Sum, SingleDrawOfZeros) {
  ReportLines expected = {"Sum of numbers for last 1 draws",
                          "(From 1 to 1 draws)",
                          "",
                          "1\t0",
                          "",
                          "Average: 0.00",
                          "",
                          "Sum: 0",
                          "",
                          "Variance: 0.00",
                          "",
                          "Std dev: 0.00",
                          "",
                          "-Std dev\t\tMean\t\t+Std dev",
                          "0.00\t\t0.00\t\t0.00",
                          "",
                          "-2 Std dev\tMean\t\t+2 Std dev",
                          "0.00\t\t0.00\t\t0.00",
                          "",
                          "-3 Std dev\tMean\t\t+3 Std dev",
                          "0.00\t\t0.00\t\t0.00",
                          "",
                          "",
                          "Std dev\t\tOut of -Std dev...+Std dev\tBetween -Std dev...+Std dev in %",
                          "1\t\t0\t\t\t100.00%",
                          "2\t\t0\t\t\t100.00%",
                          "3\t\t0\t\t\t100.00%"};
  const ReportLines chart = SumChart("*");
  expected.insert(expected.end(), chart.begin(), chart.end());
  EXPECT_EQ(SumReport(History("000"), 1, 1), expected);
}

TEST(Sum, SpreadBandsAndShares) {
  struct Case {
    const char* name;
    std::string oldestFirst;
    int row, lastDraws;
    std::vector<std::pair<std::string, std::string>> lines;  // a line starting with first equals second
  } cases[] = {
      {"sums 10 and 20: the band ends are inside",
       "145 587",
       1,
       2,
       {{"Average", "Average: 15.00"},
        {"Variance", "Variance: 25.00"},
        {"Std dev:", "Std dev: 5.00"},
        {"10.00", "10.00\t\t15.00\t\t20.00"},
        {"5.00", "5.00\t\t15.00\t\t25.00"},
        {"0.00", "0.00\t\t15.00\t\t30.00"},
        {"1\t\t", "1\t\t0\t\t\t100.00%"},
        {"10:", "10: *"},
        {"20:", "20: *"}}},
      {"three zeros and a 27",
       "999 000 000 000",
       1,
       4,
       {{"Average", "Average: 6.75"},
        {"Sum: ", "Sum: 27"},
        {"Variance", "Variance: 136.69"},
        {"Std dev:", "Std dev: 11.69"},
        {"-4.94", "-4.94\t\t6.75\t\t18.44"},
        {"1\t\t", "1\t\t1\t\t\t75.00%"},
        {"2\t\t", "2\t\t0\t\t\t100.00%"},
        {"00:", "00: ***"},
        {"27:", "27: *"}}},
      {"a mean of exactly 1.125 is printed as C prints it",
       "002 " + Repeat("001", 7),
       1,
       8,
       {{"Average", "Average: 1.12"}, {"Variance", "Variance: 0.11"}, {"0.79", "0.79\t\t1.12\t\t1.46"}}},
      {"ordinals padded to the count's digits, newest first",
       Repeat("100", 9) + "200 300 400",
       2,
       3,
       {{"Sum of", "Sum of numbers for last 3 draws"},
        {"(From", "(From 11 to 9 draws)"},
        {"11\t", "11\t3"},
        {"10\t", "10\t2"},
        {"09\t", "09\t1"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ReportLines lines = SumReport(History(c.oldestFirst), c.row, c.lastDraws);
    for (const auto& [prefix, line] : c.lines) EXPECT_EQ(testing::LineStartingWith(lines, prefix), line);
  }
}

TEST(Sum, EmptyWindowSaysNoDraws) {
  EXPECT_EQ(SumReport(DrawHistory{}, 1, 0),
            (ReportLines{"Sum of numbers for last 0 draws", "(From 0 to 1 draws)", "", "No draws"}));
}

TEST(Find, NormalisesTheTextAndMarksExactDraws) {
  // 1234 draws: ordinal 1234 is 7 0 3, 1190 is 3 0 7, 7 is 3 7 0.
  std::string oldestFirst = Repeat("999", 6) + "370 " + Repeat("999", 1182) + "307 " + Repeat("999", 43) + "703";
  const DrawHistory h = History(oldestFirst);
  ASSERT_EQ(h.Count(), 1234);
  const ReportLines found = {
      "", "Draw\tCombination\tExact Combination", "1234:\t7 0 3", "1190:\t3 0 7\t\t#", "0007:\t3 7 0", "", "Count: 3"};
  struct Case {
    const char* text;
    const char* firstLine;
  } cases[] = {
      {"3 0 7", "Find: 3 0 7"},        {"3,0;7", "Find: 3 0 7"},     {"307", "Find: 3 0 7"},
      {"  3   0 7 ", "Find:  3 0 7 "}, {"3 0 7 9", "Find: 3 0 7 9"},  // numbers beyond the third are ignored
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ReportLines expected = {c.firstLine};
    expected.insert(expected.end(), found.begin(), found.end());
    EXPECT_EQ(FindReport(h, c.text), expected);
    EXPECT_EQ(FindTextError(c.text), "");
  }
}

TEST(Find, RepeatsMustMatchAndShortQueriesMatchNothing) {
  const DrawHistory h = History("122 211 121 112");
  EXPECT_EQ(FindReport(h, "1 1 2"), (ReportLines{"Find: 1 1 2", "", "Draw\tCombination\tExact Combination",
                                                 "4:\t1 1 2\t\t#", "3:\t1 2 1", "2:\t2 1 1", "", "Count: 3"}));
  // Three characters are read as three digits, blanks included.
  EXPECT_EQ(FindReport(h, "1 2"),
            (ReportLines{"Find: 1   2", "", "Draw\tCombination\tExact Combination", "", "Count: 0"}));
  EXPECT_EQ(FindReport(h, "abc"), (ReportLines{"Find:  ", "", "Draw\tCombination\tExact Combination", "", "Count: 0"}));
  EXPECT_EQ(FindReport(h, "5 5 5").back(), "Count: 0");
}

TEST(Find, DefaultTextAndTooLargeNumbers) {
  EXPECT_EQ(FindDefaultText(History("307 415"), 2), "3 0 7");
  EXPECT_EQ(FindDefaultText(DrawHistory{}, 1), "0 0 0");  // the zero-filled store
  EXPECT_EQ(FindTextError("99999999999 1 2"), "'99999999999' is not a valid integer value");
  EXPECT_EQ(FindTextError("1 2 2147483648"), "'2147483648' is not a valid integer value");
  EXPECT_EQ(FindTextError("1 2 2147483647"), "");
  EXPECT_EQ(FindTextError("1 2 3 99999999999"), "");
  EXPECT_EQ(FindReport(History("123"), "99999999999 1 2").back(), "Count: 0");
}

TEST(ReportTable, FindsReportsByCaption) {
  ASSERT_EQ(AllReports().size(), 12u);
  struct Case {
    const char* name;
    const char* caption;  // null: no report
  } cases[] = {
      {"Exact Pairs' Skips", "Exact Pairs' Skips"},
      {"exact-pairs-skips", "Exact Pairs' Skips"},
      {"Exact Pairs", "Exact Pairs"},
      {"Find", "Find "},
      {"FIND ", "Find "},
      {"triples not drawn yet", "Triples not drawn yet"},
      {"Free Triples' Skips", "Free Triples' Skips"},
      {"Sum", "Sum"},
      {"Table", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ReportInfo* report = FindReportByName(c.name);
    if (!c.caption) {
      EXPECT_EQ(report, nullptr);
      continue;
    }
    ASSERT_NE(report, nullptr);
    EXPECT_STREQ(report->caption, c.caption);
  }
  EXPECT_EQ(
      std::count_if(AllReports().begin(), AllReports().end(), [](const ReportInfo& r) { return r.greyedWhileRunning; }),
      7);
  EXPECT_FALSE(FindReportByName("Free Pairs")->greyedWhileRunning);
  EXPECT_TRUE(FindReportByName("Free Triples' Skips")->greyedWhileRunning);

  const DrawHistory h = History("123 456");
  const ReportInput in{&h, 2, 1, "4 5 6"};
  EXPECT_EQ(FindReportByName("Sum")->run(in), SumReport(h, 2, 1));
  EXPECT_EQ(FindReportByName("Find")->run(in), FindReport(h, "4 5 6"));
}

}  // namespace
}  // namespace drawlyze
