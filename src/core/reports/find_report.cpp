// "Find ": the draws of the whole history that hold the typed numbers in any order.
#include <cstdint>

#include "core/chart/view_helpers.h"
#include "core/history/text_helpers.h"
#include "core/reports/draw_matching.h"
#include "core/reports/reports.h"

namespace drawlyze {
namespace {

// Anything but digits and blanks becomes a blank, runs of blanks become one,
// and three characters are read as three digits ("307" -> "3 0 7").
std::string NormaliseFindText(std::string_view text) {
  std::string out = DigitsAndSingleBlanks(text);
  if (out.size() == 3) out = std::string{out[0], ' ', out[1], ' ', out[2]};
  return out;
}

}  // namespace

std::string FindDefaultText(const DrawHistory& history, int row) {
  const int index = row - 1;
  if (index < 0 || index >= history.Count()) return "0 0 0";
  const DrawNumbers draw = history.GetDraw(index);
  return JoinNumbers(draw.data(), DRAW_SIZE, " ", false);
}

std::string FindTextError(std::string_view text) {
  std::uint8_t query[DRAW_SIZE];
  std::string badToken;
  if (ParseNumberList(NormaliseFindText(text), query, DRAW_SIZE, &badToken) >= 0) return {};
  return "'" + badToken + "' is not a valid integer value";
}

ReportLines FindReport(const DrawHistory& history, std::string_view text) {
  const std::string normalised = NormaliseFindText(text);
  std::uint8_t query[DRAW_SIZE] = {};
  // Fewer than three numbers (or one too large) match nothing.
  const bool complete = ParseNumberList(normalised, query, DRAW_SIZE) == DRAW_SIZE;

  ReportLines lines;
  lines.push_back("Find: " + normalised);
  lines.emplace_back();
  lines.emplace_back("Draw\tCombination\tExact Combination");
  int found = 0;
  const int count = history.Count();
  for (int i = 0; complete && i < count; ++i) {
    const DrawNumbers draw = history.GetDraw(i);
    if (CountCommonNumbers(query, DRAW_SIZE, draw.data(), DRAW_SIZE) != DRAW_SIZE) continue;
    ++found;
    const bool exact = draw[0] == query[0] && draw[1] == query[1] && draw[2] == query[2];
    lines.push_back(FormatNumber(count - i, count) + ":\t" + JoinNumbers(draw.data(), DRAW_SIZE, " ", false) +
                    (exact ? "\t\t#" : ""));
  }
  lines.emplace_back();
  lines.push_back("Count: " + std::to_string(found));
  return lines;
}

}  // namespace drawlyze
