#pragma once
// The measures every rule ranks by, kept up to date draw by draw. A new draw
// costs the same whatever the window: counts and skips are added at the
// window's new end and dropped at its old end, and skip medians are read from
// a two-level histogram of the skips (skips are kept as bytes, as the Skips
// view keeps them).

#include <array>
#include <vector>

#include "core/backtest/digit_rules.h"
#include "core/history/draw_history.h"

namespace drawlyze {

class DigitTracker {
 public:
  // window: the N draws the window measures count (at least 1).
  explicit DigitTracker(int window);

  // The draw that came next in time becomes the newest one.
  void Push(const DrawNumbers& draw);
  // The measures for ranking the draw that comes after the pushed ones; the
  // window holds the last N pushed draws, or all of them while fewer.
  DigitMeasures Measures() const;
  int Time() const { return time_; }

 private:
  // Skips 0..255 counted in 16 blocks of 16, so the k-th smallest takes at most 32 steps.
  struct SkipHistogram {
    std::array<int, 256> bins{};
    std::array<int, 16> blocks{};
    void Add(int skip, int delta) {
      bins[static_cast<std::size_t>(skip & 0xFF)] += delta;
      blocks[static_cast<std::size_t>((skip & 0xFF) >> 4)] += delta;
    }
    int Entry(int k) const;  // the k-th smallest skip, from 0
  };
  // The times of the window's draws that hold one digit, oldest first.
  struct Occurrences {
    std::vector<int> slots;
    int head = 0;
    int size = 0;
    int At(int i) const { return slots[static_cast<std::size_t>((head + i) % static_cast<int>(slots.size()))]; }
    int Back() const { return At(size - 1); }
    void PushBack(int time) {
      slots[static_cast<std::size_t>((head + size) % static_cast<int>(slots.size()))] = time;
      ++size;
    }
    void PopFront() {
      head = (head + 1) % static_cast<int>(slots.size());
      --size;
    }
  };

  void DropOldest();

  int window_;
  int time_ = 0;                   // draws pushed so far; the newest has time time_ - 1
  int inWindow_ = 0;               // min(time_, window_)
  std::vector<DrawNumbers> ring_;  // the window's draws by time % window_
  std::array<Occurrences, 10> occurrences_;
  std::array<SkipHistogram, 10> skips_;
  std::array<int, 10> count_{};
  std::array<int, 10> seen_;  // time of the digit's newest draw, -1 before it first comes
  std::array<std::array<int, 10>, 3> positionCount_{};
  std::array<std::array<int, 10>, 3> positionSeen_;
};

}  // namespace drawlyze
