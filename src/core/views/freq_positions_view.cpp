#include "core/views/views.h"

namespace drawlyze {
namespace {

constexpr const char* kFourBlanks = "    ";
constexpr const char* kThreeBlanks = "   ";

std::string PositionLabel(int p) { return "A" + std::to_string(p); }

// The copy text writes a digit seen once as three blanks, never seen as four.
std::string CopyCell(int value) {
  if (value == 0) return kThreeBlanks;
  if (value == -1) return kFourBlanks;
  return NumberText(value);
}

}  // namespace

Chart FreqA1A3View(const ViewInput& in) {
  const DrawHistory& history = in.History();
  const DrawWindow w = AnalysisWindow(in);
  const NextDraw next = GetNextDraw(in);

  // Compute: per position, how often each digit stood there, minus one, so
  // that -1 means never.
  int c[3][10];
  for (auto& row : c)
    for (int& cell : row) cell = -1;
  for (int k = w.start; k < w.start + w.n; ++k) {
    const DrawNumbers draw = history.GetDraw(k);
    for (int p = 0; p < 3; ++p)
      if (draw[p] < 10) ++c[p][draw[p]];
  }

  // Draw.
  Chart chart;
  const auto x = [](int d) { return 28 * d + 9; };
  for (int d = 0; d < 10; ++d) DigitText(chart, next, x(d), 10, d);
  for (int p = 1; p <= 3; ++p) {
    const int y = 15 * p + 10;
    for (int d = 0; d < 10; ++d) {
      const int value = c[p - 1][d];
      // A blank cell stays unmarked even for a digit of the next draw.
      if (value >= 0)
        chart.TextOut(x(d), y, NumberText(value), HitStyle(next, d));
      else
        chart.TextOut(x(d), y, kFourBlanks);
    }
    chart.TextOut(297, y, PositionLabel(p));
  }
  FinishView(chart, in.grid);

  // Copy lines.
  std::string header;
  for (int d = 0; d < 10; ++d) header += NumberText(d);
  chart.AddCopyLine(header);
  for (int p = 1; p <= 3; ++p) {
    std::string line;
    for (int d = 0; d < 10; ++d) line += CopyCell(c[p - 1][d]);
    chart.AddCopyLine(line + PositionLabel(p));
  }
  return chart;
}

}  // namespace drawlyze
