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
  int sorted[10];
  int order[10];
  for (int d = 0; d < 10; ++d) {
    sorted[d] = distances[d];
    order[d] = d;
  }
  SortPairsDescending(sorted, order, 10);

  // Draw.
  Chart chart;
  const auto x = [](int j) { return 21 * j - 12; };
  chart.TextOut(2, 5, kTitle);
  std::string digitLine;
  std::string distanceLine;
  for (int j = 1; j <= 10; ++j) {
    const int d = order[j - 1];
    DigitText(chart, next, x(j), 25, d);
    chart.TextOut(x(j), 40, NumberText(distances[d]), HitStyle(next, d));
    DigitText(chart, next, x(j), 100, j - 1);
    digitLine += NumberText(d);
    distanceLine += NumberText(distances[d]);
  }
  FinishView(chart, in.grid);

  // Copy lines.
  chart.AddCopyLine(kTitle);
  chart.AddCopyLine(digitLine);
  chart.AddCopyLine(distanceLine);
  return chart;
}

}  // namespace drawlyze
