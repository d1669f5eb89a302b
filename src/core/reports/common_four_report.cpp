// "Common Four": for every set of four digits, the draws made of three of them.
#include <algorithm>
#include <numeric>

#include "core/reports/combinations.h"
#include "core/reports/report_window.h"

namespace drawlyze {

ReportLines CommonFourReport(const DrawHistory& history, int row, LastDraws lastDraws) {
  const ReportWindow window = ReportAnalysisWindow(history, row, lastDraws);
  // A draw of three different digits belongs to the seven sets that add a fourth.
  std::array<int, kFourSetCount> hits{};
  for (int i = window.start; i < window.End(); ++i) {
    const DrawNumbers d = history.GetDraw(i);
    if (!IsDigitValue(d[0]) || !IsDigitValue(d[1]) || !IsDigitValue(d[2])) continue;
    if (d[0] == d[1] || d[0] == d[2] || d[1] == d[2]) continue;
    const unsigned mask = (1u << d[0]) | (1u << d[1]) | (1u << d[2]);
    for (int fourth = 0; fourth <= 9; ++fourth)
      if (!(mask & (1u << fourth))) ++hits[static_cast<std::size_t>(FourSetIndex(mask | (1u << fourth)))];
  }

  std::vector<std::string> setLines;
  setLines.reserve(kFourSetCount);
  for (int index = 0; index < kFourSetCount; ++index) {
    const std::array<int, 4> s = FourSetAt(index);
    setLines.push_back(DigitLabel({s[0], s[1], s[2], s[3]}) + "\t" +
                       std::to_string(hits[static_cast<std::size_t>(index)]));
  }

  ReportLines lines;
  AddStandardHeader(lines, window);
  lines.insert(lines.end(), setLines.begin(), setLines.end());
  lines.emplace_back();
  lines.push_back("Count: " + std::to_string(kFourSetCount));
  lines.emplace_back();
  std::vector<int> order(kFourSetCount);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return hits[static_cast<std::size_t>(a)] > hits[static_cast<std::size_t>(b)]; });
  for (int index : order) lines.push_back(setLines[static_cast<std::size_t>(index)]);
  return lines;
}

}  // namespace drawlyze
