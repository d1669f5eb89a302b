#include "core/reports/combination_stat.h"

#include <algorithm>

namespace drawlyze {

bool IsOverdue(const CombinationStat& stat, OverdueRule rule) {
  const bool reached = stat.skip >= stat.maxSkip && stat.skip > 0;
  return rule == OverdueRule::kSkipReached ? reached : reached && stat.maxSkip > 0;
}

std::vector<CombinationStat> SortedByFrequency(std::vector<CombinationStat> stats) {
  std::stable_sort(stats.begin(), stats.end(),
                   [](const CombinationStat& a, const CombinationStat& b) { return a.frequency > b.frequency; });
  return stats;
}

std::vector<CombinationStat> SortedBySkip(std::vector<CombinationStat> stats) {
  std::stable_sort(stats.begin(), stats.end(),
                   [](const CombinationStat& a, const CombinationStat& b) { return a.skip > b.skip; });
  return stats;
}

namespace {

std::string Row(const std::string& label, int first, int second, int maxSkip, bool overdue) {
  std::string row = label;
  row += "\t\t";
  row += std::to_string(first);
  row += "\t\t";
  row += std::to_string(second);
  row += "\t\t";
  row += std::to_string(maxSkip);
  if (overdue) row += "\t#";
  return row;
}

}  // namespace

void AddByFrequencyTable(ReportLines& lines, const std::vector<CombinationStat>& rows, OverdueRule rule) {
  lines.emplace_back(kByFrequencyHeader);
  for (const CombinationStat& s : rows)
    lines.push_back(Row(s.label, s.frequency, s.skip, s.maxSkip, IsOverdue(s, rule)));
}

void AddBySkipTable(ReportLines& lines, const std::vector<CombinationStat>& rows, const char* header) {
  lines.emplace_back(header);
  for (const CombinationStat& s : rows)
    lines.push_back(Row(s.label, s.skip, s.frequency, s.maxSkip, IsOverdue(s, OverdueRule::kSkipReached)));
}

void AddFrequencyAndSkipTables(ReportLines& lines, const std::vector<CombinationStat>& stats,
                               const char* bySkipHeader) {
  AddByFrequencyTable(lines, SortedByFrequency(stats));
  lines.emplace_back();
  lines.emplace_back();
  AddBySkipTable(lines, SortedBySkip(stats), bySkipHeader);
}

}  // namespace drawlyze
