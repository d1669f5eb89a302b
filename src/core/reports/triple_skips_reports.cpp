// "Exact Triples' Skips" and "Free Triples' Skips": every triple's absences in full.
#include "core/reports/combination_scan.h"
#include "core/reports/combinations.h"
#include "core/reports/pair_hits.h"

namespace drawlyze {

ReportLines ExactTriplesSkipsReport(const DrawHistory& history, int row, LastDraws lastDraws) {
  const ReportWindow window = ReportAnalysisWindow(history, row, lastDraws);
  std::vector<HitRecord> records = ScanWindow(history, window, 1000, true, ExactTripleHits{});
  ReportLines lines;
  lines.reserve(6004);
  AddStandardHeader(lines, window);
  for (int code = 0; code < 1000; ++code) {
    lines.push_back("Triple " + DigitLabel({code / 100, code / 10 % 10, code % 10}) + ":");
    AddSkipHistoryBlock(lines, MakeSkipHistory(std::move(records[static_cast<std::size_t>(code)])));
  }
  lines.emplace_back();
  lines.emplace_back("Triples: 1000");
  return lines;
}

ReportLines FreeTriplesSkipsReport(const DrawHistory& history, int row, LastDraws lastDraws) {
  const ReportWindow window = ReportAnalysisWindow(history, row, lastDraws);
  std::vector<HitRecord> different = ScanWindow(history, window, kFreeTripleCount, true, FreeTripleHits{});
  std::vector<HitRecord> doubles = ScanWindow(history, window, kFreeDoubleCount, true, FreeDoubleHits{});
  ReportLines lines;
  AddStandardHeader(lines, window);
  for (int index = 0; index < kFreeTripleCount; ++index) {
    const std::array<int, 3> t = FreeTripleAt(index);
    lines.push_back("Triple " + DigitLabel({t[0], t[1], t[2]}) + ":");
    AddSkipHistoryBlock(lines, MakeSkipHistory(std::move(different[static_cast<std::size_t>(index)])));
  }
  lines.emplace_back();
  lines.push_back("Count: " + std::to_string(kFreeTripleCount));
  lines.emplace_back();
  lines.emplace_back();
  lines.emplace_back(kSeparatorLine);
  lines.emplace_back();
  lines.emplace_back();
  for (int index = 0; index < kFreeDoubleCount; ++index) {
    const DigitPair p = FreeDoubleAt(index);
    lines.push_back("Triple " + DigitLabel({p.j, p.j, p.k}) + ":");
    AddSkipHistoryBlock(lines, MakeSkipHistory(std::move(doubles[static_cast<std::size_t>(index)])));
  }
  lines.emplace_back();
  lines.push_back("Count: " + std::to_string(kFreeDoubleCount));
  return lines;
}

}  // namespace drawlyze
