#include <gtest/gtest.h>

#include "core/sieve/sieve_patterns.h"
#include "core/views/views.h"
#include "view_test_util.h"

namespace drawlyze {
namespace {

using testing::History;
using testing::Input;
using testing::Lines;

const ChartText* TextAt(const Chart& chart, int x, int y) {
  for (const ChartItem& item : chart.items)
    if (item.kind == ChartItem::Kind::Text && item.text.x == x && item.text.y == y) return &item.text;
  return nullptr;
}

TEST(SieveView, StartPatternsOnTheDraw123) {
  const DrawHistory h = History("123");
  const Chart chart = SieveView(Input(h, 1, 1));
  EXPECT_EQ(Lines(chart),
            "Seive:\n"
            "00  06  04  \n"
            "01  07  05  \n"
            "02  08  06  \n"
            "\n"
            "00 01 02 04 05 06 07 08    (08)\n");
  EXPECT_EQ(TextAt(chart, 30, 50)->text, "06 ");
  EXPECT_EQ(TextAt(chart, 14 * 7 + 2, 155)->text, "08 ");
  EXPECT_EQ(TextAt(chart, 14 * 8 + 2, 155)->text, "   (08)");
  // The editor's patterns, once parsed, give the same view as none at all.
  const SievePatterns start = StartSievePatterns();
  ViewInput in = Input(h, 1, 1);
  in.sieve = &start;
  EXPECT_EQ(SieveView(in).copyLines, chart.copyLines);
}

TEST(SieveView, ParityTableChoosesListAndLine) {
  SievePatterns p;
  p.more = {{{10, 11, 12}, {20, 21, 22}, {}}};
  p.less = {{{30, 31, 32}, {40, 41, 42}, {}}};
  const struct {
    const char* draw;
    int v0, v1, v2;  // starting numbers of A1, A2, A3
  } cases[] = {
      {"104", 10, 41, 32},  // odd/even, the middle always on line 1, even/odd
      {"315", 20, 21, 22},  // odd/odd throughout
      {"246", 40, 41, 42},  // even/even throughout
      {"431", 30, 21, 12},  // even/odd, odd, odd/even
  };
  for (const auto& c : cases) {
    const DrawHistory h = History(c.draw);
    ViewInput in = Input(h, 1, 1);
    in.sieve = &p;
    const Chart chart = SieveView(in);
    // Numbers of 20 or more stay 10 or more after the single lowering.
    const auto first = [](int v) { return v >= 10 ? v - 10 : v; };
    EXPECT_EQ(chart.copyLines[1],
              FormatNumber(first(c.v0)) + "  " + FormatNumber(first(c.v1)) + "  " + FormatNumber(first(c.v2)) + "  ")
        << c.draw;
  }
}

TEST(SieveView, CandidatesWrapOnceAndInByteArithmetic) {
  const struct {
    int v;
    std::string column;  // the three candidates of A1
  } cases[] = {
      {8, "08 09 00 "}, {9, "09 00 01 "}, {25, "15 16 17 "}, {255, "245 00 01 "}, {0, "00 01 02 "},
  };
  for (const auto& c : cases) {
    SievePatterns p;
    p.less[1][0] = static_cast<std::uint8_t>(c.v);  // A1 of 0 0 0 reads Less line 1
    const DrawHistory h = History("000");
    ViewInput in = Input(h, 1, 1);
    in.sieve = &p;
    const Chart chart = SieveView(in);
    std::string column;
    for (int k = 0; k < 3; ++k) column += TextAt(chart, 2, 15 * k + 20)->text;
    EXPECT_EQ(column, c.column) << c.v;
  }
}

TEST(SieveView, NoDrawsReadsZerosAndMarksNothing) {
  const DrawHistory empty;
  const Chart chart = SieveView(Input(empty, 1, 0));
  // 0 0 0: every position takes Less line 1 = 4 6 8.
  EXPECT_EQ(chart.copyLines[1], "04  06  08  ");
  EXPECT_EQ(chart.copyLines[5], "00 04 05 06 07 08 09    (07)");
  for (const ChartItem& item : chart.items) EXPECT_EQ(item.text.brush, kWhite);
}

TEST(SieveView, MarksCandidatesOfTheNextDraw) {
  const DrawHistory h = History("123 584");  // row 2 = 1 2 3, next 5 8 4
  const Chart chart = SieveView(Input(h, 2, 1));
  int marked = 0;
  for (const ChartItem& item : chart.items)
    if (item.text.font == kRed) {
      EXPECT_EQ(item.text.brush, kYellow);
      ++marked;
    }
  // 4 5 8 in the rows (04, 05, 08 once each) and in the distinct line.
  EXPECT_EQ(marked, 6);
  EXPECT_EQ(TextAt(chart, 14 * 3 + 2, 155)->font, kRed);    // 04
  EXPECT_EQ(TextAt(chart, 14 * 8 + 2, 155)->font, kBlack);  // the count text
}

}  // namespace
}  // namespace drawlyze
