#include "core/model/draw_model.h"

#include <algorithm>

namespace drawlyze {

void DrawModel::Load(const std::vector<Draw>& newestFirst, std::string file) {
  history.Assign(newestFirst);
  drawFile = std::move(file);
  // With no draws the table still shows its one empty row.
  selection.row = std::clamp(selection.row, 1, std::max(history.Count(), 1));
  selection.lastDraws.reset();
}

ViewInput MakeViewInput(const DrawModel& model) {
  ViewInput in;
  in.history = &model.history;
  in.row = model.selection.row;
  in.lastDraws = model.selection.lastDraws;
  in.grid = model.selection.grid;
  in.median = model.selection.median;
  in.separation = model.selection.separation.layout;
  in.sieve = &model.sieve;
  return in;
}

ReportInput MakeReportInput(const DrawModel& model, std::string findText) {
  return ReportInput{&model.history, model.selection.row, model.selection.reportLastDraws, std::move(findText)};
}

}  // namespace drawlyze
