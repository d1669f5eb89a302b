#pragma once
// What every view of the main window shares: its input, the window of draws
// it counts, the next draw whose digits it marks, number texts and sorts.

#include <array>
#include <optional>
#include <string>

#include "core/chart/chart.h"
#include "core/history/draw_history.h"

namespace drawlyze {

struct SievePatterns;  // the Sieve editor's More and Less tables

struct GridSettings {
  bool on = false;
  int step = 3;  // item index + 1 of the step list
  int bias = 0;  // item index of the bias list
  bool operator==(const GridSettings&) const = default;
};

// How the Separation view lays out each row of its staircase: the draws' own
// positions, or the kept digits sorted.
enum class SeparationLayout { Positional, Ascending, Descending };

// "Use Last Draws": how many draws, from the selected one back, a view or a
// report counts; none: every draw. More than there are counts them all.
using LastDraws = std::optional<int>;

// Everything a view reads: the history, the selected row and the controls.
struct ViewInput {
  const DrawHistory* history = nullptr;
  int row = 1;  // R, the selected row of the table of draws (1-based)
  LastDraws lastDraws;
  GridSettings grid;
  bool median = false;  // the "Median" check box
  SeparationLayout separation = SeparationLayout::Positional;
  const SievePatterns* sieve = nullptr;  // null: the editor's start patterns

  const DrawHistory& History() const { return *history; }
};

// The draws a window-based view counts: indexes start .. start+n-1, newest first.
struct DrawWindow {
  int start = 0;
  int n = 0;
};
DrawWindow AnalysisWindow(const DrawHistory& history, int row, LastDraws lastDraws);
inline DrawWindow AnalysisWindow(const ViewInput& in) { return AnalysisWindow(in.History(), in.row, in.lastDraws); }

// How often each digit stood at any position of the window's draws.
std::array<int, 10> DigitCounts(const DrawHistory& history, DrawWindow w);

// The draw that followed the selected one in time (index R-2), if any.
struct NextDraw {
  bool exists = false;
  DrawNumbers draw{};
  bool Contains(int digit) const { return exists && ContainsNumber(digit, draw); }
};
NextDraw GetNextDraw(const DrawHistory& history, int row);
inline NextDraw GetNextDraw(const ViewInput& in) { return GetNextDraw(in.History(), in.row); }

// At least as many digits as the sample has (zero-padded): 7 -> "07", 123 -> "123".
std::string FormatNumber(int value, int sample = 10);
// FormatNumber followed by one blank: "07 ".
std::string NumberText(int value);

// Red on yellow when the next draw holds the digit, black on white otherwise.
inline TextStyle HitStyle(const NextDraw& next, int digit) { return next.Contains(digit) ? kHitText : kPlainText; }
// The digit's number text ("07 "), marked when the next draw holds it.
inline void DigitText(Chart& chart, const NextDraw& next, int x, int y, int digit) {
  chart.TextOut(x, y, NumberText(digit), HitStyle(next, digit));
}

// Ten digits in rank order at y 25 with their values (indexed by digit)
// beneath at y 40, both marked as the digit, and the digits 0..9 in order at
// bottomY; column j = 1..10 stands at x = pitch * j - 12. Returns the two
// upper rows as copy lines.
struct RankedRows {
  std::string digits;
  std::string values;
};
RankedRows DrawRankedDigits(Chart& chart, const NextDraw& next, int pitch, const int* ranked, const int* values,
                            int bottomY);

// The digits 0..9 ordered by their values (indexed by digit), largest first;
// equal values keep the digits ascending.
std::array<int, 10> RankDigits(const int* values);

// Stable descending sort of values, moving companions along: equal values keep their order.
void SortPairsDescending(int* values, int* companions, int n);
// values[i] := low byte of values[keys[i]], for i = 0..9.
void ReorderByKeys(int* values, const int* keys);

// The last drawing step of every view: the optional guide grid.
void FinishView(Chart& chart, const GridSettings& grid);

}  // namespace drawlyze
