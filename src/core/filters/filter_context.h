#pragma once
// What the history-based filters read: the history, the selected draw, the
// Sieve patterns and the views' digit measures up to the selected draw.

#include <memory>
#include <vector>

#include "core/backtest/digit_rules.h"
#include "core/filters/filter.h"

namespace drawlyze {
class DigitTracker;  // its header is kept out of the windows' (it names a member "slots")
}

namespace drawlyze::filters {

// The digit measures of the draws from the oldest up to a point in the
// history, one tracker per "Use Last Draws" window a filter asks for. The
// backtest walks it forward one draw at a time; nothing newer is ever pushed.
class MeasuresAlong {
 public:
  // Up to and including the draw at index upTo (index 0 = newest).
  MeasuresAlong(const DrawHistory& history, int upTo);
  ~MeasuresAlong();
  MeasuresAlong(const MeasuresAlong&) = delete;
  MeasuresAlong& operator=(const MeasuresAlong&) = delete;
  // Moves on to the next newer draw.
  void Advance();
  int UpTo() const { return upTo_; }
  // The measures a view ranks with over the window ending at the draw upTo.
  DigitMeasures For(LastDraws window);

 private:
  struct Tracked {
    int window;
    std::unique_ptr<DigitTracker> tracker;
  };
  const DrawHistory* history_;
  int upTo_;
  std::vector<Tracked> tracked_;
};

struct FilterContext {
  const DrawHistory* history = nullptr;
  int selected = 0;                      // the selected draw's index (the selected row - 1)
  const SievePatterns* sieve = nullptr;  // null: the Sieve editor's start patterns
  MeasuresAlong* measures = nullptr;     // null: built when a ranking filter needs it

  bool HasSelectedDraw() const { return history && selected >= 0 && selected < history->Count(); }
};

// The digits a history-based digit filter holds each position against.
std::array<DigitSet, 3> HistoryDigits(const HistoryDigitsFilter& filter, const FilterContext& context);

// The numbers any filter keeps; the history-based ones keep every number when
// there is no selected draw to compute them from.
NumberSet KeptBy(const Filter& filter, const FilterContext& context);

}  // namespace drawlyze::filters
