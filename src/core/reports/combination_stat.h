#pragma once
// One row of a pair or triple table, the two table layouts and their order.

#include <string>
#include <vector>

#include "core/reports/reports.h"

namespace drawlyze {

struct CombinationStat {
  std::string label;
  int frequency = 0;
  int skip = 0;
  int maxSkip = 0;
};

inline constexpr const char* kByFrequencyHeader = "Combination\tFrequency\tskip\t\tMax skip";
inline constexpr const char* kBySkipHeader = "Combination\tskip\t\tFrequency\tMax skip";
// The Exact Triples table by skip has two tabs before "Max skip".
inline constexpr const char* kExactTriplesBySkipHeader = "Combination\tskip\t\tFrequency\t\tMax skip";

// When a row is overdue: absent at least as long as its longest absence.
enum class OverdueRule {
  kSkipReached,           // skip >= max skip and skip > 0
  kSkipReachedAfterAGap,  // the same, and max skip > 0 (Exact Pairs)
};
bool IsOverdue(const CombinationStat& stat, OverdueRule rule);

// Descending and stable: equal keys keep the order the rows came in.
std::vector<CombinationStat> SortedByFrequency(std::vector<CombinationStat> stats);
std::vector<CombinationStat> SortedBySkip(std::vector<CombinationStat> stats);

// The header line, then one row per stat in the given order.
void AddByFrequencyTable(ReportLines& lines, const std::vector<CombinationStat>& rows,
                         OverdueRule rule = OverdueRule::kSkipReached);
void AddBySkipTable(ReportLines& lines, const std::vector<CombinationStat>& rows, const char* header = kBySkipHeader);

// Both tables of a family, frequency first, with the two empty lines between them.
void AddFrequencyAndSkipTables(ReportLines& lines, const std::vector<CombinationStat>& stats,
                               const char* bySkipHeader = kBySkipHeader);

}  // namespace drawlyze
