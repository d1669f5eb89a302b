#include <array>
#include <string>

#include "core/views/views.h"

namespace drawlyze {
namespace {

using PairTable = std::array<std::array<int, 10>, 10>;

// The three position pairs of a draw.
constexpr int kPositionPairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};

struct FreePairs {
  PairTable frequency{};  // weights summed over the window
  PairTable lastSkip{};   // window position of the newest draw holding the pair
};

// A draw adds one to a pair for each position pair that forms it: x x x gives
// (x, x) three, x x y gives (x, y) two and (x, x) one.
FreePairs CountFreePairs(const DrawHistory& history, DrawWindow w) {
  FreePairs result;
  std::array<std::array<bool, 10>, 10> seen{};
  for (int j = 0; j < w.n; ++j) {
    const DrawNumbers draw = history.GetDraw(w.start + j);
    for (const auto& pp : kPositionPairs) {
      const int u = draw[static_cast<std::size_t>(pp[0])];
      const int v = draw[static_cast<std::size_t>(pp[1])];
      if (u > 9 || v > 9) continue;
      const auto su = static_cast<std::size_t>(u);
      const auto sv = static_cast<std::size_t>(v);
      ++result.frequency[su][sv];
      if (u != v) ++result.frequency[sv][su];
      if (!seen[su][sv]) {
        seen[su][sv] = seen[sv][su] = true;
        result.lastSkip[su][sv] = result.lastSkip[sv][su] = j;
      }
    }
  }
  return result;
}

// Values at (28b + 28, top + 15a + 35), bold headings above and to the left.
void DrawTable(Chart& chart, const PairTable& table, int top, const NextDraw& next) {
  for (int a = 0; a < 10; ++a)
    for (int b = 0; b < 10; ++b) {
      chart.TextOut(28 * b + 28, top + 15 * a + 35,
                    std::to_string(table[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)]),
                    next.exists && ContainsPair(next.draw, a, b) ? kHitText : kPlainText);
      if (a == 0) chart.TextOut(28 * b + 28, top + 20, std::to_string(b), kBoldText);
      if (b == 0) chart.TextOut(4, top + 15 * a + 35, std::to_string(a), kBoldText);
    }
}

void AddTableLines(Chart& chart, const PairTable& table) {
  for (const auto& row : table) {
    std::string line;
    for (int value : row) line += FormatNumber(value, 999) + " ";
    chart.AddCopyLine(line);
  }
}

}  // namespace

Chart FreePairsView(const ViewInput& in) {
  const NextDraw next = GetNextDraw(in);

  // Compute.
  const FreePairs pairs = CountFreePairs(in.History(), AnalysisWindow(in));

  // Draw.
  Chart chart;
  chart.TextOut(120, 5, "Frequency:");
  DrawTable(chart, pairs.frequency, 0, next);
  chart.TextOut(120, 200, "Last skip:");
  DrawTable(chart, pairs.lastSkip, 200, next);
  FinishView(chart, in.grid);

  // Copy lines.
  chart.AddCopyLine("Frequency:");
  AddTableLines(chart, pairs.frequency);
  chart.AddCopyLine("");
  chart.AddCopyLine("");
  chart.AddCopyLine("Last skip:");
  AddTableLines(chart, pairs.lastSkip);
  return chart;
}

}  // namespace drawlyze
