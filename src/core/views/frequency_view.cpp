#include <array>

#include "core/history/text_helpers.h"
#include "core/views/views.h"

namespace drawlyze {
namespace {

constexpr const char* kTitle = "Number/Occurence:";

// "Average: 30.00" with a point whatever the locale, so the copy text reads the
// same on every machine.
std::string AverageText(double average) { return "Average: " + FixedTwo(average); }

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

  const std::array<int, 10> ranked = RankDigits(counts.data());

  // Draw.
  Chart chart;
  chart.TextOut(2, 5, kTitle);
  chart.TextOut(2, 70, average);
  const RankedRows rows = DrawRankedDigits(chart, next, 28, ranked.data(), counts.data(), 145);
  FinishView(chart, in.grid);

  // Copy lines.
  chart.AddCopyLine(kTitle);
  chart.AddCopyLine("");
  chart.AddCopyLine(rows.digits);
  chart.AddCopyLine(rows.values);
  chart.AddCopyLine("");
  chart.AddCopyLine(average);
  return chart;
}

}  // namespace drawlyze
