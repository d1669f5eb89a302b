#include "core/backtest/digit_tracker.h"

#include <algorithm>

namespace drawlyze {

int DigitTracker::SkipHistogram::Entry(int k) const {
  std::size_t block = 0;
  while (block < 15 && k >= blocks[block]) k -= blocks[block++];
  std::size_t bin = block * 16;
  while (bin < block * 16 + 15 && k >= bins[bin]) k -= bins[bin++];
  return static_cast<int>(bin);
}

DigitTracker::DigitTracker(int window) : window_(std::max(window, 1)) {
  ring_.resize(static_cast<std::size_t>(window_));
  for (Occurrences& o : occurrences_) o.slots.resize(static_cast<std::size_t>(window_));
  seen_.fill(-1);
  for (auto& row : positionSeen_) row.fill(-1);
}

void DigitTracker::DropOldest() {
  const int oldest = time_ - window_;
  const int newest = time_ - 1;
  const DrawNumbers& draw = ring_[static_cast<std::size_t>(oldest % window_)];
  unsigned mask = 0;
  for (std::size_t p = 0; p < 3; ++p) {
    const int d = draw[p];
    if (d > 9) continue;
    mask |= 1u << d;
    --count_[static_cast<std::size_t>(d)];
    --positionCount_[p][static_cast<std::size_t>(d)];
  }
  for (int d = 0; d < 10; ++d) {
    if (!(mask >> d & 1)) continue;
    Occurrences& o = occurrences_[static_cast<std::size_t>(d)];
    // The oldest skip of the digit leaves; when the oldest draw was its only
    // one in the window, the current skip leaves with it.
    const int leaving = o.size > 1 ? o.At(1) - oldest - 1 : newest - oldest;
    skips_[static_cast<std::size_t>(d)].Add(leaving, -1);
    o.PopFront();
  }
  --inWindow_;
}

void DigitTracker::Push(const DrawNumbers& draw) {
  if (inWindow_ == window_) DropOldest();
  const int t = time_;
  unsigned mask = 0;
  for (std::size_t p = 0; p < 3; ++p) {
    const int d = draw[p];
    if (d > 9) continue;
    mask |= 1u << d;
    ++count_[static_cast<std::size_t>(d)];
    ++positionCount_[p][static_cast<std::size_t>(d)];
    positionSeen_[p][static_cast<std::size_t>(d)] = t;
  }
  for (int d = 0; d < 10; ++d) {
    const auto i = static_cast<std::size_t>(d);
    Occurrences& o = occurrences_[i];
    if (mask >> d & 1) {
      // The current skip closes with the value it has; a new current skip of 0 opens.
      skips_[i].Add(0, +1);
      o.PushBack(t);
      seen_[i] = t;
    } else if (o.size > 0) {
      skips_[i].Add(t - 1 - o.Back(), -1);
      skips_[i].Add(t - o.Back(), +1);
    }
  }
  ring_[static_cast<std::size_t>(t % window_)] = draw;
  ++inWindow_;
  ++time_;
}

DigitMeasures DigitTracker::Measures() const {
  DigitMeasures m;
  const int newest = time_ - 1;
  m.time = time_;
  for (std::size_t d = 0; d < 10; ++d) {
    const Occurrences& o = occurrences_[d];
    if (o.size > 0) {
      m.lastSkip[d] = newest - o.Back();
      // The middle skip, or the lower of the two middle ones.
      m.skipMedian[d] = skips_[d].Entry(o.size % 2 == 1 ? o.size / 2 : o.size / 2 - 1);
    }
    m.sinceHit[d] = seen_[d] >= 0 ? newest - seen_[d] : 0;
    for (std::size_t p = 0; p < 3; ++p)
      m.positionSkip[p][d] = positionSeen_[p][d] >= 0 ? newest - positionSeen_[p][d] : 0;
  }
  m.count = count_;
  m.positionCount = positionCount_;
  return m;
}

}  // namespace drawlyze
