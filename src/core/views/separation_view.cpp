#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/views/views.h"

namespace drawlyze {
namespace {

// Places hold digit+1; 0 is a place whose digit a newer draw already brought.
using StairRow = std::array<int, DRAW_SIZE>;
constexpr int kErased = 0;

struct Staircase {
  std::vector<StairRow> rows;  // draws s..e, newest first
  bool complete = true;        // every digit was met again before the oldest draw
};

// Walks back from the selected draw until every digit has been met at a
// distance of one draw or more, then keeps in each row only the digits that
// none of the newer rows holds.
Staircase BuildStaircase(const DrawHistory& history, int s) {
  const int count = history.Count();
  Staircase stair;
  int deepest = 0;
  for (int d = 0; d < 10; ++d) {
    int depth = 0;
    for (int index = s + 1; index < count; ++index) {
      if (ContainsNumber(d, history.GetDraw(index))) {
        depth = index - s;
        break;
      }
    }
    if (depth == 0) stair.complete = false;
    deepest = std::max(deepest, depth);
  }
  const int end = std::min(s + deepest, count - 1);

  for (int index = s; index <= end; ++index) {
    const DrawNumbers draw = history.GetDraw(index);
    stair.rows.push_back({draw[0] + 1, draw[1] + 1, draw[2] + 1});
  }
  for (std::size_t k = 0; k < stair.rows.size(); ++k) {
    const DrawNumbers drawn = history.GetDraw(s + static_cast<int>(k));
    for (std::uint8_t digit : drawn)
      for (std::size_t later = k + 1; later < stair.rows.size(); ++later)
        for (int& place : stair.rows[later])
          if (place == digit + 1) place = kErased;
  }
  return stair;
}

// The copy text's cells: 3 columns by 31 rows; blank until written.
constexpr int kCellRows = 31;
constexpr int kCopiedRows = 23;
constexpr int kBlankCell = 255;
using CellColumn = std::array<int, kCellRows>;

}  // namespace

Chart SeparationView(const ViewInput& in) {
  const DrawHistory& history = in.History();
  const int s = in.row - 1;
  const SeparationLayout layout = in.separation;
  const NextDraw next = GetNextDraw(in);

  Chart chart;
  std::array<CellColumn, DRAW_SIZE> cells;
  for (CellColumn& column : cells) column.fill(kBlankCell);

  const bool anyDraw = s >= 0 && s < history.Count();
  const Staircase stair = anyDraw ? BuildStaircase(history, s) : Staircase{};

  int printed = 0;
  for (StairRow row : stair.rows) {
    if (layout == SeparationLayout::Ascending) std::sort(row.begin(), row.end());
    if (layout == SeparationLayout::Descending) std::sort(row.begin(), row.end(), std::greater<int>());
    if (std::all_of(row.begin(), row.end(), [](int place) { return place == kErased; })) continue;

    // Positional: each place keeps its column. Sorted: the kept digits pack
    // from column 0, and an erased place shares the spot of the next digit.
    int column = 0;
    for (int place : row) {
      const int x = 14 * column + 2;
      const int y = 15 * printed + 10;
      if (place == kErased) {
        chart.TextOut(x, y, "    ");
        cells[column][printed] = kErased;
        if (layout == SeparationLayout::Positional) ++column;
        continue;
      }
      const int digit = place - 1;
      DigitText(chart, next, x, y, digit);
      cells[column][printed] = place;
      ++column;
    }
    ++printed;
  }

  // The table transposed: one line per column, three characters per row.
  for (const CellColumn& column : cells) {
    std::string line;
    for (int i = 0; i < kCopiedRows; ++i) {
      const int cell = column[i];
      line += (cell == kBlankCell || cell == kErased) ? "   " : NumberText(cell - 1);
    }
    chart.AddCopyLine(line);
  }

  if (anyDraw && !stair.complete) chart.TextOut(2, 370, "Not Completed");

  FinishView(chart, in.grid);
  return chart;
}

}  // namespace drawlyze
