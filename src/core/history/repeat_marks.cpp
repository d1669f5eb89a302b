#include "core/history/repeat_marks.h"

namespace drawlyze {

std::vector<MarkedCell> RepeatMarks(const DrawHistory& history, int row, const DrawNumbers& selected) {
  std::vector<MarkedCell> cells;
  int matches = 0;
  bool stopped = false;
  for (int k = row; k < history.Count() && !stopped; ++k) {
    const DrawNumbers draw = history.GetDraw(k);
    // A number twice in the selected draw counts each of its matches twice;
    // within the draw that reaches twelve, later numbers still mark their first match.
    for (int a = 0; a < DRAW_SIZE; ++a) {
      for (int b = 0; b < DRAW_SIZE; ++b) {
        if (selected[static_cast<std::size_t>(a)] != draw[static_cast<std::size_t>(b)]) continue;
        ++matches;
        cells.push_back({k, b});
        if (matches >= 12) {
          stopped = true;
          break;
        }
      }
    }
  }
  return cells;
}

}  // namespace drawlyze
