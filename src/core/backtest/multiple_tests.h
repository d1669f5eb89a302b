#pragma once
// Verdicts that count every test made in a run: among fifteen lines tested at
// 0.05, one is expected to pass by luck alone, so each p-value is adjusted
// for the others before it may call a line better or worse than chance.

#include <vector>

namespace drawlyze {

// Holm's (1979) step-down adjustment: the i-th smallest of m p-values is
// multiplied by m - i + 1, made no smaller than the one before it and capped
// at 1; the result keeps the order of the input. Holm rather than
// Benjamini-Hochberg because a verdict claims that this line beats chance,
// which is the family-wise error Holm bounds, and because the lines of a run
// share their draws and rankings: Holm holds under any dependence, BH only
// under independence or positive dependence. Values outside 0..1 (or NaN)
// count as 1.
std::vector<double> AdjustPValues(const std::vector<double>& pValues);

}  // namespace drawlyze
