#pragma once
// The user's current choices in the windows, as types: the option, the row,
// "Use Last Draws", the grid, the Median box and the Separation layout.

#include "core/chart/view_helpers.h"

namespace drawlyze {

// The Separation view's two buttons as state: the layout the view draws and
// the direction the arrow button shows, which it keeps while the layout is
// positional. The captions are drawn from it.
struct SeparationChoice {
  SeparationLayout layout = SeparationLayout::Positional;
  SeparationLayout direction = SeparationLayout::Ascending;  // Ascending or Descending

  // The arrow button: the first click sorts in the arrow's direction, later clicks reverse it.
  void ClickArrow();
  // The "X" button: back to the draws' own positions.
  void ClickCenter() { layout = SeparationLayout::Positional; }
  // A layout given outright (the command line's --layout); sorted layouts set the arrow too.
  static SeparationChoice Of(SeparationLayout layout);

  const char* CenterCaption() const;  // "X" positional, "<-->" sorted
  const char* ArrowCaption() const;   // "<---" ascending, "--->" descending
  bool operator==(const SeparationChoice&) const = default;
};

struct Selection {
  int option = 0;       // the main window's option, 0..12 ("Skips" ... "Free Pairs")
  int row = 1;          // R: the selected row of the table of draws, 1-based
  LastDraws lastDraws;  // the main window's "Use Last Draws"
  GridSettings grid;    // the guide grid: on, step, bias
  bool median = false;  // the "Median" box of "Skips for positions"
  SeparationChoice separation;
  // The Statistics window's own "Use Last Draws", which the main window's
  // choice does not change.
  LastDraws reportLastDraws;
  bool operator==(const Selection&) const = default;
};

}  // namespace drawlyze
