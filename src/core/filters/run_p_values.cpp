#include "core/filters/run_p_values.h"

#include <algorithm>
#include <numeric>

namespace drawlyze::filters {

std::vector<double> AdjustRunPValues(const std::vector<double>& p) {
  const std::size_t m = p.size();
  std::vector<std::size_t> order(m);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return p[a] < p[b]; });
  std::vector<double> adjusted(m);
  double running = 0;
  for (std::size_t i = 0; i < m; ++i) {
    running = std::max(running, std::min(1.0, double(m - i) * p[order[i]]));
    adjusted[order[i]] = running;
  }
  return adjusted;
}

}  // namespace drawlyze::filters
