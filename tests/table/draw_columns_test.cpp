#include "core/table/draw_columns.h"

#include <gtest/gtest.h>

#include "core/table/table_text.h"

namespace drawlyze {
namespace {

struct DerivedCase {
  DrawNumbers draw;
  DerivedValues expected;  // First, Last, Sum, Min, Max, E>O, E<O, First/Last/Sum/Min/Max Even
};

TEST(DeriveColumns, WorkedDraws) {
  const DerivedCase cases[] = {
      {{2, 4, 6}, {2, 6, 12, 2, 6, 1, 0, 1, 1, 1, 1, 1}},
      {{9, 0, 5}, {9, 5, 14, 0, 9, 0, 1, 0, 0, 1, 1, 0}},
      {{0, 0, 0}, {0, 0, 0, 0, 0, 1, 0, 1, 1, 1, 1, 1}},
      {{9, 9, 9}, {9, 9, 27, 9, 9, 0, 1, 0, 0, 0, 0, 0}},
      // Min and max come from the sorted numbers, not from the positions.
      {{5, 1, 8}, {5, 8, 14, 1, 8, 0, 1, 0, 1, 1, 0, 1}},
  };
  for (const DerivedCase& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.draw[0]) << int(c.draw[1]) << int(c.draw[2]));
    EXPECT_EQ(DeriveColumns(c.draw), c.expected);
  }
}

TEST(DeriveColumns, ExactlyOneEvenComparisonHolds) {
  for (int code = 0; code < 1000; ++code) {
    const DrawNumbers d{std::uint8_t(code / 100), std::uint8_t(code / 10 % 10), std::uint8_t(code % 10)};
    const DerivedValues v = DeriveColumns(d);
    EXPECT_EQ(v[5] + v[6], 1) << code;
  }
}

TEST(DerivedColumnValues, NewestFirst) {
  const DrawHistory history = DrawHistory::FromOldestFirst({{2, 4, 6}, {9, 0, 5}, {0, 0, 0}});
  EXPECT_EQ(DerivedColumnValues(history, 4), (std::vector<int>{0, 14, 12}));
  EXPECT_EQ(DerivedColumnValues(history, 2), (std::vector<int>{0, 9, 2}));
}

TEST(BuildTableRows, HeaderAndDrawRows) {
  const DrawHistory history = DrawHistory::FromOldestFirst({{2, 4, 6}, {9, 0, 5}});
  const std::vector<TableRow> rows = BuildTableRows(history, "No", "Date");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][0], "No");
  EXPECT_EQ(rows[0][1], "Date");
  EXPECT_EQ(rows[0][2], "First");
  EXPECT_EQ(rows[0][7], "Even > Odd");
  EXPECT_EQ(rows[0][13], "Max Even");
  EXPECT_EQ(rows[1][4], "14");  // newest draw 9 0 5
  EXPECT_EQ(rows[2][4], "12");
}

}  // namespace
}  // namespace drawlyze
