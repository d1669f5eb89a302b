#pragma once
// The full record of one combination's absences in the window, and the
// block of lines the four "Skips" reports print for it.

#include <vector>

#include "core/reports/reports.h"

namespace drawlyze {

struct SkipHistory {
  std::vector<int> gaps;  // draws between consecutive hits, oldest first
  int currentSkip = 0;    // window draws newer than the newest hit; 0 without hits
  int hits = 0;
};

// The gaps line, "Sorted:", the sorted values, the median line (when there is
// a hit) and an empty line.
void AddSkipHistoryBlock(ReportLines& lines, const SkipHistory& history);

}  // namespace drawlyze
