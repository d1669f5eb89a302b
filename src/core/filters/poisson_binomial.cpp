#include "core/filters/poisson_binomial.h"

#include <algorithm>

namespace drawlyze::filters {

std::vector<double> PoissonBinomialPmf(const std::vector<double>& chances) {
  // Counts far from the mean underflow to 0 and are not carried: the band
  // that is carried stays a few hundred standard deviations wide at most.
  std::vector<double> pmf(chances.size() + 1, 0.0);
  pmf[0] = 1;
  std::size_t lo = 0, hi = 0;  // pmf is 0 outside lo..hi
  for (const double p : chances) {
    const double q = 1 - p;
    pmf[hi + 1] = 0;
    for (std::size_t k = hi + 1; k > lo; --k) pmf[k] = pmf[k] * q + pmf[k - 1] * p;
    pmf[lo] *= q;
    ++hi;
    while (lo < hi && pmf[lo] < 1e-300) pmf[lo++] = 0;
    while (hi > lo && pmf[hi] < 1e-300) pmf[hi--] = 0;
  }
  return pmf;
}

double PoissonBinomialTwoSidedP(int hits, const std::vector<double>& chances) {
  if (hits < 0 || hits > static_cast<int>(chances.size())) return 1;
  const std::vector<double> pmf = PoissonBinomialPmf(chances);
  const double bound = pmf[static_cast<std::size_t>(hits)] * (1 + 1e-7);
  double total = 0;
  for (const double v : pmf)
    if (v <= bound) total += v;
  return std::min(1.0, total);
}

}  // namespace drawlyze::filters
