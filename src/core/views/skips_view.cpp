#include <array>
#include <vector>

#include "core/views/views.h"

namespace drawlyze {
namespace {

struct DigitSkips {
  int lastSkip = 0;
  int median = 0;
};

// The entry at position k of the skips sorted ascending. Skips are bytes, so
// counting them gives the same entry as sorting the list, in linear time.
int SortedEntry(const std::array<int, 256>& histogram, int k) {
  for (int value = 0; value < 256; ++value) {
    k -= histogram[static_cast<std::size_t>(value)];
    if (k < 0) return value;
  }
  return 0;
}

// Walks the window oldest to newest: each skip is the number of draws strictly
// between two draws holding the digit; the last entry is the current gap.
// masks[i] has bit d set when the window's draw i (0 = newest) holds digit d.
DigitSkips SkipsOf(const std::vector<std::uint16_t>& masks, int digit) {
  std::array<int, 256> histogram{};
  bool open = false;
  int gap = 0;
  int hits = 0;
  for (int k = static_cast<int>(masks.size()) - 1; k >= 0; --k) {
    if (masks[static_cast<std::size_t>(k)] >> digit & 1) {
      ++hits;
      if (open) ++histogram[static_cast<std::uint8_t>(gap - 1)];
      open = true;
      gap = 0;
    }
    if (open && k > 0) ++gap;
  }
  DigitSkips result;
  result.lastSkip = gap;
  if (hits > 0) {
    ++histogram[static_cast<std::uint8_t>(gap)];
    // The middle entry, or the lower of the two middle entries.
    result.median = SortedEntry(histogram, hits % 2 == 1 ? hits / 2 : hits / 2 - 1);
  }
  return result;
}

std::string Row(const int* values) {
  std::string line;
  for (int j = 0; j < 10; ++j) line += NumberText(values[j]);
  return line;
}

constexpr const char* kFfg50 = "Probability median of FFG for 50% = log(1-0.5) / log(1-3/10) = 1.94 =~ 2";
constexpr const char* kFfg75 = "Probability median of FFG for 75% = log(1-0.75) / log(1-3/10) = 3.88 =~4";

}  // namespace

Chart SkipsView(const ViewInput& in) {
  const DrawHistory& history = in.History();
  const DrawWindow w = AnalysisWindow(in);
  const NextDraw next = GetNextDraw(in);

  // Compute: last skip and median per digit, then the two orders.
  int lastSkips[10];
  int medians[10];
  std::vector<std::uint16_t> masks(static_cast<std::size_t>(w.n));
  for (int i = 0; i < w.n; ++i) {
    const DrawNumbers draw = history.GetDraw(w.start + i);
    for (const std::uint8_t a : draw)
      if (a < 10) masks[static_cast<std::size_t>(i)] |= static_cast<std::uint16_t>(1u << a);
  }
  for (int d = 0; d < 10; ++d) {
    const DigitSkips s = SkipsOf(masks, d);
    lastSkips[d] = s.lastSkip;
    medians[d] = s.median;
  }
  const std::array<int, 10> ranked = RankDigits(lastSkips);
  int order1[10];
  for (int d = 0; d < 10; ++d) order1[d] = ranked[static_cast<std::size_t>(d)];
  int medians1[10];
  for (int d = 0; d < 10; ++d) medians1[d] = medians[d];
  ReorderByKeys(medians1, order1);
  int order2[10];
  int medians2[10];
  for (int j = 0; j < 10; ++j) {
    order2[j] = order1[j];
    medians2[j] = medians1[j];
  }
  SortPairsDescending(medians2, order2, 10);

  // Draw.
  Chart chart;
  const auto x = [](int j) { return 21 * j - 12; };
  chart.TextOut(2, 5, "Number/Last Skip/Skip Median:");
  int skips1[10];
  for (int j = 1; j <= 10; ++j) {
    const int d = order1[j - 1];
    skips1[j - 1] = lastSkips[d];
    DigitText(chart, next, x(j), 25, d);
    chart.TextOut(x(j), 40, NumberText(lastSkips[d]), HitStyle(next, d));
    chart.TextOut(x(j), 55, NumberText(medians1[j - 1]), HitStyle(next, d));
  }
  chart.TextOut(2, 90, "Number/Skip Median:");
  for (int j = 1; j <= 10; ++j) {
    const int d = order2[j - 1];
    DigitText(chart, next, x(j), 115, d);
    chart.TextOut(x(j), 130, NumberText(medians2[j - 1]), HitStyle(next, d));
    DigitText(chart, next, x(j), 175, j - 1);
  }
  chart.TextOut(2, 250, kFfg50);
  chart.TextOut(2, 265, kFfg75);
  FinishView(chart, in.grid);

  // Copy lines.
  chart.AddCopyLine("Number/Last Skip/Skip Median:");
  chart.AddCopyLine("");
  chart.AddCopyLine(Row(order1));
  chart.AddCopyLine(Row(skips1));
  chart.AddCopyLine(Row(medians1));
  chart.AddCopyLine("");
  chart.AddCopyLine("");
  chart.AddCopyLine("Number/Skip Median:");
  chart.AddCopyLine("");
  chart.AddCopyLine(Row(order2));
  chart.AddCopyLine(Row(medians2));
  chart.AddCopyLine("");
  chart.AddCopyLine("");
  chart.AddCopyLine("");
  chart.AddCopyLine(kFfg50);
  chart.AddCopyLine(kFfg75);
  return chart;
}

}  // namespace drawlyze
