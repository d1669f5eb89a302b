#pragma once
// The run of draws a report counts and the header line that names it.

#include "core/history/draw_history.h"
#include "core/reports/reports.h"

namespace drawlyze {

// The draws S .. End()-1 of the history, S the selected (newest) one.
struct ReportWindow {
  int count = 0;  // draws in the history
  int start = 0;  // S
  int n = 0;      // N, already cut to the draws that exist
  int End() const { return start + n; }
  // Draws numbered from 1 (oldest) to count (newest).
  int NewestOrdinal() const { return count - start; }
  int OldestOrdinal() const { return count - End() + 1; }
};

// Same rule as the main window's views, with the Statistics window's own list.
ReportWindow ReportAnalysisWindow(const DrawHistory& history, int row, LastDraws lastDraws);

// "Statistics from 1000 to 1 draws" and an empty line.
void AddStandardHeader(ReportLines& lines, const ReportWindow& window);

// "* " forty times: the line between the families of a skips report.
inline constexpr const char* kSeparatorLine =
    "* * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * ";

}  // namespace drawlyze
