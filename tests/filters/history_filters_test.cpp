// The filters that read the history: computed from the selected draw and the
// draws older than it, never a newer one.
#include <gtest/gtest.h>

#include "core/backtest/digit_rules.h"
#include "filters_test_util.h"

namespace drawlyze::filters {
namespace {

using testing::DrawsOf;
using testing::FilterOf;

struct Case {
  const char* name;
  const char* value;
  int row;
  int kept;
};

TEST(HistoryFilters, CountWhatTheSelectedDrawAndOlderOnesAllow) {
  // Oldest first; row 1 is 123, row 2 is 777, row 3 is 321.
  const DrawHistory history = DrawsOf({"456", "321", "777", "123"});
  const std::vector<Case> cases = {
      {"not-last", "1", 1, 999},
      {"not-last", "2", 1, 998},
      {"not-last", "3", 1, 997},
      // 123 and 321 are one set of digits: its six orders, and 777.
      {"not-last-box", "3", 1, 993},
      {"not-last-box", "4", 1, 987},
      // Selected 777 (row 2): the newer 123 is not looked at.
      {"not-last", "1", 2, 999},
      {"not-last-box", "2", 2, 993},
      {"not-last", "100", 1, 996},
      // 1 2 3 selected: A1 in 0,1,2; A2 in 1,2,3; A3 in 2,3,4.
      {"near-position", "all", 1, 27},
      {"near-position", "none", 1, 7 * 7 * 7},
      // The digits 0..4 are near some digit of 1 2 3: 5..9 are not.
      {"near", "none", 1, 125},
      {"near", "any", 1, 875},
      {"near", "all", 1, 125},
      // 7 7 7 selected: 6, 7, 8 everywhere.
      {"near-position", "all", 2, 27},
      // The start patterns and 1 2 3: candidates A1 0 1 2, A2 6 7 8, A3 4 5 6.
      {"sieve-position", "all", 1, 27},
      {"sieve-digits", "none", 1, 8},
      {"sieve-digits", "all", 1, 512},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + c.value + " row " + std::to_string(c.row));
    const FilterContext context{&history, c.row - 1, nullptr, nullptr};
    EXPECT_EQ(static_cast<int>(KeptBy(FilterOf(c.name, c.value), context).count()), c.kept);
  }
}

TEST(HistoryFilters, HotAndColdDigitsFollowTheViewsRanking) {
  // 7 comes most often in the last 3 draws; 4, 5, 6 only in the oldest.
  const DrawHistory history = DrawsOf({"456", "789", "712", "737"});
  const FilterContext context{&history, 0, nullptr, nullptr};
  const auto hot = std::get<HistoryDigitsFilter>(FilterOf("hot", "most-frequent:1:3:any"));
  EXPECT_EQ(HistoryDigits(hot, context)[0], 1u << 7);
  EXPECT_EQ(KeptBy(hot, context).count(), 271u);
  // Over every draw the least frequent are 0 (never) and then the ones seen once, ascending.
  const auto cold = std::get<HistoryDigitsFilter>(FilterOf("cold", "most-frequent:2:all:none"));
  const DigitSet coldDigits = HistoryDigits(cold, context)[0];
  EXPECT_EQ(coldDigits, (1u << 0) | (1u << 9));
  EXPECT_EQ(KeptBy(cold, context).count(), 512u);
  // A positional ranking holds each position against its own digits: A1 was 7 three times.
  const auto position = std::get<HistoryDigitsFilter>(FilterOf("hot", "position-frequent:1:3:all"));
  const std::array<DigitSet, 3> sets = HistoryDigits(position, context);
  EXPECT_EQ(sets[0], 1u << 7);
  EXPECT_EQ(KeptBy(position, context).count(), 1u);
}

TEST(HistoryFilters, NeverReadADrawNewerThanTheSelectedOne) {
  const std::vector<std::string> base = {"456", "321", "777", "123", "905", "118"};
  const std::vector<Filter> filters = {FilterOf("not-last-box", "3"), FilterOf("near", "any"),
                                       FilterOf("sieve-position", "any"), FilterOf("hot", "most-frequent:3:2:any"),
                                       FilterOf("cold", "longest-skip:3:all:none")};
  for (const Filter& f : filters) {
    SCOPED_TRACE(FilterText(f));
    std::vector<std::string> changed = base;
    changed[4] = "000";  // row 2, newer than row 3
    changed[5] = "999";  // row 1
    const DrawHistory a = DrawsOf(base), b = DrawsOf(changed);
    EXPECT_EQ(KeptBy(f, FilterContext{&a, 2, nullptr, nullptr}), KeptBy(f, FilterContext{&b, 2, nullptr, nullptr}));
  }
}

TEST(HistoryFilters, KeepEveryNumberWithoutADrawToReadFrom) {
  const DrawHistory empty;
  const FilterContext context{&empty, 0, nullptr, nullptr};
  EXPECT_EQ(KeptBy(FilterOf("not-last", "5"), context).count(), 1000u);
  EXPECT_EQ(KeptBy(FilterOf("near", "all"), context).count(), 1000u);
}

}  // namespace
}  // namespace drawlyze::filters
