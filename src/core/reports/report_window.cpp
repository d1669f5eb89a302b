#include "core/reports/report_window.h"

#include <string>

#include "core/chart/view_helpers.h"

namespace drawlyze {

ReportWindow ReportAnalysisWindow(const DrawHistory& history, int row, LastDraws lastDraws) {
  const DrawWindow w = AnalysisWindow(history, row, lastDraws);
  ReportWindow window;
  window.count = history.Count();
  window.start = w.start;
  // A row before the first one would read before the store; count nothing then.
  window.n = w.start < 0 ? 0 : w.n;
  return window;
}

void AddStandardHeader(ReportLines& lines, const ReportWindow& window) {
  lines.push_back("Statistics from " + std::to_string(window.NewestOrdinal()) + " to " +
                  std::to_string(window.OldestOrdinal()) + " draws");
  lines.emplace_back();
}

}  // namespace drawlyze
