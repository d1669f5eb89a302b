#pragma once
// The Sieve editor's two pattern lists, More and Less, and the parse that
// turns the lines of its two memos into them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace drawlyze {

// Three pattern lines per list, three numbers a line (one per position),
// indexed by the memo line they came from.
struct SievePatterns {
  using Line = std::array<std::uint8_t, 3>;
  using List = std::array<Line, 3>;
  List more{};
  List less{};
  bool operator==(const SievePatterns&) const = default;
};

// The memos' texts when the editor opens for the first time.
std::vector<std::string> MoreStartLines();  // "1 3 5", "0 2 4"
std::vector<std::string> LessStartLines();  // "5 7 9", "4 6 8"

// How a parse ended; a number too large for a signed 32-bit integer stops it
// with the conversion message the user sees.
struct SieveParseResult {
  bool ok = true;
  std::string error;
};

// Memo line text with everything but blanks and digits blanked, blank runs
// collapsed and the ends trimmed.
std::string CleanPatternLine(const std::string& line);

// Parses one memo into list: line i sets slot i (for i < 3); an empty line
// keeps its slot's numbers; missing numbers are 0; bytes keep the value
// modulo 256. On success the memo keeps only its cleaned, non-empty lines.
// On failure the memo is left as it was and the slots before the bad line
// keep their new numbers.
SieveParseResult ParsePatternMemo(std::vector<std::string>& memo, SievePatterns::List& list);

// More first, then Less; stops at the first failure.
SieveParseResult ParsePatternMemos(std::vector<std::string>& more, std::vector<std::string>& less,
                                   SievePatterns& patterns);

// The patterns the editor holds right after it is created.
SievePatterns StartSievePatterns();

}  // namespace drawlyze
