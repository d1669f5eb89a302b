#include "core/filters/filter_chain.h"

#include <cstdio>

#include "core/filters/filter_text.h"
#include "core/plays/money.h"

namespace drawlyze::filters {

ChainResult EvaluateChain(const std::vector<Filter>& filters, const FilterContext& context) {
  ChainResult result;
  result.kept.set();
  for (const Filter& filter : filters) {
    FilterStep step;
    step.alone = KeptBy(filter, context);
    step.removedAlone = kNumbers - static_cast<int>(step.alone.count());
    const int before = result.Kept();
    result.kept &= step.alone;
    step.keptAfter = result.Kept();
    step.removedInChain = before - step.keptAfter;
    result.steps.push_back(step);
  }
  return result;
}

std::string WhyNothingPasses(const std::vector<Filter>& filters, const ChainResult& chain) {
  if (chain.Kept() > 0) return {};
  if (filters.empty()) return {};
  const std::string start = "no number passes: ";
  for (std::size_t i = 0; i < filters.size(); ++i)
    if (chain.steps[i].alone.none())
      return start + FilterCaption(filters[i]) + " (" + FilterText(filters[i]) + ") keeps no number by itself";
  for (std::size_t i = 0; i < filters.size(); ++i)
    for (std::size_t j = i + 1; j < filters.size(); ++j)
      if ((chain.steps[i].alone & chain.steps[j].alone).none()) {
        const std::string a = FilterCaption(filters[i]), b = FilterCaption(filters[j]);
        if (a == b)
          return start + "the two filters " + FilterText(filters[i]) + " and " + FilterText(filters[j]) +
                 " exclude each other";
        return start + a + " and " + b + " exclude each other (" + FilterText(filters[i]) + ", " +
               FilterText(filters[j]) + ")";
      }
  // Three or more together: name the filter that removes the last numbers.
  std::size_t last = 0;
  while (last < chain.steps.size() && chain.steps[last].keptAfter > 0) ++last;
  const int before = last == 0 ? kNumbers : chain.steps[last - 1].keptAfter;
  return start + "every two of the filters leave some numbers, but together they leave none: the filters before " +
         FilterCaption(filters[last]) + " keep " + plays::CountText(before) + " and it removes them all";
}

std::string KeptText(int kept) {
  char percent[32];
  std::snprintf(percent, sizeof percent, "%.1f%%", kept * 100.0 / kNumbers);
  return plays::CountText(kept) + " of 1,000 numbers, " + percent;
}

}  // namespace drawlyze::filters
