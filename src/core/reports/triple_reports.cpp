// "Exact Triples" and "Free Triples": frequency, skip and max skip of every triple.
#include "core/reports/combination_scan.h"
#include "core/reports/combinations.h"
#include "core/reports/pair_hits.h"

namespace drawlyze {

ReportLines ExactTriplesReport(const DrawHistory& history, int row, LastDraws lastDraws) {
  const ReportWindow window = ReportAnalysisWindow(history, row, lastDraws);
  const std::vector<HitRecord> records = ScanWindow(history, window, 1000, false, ExactTripleHits{});
  std::vector<CombinationStat> stats;
  stats.reserve(1000);
  for (int code = 0; code < 1000; ++code)
    stats.push_back(
        MakeStat(DigitLabel({code / 100, code / 10 % 10, code % 10}), records[static_cast<std::size_t>(code)]));
  ReportLines lines;
  lines.reserve(2006);
  AddStandardHeader(lines, window);
  AddFrequencyAndSkipTables(lines, stats, kExactTriplesBySkipHeader);
  return lines;
}

ReportLines FreeTriplesReport(const DrawHistory& history, int row, LastDraws lastDraws) {
  const ReportWindow window = ReportAnalysisWindow(history, row, lastDraws);
  const std::vector<HitRecord> different = ScanWindow(history, window, kFreeTripleCount, false, FreeTripleHits{});
  const std::vector<HitRecord> doubles = ScanWindow(history, window, kFreeDoubleCount, false, FreeDoubleHits{});

  std::vector<CombinationStat> differentStats;
  for (int index = 0; index < kFreeTripleCount; ++index) {
    const std::array<int, 3> t = FreeTripleAt(index);
    differentStats.push_back(MakeStat(DigitLabel({t[0], t[1], t[2]}), different[static_cast<std::size_t>(index)]));
  }
  std::vector<CombinationStat> doubleStats;
  for (int index = 0; index < kFreeDoubleCount; ++index) {
    const DigitPair p = FreeDoubleAt(index);
    doubleStats.push_back(MakeStat(DigitLabel({p.j, p.j, p.k}), doubles[static_cast<std::size_t>(index)]));
  }

  ReportLines lines;
  AddStandardHeader(lines, window);
  AddFrequencyAndSkipTables(lines, differentStats);
  lines.emplace_back();
  lines.emplace_back();
  AddFrequencyAndSkipTables(lines, doubleStats);
  return lines;
}

}  // namespace drawlyze
