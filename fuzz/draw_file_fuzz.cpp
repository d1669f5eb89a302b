// libFuzzer target for the draw-file loader: the input is a draw file's text.
// Every line must end up either as a draw or counted as incorrect (the highest
// ones listed), every
// kept draw must hold digit values only (the views index arrays by them), and
// the history must hold exactly the kept draws.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "core/history/draw_history.h"
#include "core/history/escaped_text.h"

using namespace drawlyze;

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

bool IsDigits(std::string_view s, bool pointToo) {
  if (s.empty()) return false;
  for (char c : s)
    if (!(c >= '0' && c <= '9') && !(pointToo && c == '.')) return false;
  return true;
}

void CheckLine(std::string_view line) {
  const ParsedLine parsed = ParseDrawLine(line);
  if (!parsed.valid) return;
  if (!IsDigits(parsed.number, false) || !IsDigits(parsed.date, true)) Fail("valid line with a bad number or date");
  for (char c : parsed.field)
    if (!(c >= '0' && c <= '9') && c != ' ') Fail("valid line with a bad numbers field");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // The whole input as one line too: control characters inside a line.
  CheckLine(text);

  const LoadResult result = ParseDrawFile(text);
  const std::vector<std::string_view> lines = SplitLines(text);
  if (result.draws.size() > static_cast<std::size_t>(MAX_DRAWS)) Fail("more draws than the store holds");
  if (static_cast<long long>(result.draws.size()) + result.olderLinesNotLoaded + result.incorrectLineCount !=
      static_cast<long long>(lines.size()))
    Fail("lines lost or counted twice");
  if (result.incorrectLines.size() !=
      static_cast<std::size_t>(std::min<long long>(result.incorrectLineCount, kListedIncorrectLines)))
    Fail("listed incorrect lines");
  // Walk the lines from the last: the draws and the listed incorrect lines
  // come in that order, each decided by the line alone.
  std::size_t nextDraw = 0;
  std::size_t nextIncorrect = 0;
  for (std::size_t i = lines.size(); i-- > 0;) {
    Draw draw;
    const std::optional<LineProblem> problem = CheckDrawLine(lines[i], draw);
    CheckLine(lines[i]);
    if (problem) {
      if (nextIncorrect < result.incorrectLines.size()) {
        const IncorrectLine& listed = result.incorrectLines[nextIncorrect++];
        if (listed.number != static_cast<long long>(i + 1)) Fail("incorrect lines not the highest, highest first");
        if (listed.reason != *problem || listed.text != Excerpt(lines[i])) Fail("incorrect line's reason or text");
      }
      continue;
    }
    if (nextDraw == result.draws.size()) continue;
    const Draw& kept = result.draws[nextDraw++];
    if (kept.number != draw.number || kept.date != draw.date || kept.a != draw.a) Fail("draw differs from its line");
    for (std::uint8_t digit : kept.a)
      if (digit >= DIGIT_COUNT) Fail("draw number outside 0..9");
  }
  (void)result.Messages();
  (void)result.IncorrectLinesDetails();

  DrawHistory history;
  history.Assign(result.draws);
  if (history.Count() != static_cast<int>(result.draws.size())) Fail("history count");
  for (int i = 0; i < history.Count(); ++i)
    if (history.GetDraw(i) != result.draws[static_cast<std::size_t>(i)].a) Fail("history draw");
  return 0;
}
