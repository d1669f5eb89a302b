#pragma once
// The p-values of one backtest run adjusted together (Holm's step-down
// method), so that its verdict counts every test the run made. The backtest
// of the digit rankings is to share one adjustment with this; until then the
// Filters call it through this one function.

#include <vector>

namespace drawlyze::filters {

// Each adjusted p-value, in the order given; never below its raw value, at most 1.
std::vector<double> AdjustRunPValues(const std::vector<double>& p);

}  // namespace drawlyze::filters
