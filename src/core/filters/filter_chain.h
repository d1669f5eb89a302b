#pragma once
// Filters combined with AND: what each one removes on its own and in the
// chain, what the chain keeps, and, when it keeps nothing, why in words.

#include <string>
#include <vector>

#include "core/filters/filter_context.h"

namespace drawlyze::filters {

struct FilterStep {
  NumberSet alone;         // what the filter keeps on its own
  int removedAlone = 0;    // of the 1,000
  int removedInChain = 0;  // of those the filters before it kept
  int keptAfter = 0;       // the chain's count after it
};

struct ChainResult {
  std::vector<FilterStep> steps;  // one a filter, in order
  NumberSet kept;                 // the numbers every filter keeps
  int Kept() const { return static_cast<int>(kept.count()); }
};

ChainResult EvaluateChain(const std::vector<Filter>& filters, const FilterContext& context);

// Why nothing passes, for the player: "no number passes: the sum filter and
// the spread filter exclude each other". Empty when something passes.
std::string WhyNothingPasses(const std::vector<Filter>& filters, const ChainResult& chain);

// "143 of 1,000 numbers, 14.3%".
std::string KeptText(int kept);

}  // namespace drawlyze::filters
