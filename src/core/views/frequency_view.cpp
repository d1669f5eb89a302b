#include <array>
#include <charconv>

#include "core/views/views.h"

namespace drawlyze {
namespace {

constexpr const char* kTitle = "Number/Occurence:";

// "Average: 30.00" with a point whatever the locale, so the copy text reads the
// same on every machine.
std::string AverageText(double average) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, average, std::chars_format::fixed, 2);
  return "Average: " + std::string(buf, result.ptr);
}

}  // namespace

Chart FrequencyView(const ViewInput& in) {
  const DrawHistory& history = in.History();
  const DrawWindow w = AnalysisWindow(in);
  const NextDraw next = GetNextDraw(in);

  // Compute: how often each digit stood at any position of the window, most
  // frequent first (ties by ascending digit, the sort being stable).
  const std::array<int, 10> counts = DigitCounts(history, w);
  int total = 0;
  for (const int c : counts) total += c;
  const std::string average = AverageText(total * 0.1);

  int sorted[10];
  int digitPlusOne[10];
  for (int d = 0; d < 10; ++d) {
    sorted[d] = counts[d];
    digitPlusOne[d] = d + 1;
  }
  SortPairsDescending(sorted, digitPlusOne, 10);

  // Draw.
  Chart chart;
  const auto x = [](int j) { return 28 * j - 12; };
  chart.TextOut(2, 5, kTitle);
  chart.TextOut(2, 70, average);
  std::string digitLine;
  std::string countLine;
  for (int j = 1; j <= 10; ++j) {
    const int d = digitPlusOne[j - 1] - 1;
    MarkDigit(chart, next, d);
    chart.TextOut(x(j), 25, NumberText(d));
    chart.TextOut(x(j), 40, NumberText(counts[d]));
    chart.BlackOnWhite();
    MarkDigit(chart, next, j - 1);
    chart.TextOut(x(j), 145, NumberText(j - 1));
    chart.BlackOnWhite();
    digitLine += NumberText(d);
    countLine += NumberText(counts[d]);
  }
  FinishView(chart, in.grid);

  // Copy lines.
  chart.AddCopyLine(kTitle);
  chart.AddCopyLine("");
  chart.AddCopyLine(digitLine);
  chart.AddCopyLine(countLine);
  chart.AddCopyLine("");
  chart.AddCopyLine(average);
  return chart;
}

}  // namespace drawlyze
