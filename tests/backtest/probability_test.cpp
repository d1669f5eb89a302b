// Intervals and tail probabilities against published values.
#include "core/backtest/probability.h"

#include <gtest/gtest.h>

#include "core/backtest/backtest.h"
#include "core/backtest/decimal_text.h"

namespace drawlyze {
namespace {

// Newcombe R.G. (1998), "Two-sided confidence intervals for the single
// proportion: comparison of seven methods", Statistics in Medicine 17:857-872,
// worked examples, method 3 (Wilson's score interval without continuity
// correction), given to four decimals.
TEST(Probability, WilsonIntervalMatchesNewcombesExamples) {
  const struct {
    int hits, trials;
    double low, high;
  } cases[] = {{81, 263, 0.2553, 0.3662}, {15, 148, 0.0624, 0.1605}, {0, 20, 0.0000, 0.1611}, {1, 29, 0.0061, 0.1718}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.hits) + "/" + std::to_string(c.trials));
    const Interval i = WilsonInterval(c.hits, c.trials);
    EXPECT_NEAR(i.low, c.low, 5e-5);
    EXPECT_NEAR(i.high, c.high, 5e-5);
  }
  const Interval none = WilsonInterval(0, 0);
  EXPECT_EQ(none.low, 0);
  EXPECT_EQ(none.high, 1);
}

TEST(Probability, ExactBinomialTwoSidedPValues) {
  const struct {
    const char* source;
    int hits, trials;
    double p, expected, tolerance;
  } cases[] = {
      // R's binom.test documentation: binom.test(682, 925, p = 0.75), Mendel's peas after Conover (1971).
      {"R binom.test(682, 925, 3/4)", 682, 925, 0.75, 0.3825, 5e-5},
      // The die of Wikipedia's "Binomial test" article: 51 sixes in 235 rolls;
      // scipy's binom_test (the same method as R) gives 0.043747970182413345.
      {"51 sixes in 235 rolls", 51, 235, 1.0 / 6, 0.043747970182413345, 1e-9},
      // Hand-computed: 2 * P(X <= 7) = 2 * 137980 / 2^20 for a fair coin.
      {"7 heads in 20", 7, 20, 0.5, 2 * 137980.0 / 1048576, 1e-12},
      // Hand-computed: P(X = 0) + P(X >= 7) = 0.7^10 + 0.0105920784 for p = 0.3.
      {"0 of 10 at 0.3", 0, 10, 0.3, 0.0282475249 + 0.0105920784, 1e-9},
      {"as many as expected", 300, 1000, 0.3, 1.0, 0},
      {"all of them", 10, 10, 0.5, 2 / 1024.0, 1e-12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    EXPECT_NEAR(BinomialTwoSidedP(c.hits, c.trials, c.p), c.expected, c.tolerance);
  }
}

// Upper critical values of the chi-square distribution, NIST/SEMATECH
// e-Handbook of Statistical Methods, section 1.3.6.7.4; and of the normal.
TEST(Probability, ChiSquareAndNormalTailsMatchTables) {
  EXPECT_NEAR(ChiSquareUpperP(16.919, 9), 0.05, 2e-5);
  EXPECT_NEAR(ChiSquareUpperP(21.666, 9), 0.01, 2e-5);
  EXPECT_NEAR(ChiSquareUpperP(124.342, 100), 0.05, 2e-5);
  EXPECT_NEAR(ChiSquareUpperP(135.807, 100), 0.01, 2e-5);
  EXPECT_NEAR(NormalTwoSidedP(1.959964), 0.05, 1e-6);
  EXPECT_NEAR(NormalTwoSidedP(-2.575829), 0.01, 1e-6);
}

TEST(Probability, ChanceRatesAndNumberTexts) {
  // 1 - ((10-k)/10)^3, (k/10)^3 and k/10, by hand.
  const struct {
    int k;
    double any, all, position;
  } cases[] = {{1, 0.271, 0.001, 0.1}, {3, 0.657, 0.027, 0.3}, {5, 0.875, 0.125, 0.5}, {9, 0.999, 0.729, 0.9}};
  for (const auto& c : cases) {
    EXPECT_NEAR(ChanceRate(Score::AtLeastOne, c.k), c.any, 1e-12) << c.k;
    EXPECT_NEAR(ChanceRate(Score::AllThree, c.k), c.all, 1e-12) << c.k;
    EXPECT_NEAR(ChanceRate(Score::AtThePosition, c.k), c.position, 1e-12) << c.k;
  }
  EXPECT_EQ(Fixed(0.65704, 4), "0.6570");
  EXPECT_EQ(PValueText(0.043747), "0.0437");
  EXPECT_EQ(PValueText(3.24e-12), "3.2e-12");
  EXPECT_EQ(PValueText(0), "<1e-300");
}

}  // namespace
}  // namespace drawlyze
