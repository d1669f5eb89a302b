#include "core/chart/view_helpers.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <utility>
#include <vector>

namespace drawlyze {

DrawWindow AnalysisWindow(const DrawHistory& history, int row, LastDraws lastDraws) {
  const int count = history.Count();
  DrawWindow w;
  w.start = row - 1;
  w.n = lastDraws.value_or(count);
  if (count < w.n) w.n = count;
  if (w.start + w.n > count) w.n = count - w.start;
  // A row outside the table (none selected) counts nothing.
  if (w.n < 0 || w.start < 0) w.n = 0;
  return w;
}

std::array<int, 10> DigitCounts(const DrawHistory& history, DrawWindow w) {
  std::array<int, 10> counts{};
  for (int k = w.start; k < w.start + w.n; ++k)
    for (const std::uint8_t number : history.GetDraw(k))
      if (number < 10) ++counts[number];
  return counts;
}

NextDraw GetNextDraw(const DrawHistory& history, int row) {
  NextDraw next;
  if (row >= 2 && row - 2 < history.Count()) {
    next.exists = true;
    next.draw = history.GetDraw(row - 2);
  }
  return next;
}

std::string FormatNumber(int value, int sample) {
  std::string text = std::to_string(value);
  const std::size_t width = std::to_string(sample).size();
  if (value >= 0 && width > text.size()) text.insert(0, width - text.size(), '0');
  return text;
}

std::string NumberText(int value) { return FormatNumber(value, 10) + ' '; }

RankedRows DrawRankedDigits(Chart& chart, const NextDraw& next, int pitch, const int* ranked, const int* values,
                            int bottomY) {
  RankedRows rows;
  for (int j = 1; j <= 10; ++j) {
    const int x = pitch * j - 12;
    const int d = ranked[j - 1];
    DigitText(chart, next, x, 25, d);
    chart.TextOut(x, 40, NumberText(values[d]), HitStyle(next, d));
    DigitText(chart, next, x, bottomY, j - 1);
    rows.digits += NumberText(d);
    rows.values += NumberText(values[d]);
  }
  return rows;
}

std::array<int, 10> RankDigits(const int* values) {
  std::array<int, 10> ranked;
  int sorted[10];
  for (int d = 0; d < 10; ++d) {
    sorted[d] = values[d];
    ranked[static_cast<std::size_t>(d)] = d;
  }
  SortPairsDescending(sorted, ranked.data(), 10);
  return ranked;
}

void SortPairsDescending(int* values, int* companions, int n) {
  std::vector<std::pair<int, int>> pairs;
  pairs.reserve(static_cast<std::size_t>(std::max(n, 0)));
  for (int i = 0; i < n; ++i) pairs.emplace_back(values[i], companions[i]);
  std::stable_sort(pairs.begin(), pairs.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  for (int i = 0; i < n; ++i) std::tie(values[i], companions[i]) = pairs[static_cast<std::size_t>(i)];
}

void ReorderByKeys(int* values, const int* keys) {
  int tmp[10];
  for (int i = 0; i < 10; ++i) tmp[i] = values[keys[i]] & 0xFF;
  for (int i = 0; i < 10; ++i) values[i] = tmp[i];
}

void FinishView(Chart& chart, const GridSettings& grid) {
  if (!grid.on) return;
  chart.pen = kGreen;
  int column = grid.bias;
  for (int i = 0; i < 10; ++i) {
    chart.LineTo(14 * column + 1, 0, 14 * column + 1, kChartHeight);
    column += grid.step;
    if (column > 20) break;
  }
  chart.LineTo(0, 409, 253, 409);
  chart.LineTo(0, 1, 253, 1);
  chart.pen = kBlack;
}

}  // namespace drawlyze
