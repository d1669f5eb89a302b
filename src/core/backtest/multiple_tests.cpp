#include "core/backtest/multiple_tests.h"

#include <algorithm>
#include <numeric>

namespace drawlyze {

std::vector<double> AdjustPValues(const std::vector<double>& pValues) {
  const std::size_t m = pValues.size();
  std::vector<double> p(m);
  for (std::size_t i = 0; i < m; ++i) p[i] = pValues[i] >= 0 && pValues[i] <= 1 ? pValues[i] : 1.0;
  std::vector<std::size_t> order(m);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return p[a] < p[b]; });
  std::vector<double> adjusted(m);
  double running = 0;  // the step-down never lets a larger p-value come out smaller
  for (std::size_t rank = 0; rank < m; ++rank) {
    const std::size_t i = order[rank];
    running = std::max(running, std::min(1.0, static_cast<double>(m - rank) * p[i]));
    adjusted[i] = running;
  }
  return adjusted;
}

}  // namespace drawlyze
