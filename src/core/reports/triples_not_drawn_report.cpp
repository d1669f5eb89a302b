// "Triples not drawn yet": every ordered triple no draw of the window has.
#include <array>

#include "core/reports/combinations.h"
#include "core/reports/report_window.h"

namespace drawlyze {

ReportLines TriplesNotDrawnYetReport(const DrawHistory& history, int row, LastDraws lastDraws) {
  const ReportWindow window = ReportAnalysisWindow(history, row, lastDraws);
  std::array<bool, 1000> drawn{};
  for (int i = window.start; i < window.End(); ++i) {
    const DrawNumbers d = history.GetDraw(i);
    if (IsDigitValue(d[0]) && IsDigitValue(d[1]) && IsDigitValue(d[2])) drawn[d[0] * 100u + d[1] * 10u + d[2]] = true;
  }

  ReportLines lines;
  AddStandardHeader(lines, window);
  // Ten triples a line, each as three digits and three blanks.
  std::string line;
  int onLine = 0;
  for (int code = 0; code < 1000; ++code) {
    if (drawn[static_cast<std::size_t>(code)]) continue;
    line += static_cast<char>('0' + code / 100);
    line += static_cast<char>('0' + code / 10 % 10);
    line += static_cast<char>('0' + code % 10);
    line += "   ";
    if (++onLine > 9) {
      lines.push_back(std::move(line));
      line.clear();
      onLine = 0;
    }
  }
  lines.push_back(std::move(line));
  return lines;
}

}  // namespace drawlyze
