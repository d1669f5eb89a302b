// The run of draws a report counts, its header, "Triples not drawn yet" and
// the skip history block every "Skips" report prints.
#include <gtest/gtest.h>

#include "report_test_util.h"

namespace drawlyze {
namespace {

using testing::After;
using testing::History;
using testing::Repeat;

TEST(ReportHeader, NamesTheWindowByOrdinalsAfterCuttingIt) {
  const DrawHistory thousand = History(Repeat("123", 1000));
  struct Case {
    int row, lastDraws;
    const char* header;
  } cases[] = {
      {1, 1000, "Statistics from 1000 to 1 draws"},
      {101, 50, "Statistics from 900 to 851 draws"},
      {981, 50, "Statistics from 20 to 1 draws"},  // N cut from 50 to 20
      {1, 5000, "Statistics from 1000 to 1 draws"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.header);
    for (auto report : {ExactPairsReport, FreePairsReport, ExactTriplesReport, FreeTriplesReport, ExactPairsSkipsReport,
                        ExactTriplesSkipsReport, FreeTriplesSkipsReport, CommonFourReport, TriplesNotDrawnYetReport}) {
      const ReportLines lines = report(thousand, c.row, c.lastDraws);
      ASSERT_GE(lines.size(), 2u);
      EXPECT_EQ(lines[0], c.header);
      EXPECT_EQ(lines[1], "");
    }
  }
  EXPECT_EQ(FreePairsSkipsReport(thousand, 101, 50)[0], "Skips for Free Pairs from 900 to 851 draws");
}

TEST(TriplesNotDrawnYet, ListsTenMissingTriplesALine) {
  std::string all;
  for (int code = 1; code < 1000; ++code)
    all += std::to_string(code / 100) + std::to_string(code / 10 % 10) + std::to_string(code % 10) + " ";
  EXPECT_EQ(TriplesNotDrawnYetReport(History(all), 1, 999),
            (ReportLines{"Statistics from 999 to 1 draws", "", "000   "}));

  // Only the window counts: 000 is the oldest draw, outside a window of one.
  const ReportLines one = TriplesNotDrawnYetReport(History("000 123"), 1, 1);
  EXPECT_EQ(one[2], "000   001   002   003   004   005   006   007   008   009   ");
  EXPECT_EQ(one[14], "120   121   122   124   125   126   127   128   129   130   ");

  // No draws: all 1000 triples, and the last full line is followed by an empty one.
  const ReportLines none = TriplesNotDrawnYetReport(DrawHistory{}, 1, 0);
  ASSERT_EQ(none.size(), 103u);
  EXPECT_EQ(none[0], "Statistics from 0 to 1 draws");
  EXPECT_EQ(none[101], "990   991   992   993   994   995   996   997   998   999   ");
  EXPECT_EQ(none[102], "");
}

TEST(SkipHistoryBlock, GapsSortedMedianSummaryAverage) {
  struct Case {
    const char* name;
    std::string oldestFirst;  // the triple 1 2 3 is the hit, 000 a miss
    ReportLines block;
  } cases[] = {
      {"gaps 5 and 0, current skip 3",
       "123 " + Repeat("000", 5) + "123 123 " + Repeat("000", 3),
       {"5 0 3", "Sorted:", "0 3 5", "Skip Median: 3        Summary: 8        Average: 2.67", ""}},
      {"gap 2, current skip 4: the lower middle value",
       "123 000 000 123 " + Repeat("000", 4),
       {"2 4", "Sorted:", "2 4", "Skip Median: 2        Summary: 6        Average: 3.00", ""}},
      {"only the newest draw hits",
       "000 000 123",
       {"0", "Sorted:", "0", "Skip Median: 0        Summary: 0        Average: 0.00", ""}},
      {"draws before the oldest hit do not count",
       "000 000 123 000",
       {"1", "Sorted:", "1", "Skip Median: 1        Summary: 1        Average: 1.00", ""}},
      {"an average half-way between hundredths is printed as C prints 0.125",
       "123 123 000 " + Repeat("123", 6),
       {"0 1 0 0 0 0 0 0", "Sorted:", "0 0 0 0 0 0 0 1", "Skip Median: 0        Summary: 1        Average: 0.12", ""}},
      {"no hit", "000 000", {"0", "Sorted:", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DrawHistory h = History(c.oldestFirst);
    EXPECT_EQ(After(ExactTriplesSkipsReport(h, 1, std::nullopt), "Triple 1 2 3:", 5).size(), 5u);
    const ReportLines triple =
        After(ExactTriplesSkipsReport(h, 1, std::nullopt), "Triple 1 2 3:", static_cast<int>(c.block.size()));
    EXPECT_EQ(triple, c.block);
    // The same absences for the free triple, the exact pair and the free pair.
    EXPECT_EQ(After(FreeTriplesSkipsReport(h, 1, std::nullopt), "Triple 1 2 3:", static_cast<int>(c.block.size())),
              c.block);
    EXPECT_EQ(After(ExactPairsSkipsReport(h, 1, std::nullopt), "Pair 1 X 3:", static_cast<int>(c.block.size())),
              c.block);
    EXPECT_EQ(After(FreePairsSkipsReport(h, 1, std::nullopt), "Pair 2 3:", static_cast<int>(c.block.size())), c.block);
  }
}

TEST(SkipsReports, EndTheirFamiliesWithCountsAndSeparators) {
  const DrawHistory h = History("535 777 294");
  const std::string separator("* * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * ");
  ASSERT_EQ(separator.size(), 80u);

  const ReportLines exactPairs = ExactPairsSkipsReport(h, 1, 3);
  EXPECT_EQ(testing::Tail(exactPairs, 2), (ReportLines{"", "Count: 100"}));
  EXPECT_EQ(std::count(exactPairs.begin(), exactPairs.end(), separator), 2);
  EXPECT_EQ(After(exactPairs, "Count: 100", 5), (ReportLines{"", "", separator, "", ""}));
  EXPECT_EQ(exactPairs.size(), 2u + 3 * (100 * 5 + 2) + 2 * 5 + 9 /* three pairs a pass with a median line */);

  EXPECT_EQ(testing::Tail(FreePairsSkipsReport(h, 1, 3), 2), (ReportLines{"", "Pairs: 55"}));
  EXPECT_EQ(testing::Tail(ExactTriplesSkipsReport(h, 1, 3), 2), (ReportLines{"", "Triples: 1000"}));

  const ReportLines freeTriples = FreeTriplesSkipsReport(h, 1, 3);
  EXPECT_EQ(testing::Tail(freeTriples, 2), (ReportLines{"", "Count: 90"}));
  EXPECT_EQ(After(freeTriples, "Count: 120", 6), (ReportLines{"", "", separator, "", "", "Triple 0 0 1:"}));
}

}  // namespace
}  // namespace drawlyze
