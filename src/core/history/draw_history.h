#pragma once
// The draws of the game in memory, the draw-file line grammar and small
// operations on the three numbers of a draw.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace drawlyze {

inline constexpr int DRAW_SIZE = 3;      // numbers per draw
inline constexpr int DIGIT_COUNT = 10;   // values a number may take
inline constexpr int MAX_DRAWS = 10000;  // draws the store holds
// The largest draw file the programs write or install.
inline constexpr std::uint64_t kMaxDrawFileBytes = std::uint64_t{64} << 20;

using DrawNumbers = std::array<std::uint8_t, DRAW_SIZE>;

// "3x10.txt", built from the game's shape.
std::string DrawFileName();

// One draw as read from its line.
struct Draw {
  std::string number;  // first token, digits only
  std::string date;    // second token, digits and '.'
  std::string time;    // fourth token, the draw time as written ("Day", "Eve", "-"); never checked
  DrawNumbers a{};     // A1, A2, A3 in file order
  int Sum() const { return a[0] + a[1] + a[2]; }
};

// The fixed store every window reads. Index 0 is the newest draw (the last
// valid line of the file), index Count()-1 the oldest.
class DrawHistory {
 public:
  DrawHistory();

  // No index check: callers keep 0 <= index < Count().
  DrawNumbers GetDraw(int index) const {
    const std::size_t at = static_cast<std::size_t>(index) * DRAW_SIZE;
    return {bytes_[at], bytes_[at + 1], bytes_[at + 2]};
  }
  void PutDraw(int index, DrawNumbers draw);

  int Count() const { return count_; }
  // The number and date texts shown in the table of draws, by index.
  const std::string& NumberText(int index) const { return numbers_[static_cast<std::size_t>(index)]; }
  const std::string& DateText(int index) const { return dates_[static_cast<std::size_t>(index)]; }
  // The fourth token of its line: the draw time, as the file writes it.
  const std::string& TimeText(int index) const { return times_[static_cast<std::size_t>(index)]; }

  // Replaces the whole history by draws given newest first; the store past
  // them reads zero again, as on a fresh start.
  void Assign(const std::vector<Draw>& newestFirst);
  // Convenience for tests and tools: draws given OLDEST first, as a file lists them.
  static DrawHistory FromOldestFirst(const std::vector<DrawNumbers>& oldestFirst);

 private:
  std::vector<std::uint8_t> bytes_;  // MAX_DRAWS * DRAW_SIZE, zero-filled once
  int count_ = 0;
  std::vector<std::string> numbers_;
  std::vector<std::string> dates_;
  std::vector<std::string> times_;
};

// The result of checking one line of a draw file.
struct ParsedLine {
  bool valid = false;
  std::string number;
  std::string date;
  std::string time;   // token 4, which the grammar never examines: the draw time
  std::string field;  // the numbers field: last char of token 5, tokens 6, 7, most of 8
};

ParsedLine ParseDrawLine(std::string_view line);

// Writes the numbers found in text into out (low byte of each), returns how
// many it found. Stops at maxOut. Fails (returns -1, sets *badToken) when a
// number does not fit a signed 32-bit integer.
int ParseNumberList(std::string_view text, std::uint8_t* out, int maxOut, std::string* badToken = nullptr);

std::string JoinNumbers(const std::uint8_t* bytes, int n, std::string_view separator, bool zeroPad);
bool ContainsNumber(int value, const std::uint8_t* bytes, int n);
inline bool ContainsNumber(int value, const DrawNumbers& draw) { return ContainsNumber(value, draw.data(), DRAW_SIZE); }
void SortNumbersAscending(std::uint8_t* bytes, int n);
// True when x stands at some position p of the draw (the first one holding x)
// and y at a position other than p: both digits present, or x at least twice.
bool ContainsPair(const DrawNumbers& draw, int x, int y);

// Splits text as a text list does: CR LF, LF and a lone CR each end a line;
// a final line end adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// How many incorrect line numbers a load keeps and its message lists.
inline constexpr int kListedIncorrectLines = 100;

// Why the loader refused a line, the first rule it breaks.
enum class LineProblem : std::uint8_t {
  Empty,           // nothing but blanks and control characters
  BadNumber,       // the first word, the draw's number, is not digits only
  BadDate,         // the second word, the date, is not digits and points only
  TooShort,        // fewer than eight words: no numbers where they belong
  BadNumbers,      // the numbers' words hold other characters than digits
  NotDigitValues,  // A1, A2 and A3 are not three digits 0..9
};

// The reason in the user's words ("the date (the second word) is not digits and points only").
std::string_view LineProblemText(LineProblem problem);

struct IncorrectLine {
  long long number = 0;  // 1-based
  std::string text;      // its start as a message may show it (Excerpt: escaped, at most 40 characters)
  LineProblem reason = LineProblem::Empty;
};

struct LoadResult {
  std::vector<Draw> draws;                    // newest first (index order)
  std::vector<IncorrectLine> incorrectLines;  // highest first; the highest kListedIncorrectLines only
  long long incorrectLineCount = 0;           // all incorrect lines
  long long olderLinesNotLoaded = 0;          // valid lines beyond MAX_DRAWS, dropped oldest first
  // Valid lines of the file, the dropped older ones included.
  long long ValidLineCount() const { return static_cast<long long>(draws.size()) + olderLinesNotLoaded; }
  // The messages a user sees for this load, in order; empty when all is well:
  // the incorrect lines' message, then the older lines' one, each when there is reason for it.
  std::vector<std::string> Messages() const;
  std::string IncorrectLinesMessage() const;  // "Error - incorrect lines: 12 3 "; empty without any
  std::string OlderLinesMessage() const;      // empty when no line was dropped
  // The listed incorrect lines in file order, one a line: number, reason, text.
  std::string IncorrectLinesDetails() const;
};

// One line of a draw file as a draw, or why it is incorrect (the grammar
// rejects it, or A1..A3 are not digit values); draw is set only when it is not.
std::optional<LineProblem> CheckDrawLine(std::string_view line, Draw& draw);
// The same as a yes or no.
bool ReadDrawLine(std::string_view line, Draw& draw);

// Checks every line of a draw file's text and keeps the valid draws. Memory
// beyond the text stays bounded: the newest MAX_DRAWS draws and the listed
// incorrect line numbers.
LoadResult ParseDrawFile(std::string_view text);

}  // namespace drawlyze
