// "Exact Pairs" and "Free Pairs": frequency, skip and max skip of every pair.
#include "core/reports/combination_scan.h"
#include "core/reports/combinations.h"
#include "core/reports/pair_hits.h"

namespace drawlyze {

ReportLines ExactPairsReport(const DrawHistory& history, int row, LastDraws lastDraws) {
  const ReportWindow window = ReportAnalysisWindow(history, row, lastDraws);
  ReportLines lines;
  AddStandardHeader(lines, window);
  for (int pass = 0; pass < 3; ++pass) {
    const std::vector<HitRecord> records = ScanWindow(history, window, kExactPairCount, false, ExactPairHits{pass});
    std::vector<CombinationStat> stats;
    stats.reserve(kExactPairCount);
    for (int code = 0; code < kExactPairCount; ++code)
      stats.push_back(MakeStat(ExactPairLabel(pass, code / 10, code % 10), records[static_cast<std::size_t>(code)]));
    AddByFrequencyTable(lines, SortedByFrequency(std::move(stats)), OverdueRule::kSkipReachedAfterAGap);
    lines.emplace_back();
    lines.emplace_back();
  }
  return lines;
}

ReportLines FreePairsReport(const DrawHistory& history, int row, LastDraws lastDraws) {
  const ReportWindow window = ReportAnalysisWindow(history, row, lastDraws);
  const std::vector<HitRecord> records = ScanWindow(history, window, kFreePairCount, false, FreePairHits{});
  std::vector<CombinationStat> stats;
  stats.reserve(kFreePairCount);
  for (int index = 0; index < kFreePairCount; ++index) {
    const DigitPair p = FreePairAt(index);
    stats.push_back(MakeStat(DigitLabel({p.j, p.k}), records[static_cast<std::size_t>(index)]));
  }
  ReportLines lines;
  AddStandardHeader(lines, window);
  AddFrequencyAndSkipTables(lines, stats);
  return lines;
}

}  // namespace drawlyze
