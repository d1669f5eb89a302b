#pragma once
// What the windows share: the draws, the file they came from, the Sieve
// patterns and the user's current choices. Plain data: the program's main
// owns one (behind the windows' signals), and drawlyze-cli builds one from its
// options, so both hand the views and reports the very same input.

#include <string>
#include <vector>

#include "core/history/draw_history.h"
#include "core/model/selection.h"
#include "core/reports/reports.h"
#include "core/sieve/sieve_patterns.h"

namespace drawlyze {

struct DrawModel {
  DrawHistory history;
  std::string drawFile;  // the file the draws came from; empty before the first load
  SievePatterns sieve = StartSievePatterns();
  Selection selection;

  // Replaces the draws by a file's (newest first). The selected row stays
  // where it still exists, else moves to the last one; "Use Last Draws" counts
  // every draw again. The Statistics window's own choice is left alone.
  void Load(const std::vector<Draw>& newestFirst, std::string file);
};

// The input of the main window's views, built in this one place for the
// windows and the command line.
ViewInput MakeViewInput(const DrawModel& model);
// The input of the Statistics window's reports.
ReportInput MakeReportInput(const DrawModel& model, std::string findText = {});

}  // namespace drawlyze
