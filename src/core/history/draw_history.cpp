#include "core/history/draw_history.h"

#include <algorithm>
#include <climits>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/history/escaped_text.h"
#include "core/history/text_helpers.h"

namespace drawlyze {

std::string DrawFileName() { return std::to_string(DRAW_SIZE) + "x" + std::to_string(DIGIT_COUNT) + ".txt"; }

DrawHistory::DrawHistory() : bytes_(static_cast<std::size_t>(MAX_DRAWS) * DRAW_SIZE, 0) {}

void DrawHistory::PutDraw(int index, DrawNumbers draw) {
  const std::size_t at = static_cast<std::size_t>(index) * DRAW_SIZE;
  bytes_[at] = draw[0];
  bytes_[at + 1] = draw[1];
  bytes_[at + 2] = draw[2];
}

void DrawHistory::Assign(const std::vector<Draw>& newestFirst) {
  const int n = static_cast<int>(std::min<std::size_t>(newestFirst.size(), MAX_DRAWS));
  // The store reads as on a fresh start beyond the new draws: no draw of an
  // earlier, longer file stays readable.
  if (n < count_)
    std::fill(bytes_.begin() + static_cast<std::ptrdiff_t>(n) * DRAW_SIZE,
              bytes_.begin() + static_cast<std::ptrdiff_t>(count_) * DRAW_SIZE, std::uint8_t{0});
  numbers_.assign(static_cast<std::size_t>(n), {});
  dates_.assign(static_cast<std::size_t>(n), {});
  times_.assign(static_cast<std::size_t>(n), {});
  for (int i = 0; i < n; ++i) {
    const Draw& d = newestFirst[static_cast<std::size_t>(i)];
    PutDraw(i, d.a);
    numbers_[static_cast<std::size_t>(i)] = d.number;
    dates_[static_cast<std::size_t>(i)] = d.date;
    times_[static_cast<std::size_t>(i)] = d.time;
  }
  count_ = n;
}

DrawHistory DrawHistory::FromOldestFirst(const std::vector<DrawNumbers>& oldestFirst) {
  std::vector<Draw> draws;
  const int n = static_cast<int>(oldestFirst.size());
  for (int i = n - 1; i >= 0; --i) {
    Draw d;
    d.number = std::to_string(i + 1);
    d.date = "01.01.2020";
    d.a = oldestFirst[static_cast<std::size_t>(i)];
    draws.push_back(std::move(d));
  }
  DrawHistory history;
  history.Assign(draws);
  return history;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Control characters become blanks and every run of blanks becomes one.
std::string CollapseLowCodes(std::string_view in) {
  std::string out;
  out.reserve(in.size());
  for (char c : in) {
    const char ch = IsWhiteSpace(c) ? ' ' : c;
    if (ch == ' ' && !out.empty() && out.back() == ' ') continue;
    out += ch;
  }
  return out;
}

template <class Pred>
bool AllOf(std::string_view s, Pred pred) {
  return std::all_of(s.begin(), s.end(), [&](char c) { return pred(c); });
}

// Signed 32-bit conversion of a run of digits; false when it does not fit.
bool ToInt32(std::string_view digits, long long& value) {
  value = 0;
  for (char c : digits) {
    value = value * 10 + (c - '0');
    if (value > INT_MAX) return false;
  }
  return !digits.empty();
}

}  // namespace

ParsedLine ParseDrawLine(std::string_view line) {
  ParsedLine result;
  std::string s = " " + std::string(Trim(line));
  s = CollapseLowCodes(s);

  // Counting pass: blank k stands before token k. The field runs from the last
  // character of token 5 to two characters before the end of token 8.
  int blanks = 0;
  std::size_t start = 0;
  bool haveField = false;
  std::string_view field;
  for (std::size_t pos = 0; pos < s.size(); ++pos) {
    if (s[pos] == ' ') ++blanks;
    if (blanks == 5) start = pos;
    if (blanks == 8) {
      const std::size_t length = pos >= start + 1 ? pos - start - 1 : 0;
      field = std::string_view(s).substr(start, length);
      haveField = true;
    }
  }

  std::string_view rest = Trim(s);
  std::size_t blank = rest.find(' ');
  result.number = blank == std::string_view::npos ? std::string() : std::string(rest.substr(0, blank));
  rest = blank == std::string_view::npos ? std::string_view() : Trim(rest.substr(blank + 1));
  blank = rest.find(' ');
  result.date = blank == std::string_view::npos ? std::string() : std::string(rest.substr(0, blank));
  // Token 4 follows the date and token 3.
  for (int token = 2; token < 4 && blank != std::string_view::npos; ++token) {
    rest = rest.substr(blank + 1);
    blank = rest.find(' ');
  }
  if (blank != std::string_view::npos) result.time = std::string(rest.substr(0, blank));
  result.field = std::string(field);

  result.valid = !result.number.empty() && AllOf(result.number, IsDigit) && !result.date.empty() &&
                 AllOf(result.date, [](char c) { return IsDigit(c) || c == '.'; }) && haveField && !field.empty() &&
                 AllOf(field, [](char c) { return IsDigit(c) || c == ' '; });
  return result;
}

int ParseNumberList(std::string_view text, std::uint8_t* out, int maxOut, std::string* badToken) {
  const std::string cleaned = DigitsAndSingleBlanks(text);
  std::string_view rest = Trim(cleaned);
  int written = 0;
  while (!rest.empty() && written < maxOut) {
    const std::size_t blank = rest.find(' ');
    const std::string_view token = rest.substr(0, blank);
    long long value = 0;
    if (!ToInt32(token, value)) {
      if (badToken) *badToken = std::string(token);
      return -1;
    }
    out[written++] = static_cast<std::uint8_t>(value & 0xFF);
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  }
  return written;
}

std::string JoinNumbers(const std::uint8_t* bytes, int n, std::string_view separator, bool zeroPad) {
  std::string out;
  for (int i = 0; i < n; ++i) {
    const int v = bytes[i];
    out += zeroPad ? (v < 10 ? "0" + std::to_string(v) : std::to_string(v)) : std::to_string(v);
    if (i + 1 < n) out += separator;
  }
  return out;
}

bool ContainsNumber(int value, const std::uint8_t* bytes, int n) {
  for (int i = 0; i < n; ++i)
    if (static_cast<int>(bytes[i]) == value) return true;
  return false;
}

void SortNumbersAscending(std::uint8_t* bytes, int n) { std::sort(bytes, bytes + n); }

bool ContainsPair(const DrawNumbers& draw, int x, int y) {
  int p = -1;
  for (int i = 0; i < DRAW_SIZE && p < 0; ++i)
    if (draw[static_cast<std::size_t>(i)] == x) p = i;
  if (p < 0) return false;
  for (int i = 0; i < DRAW_SIZE; ++i)
    if (i != p && draw[static_cast<std::size_t>(i)] == y) return true;
  return false;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(begin, i - begin));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  if (begin < text.size()) lines.push_back(text.substr(begin));
  return lines;
}

namespace {

// The three numbers of a valid line; false when A2 or A3 is not a digit value,
// so that no view ever counts past digit 9.
bool ReadNumbers(const std::string& field, DrawNumbers& numbers) {
  const std::string cleaned = DigitsAndSingleBlanks(field);
  std::string_view rest = Trim(cleaned);
  for (int k = 0; k < DRAW_SIZE; ++k) {
    if (rest.empty()) return false;
    const std::size_t blank = rest.find(' ');
    std::string_view token = rest.substr(0, blank);
    while (token.size() > 1 && token.front() == '0') token.remove_prefix(1);
    if (token.size() != 1) return false;
    numbers[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(token[0] - '0');
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  }
  return true;
}

}  // namespace

std::string_view LineProblemText(LineProblem problem) {
  switch (problem) {
    case LineProblem::Empty:
      return "the line is empty";
    case LineProblem::BadNumber:
      return "the draw's number (the first word) is not digits only";
    case LineProblem::BadDate:
      return "the date (the second word) is not digits and points only";
    case LineProblem::TooShort:
      return "fewer than eight words: the numbers are missing";
    case LineProblem::BadNumbers:
      return "the numbers (words five to eight) hold other characters than digits";
    case LineProblem::NotDigitValues:
      return "A1, A2 and A3 are not three digits from 0 to 9";
  }
  return "the line is incorrect";
}

std::optional<LineProblem> CheckDrawLine(std::string_view line, Draw& draw) {
  ParsedLine parsed = ParseDrawLine(line);
  if (!parsed.valid) {
    const auto dateChar = [](char c) { return IsDigit(c) || c == '.'; };
    // The first rule of the grammar the line breaks.
    if (Trim(line).empty()) return LineProblem::Empty;
    if (!AllOf(parsed.number, IsDigit)) return LineProblem::BadNumber;
    if (!AllOf(parsed.date, dateChar)) return LineProblem::BadDate;
    if (parsed.number.empty() || parsed.date.empty() || parsed.field.empty()) return LineProblem::TooShort;
    return LineProblem::BadNumbers;
  }
  if (!ReadNumbers(parsed.field, draw.a)) return LineProblem::NotDigitValues;
  draw.number = std::move(parsed.number);
  draw.date = std::move(parsed.date);
  draw.time = std::move(parsed.time);
  return std::nullopt;
}

bool ReadDrawLine(std::string_view line, Draw& draw) { return !CheckDrawLine(line, draw); }

LoadResult ParseDrawFile(std::string_view text) {
  LoadResult result;
  // Only what the load keeps is held: the newest draws and the highest
  // incorrect line numbers, each in a ring that drops its oldest entry.
  std::deque<Draw> newest;
  std::deque<IncorrectLine> incorrect;
  long long number = 0;
  std::size_t begin = 0;
  const auto take = [&](std::string_view line) {
    ++number;
    Draw draw;
    if (const std::optional<LineProblem> problem = CheckDrawLine(line, draw); !problem) {
      newest.push_back(std::move(draw));
      if (newest.size() > static_cast<std::size_t>(MAX_DRAWS)) {
        newest.pop_front();
        ++result.olderLinesNotLoaded;
      }
    } else {
      ++result.incorrectLineCount;
      incorrect.push_back({number, Excerpt(line), *problem});
      if (incorrect.size() > static_cast<std::size_t>(kListedIncorrectLines)) incorrect.pop_front();
    }
  };
  // Line ends as SplitLines cuts them.
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    take(text.substr(begin, i - begin));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  if (begin < text.size()) take(text.substr(begin));

  result.incorrectLines.assign(incorrect.rbegin(), incorrect.rend());
  result.draws.reserve(newest.size());
  for (auto it = newest.rbegin(); it != newest.rend(); ++it) result.draws.push_back(std::move(*it));
  return result;
}

std::string LoadResult::IncorrectLinesMessage() const {
  if (incorrectLineCount == 0) return {};
  std::string text = "Error - incorrect lines: ";
  for (const IncorrectLine& line : incorrectLines) text += std::to_string(line.number) + ' ';
  const long long more = incorrectLineCount - static_cast<long long>(incorrectLines.size());
  if (more > 0) text += "\xE2\x80\xA6 and " + std::to_string(more) + " more";  // U+2026, in UTF-8
  return text;
}

std::string LoadResult::OlderLinesMessage() const {
  if (olderLinesNotLoaded == 0) return {};
  return std::to_string(olderLinesNotLoaded) + " older lines were not loaded (at most " + std::to_string(MAX_DRAWS) +
         " draws)";
}

std::vector<std::string> LoadResult::Messages() const {
  std::vector<std::string> messages;
  for (std::string text : {IncorrectLinesMessage(), OlderLinesMessage()})
    if (!text.empty()) messages.push_back(std::move(text));
  return messages;
}

std::string LoadResult::IncorrectLinesDetails() const {
  std::string details;
  for (auto it = incorrectLines.rbegin(); it != incorrectLines.rend(); ++it) {
    if (!details.empty()) details += '\n';
    details += "line " + std::to_string(it->number) + ": " + std::string(LineProblemText(it->reason)) + ": \"" +
               it->text + "\"";
  }
  return details;
}

}  // namespace drawlyze
