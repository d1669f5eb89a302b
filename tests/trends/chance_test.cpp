// The bands against exact arithmetic: whole numbers of ways, never rounded.
#include "core/trends/chance.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace drawlyze::trends {
namespace {

using Ways = std::vector<std::uint64_t>;

// The smallest k with cumulative(k) / total >= q, with q as a fraction num/den.
int ExactQuantile(const Ways& ways, std::uint64_t num, std::uint64_t den) {
  std::uint64_t total = 0, cumulative = 0;
  for (const std::uint64_t w : ways) total += w;
  for (std::size_t k = 0; k < ways.size(); ++k) {
    cumulative += ways[k];
    if (cumulative * den >= num * total) return static_cast<int>(k);
  }
  return -1;
}

std::uint64_t Power(std::uint64_t b, int e) {
  std::uint64_t r = 1;
  while (e-- > 0) r *= b;
  return r;
}

std::uint64_t Choose(int n, int k) {
  std::uint64_t r = 1;
  for (int i = 1; i <= k; ++i) r = r * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
  return r;
}

// Binomial (n, hit/(hit+miss)) as ways: C(n,k) hit^k miss^(n-k).
Ways BinomialWays(int n, std::uint64_t hit, std::uint64_t miss) {
  Ways w;
  for (int k = 0; k <= n; ++k) w.push_back(Choose(n, k) * Power(hit, k) * Power(miss, n - k));
  return w;
}

// The geometric quantile from (1-p)^(k+1) <= 1-q, p = hit/den, q = qn/qd, in integers.
int ExactGeometric(std::uint64_t miss, std::uint64_t den, std::uint64_t qn, std::uint64_t qd) {
  for (int k = 0; k < 60; ++k) {
    // miss^(k+1) / den^(k+1) <= (qd - qn) / qd, kept small by comparing as long doubles of exact integers
    long double left = 1, right = static_cast<long double>(qd - qn) / qd;
    for (int i = 0; i <= k; ++i) left *= static_cast<long double>(miss) / den;
    if (left <= right) return k;
  }
  return -1;
}

TEST(Chance, GeometricQuantilesOfTheSkip) {
  struct Row {
    double p, q;
    int expected;
    std::uint64_t miss, den, qn, qd;
  };
  const Row rows[] = {
      {0.1, 0.5, 6, 9, 10, 1, 2},
      {0.1, 0.95, 28, 9, 10, 19, 20},
      {0.271, 0.5, 2, 729, 1000, 1, 2},
      {0.271, 0.95, 9, 729, 1000, 19, 20},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(GeometricQuantile(r.p, r.q), r.expected) << r.p << " " << r.q;
    EXPECT_EQ(ExactGeometric(r.miss, r.den, r.qn, r.qd), r.expected) << r.p << " " << r.q;
  }
}

TEST(Chance, BinomialBandOfSmallWindowsMatchesExactWays) {
  for (int n = 1; n <= 6; ++n) {
    const Ways tenth = BinomialWays(n, 1, 9);
    const Ways anywhere = BinomialWays(n, 271, 729);
    EXPECT_EQ(BinomialQuantile(n, 0.1, 0.025), ExactQuantile(tenth, 25, 1000)) << n;
    EXPECT_EQ(BinomialQuantile(n, 0.1, 0.975), ExactQuantile(tenth, 975, 1000)) << n;
    if (n > 5) continue;  // 1000^n times 1000 must fit 64 bits
    EXPECT_EQ(BinomialQuantile(n, 0.271, 0.025), ExactQuantile(anywhere, 25, 1000)) << n;
    EXPECT_EQ(BinomialQuantile(n, 0.271, 0.975), ExactQuantile(anywhere, 975, 1000)) << n;
  }
  // Readable cases: one draw holds the digit anywhere with chance 0.271 (the
  // band 0..1); ten draws at a position: 0..3 (P(X <= 3) = 0.987).
  EXPECT_EQ(BinomialQuantile(1, 0.271, 0.975), 1);
  EXPECT_EQ(BinomialQuantile(10, 0.1, 0.025), 0);
  EXPECT_EQ(BinomialQuantile(10, 0.1, 0.975), 3);
  EXPECT_NEAR(BinomialCdf(10, 0.1, 3), 0.9872048016, 1e-10);
  EXPECT_NEAR(BinomialUpperTail(10, 0.1, 3), 1 - 0.9872048016, 1e-10);
}

TEST(Chance, TheSumOfThreeDigitsCountsAThousandWays) {
  const Distribution& d = DrawSumDistribution();
  ASSERT_EQ(d.size(), 28u);
  double total = 0;
  for (const double p : d) total += p;
  EXPECT_NEAR(total, 1.0, 1e-12);
  struct Row {
    int sum, ways;
  };
  for (const Row r : {Row{0, 1}, Row{1, 3}, Row{9, 55}, Row{13, 75}, Row{14, 75}, Row{27, 1}})
    EXPECT_NEAR(d[static_cast<std::size_t>(r.sum)] * 1000, r.ways, 1e-9) << r.sum;
  // Cumulative ways 35 up to 4, 56 up to 5; 944 up to 21, 965 up to 22.
  EXPECT_EQ(DistributionQuantile(d, 0.05), 5);
  EXPECT_EQ(DistributionQuantile(d, 0.95), 22);
  EXPECT_DOUBLE_EQ(Mean(d), 13.5);
}

TEST(Chance, SpreadAndRootSumByEnumeration) {
  // Spread 0: the ten triples; 9: a 0 and a 9 with anything between (54 ways).
  EXPECT_NEAR(SpreadDistribution()[0] * 1000, 10, 1e-9);
  EXPECT_NEAR(SpreadDistribution()[9] * 1000, 54, 1e-9);
  // Root sum 0 only for 0 0 0; 9 for the sums 9, 18, 27 (55 + 55 + 1).
  EXPECT_NEAR(RootSumDistribution()[0] * 1000, 1, 1e-9);
  EXPECT_NEAR(RootSumDistribution()[9] * 1000, 111, 1e-9);
  EXPECT_EQ(DigitalRoot(0), 0);
  EXPECT_EQ(DigitalRoot(18), 9);
  EXPECT_EQ(DigitalRoot(19), 1);
}

TEST(Chance, ConvolutionOfTwoDrawsMatchesWholeWays) {
  // Two draws: six digits, a million equally likely outcomes, counted directly.
  Ways ways(55, 0);
  for (int a = 0; a < 1000; ++a)
    for (int b = 0; b < 1000; ++b)
      ++ways[static_cast<std::size_t>(a / 100 + a / 10 % 10 + a % 10 + b / 100 + b / 10 % 10 + b % 10)];
  const Distribution digits = DigitsSumDistribution(6);
  const Distribution copies = SumOfCopies(DrawSumDistribution(), 2);
  ASSERT_EQ(digits.size(), 55u);
  ASSERT_EQ(copies.size(), 55u);
  for (std::size_t s = 0; s < 55; ++s) {
    EXPECT_NEAR(digits[s] * 1e6, static_cast<double>(ways[s]), 1e-6) << s;
    EXPECT_NEAR(copies[s] * 1e6, static_cast<double>(ways[s]), 1e-6) << s;
  }
  EXPECT_EQ(DistributionQuantile(digits, 0.05), ExactQuantile(ways, 5, 100));
  EXPECT_EQ(DistributionQuantile(digits, 0.95), ExactQuantile(ways, 95, 100));
}

TEST(Chance, ManyDigitsStayADistribution) {
  // 3 x 1000 digits: the running sums must not drift off one.
  const Distribution d = DigitsSumDistribution(3000);
  double total = 0;
  for (const double p : d) total += p;
  EXPECT_NEAR(total, 1.0, 1e-9);
  EXPECT_NEAR(Mean(d), 13500, 1e-6);
  // Symmetric around 13500: the 5% and 95% quantiles sit alike either side.
  EXPECT_EQ(DistributionQuantile(d, 0.05) + DistributionQuantile(d, 0.95), 27000);
}

}  // namespace
}  // namespace drawlyze::trends
