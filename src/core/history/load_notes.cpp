#include "core/history/load_notes.h"

namespace drawlyze {

std::string GroupedCount(long long count) {
  std::string digits = std::to_string(count < 0 ? -count : count);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), 1, ',');
  return count < 0 ? "-" + digits : digits;
}

std::string StoreLimitText(const LoadResult& load) {
  if (load.olderLinesNotLoaded <= 0 || load.draws.empty()) return {};
  return GroupedCount(static_cast<long long>(load.draws.size())) + " newest of " + GroupedCount(load.ValidLineCount()) +
         " draws, from " + load.draws.back().date;
}

std::string NoDrawsText(const std::string& fileName, const LoadResult& load) {
  if (!load.draws.empty()) return {};
  std::string text = "The draw file " + fileName + " holds no draws";
  if (load.incorrectLineCount > 0)
    text += load.incorrectLineCount == 1
                ? ": its one line is incorrect"
                : ": its " + GroupedCount(load.incorrectLineCount) + " lines are all incorrect";
  // U+2192 and U+2026, in UTF-8.
  return text + ". Use File \xE2\x86\x92 Import results\xE2\x80\xA6 or Update\xE2\x80\xA6 to get a history.";
}

}  // namespace drawlyze
