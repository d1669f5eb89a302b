#include <initializer_list>
#include <string>

#include "core/views/views.h"

namespace drawlyze {
namespace {

// The zigzag of the series group: row 0 holds 0 3 4 7 8, row 1 holds 1 2 5 6 9.
int SeriesRow(int digit) { return (digit % 4 == 0 || digit % 4 == 3) ? 0 : 1; }

std::string DigitsLine(std::initializer_list<int> digits) {
  std::string line;
  for (int d : digits) line += NumberText(d);
  return line;
}

}  // namespace

Chart OddEvenZonesView(const ViewInput& in) {
  const NextDraw next = GetNextDraw(in);

  // Draw: each group lays out the ten digits in ascending order.
  Chart chart;
  const auto digit = [&](int d, int x, int y) { DigitText(chart, next, x, y, d); };
  chart.TextOut(2, 5, "Odd-Even:");
  for (int d = 0; d < 10; ++d) digit(d, 14 * (d / 2) + 2, 20 + 15 * (d % 2));
  chart.TextOut(2, 65, "Zones High-Low:");
  for (int d = 0; d < 10; ++d) digit(d, 14 * (d % 5) + 2, 80 + 15 * (d / 5));
  chart.TextOut(2, 125, "Series:");
  for (int d = 0; d < 10; ++d) digit(d, 14 * (d / 2) + 2, 140 + 15 * SeriesRow(d));
  FinishView(chart, in.grid);

  // Copy lines: the series group is listed by parity, not in its zigzag.
  const std::string even = DigitsLine({0, 2, 4, 6, 8});
  const std::string odd = DigitsLine({1, 3, 5, 7, 9});
  chart.AddCopyLine("Odd-Even:");
  chart.AddCopyLine(even);
  chart.AddCopyLine(odd);
  chart.AddCopyLine("");
  chart.AddCopyLine("Zones High-Low:");
  chart.AddCopyLine(DigitsLine({0, 1, 2, 3, 4}));
  chart.AddCopyLine(DigitsLine({5, 6, 7, 8, 9}));
  chart.AddCopyLine("");
  chart.AddCopyLine("Series:");
  chart.AddCopyLine(even);
  chart.AddCopyLine(odd);
  return chart;
}

}  // namespace drawlyze
