// Holm's step-down adjustment against values worked by hand (R's
// p.adjust(p, "holm") gives the same).
#include "core/backtest/multiple_tests.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace drawlyze {
namespace {

TEST(MultipleTests, HolmStepDownKeepsTheInputOrder) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* what;
    std::vector<double> p, adjusted;
  } cases[] = {
      {"no tests", {}, {}},
      {"one test is its own family", {0.047}, {0.047}},
      // Sorted 0.005, 0.01, 0.03, 0.04 times 4, 3, 2, 1: 0.02, 0.03, 0.06, 0.04 -> the last no
      // smaller than the one before it.
      {"step-down with monotone result", {0.01, 0.04, 0.03, 0.005}, {0.03, 0.06, 0.06, 0.02}},
      {"ties share their value", {0.02, 0.02, 0.5}, {0.06, 0.06, 0.5}},
      {"capped at 1", {0.5, 0.6}, {1.0, 1.0}},
      {"outside 0..1 counts as 1", {-0.1, nan, 1.5, 0.001}, {1.0, 1.0, 1.0, 0.004}},
      // Fifteen lines, one at 0.047 and the rest above it: 0.047 * 15 = 0.705.
      {"the backtest's fifteen lines",
       {0.3, 0.047, 0.9, 0.2, 0.6, 0.5, 0.8, 0.7, 0.4, 0.95, 0.85, 0.75, 0.65, 0.55, 0.45},
       {1, 0.705, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<double> adjusted = AdjustPValues(c.p);
    ASSERT_EQ(adjusted.size(), c.adjusted.size());
    for (std::size_t i = 0; i < adjusted.size(); ++i) EXPECT_NEAR(adjusted[i], c.adjusted[i], 1e-12) << "at " << i;
  }
}

}  // namespace
}  // namespace drawlyze
