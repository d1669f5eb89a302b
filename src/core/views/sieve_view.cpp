#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/sieve/sieve_patterns.h"
#include "core/views/views.h"

namespace drawlyze {
namespace {

using Candidates = std::array<std::array<std::uint8_t, 3>, 3>;  // [position][k]

bool IsOdd(int value) { return value % 2 == 1; }

// The starting number of a position, chosen by the parity of its digit and of
// the mirrored digit (the middle position mirrors itself).
std::uint8_t StartingNumber(const SievePatterns& patterns, const DrawNumbers& selected, int p) {
  const bool odd = IsOdd(selected[static_cast<std::size_t>(p)]);
  const bool mirrorOdd = IsOdd(selected[static_cast<std::size_t>(2 - p)]);
  const SievePatterns::List& list = odd ? patterns.more : patterns.less;
  const int line = odd != mirrorOdd ? 0 : 1;
  return list[static_cast<std::size_t>(line)][static_cast<std::size_t>(p)];
}

// v, v+1, v+2 in byte arithmetic, each lowered by 10 once when 10 or more.
Candidates CandidatesFor(const SievePatterns& patterns, const DrawNumbers& selected) {
  Candidates c{};
  for (int p = 0; p < 3; ++p) {
    const std::uint8_t v = StartingNumber(patterns, selected, p);
    for (int k = 0; k < 3; ++k) {
      std::uint8_t candidate = static_cast<std::uint8_t>(v + k);
      if (candidate >= 10) candidate = static_cast<std::uint8_t>(candidate - 10);
      c[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)] = candidate;
    }
  }
  return c;
}

// The nine candidates row by row, later repeats dropped, ascending.
std::vector<std::uint8_t> DistinctCandidates(const Candidates& c) {
  std::vector<std::uint8_t> distinct;
  for (int k = 0; k < 3; ++k)
    for (int p = 0; p < 3; ++p) {
      const std::uint8_t v = c[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)];
      if (!ContainsNumber(v, distinct.data(), static_cast<int>(distinct.size()))) distinct.push_back(v);
    }
  SortNumbersAscending(distinct.data(), static_cast<int>(distinct.size()));
  return distinct;
}

}  // namespace

Chart SieveView(const ViewInput& in) {
  const DrawHistory& history = in.History();
  const NextDraw next = GetNextDraw(in);
  const SievePatterns patterns = in.sieve ? *in.sieve : StartSievePatterns();
  // With no draws loaded the selected draw reads 0 0 0.
  const int selectedIndex = in.row - 1;
  const DrawNumbers selected =
      selectedIndex >= 0 && selectedIndex < history.Count() ? history.GetDraw(selectedIndex) : DrawNumbers{};

  // Compute.
  const Candidates candidates = CandidatesFor(patterns, selected);
  const std::vector<std::uint8_t> distinct = DistinctCandidates(candidates);
  const int m = static_cast<int>(distinct.size());
  const std::string countText = "   (" + FormatNumber(m, 10) + ")";

  // Draw.
  Chart chart;
  chart.TextOut(2, 5, "Seive:");
  for (int k = 0; k < 3; ++k)
    for (int p = 0; p < 3; ++p) {
      const int v = candidates[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)];
      DigitText(chart, next, 14 * p + 2, 15 * k + 20, v);
    }
  for (int n = 0; n < m; ++n) {
    DigitText(chart, next, 14 * n + 2, 155, distinct[static_cast<std::size_t>(n)]);
  }
  chart.TextOut(14 * m + 2, 155, countText);
  FinishView(chart, in.grid);

  // Copy lines.
  chart.AddCopyLine("Seive:");
  for (int k = 0; k < 3; ++k) {
    std::string row;
    for (int p = 0; p < 3; ++p)
      row += NumberText(candidates[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)]) + " ";
    chart.AddCopyLine(row);
  }
  chart.AddCopyLine("");
  std::string distinctLine;
  for (std::uint8_t v : distinct) distinctLine += NumberText(v);
  chart.AddCopyLine(distinctLine + countText);
  return chart;
}

}  // namespace drawlyze
