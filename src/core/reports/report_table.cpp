// The reports by their button captions, for the window and the command line.

#include "core/history/text_helpers.h"
#include "core/reports/reports.h"

namespace drawlyze {
namespace {

template <ReportLines (*Report)(const DrawHistory&, int, LastDraws)>
ReportLines Run(const ReportInput& in) {
  return Report(*in.history, in.row, in.lastDraws);
}

ReportLines RunFind(const ReportInput& in) { return FindReport(*in.history, in.findText); }

}  // namespace

const std::vector<ReportInfo>& AllReports() {
  static const std::vector<ReportInfo> reports = {
      {"Triples not drawn yet", "xpButton_Triples_not_drawn_yet", {0, 0}, true, false, Run<TriplesNotDrawnYetReport>},
      {"Free Triples", "xpButton_Free_Triples", {0, 1}, true, false, Run<FreeTriplesReport>},
      {"Exact Pairs", "xpButton_Exact_Pairs", {0, 2}, true, false, Run<ExactPairsReport>},
      {"Free Pairs", "xpButton_Free_Pairs", {0, 3}, false, false, Run<FreePairsReport>},
      {"Free Pairs' Skips", "xpButton_Free_pairs_Skips", {1, 3}, false, false, Run<FreePairsSkipsReport>},
      {"Find ", "xpButton_Find", {1, 0}, false, true, RunFind},
      {"Exact Triples", "xpButton_Exact_Triples", {0, 4}, true, false, Run<ExactTriplesReport>},
      {"Exact Pairs' Skips", "xpButton_Exact_pairs_Skips", {1, 2}, true, false, Run<ExactPairsSkipsReport>},
      {"Exact Triples' Skips", "xpButton_Exact_Triples_Skips", {1, 4}, true, false, Run<ExactTriplesSkipsReport>},
      {"Free Triples' Skips", "xpButton_Free_Triples_skips", {1, 1}, true, false, Run<FreeTriplesSkipsReport>},
      {"Common Four", "xpButton_Common_four", {0, 5}, false, false, Run<CommonFourReport>},
      {"Sum", "xpButton_Sum", {1, 5}, false, false, Run<SumReport>},
  };
  return reports;
}

const ReportInfo* FindReportByName(std::string_view name) {
  const std::string key = NameKey(name);
  if (key.empty()) return nullptr;
  for (const ReportInfo& report : AllReports())
    if (NameKey(report.caption) == key) return &report;
  return nullptr;
}

}  // namespace drawlyze
