// "Exact Pairs' Skips" and "Free Pairs' Skips": every pair's absences in full.
#include "core/reports/combination_scan.h"
#include "core/reports/combinations.h"
#include "core/reports/pair_hits.h"

namespace drawlyze {

ReportLines ExactPairsSkipsReport(const DrawHistory& history, int row, LastDraws lastDraws) {
  const ReportWindow window = ReportAnalysisWindow(history, row, lastDraws);
  ReportLines lines;
  AddStandardHeader(lines, window);
  for (int pass = 0; pass < 3; ++pass) {
    std::vector<HitRecord> records = ScanWindow(history, window, kExactPairCount, true, ExactPairHits{pass});
    for (int code = 0; code < kExactPairCount; ++code) {
      lines.push_back("Pair " + ExactPairLabel(pass, code / 10, code % 10) + ":");
      AddSkipHistoryBlock(lines, MakeSkipHistory(std::move(records[static_cast<std::size_t>(code)])));
    }
    lines.emplace_back();
    lines.push_back("Count: " + std::to_string(kExactPairCount));
    if (pass < 2) {
      lines.emplace_back();
      lines.emplace_back();
      lines.emplace_back(kSeparatorLine);
      lines.emplace_back();
      lines.emplace_back();
    }
  }
  return lines;
}

ReportLines FreePairsSkipsReport(const DrawHistory& history, int row, LastDraws lastDraws) {
  const ReportWindow window = ReportAnalysisWindow(history, row, lastDraws);
  std::vector<HitRecord> records = ScanWindow(history, window, kFreePairCount, true, FreePairHits{});
  ReportLines lines;
  // This report words its header its own way.
  lines.push_back("Skips for Free Pairs from " + std::to_string(window.NewestOrdinal()) + " to " +
                  std::to_string(window.OldestOrdinal()) + " draws");
  lines.emplace_back();
  for (int index = 0; index < kFreePairCount; ++index) {
    const DigitPair p = FreePairAt(index);
    lines.push_back("Pair " + DigitLabel({p.j, p.k}) + ":");
    AddSkipHistoryBlock(lines, MakeSkipHistory(std::move(records[static_cast<std::size_t>(index)])));
  }
  lines.emplace_back();
  lines.push_back("Pairs: " + std::to_string(kFreePairCount));
  return lines;
}

}  // namespace drawlyze
