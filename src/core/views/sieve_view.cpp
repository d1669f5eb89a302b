#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/sieve/sieve_patterns.h"
#include "core/views/sieve_candidates.h"
#include "core/views/views.h"

namespace drawlyze {

Chart SieveView(const ViewInput& in) {
  const DrawHistory& history = in.History();
  const NextDraw next = GetNextDraw(in);
  const SievePatterns patterns = in.sieve ? *in.sieve : StartSievePatterns();
  // With no draws loaded the selected draw reads 0 0 0.
  const int selectedIndex = in.row - 1;
  const DrawNumbers selected =
      selectedIndex >= 0 && selectedIndex < history.Count() ? history.GetDraw(selectedIndex) : DrawNumbers{};

  // Compute.
  const SieveCandidateTable candidates = SieveCandidates(patterns, selected);
  const std::vector<std::uint8_t> distinct = DistinctSieveCandidates(candidates);
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
