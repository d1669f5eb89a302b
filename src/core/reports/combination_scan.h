#pragma once
// One pass over the window, oldest draw first, that files every draw under
// the combinations it hits and keeps per combination what the tables and the
// skip histories need.

#include <algorithm>
#include <vector>

#include "core/reports/combination_stat.h"
#include "core/reports/report_window.h"
#include "core/reports/skip_history.h"

namespace drawlyze {

struct HitRecord {
  int hits = 0;
  int frequency = 0;   // hits, weighted where a report weighs them
  int newestHit = -1;  // window position of the newest hit so far (0 = the selected draw)
  int maxSkip = 0;
  std::vector<int> gaps;  // oldest first; kept only when asked for
  int Skip() const { return hits > 0 ? newestHit : 0; }
};

// hitsOf(draw, emit) calls emit(combination, weight) once for every
// combination (0 .. combinations-1) the draw hits.
template <class HitsOf>
std::vector<HitRecord> ScanWindow(const DrawHistory& history, const ReportWindow& window, int combinations,
                                  bool keepGaps, HitsOf hitsOf) {
  std::vector<HitRecord> records(static_cast<std::size_t>(combinations));
  for (int i = window.End() - 1; i >= window.start; --i) {
    const int position = i - window.start;
    hitsOf(history.GetDraw(i), [&](int combination, int weight) {
      HitRecord& r = records[static_cast<std::size_t>(combination)];
      if (r.hits > 0) {
        const int gap = r.newestHit - position - 1;
        r.maxSkip = std::max(r.maxSkip, gap);
        if (keepGaps) r.gaps.push_back(gap);
      }
      r.newestHit = position;
      ++r.hits;
      r.frequency += weight;
    });
  }
  return records;
}

inline CombinationStat MakeStat(std::string label, const HitRecord& r) {
  return CombinationStat{std::move(label), r.frequency, r.Skip(), r.maxSkip};
}

inline SkipHistory MakeSkipHistory(HitRecord&& r) { return SkipHistory{std::move(r.gaps), r.Skip(), r.hits}; }

}  // namespace drawlyze
