#pragma once
// The twelve text reports of the Statistics window. Each reads the history,
// the selected row of the table of draws and the window's own "Use Last
// Draws" choice, and returns the lines of the report window.

#include <string>
#include <string_view>
#include <vector>

#include "core/chart/view_helpers.h"
#include "core/history/draw_history.h"

namespace drawlyze {

using ReportLines = std::vector<std::string>;

// row: R, the selected row (1-based); lastDraws: how many draws to count (none: all).
ReportLines TriplesNotDrawnYetReport(const DrawHistory& history, int row, LastDraws lastDraws);
ReportLines ExactPairsReport(const DrawHistory& history, int row, LastDraws lastDraws);
ReportLines FreePairsReport(const DrawHistory& history, int row, LastDraws lastDraws);
ReportLines ExactPairsSkipsReport(const DrawHistory& history, int row, LastDraws lastDraws);
ReportLines FreePairsSkipsReport(const DrawHistory& history, int row, LastDraws lastDraws);
ReportLines ExactTriplesReport(const DrawHistory& history, int row, LastDraws lastDraws);
ReportLines FreeTriplesReport(const DrawHistory& history, int row, LastDraws lastDraws);
ReportLines ExactTriplesSkipsReport(const DrawHistory& history, int row, LastDraws lastDraws);
ReportLines FreeTriplesSkipsReport(const DrawHistory& history, int row, LastDraws lastDraws);
ReportLines CommonFourReport(const DrawHistory& history, int row, LastDraws lastDraws);
ReportLines SumReport(const DrawHistory& history, int row, LastDraws lastDraws);

// "Find " searches the whole history; the list does not matter to it.
// The text the input dialog proposes: the selected draw, "3 0 7".
std::string FindDefaultText(const DrawHistory& history, int row);
// The message for a typed number too large to convert ("'99999999999' is not
// a valid integer value"); empty when the text can be searched.
std::string FindTextError(std::string_view text);
ReportLines FindReport(const DrawHistory& history, std::string_view text);

// What a caller needs to run a report by its button caption.
struct ReportInput {
  const DrawHistory* history = nullptr;
  int row = 1;
  LastDraws lastDraws;
  std::string findText;  // "Find " only
};

// Where a report's button stands in the Statistics window: two columns of rows.
struct ButtonPlace {
  int column;  // 0 left, 1 right
  int row;     // from the top
};

struct ReportInfo {
  const char* caption;      // the button's caption, also the report window's title
  const char* buttonName;   // the button's object name
  ButtonPlace place;        // the button's place in the window
  bool greyedWhileRunning;  // the button shows greyed while the report is computed
  bool asksForNumbers;      // "Find ": the numbers come from the input dialog (findText)
  ReportLines (*run)(const ReportInput& in);
};

// The twelve reports in the order the window declares their buttons.
const std::vector<ReportInfo>& AllReports();
// Null when no report has that caption. Case, blanks, apostrophes and other
// punctuation do not matter: "exact-pairs-skips" finds "Exact Pairs' Skips".
const ReportInfo* FindReportByName(std::string_view name);

}  // namespace drawlyze
