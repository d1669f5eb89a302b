#include "core/backtest/probability.h"

#include <algorithm>
#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/normal.hpp>
#include <cmath>

namespace drawlyze {

namespace bm = boost::math;

Interval WilsonInterval(int hits, int trials, double confidence) {
  if (trials <= 0) return {0, 1};
  const double z = bm::quantile(bm::normal(), 0.5 + confidence / 2);
  const double n = trials;
  const double x = hits;
  const double z2 = z * z;
  const double centre = (x + z2 / 2) / (n + z2);
  const double half = z / (n + z2) * std::sqrt(x * (n - x) / n + z2 / 4);
  return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

Interval ChanceBand(double chance, int trials, double confidence) {
  if (trials <= 0) return {0, 1};
  const double z = bm::quantile(bm::normal(), 0.5 + confidence / 2);
  const double half = z * std::sqrt(chance * (1 - chance) / trials);
  return {std::max(0.0, chance - half), std::min(1.0, chance + half)};
}

double BinomialTwoSidedP(int hits, int trials, double p) {
  if (trials <= 0 || hits < 0 || hits > trials) return 1;
  const double m = trials * p;
  if (p <= 0 || p >= 1) return hits == m ? 1 : 0;
  if (hits == m) return 1;
  const bm::binomial dist(trials, p);
  // R's tolerance, so that outcomes as likely as the one seen count despite rounding.
  const double bound = bm::pdf(dist, hits) * (1 + 1e-7);
  const auto unlikely = [&](int k) { return bm::pdf(dist, k) <= bound; };
  double result;
  if (hits < m) {
    // Above the mean the probabilities fall, so the unlikely outcomes there
    // are those from the first unlikely one up to trials.
    int lo = static_cast<int>(std::ceil(m)), hi = trials + 1;
    while (lo < hi) {
      const int mid = lo + (hi - lo) / 2;
      if (unlikely(mid))
        hi = mid;
      else
        lo = mid + 1;
    }
    const int above = trials + 1 - lo;  // how many unlikely outcomes above the mean
    result = bm::cdf(dist, hits) + bm::cdf(bm::complement(dist, trials - above));
  } else {
    // Below the mean the probabilities rise: the unlikely outcomes are 0 .. below-1.
    int lo = 0, hi = static_cast<int>(std::floor(m)) + 1;
    while (lo < hi) {
      const int mid = lo + (hi - lo) / 2;
      if (unlikely(mid))
        lo = mid + 1;
      else
        hi = mid;
    }
    const int below = lo;
    result = (below > 0 ? bm::cdf(dist, below - 1) : 0.0) + (hits > 0 ? bm::cdf(bm::complement(dist, hits - 1)) : 1.0);
  }
  return std::min(1.0, result);
}

double ChiSquareUpperP(double statistic, int df) {
  if (df < 1) return 1;
  return bm::cdf(bm::complement(bm::chi_squared(df), std::max(statistic, 0.0)));
}

double NormalTwoSidedP(double z) { return std::min(1.0, 2 * bm::cdf(bm::complement(bm::normal(), std::fabs(z)))); }

}  // namespace drawlyze
