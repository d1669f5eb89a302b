#pragma once
// The thirteen analysis views of the main window, one function each, and the
// dispatcher that runs the one the option group selects.

#include "core/chart/view_helpers.h"

namespace drawlyze {

inline constexpr int kOptionCount = 13;

// The caption of option 0..12 of the option group ("Skips", "Frequency", ...).
const char* OptionCaption(int option);
// One line saying what the option's view shows (the option button's tooltip).
const char* OptionHint(int option);
// -1 when the text names no option; accepts a caption (any case) or "0".."12".
int FindOption(const std::string& text);
// The main window's controls an option reads, which the window enables while
// the option is selected: "Use Last Draws" (all but options 2, 5, 6, 8, 10
// and 11), the Separation buttons, the Median box, the Sieve button.
struct OptionControls {
  bool lastDraws = false;
  bool separationButtons = false;
  bool median = false;
  bool sieveButton = false;
};
OptionControls OptionUses(int option);

// Runs the view of the option; every view ends with FinishView.
Chart RunView(int option, const ViewInput& in);

Chart SkipsView(const ViewInput& in);              // 0
Chart FrequencyView(const ViewInput& in);          // 1
Chart ColdNumbersView(const ViewInput& in);        // 2
Chart FreqA1A3View(const ViewInput& in);           // 3
Chart StatisticsView(const ViewInput& in);         // 4
Chart NumericalRangeView(const ViewInput& in);     // 5
Chart SeparationView(const ViewInput& in);         // 6
Chart PositionView(const ViewInput& in);           // 7
Chart SkipsForPositionsView(const ViewInput& in);  // 8
Chart FrequencyAnalyseView(const ViewInput& in);   // 9
Chart SieveView(const ViewInput& in);              // 10
Chart OddEvenZonesView(const ViewInput& in);       // 11
Chart FreePairsView(const ViewInput& in);          // 12

}  // namespace drawlyze
