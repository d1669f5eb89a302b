// The pair and triple tables: weights, overdue marks, orders and layouts.
#include <gtest/gtest.h>

#include "report_test_util.h"

namespace drawlyze {
namespace {

using testing::After;
using testing::History;
using testing::LineStartingWith;
using testing::Repeat;

ReportLines All(ReportLines (*report)(const DrawHistory&, int, LastDraws), const DrawHistory& h) {
  return report(h, 1, std::nullopt);
}

TEST(PairTables, RowsOfHandMadeWindows) {
  struct Case {
    const char* name;
    ReportLines (*report)(const DrawHistory&, int, LastDraws);
    std::string oldestFirst;
    std::string rowStart;  // the first row that starts with this label and two tabs
    std::string row;
  } cases[] = {
      {"3 3 5 weighs 2 for 3 5", FreePairsReport, "335", "3 5\t\t", "3 5\t\t2\t\t0\t\t0"},
      {"3 3 5 weighs 1 for 3 3", FreePairsReport, "335", "3 3\t\t", "3 3\t\t1\t\t0\t\t0"},
      {"4 4 4 weighs 3", FreePairsReport, "444", "4 4\t\t", "4 4\t\t3\t\t0\t\t0"},
      {"1 2 1 weighs 2 for 1 2", FreePairsReport, "121", "1 2\t\t", "1 2\t\t2\t\t0\t\t0"},
      {"1 2 1 weighs 1 for 1 1", FreePairsReport, "121", "1 1\t\t", "1 1\t\t1\t\t0\t\t0"},
      {"4 4 4 at A1 A2", ExactPairsReport, "444", "4 4 X\t\t", "4 4 X\t\t1\t\t0\t\t0"},
      {"4 4 4 at A1 A3", ExactPairsReport, "444", "4 X 4\t\t", "4 X 4\t\t1\t\t0\t\t0"},
      {"4 4 4 at A2 A3", ExactPairsReport, "444", "X 4 4\t\t", "X 4 4\t\t1\t\t0\t\t0"},
      {"1 2 1 at A2 A3", ExactPairsReport, "121", "X 2 1\t\t", "X 2 1\t\t1\t\t0\t\t0"},
      // Drawn once, five draws ago: only the free pair is overdue.
      {"exact pair needs a gap for #", ExactPairsReport, "120 " + Repeat("999", 5), "1 2 X\t\t",
       "1 2 X\t\t1\t\t5\t\t0"},
      {"free pair is overdue", FreePairsReport, "120 " + Repeat("999", 5), "1 2\t\t", "1 2\t\t1\t\t5\t\t0\t#"},
      // Hits with a gap of 2, then absent for 2: skip = max skip.
      {"exact pair skip reaches max skip", ExactPairsReport, "120 999 999 120 999 999", "1 2 X\t\t",
       "1 2 X\t\t2\t\t2\t\t2\t#"},
      {"free pair skip below max skip", FreePairsReport, "120 999 999 120 999", "0 1\t\t", "0 1\t\t2\t\t1\t\t2"},
      // Drawn at the newest and the oldest draw of the window: skip 0, max skip N-2.
      {"triple at both ends", ExactTriplesReport, "294 " + Repeat("000", 6) + "294", "2 9 4\t\t",
       "2 9 4\t\t2\t\t0\t\t6"},
      {"2 9 4 hits the free triple 2 4 9", FreeTriplesReport, "294", "2 4 9\t\t", "2 4 9\t\t1\t\t0\t\t0"},
      {"5 3 5 hits the double 5 5 3", FreeTriplesReport, "535", "5 5 3\t\t", "5 5 3\t\t1\t\t0\t\t0"},
      {"5 3 5 does not hit 3 3 5", FreeTriplesReport, "535", "3 3 5\t\t", "3 3 5\t\t0\t\t0\t\t0"},
      {"7 7 7 is no double", FreeTriplesReport, "777", "7 7 0\t\t", "7 7 0\t\t0\t\t0\t\t0"},
      {"7 7 7 is an exact triple", ExactTriplesReport, "777", "7 7 7\t\t", "7 7 7\t\t1\t\t0\t\t0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LineStartingWith(All(c.report, History(c.oldestFirst)), c.rowStart), c.row);
  }
}

TEST(PairTables, ExactPairsListsThreePassesByFrequency) {
  const ReportLines lines = All(ExactPairsReport, History("121"));
  ASSERT_EQ(lines.size(), 2u + 3 * 103);
  EXPECT_EQ(lines[2], "Combination\tFrequency\tskip\t\tMax skip");
  EXPECT_EQ(lines[3], "1 2 X\t\t1\t\t0\t\t0");
  EXPECT_EQ(lines[4], "0 0 X\t\t0\t\t0\t\t0");  // ties keep the generation order
  EXPECT_EQ(lines[105], "Combination\tFrequency\tskip\t\tMax skip");
  EXPECT_EQ(lines[106], "1 X 1\t\t1\t\t0\t\t0");
  EXPECT_EQ(lines[209], "X 2 1\t\t1\t\t0\t\t0");
  EXPECT_EQ(testing::Tail(lines, 3), (ReportLines{"X 9 9\t\t0\t\t0\t\t0", "", ""}));

  // With no draws every table keeps the generation order.
  const ReportLines empty = ExactPairsReport(DrawHistory{}, 1, 0);
  EXPECT_EQ(ReportLines(empty.begin() + 3, empty.begin() + 5),
            (ReportLines{"0 0 X\t\t0\t\t0\t\t0", "0 1 X\t\t0\t\t0\t\t0"}));
}

TEST(PairTables, FreePairsByFrequencyThenBySkip) {
  // Newest first: 335 (skip 0 for 3 5 and 3 3), 191 (skip 1 for 1 9, 1 1).
  const ReportLines lines = All(FreePairsReport, History("191 335"));
  ASSERT_EQ(lines.size(), 2u + 56 + 2 + 56);
  EXPECT_EQ(ReportLines(lines.begin() + 2, lines.begin() + 7),
            (ReportLines{"Combination\tFrequency\tskip\t\tMax skip", "1 9\t\t2\t\t1\t\t0\t#", "3 5\t\t2\t\t0\t\t0",
                         "1 1\t\t1\t\t1\t\t0\t#", "3 3\t\t1\t\t0\t\t0"}));
  EXPECT_EQ(ReportLines(lines.begin() + 58, lines.begin() + 63),
            (ReportLines{"", "", "Combination\tskip\t\tFrequency\tMax skip", "1 1\t\t1\t\t1\t\t0\t#",
                         "1 9\t\t1\t\t2\t\t0\t#"}));
  EXPECT_EQ(lines[63], "0 0\t\t0\t\t0\t\t0");
  EXPECT_EQ(lines.back(), "9 9\t\t0\t\t0\t\t0");
}

TEST(TripleTables, LayoutsAndFamilies) {
  const ReportLines exact = All(ExactTriplesReport, History("535"));
  ASSERT_EQ(exact.size(), 2u + 1001 + 2 + 1001);
  EXPECT_EQ(exact[3], "5 3 5\t\t1\t\t0\t\t0");
  EXPECT_EQ(exact[1005], "Combination\tskip\t\tFrequency\t\tMax skip");
  EXPECT_EQ(exact.back(), "9 9 9\t\t0\t\t0\t\t0");

  const ReportLines free = All(FreeTriplesReport, History("535"));
  ASSERT_EQ(free.size(), 2u + 121 + 2 + 121 + 2 + 91 + 2 + 91);
  EXPECT_EQ(free[2], "Combination\tFrequency\tskip\t\tMax skip");
  EXPECT_EQ(free[3], "0 1 2\t\t0\t\t0\t\t0");  // no triple of different digits came
  EXPECT_EQ(free[125], "Combination\tskip\t\tFrequency\tMax skip");
  EXPECT_EQ(free[248], "Combination\tFrequency\tskip\t\tMax skip");
  EXPECT_EQ(free[249], "5 5 3\t\t1\t\t0\t\t0");
  EXPECT_EQ(free[250], "0 0 1\t\t0\t\t0\t\t0");
  EXPECT_EQ(free[341], "Combination\tskip\t\tFrequency\tMax skip");
  EXPECT_EQ(free.back(), "9 9 8\t\t0\t\t0\t\t0");
}

}  // namespace
}  // namespace drawlyze
