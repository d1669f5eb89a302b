#include "core/trends/chance.h"

#include <algorithm>
#include <boost/math/distributions/binomial.hpp>
#include <cmath>

namespace drawlyze::trends {
namespace {

// A cumulative chance that equals q exactly may come out a rounding short of
// it; the quantiles count it as reaching q, as exact arithmetic does.
constexpr double kSlack = 1e-12;

bool Reaches(double cumulative, double q) { return cumulative >= q - kSlack; }

Distribution Enumerated(int (*measure)(int, int, int), int size) {
  Distribution d(static_cast<std::size_t>(size), 0.0);
  for (int a = 0; a < 10; ++a)
    for (int b = 0; b < 10; ++b)
      for (int c = 0; c < 10; ++c) d[static_cast<std::size_t>(measure(a, b, c))] += 1;
  for (double& v : d) v /= 1000.0;
  return d;
}

}  // namespace

int GeometricQuantile(double p, double q) {
  if (p >= 1) return 0;
  double miss = 1 - p;  // (1 - p)^(k + 1)
  int k = 0;
  while (!Reaches(1 - miss, q) && k < 1000000) {
    miss *= 1 - p;
    ++k;
  }
  return k;
}

double BinomialCdf(int n, double p, int k) {
  if (k < 0) return 0;
  if (k >= n) return 1;
  return boost::math::cdf(boost::math::binomial_distribution<double>(n, p), k);
}

double BinomialUpperTail(int n, double p, int k) {
  if (k < 0) return 1;
  if (k >= n) return 0;
  return boost::math::cdf(boost::math::complement(boost::math::binomial_distribution<double>(n, p), k));
}

int BinomialQuantile(int n, double p, double q) {
  int low = 0, high = std::max(n, 0);  // the answer lies in low..high
  while (low < high) {
    const int mid = low + (high - low) / 2;
    if (Reaches(BinomialCdf(n, p, mid), q))
      high = mid;
    else
      low = mid + 1;
  }
  return low;
}

const Distribution& DrawSumDistribution() {
  static const Distribution d = Enumerated([](int a, int b, int c) { return a + b + c; }, 28);
  return d;
}

const Distribution& SpreadDistribution() {
  static const Distribution d = Enumerated(
      [](int a, int b, int c) {
        return std::max({a, b, c}) - std::min({a, b, c});
      },
      10);
  return d;
}

const Distribution& RootSumDistribution() {
  static const Distribution d = Enumerated([](int a, int b, int c) { return DigitalRoot(a + b + c); }, 10);
  return d;
}

Distribution DigitsSumDistribution(int k) {
  // Each digit more: d'(s) = (d(s) + d(s-1) + ... + d(s-9)) / 10, the ten
  // terms kept as a running sum, so that 3N digits cost 4.5 (3N)^2 steps.
  Distribution d{1.0};
  for (int digit = 0; digit < k; ++digit) {
    Distribution next(d.size() + 9, 0.0);
    double window = 0;
    for (std::size_t s = 0; s < next.size(); ++s) {
      if (s < d.size()) window += d[s];
      if (s >= 10 && s - 10 < d.size()) window -= d[s - 10];
      next[s] = std::max(window, 0.0) / 10.0;
    }
    d = std::move(next);
  }
  return d;
}

Distribution SumOfCopies(const Distribution& one, int n) {
  Distribution d{1.0};
  for (int copy = 0; copy < n; ++copy) {
    Distribution next(d.size() + one.size() - 1, 0.0);
    for (std::size_t i = 0; i < d.size(); ++i)
      for (std::size_t j = 0; j < one.size(); ++j) next[i + j] += d[i] * one[j];
    d = std::move(next);
  }
  return d;
}

int DistributionQuantile(const Distribution& d, double q) {
  double cumulative = 0;
  for (std::size_t v = 0; v < d.size(); ++v) {
    cumulative += d[v];
    if (Reaches(cumulative, q)) return static_cast<int>(v);
  }
  return static_cast<int>(d.size()) - 1;
}

double Mean(const Distribution& d) {
  double mean = 0;
  for (std::size_t v = 0; v < d.size(); ++v) mean += static_cast<double>(v) * d[v];
  return mean;
}

}  // namespace drawlyze::trends
