#include "core/sieve/sieve_patterns.h"

#include "core/history/draw_history.h"
#include "core/history/text_helpers.h"

namespace drawlyze {

std::vector<std::string> MoreStartLines() { return {"1 3 5", "0 2 4"}; }
std::vector<std::string> LessStartLines() { return {"5 7 9", "4 6 8"}; }

std::string CleanPatternLine(const std::string& line) { return std::string(Trim(DigitsAndSingleBlanks(line))); }

SieveParseResult ParsePatternMemo(std::vector<std::string>& memo, SievePatterns::List& list) {
  std::vector<std::string> kept;
  for (std::size_t i = 0; i < memo.size(); ++i) {
    std::string cleaned = CleanPatternLine(memo[i]);
    if (cleaned.empty()) continue;
    SievePatterns::Line numbers{};
    std::string badToken;
    if (ParseNumberList(cleaned, numbers.data(), 3, &badToken) < 0)
      return {false, "'" + badToken + "' is not a valid integer value"};
    // Memo lines past the third are kept in the memo but have no slot.
    if (i < list.size()) list[i] = numbers;
    kept.push_back(std::move(cleaned));
  }
  memo = std::move(kept);
  return {};
}

SieveParseResult ParsePatternMemos(std::vector<std::string>& more, std::vector<std::string>& less,
                                   SievePatterns& patterns) {
  SieveParseResult result = ParsePatternMemo(more, patterns.more);
  if (!result.ok) return result;
  return ParsePatternMemo(less, patterns.less);
}

SievePatterns StartSievePatterns() {
  SievePatterns patterns;
  std::vector<std::string> more = MoreStartLines();
  std::vector<std::string> less = LessStartLines();
  ParsePatternMemos(more, less, patterns);
  return patterns;
}

}  // namespace drawlyze
