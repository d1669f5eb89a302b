#pragma once
// The cells of the table of draws that repeat a number of the selected draw,
// from the draw just older than it down to the draw where the twelfth match falls.

#include <vector>

#include "core/history/draw_history.h"

namespace drawlyze {

struct MarkedCell {
  int index;     // draw index (table row index + 1)
  int position;  // 0..2 for A1..A3
  bool operator==(const MarkedCell&) const = default;
};

// row is the selected table row R (1-based); selected holds its three numbers.
std::vector<MarkedCell> RepeatMarks(const DrawHistory& history, int row, const DrawNumbers& selected);

}  // namespace drawlyze
