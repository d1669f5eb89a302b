#include <algorithm>
#include <array>
#include <vector>

#include "core/views/views.h"

namespace drawlyze {
namespace {

constexpr int kMaxLevels = 100;

// The distinct counts from the highest down, ending with the first 0: one
// chart line each.
std::vector<int> Levels(const int* counts) {
  std::vector<int> levels;
  int level = 0;
  for (int d = 0; d < 10; ++d) level = std::max(level, counts[d]);
  levels.push_back(level);
  while (level != 0 && static_cast<int>(levels.size()) < kMaxLevels) {
    int below = 0;
    for (int d = 0; d < 10; ++d)
      if (counts[d] < level) below = std::max(below, counts[d]);
    level = below;
    levels.push_back(level);
  }
  return levels;
}

}  // namespace

Chart StatisticsView(const ViewInput& in) {
  const DrawHistory& history = in.History();
  const DrawWindow w = AnalysisWindow(in);
  const NextDraw next = GetNextDraw(in);

  // Compute: how often each digit came out, then the distinct counts.
  const std::array<int, 10> counts = DigitCounts(history, w);
  const std::vector<int> levels = Levels(counts.data());

  // Draw; each level line is copied as drawn.
  Chart chart;
  std::vector<std::string> copyLines;
  for (std::size_t i = 0; i < levels.size(); ++i) {
    const int y = 15 * static_cast<int>(i) + 40;
    const std::string label = FormatNumber(levels[i]) + ":";
    chart.TextOut(2, y, label);
    std::string line = label + " ";
    int k = 0;
    for (int d = 0; d < 10; ++d) {
      if (counts[d] != levels[i]) continue;
      ++k;
      chart.TextOut(14 * k + 16, y, FormatNumber(d), HitStyle(next, d));
      line += FormatNumber(d) + " ";
    }
    copyLines.push_back(std::move(line));
  }
  for (int j = 1; j <= 10; ++j) DigitText(chart, next, 21 * j - 12, 10, j - 1);
  FinishView(chart, in.grid);

  // Copy lines.
  for (std::string& line : copyLines) chart.AddCopyLine(std::move(line));
  return chart;
}

}  // namespace drawlyze
