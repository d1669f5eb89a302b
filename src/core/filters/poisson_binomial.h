#pragma once
// The exact test of a count of hits when each trial has its own chance (a
// list whose size changes from draw to draw): the Poisson-binomial law.

#include <vector>

namespace drawlyze::filters {

// The probability of each count 0..n of hits.
std::vector<double> PoissonBinomialPmf(const std::vector<double>& chances);

// Two-sided, as the exact binomial test: the total probability of every count
// no more likely than the one seen. Equal chances give the binomial test's value.
double PoissonBinomialTwoSidedP(int hits, const std::vector<double>& chances);

}  // namespace drawlyze::filters
