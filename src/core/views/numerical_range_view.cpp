#include <optional>
#include <string>
#include <vector>

#include "core/views/views.h"

namespace drawlyze {
namespace {

// One candidate line: which shifts of the current and previous draws it lists.
struct CandidateLine {
  const char* label;
  int labelY;
  int shifts[2];  // applied to C, then to P, in this order
  int shiftCount;
};

constexpr CandidateLine kCandidateLines[] = {
    {"Current draw, previous draw +1 +2:", 25, {1, 2}, 2},   {"Current draw, previous draw -1 -2:", 70, {-1, -2}, 2},
    {"Current draw, previous draw -1 +1:", 115, {1, -1}, 2}, {"Current draw, previous draw +2 +3:", 160, {2, 3}, 2},
    {"Current draw, previous draw:", 205, {0, 0}, 1},        {"Current draw, previous draw +4 +5:", 250, {4, 5}, 2},
};

int Shift(int digit, int by) { return ((digit + by) % 10 + 10) % 10; }

// The shifted digits in listing order, each kept at its first occurrence only.
std::vector<int> Candidates(const CandidateLine& line, const DrawNumbers& current, const DrawNumbers& previous) {
  std::vector<int> digits;
  bool seen[10] = {};
  for (const DrawNumbers* draw : {&current, &previous}) {
    for (int s = 0; s < line.shiftCount; ++s) {
      for (std::uint8_t d : *draw) {
        const int shifted = Shift(d, line.shifts[s]);
        if (seen[shifted]) continue;
        seen[shifted] = true;
        digits.push_back(shifted);
      }
    }
  }
  return digits;
}

std::optional<DrawNumbers> DrawAt(const DrawHistory& history, int index) {
  if (index < 0 || index >= history.Count()) return std::nullopt;
  return history.GetDraw(index);
}

// Draws the digits as a row of number texts from x = 2, marking the next
// draw's digits, and returns the row as its copy line.
std::string DigitRow(Chart& chart, const NextDraw& next, int x0, int y, const std::vector<int>& digits) {
  std::string line;
  for (std::size_t n = 0; n < digits.size(); ++n) {
    DigitText(chart, next, x0 + 14 * static_cast<int>(n), y, digits[n]);
    line += NumberText(digits[n]);
  }
  return line;
}

std::vector<int> DigitsOf(const std::optional<DrawNumbers>& draw) {
  if (!draw) return {};
  return {(*draw)[0], (*draw)[1], (*draw)[2]};
}

void AddBlock(Chart& chart, const std::string& label, const std::string& values) {
  chart.AddCopyLine(label);
  chart.AddCopyLine(values);
  chart.AddCopyLine("");
}

}  // namespace

Chart NumericalRangeView(const ViewInput& in) {
  const DrawHistory& history = in.History();
  const NextDraw next = GetNextDraw(in);
  const int selected = in.row - 1;
  const std::optional<DrawNumbers> current = DrawAt(history, selected);
  const std::optional<DrawNumbers> previous = DrawAt(history, selected + 1);

  Chart chart;

  // The six candidate lines exist only when the selected draw has a previous one
  // (a row outside the table has neither).
  for (const CandidateLine& line : kCandidateLines) {
    chart.TextOut(2, line.labelY, line.label);
    std::string values;
    if (current && previous) values = DigitRow(chart, next, 2, line.labelY + 15, Candidates(line, *current, *previous));
    AddBlock(chart, line.label, values);
  }

  for (int d = 0; d < 10; ++d) DigitText(chart, next, 14 * d + 2, 10, d);

  std::vector<int> absent;
  for (int d = 0; d < 10; ++d) {
    const bool inCurrent = current && ContainsNumber(d, *current);
    const bool inPrevious = previous && ContainsNumber(d, *previous);
    if (!inCurrent && !inPrevious) absent.push_back(d);
  }
  const char* absentLabel = "Numbers without current and previous draws:";
  chart.TextOut(2, 295, absentLabel);
  AddBlock(chart, absentLabel, DigitRow(chart, next, 2, 310, absent));

  const char* currentLabel = "Current draw:";
  chart.TextOut(2, 340, currentLabel);
  AddBlock(chart, currentLabel, DigitRow(chart, next, 2, 355, DigitsOf(current)));

  // The six draws before the selected one, side by side; those past the
  // oldest draw keep their label and an empty row.
  for (int k = 0; k < 6; ++k) {
    const std::string label = k == 0 ? "Previous:" : "Previous -" + std::to_string(k);
    const int x = 82 + 70 * k;
    chart.TextOut(x, 340, label);
    AddBlock(chart, label, DigitRow(chart, next, x, 355, DigitsOf(DrawAt(history, selected + 1 + k))));
  }

  FinishView(chart, in.grid);
  return chart;
}

}  // namespace drawlyze
