#include "core/table/column_runs.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace drawlyze {
namespace {

TEST(ParseThreshold, AcceptedForms) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"15", 15},   {"13.5", 13.5}, {"0.5", 0.5},     {".5", 0.5},   {"5.", 5},  {"-2", -2},    {"+3", 3},
      {"  7  ", 7}, {"1e1", 10},    {"2.5E-1", 0.25}, {"1e+2", 100}, {"007", 7}, {"-.5", -0.5}, {"0", 0},
  };
  for (const auto& c : cases) {
    const std::optional<double> value = ParseThreshold(c.text);
    ASSERT_TRUE(value.has_value()) << '"' << c.text << '"';
    EXPECT_DOUBLE_EQ(*value, c.value) << '"' << c.text << '"';
  }
}

TEST(ParseThreshold, RejectedForms) {
  for (const char* text : {"", "   ", "abc", "1,5", "inf", "-inf", "nan", "0x10", "1e", "1e+", ".", "-", "+-1", "1.2.3",
                           "1 2", "5a", "e5", "\t5", "1_000"}) {
    EXPECT_FALSE(ParseThreshold(text).has_value()) << '"' << text << '"';
  }
}

TEST(ParseThreshold, OutOfRangeExponentsStillCompare) {
  EXPECT_EQ(ParseThreshold("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseThreshold("-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseThreshold("1e-999"), 0.0);
  EXPECT_EQ(ParseThreshold("0.00001e-999"), 0.0);
  EXPECT_EQ(ParseThreshold("100000e-999"), 0.0);
}

TEST(ParseThreshold, DecimalPointWhateverTheLocale) {
  // A comma-decimal locale must not change how "13.5" reads (when the machine has one).
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string keep = previous ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
    EXPECT_EQ(ParseThreshold("13.5"), 13.5);
    EXPECT_FALSE(ParseThreshold("13,5").has_value());
  }
  std::setlocale(LC_NUMERIC, keep.c_str());
}

TEST(CountColumnRuns, RunsFromTheNewestValue) {
  const struct {
    std::vector<int> values;  // newest first
    double threshold;
    int above, below;
  } cases[] = {
      {{20, 18, 9, 25}, 15, 2, 0},
      {{3, 7, 15, 2}, 15, 0, 2},       // the value equal to the threshold stops both walks
      {{15, 20, 3}, 15, 0, 0},         // equal at the newest draw: both runs are empty
      {{13, 12, 14, 13}, 13.5, 0, 2},  // 13.5 splits 13 and 14
      {{14, 27, 13}, 13.5, 2, 0},
      {{1, 1, 0, 1}, 0.5, 2, 0},  // a flag column: the run of 1s
      {{0, 0, 0, 1}, 0.5, 0, 3},  // and the run of 0s
      {{0, 0, 1}, 1, 0, 2},       // the default "1" on a flag column
      {{5, 6, 7}, 1, 3, 0},       // all above: every draw counts
      {{}, 1, 0, 0},              // no draws
      {{2, 3}, -std::numeric_limits<double>::infinity(), 2, 0},
  };
  for (const auto& c : cases) {
    const ColumnRuns runs = CountColumnRuns(c.values, c.threshold);
    EXPECT_EQ(runs.above, c.above) << "threshold " << c.threshold << ", first value "
                                   << (c.values.empty() ? -1 : c.values[0]);
    EXPECT_EQ(runs.below, c.below) << "threshold " << c.threshold;
  }
}

}  // namespace
}  // namespace drawlyze
