#include <array>
#include <string>

#include "core/views/views.h"

namespace drawlyze {
namespace {

struct PositionSkips {
  int lastSkip[10] = {};
  int median[10] = {};
};

// One pass over the draws from the oldest to the selected one, in time order.
// Skips are kept as bytes, so the median is read from a 256-bin histogram of
// the completed skips and the current one.
PositionSkips SkipsAtPosition(const DrawHistory& history, int selected, int position) {
  PositionSkips result;
  const int span = history.Count() - selected;  // draws in the range
  int lastSeen[10] = {};
  int hits[10] = {};
  std::array<std::array<int, 256>, 10> histogram{};
  for (int t = 0; t < span; ++t) {
    const int d = history.GetDraw(history.Count() - 1 - t)[static_cast<std::size_t>(position)];
    if (d > 9) continue;
    if (hits[d] > 0) ++histogram[d][static_cast<std::size_t>((t - lastSeen[d] - 1) & 0xFF)];
    ++hits[d];
    lastSeen[d] = t;
  }
  for (int d = 0; d < 10; ++d) {
    if (hits[d] == 0) continue;
    const int current = span - 1 - lastSeen[d];
    result.lastSkip[d] = current;
    ++histogram[d][static_cast<std::size_t>(current & 0xFF)];
    // With an even count the lower of the two middle entries.
    const int wanted = hits[d] % 2 == 1 ? hits[d] / 2 : hits[d] / 2 - 1;
    int seen = 0;
    for (int v = 0; v < 256; ++v) {
      seen += histogram[d][static_cast<std::size_t>(v)];
      if (seen > wanted) {
        result.median[d] = v;
        break;
      }
    }
  }
  return result;
}

// Two characters and a blank; "H  " for values over 99.
std::string SkipText(int value) { return value > 99 ? "H  " : NumberText(value); }

constexpr int kBlankMedian = 88;

// A median of 88 blanks its slot's values.
struct Slot {
  int digit = 0;
  int lastSkip = 0;
  int median = 0;
  bool Blank() const { return median == kBlankMedian; }
  std::string LastSkipText() const { return Blank() ? "" : SkipText(lastSkip); }
  std::string MedianText() const { return Blank() ? "" : SkipText(median); }
};

// Slots by last skip, largest first (ties in ascending digits); with the
// median box checked, then by median, keeping the last-skip order on ties.
std::array<Slot, 10> OrderSlots(const PositionSkips& skips, bool byMedian) {
  std::array<int, 10> order = RankDigits(skips.lastSkip);
  if (byMedian) {
    int medians[10];
    for (int i = 0; i < 10; ++i) medians[i] = skips.median[order[i]];
    SortPairsDescending(medians, order.data(), 10);
  }
  std::array<Slot, 10> slots;
  for (int i = 0; i < 10; ++i) {
    const int d = order[i];
    slots[static_cast<std::size_t>(i)] = {d, skips.lastSkip[d], skips.median[d]};
  }
  return slots;
}

}  // namespace

Chart SkipsForPositionsView(const ViewInput& in) {
  const DrawHistory& history = in.History();
  const int selected = in.row - 1;
  const NextDraw next = GetNextDraw(in);
  const std::string title = std::string(in.median ? "Number/Skip Median for Positions A1..A"
                                                  : "Number/Last Skip/Skip Median for Positions A1..A") +
                            std::to_string(DRAW_SIZE) + ":";

  // Compute.
  std::array<std::array<Slot, 10>, 3> positions;
  for (int p = 0; p < 3; ++p)
    positions[static_cast<std::size_t>(p)] = OrderSlots(SkipsAtPosition(history, selected, p), in.median);

  // Draw.
  Chart chart;
  chart.TextOut(2, 5, title);
  for (int p = 0; p < 3; ++p) {
    const int y = 50 * p;
    for (int i = 0; i < 10; ++i) {
      const Slot& slot = positions[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)];
      const int x = 14 * i + 2;
      const TextStyle style = HitStyle(next, slot.digit);
      chart.TextOut(x, y + 25, SkipText(slot.digit), style);
      if (in.median) {
        chart.TextOut(x, y + 40, slot.MedianText(), style);
      } else {
        chart.TextOut(x, y + 40, slot.LastSkipText(), style);
        chart.TextOut(x, y + 55, slot.MedianText(), style);
      }
      chart.TextOut(x, 385, SkipText(i), HitStyle(next, i));
    }
  }
  FinishView(chart, in.grid);

  // Copy lines.
  chart.AddCopyLine(title);
  for (const std::array<Slot, 10>& slots : positions) {
    std::string digits, lastSkips, medians;
    for (const Slot& slot : slots) {
      const std::string gap = slot.Blank() ? "___" : "";
      digits += SkipText(slot.digit);
      lastSkips += gap + slot.LastSkipText();
      medians += gap + slot.MedianText();
    }
    if (in.median) {
      chart.AddCopyLine(digits);
      chart.AddCopyLine(medians);
      chart.AddCopyLine("");
    } else {
      chart.AddCopyLine("");
      chart.AddCopyLine(digits);
      chart.AddCopyLine(lastSkips);
      chart.AddCopyLine(medians);
    }
  }
  return chart;
}

}  // namespace drawlyze
