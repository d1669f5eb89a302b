#pragma once
// Hand-made histories and ways to look at parts of a report.

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/history/draw_history.h"
#include "core/reports/reports.h"

namespace drawlyze::testing {

// "314 592 358" lists draws OLDEST first, three digits each.
inline DrawHistory History(const std::string& oldestFirst) {
  std::vector<DrawNumbers> draws;
  std::istringstream in(oldestFirst);
  std::string word;
  while (in >> word) {
    DrawNumbers d{};
    for (std::size_t i = 0; i < 3 && i < word.size(); ++i) d[i] = static_cast<std::uint8_t>(word[i] - '0');
    draws.push_back(d);
  }
  return DrawHistory::FromOldestFirst(draws);
}

// n copies of the draw, for padding a history.
inline std::string Repeat(const std::string& draw, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += draw + " ";
  return s;
}

// The count lines that follow the first line equal to title.
inline ReportLines After(const ReportLines& lines, const std::string& title, int count) {
  const auto at = std::find(lines.begin(), lines.end(), title);
  if (at == lines.end() || lines.end() - at <= count) return {"<" + title + " not found>"};
  return ReportLines(at + 1, at + 1 + count);
}

// The first line that starts with prefix.
inline std::string LineStartingWith(const ReportLines& lines, const std::string& prefix) {
  for (const std::string& line : lines)
    if (line.rfind(prefix, 0) == 0) return line;
  return "<no line starts with " + prefix + ">";
}

inline ReportLines Tail(const ReportLines& lines, std::size_t count) {
  return ReportLines(lines.end() - static_cast<std::ptrdiff_t>(std::min(count, lines.size())), lines.end());
}

}  // namespace drawlyze::testing
