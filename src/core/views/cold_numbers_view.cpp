#include "core/views/views.h"

namespace drawlyze {
namespace {

constexpr const char* kTitle = "Number/Last Hit Sorted:";

// Draws back from the selected one to the newest draw holding the digit; 0 when
// the selected draw holds it and also when no older draw does.
int DistanceBack(const DrawHistory& history, int start, int digit) {
  for (int k = start; k < history.Count(); ++k)
    if (ContainsNumber(digit, history.GetDraw(k))) return k - start;
  return 0;
}

}  // namespace

// Looks through the whole history older than the selected draw; the "Use Last
// Draws" window plays no part.
Chart ColdNumbersView(const ViewInput& in) {
  const DrawHistory& history = in.History();
  const int start = in.row - 1;
  const NextDraw next = GetNextDraw(in);

  // Compute: the coldest digits first, ties by ascending digit.
  int distances[10];
  for (int d = 0; d < 10; ++d) distances[d] = start >= 0 ? DistanceBack(history, start, d) : 0;
  const std::array<int, 10> order = RankDigits(distances);

  // Draw.
  Chart chart;
  chart.TextOut(2, 5, kTitle);
  const RankedRows rows = DrawRankedDigits(chart, next, 21, order.data(), distances, 100);
  FinishView(chart, in.grid);

  // Copy lines.
  chart.AddCopyLine(kTitle);
  chart.AddCopyLine(rows.digits);
  chart.AddCopyLine(rows.values);
  return chart;
}

}  // namespace drawlyze
