#pragma once
// The exact distributions the trend bands come from: the geometric skip,
// binomial counts, and the sum, spread and root sum of a fair draw with the
// sums of N of them by convolution.

#include <vector>

namespace drawlyze::trends {

// The chance that a draw holds the digit at one position, and anywhere.
inline constexpr double kAtPositionChance = 0.1;
inline constexpr double kAnywhereChance = 0.271;  // 1 - 0.9^3

// The smallest k with P(K <= k) >= q for K the failures before the first
// success of chance p: 1 - (1 - p)^(k + 1) >= q.
int GeometricQuantile(double p, double q);

// P(X <= k) for X binomial with n trials of chance p; 0 for k < 0, 1 for k >= n.
double BinomialCdf(int n, double p, int k);
// P(X > k), computed without cancellation.
double BinomialUpperTail(int n, double p, int k);
// The smallest k with P(X <= k) >= q.
int BinomialQuantile(int n, double p, double q);

// A distribution over 0, 1, ..., size()-1.
using Distribution = std::vector<double>;

// One draw's sum (0..27), spread (0..9), root sum (0..9): ways out of 1000, as chances.
const Distribution& DrawSumDistribution();
const Distribution& SpreadDistribution();
const Distribution& RootSumDistribution();
// The sum of k independent uniform digits (0..9k).
Distribution DigitsSumDistribution(int k);
// The sum of n independent values of the distribution.
Distribution SumOfCopies(const Distribution& one, int n);
// The smallest value v with P(X <= v) >= q.
int DistributionQuantile(const Distribution& d, double q);
double Mean(const Distribution& d);

// The digital root of a sum: 0 for 0, else 1..9.
inline int DigitalRoot(int sum) { return sum == 0 ? 0 : 1 + (sum - 1) % 9; }

}  // namespace drawlyze::trends
