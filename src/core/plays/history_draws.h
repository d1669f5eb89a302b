#pragma once
// The history as plays see it: each draw's day and draw time, read from its
// date and fourth token as the importer reads them, and the draws of each
// draw time in the order they were drawn, so that a play finds its first draw
// by a search.

#include <array>
#include <vector>

#include "core/history/draw_history.h"
#include "core/import/cell_values.h"

namespace drawlyze::plays {

using import::DayKey;
using import::DrawTime;

class HistoryDraws {
 public:
  explicit HistoryDraws(const DrawHistory& history);

  // By history index (0 = newest). Day 0: a date that names no day (such a
  // draw is never matched to a play).
  DayKey Day(int index) const { return days_[static_cast<std::size_t>(index)]; }
  DrawTime Time(int index) const { return times_[static_cast<std::size_t>(index)]; }
  int Undated() const { return undated_; }

  // The oldest dated draw (its index), -1 for none.
  int Oldest() const { return oldest_; }
  // The draws of the time (Unknown: every dated draw), oldest first, as history indexes.
  const std::vector<int>& DrawsOf(DrawTime time) const { return byTime_[static_cast<std::size_t>(time)]; }
  // The first position in DrawsOf(time) whose day is on or after day; its size when none.
  std::size_t FirstOnOrAfter(DrawTime time, DayKey day) const;
  // How a play's draw time matches the history's: the history's Night is its
  // evening draw when it has two a day called Day and Night.
  DrawTime AsHistoryNames(DrawTime time) const;

 private:
  std::vector<DayKey> days_;
  std::vector<DrawTime> times_;
  std::array<std::vector<int>, 5> byTime_;
  std::array<bool, 5> sorted_{};
  int undated_ = 0;
  int oldest_ = -1;
  bool nightIsEvening_ = false;
};

}  // namespace drawlyze::plays
