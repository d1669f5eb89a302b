#include <array>
#include <string>

#include "core/views/views.h"

namespace drawlyze {
namespace {

using Followers = std::array<std::array<int, 10>, 10>;  // [d][x]: x came in the draw after one holding d

// Each window draw counts for every digit its older neighbour holds; a digit
// twice in the counted draw counts twice.
Followers CountFollowers(const DrawHistory& history, DrawWindow w) {
  Followers f{};
  for (int k = w.start; k < w.start + w.n && k + 1 < history.Count(); ++k) {
    const DrawNumbers older = history.GetDraw(k + 1);
    const DrawNumbers draw = history.GetDraw(k);
    for (std::size_t i = 0; i < older.size(); ++i) {
      const std::uint8_t d = older[i];
      // A digit the older draw holds twice still counts its followers once.
      if (d > 9 || (i > 0 && older[0] == d) || (i > 1 && older[1] == d)) continue;
      for (std::uint8_t x : draw)
        if (x < 10) ++f[d][x];
    }
  }
  return f;
}

std::string Heading(int digit) { return " Number " + FormatNumber(digit, 10) + ": "; }

}  // namespace

Chart FrequencyAnalyseView(const ViewInput& in) {
  const DrawHistory& history = in.History();
  const DrawWindow w = AnalysisWindow(in);
  const NextDraw next = GetNextDraw(in);
  const int olderIndex = w.start + 1;
  const bool hasOlder = olderIndex >= 1 && olderIndex < history.Count();
  const DrawNumbers older = hasOlder ? history.GetDraw(olderIndex) : DrawNumbers{};

  // Compute: the followers of each digit, most frequent first (ties ascending).
  const Followers followers = CountFollowers(history, w);
  int digits[10][10];
  int counts[10][10];
  for (int d = 0; d < 10; ++d) {
    for (int x = 0; x < 10; ++x) {
      digits[d][x] = x;
      counts[d][x] = followers[static_cast<std::size_t>(d)][static_cast<std::size_t>(x)];
    }
    SortPairsDescending(counts[d], digits[d], 10);
  }

  // Draw: two columns of five blocks.
  Chart chart;
  for (int d = 0; d < 10; ++d) {
    const int x0 = d < 5 ? 0 : 250;
    const int y0 = 60 * (d % 5);
    // The heading of a digit the draw before the window's newest holds stands on blue.
    const TextStyle heading{kBlack, hasOlder && ContainsNumber(d, older) ? kHeadingBlue : kWhite};
    chart.TextOut(x0 + 7, y0 + 5, Heading(d), heading);
    for (int i = 0; i < 10; ++i) {
      DigitText(chart, next, x0 + 21 * i + 9, y0 + 20, digits[d][i]);
      chart.TextOut(x0 + 21 * i + 9, y0 + 35, NumberText(counts[d][i]), HitStyle(next, digits[d][i]));
    }
  }
  FinishView(chart, in.grid);

  // Copy lines.
  for (int d = 0; d < 10; ++d) {
    std::string digitsLine, countsLine;
    for (int i = 0; i < 10; ++i) {
      digitsLine += NumberText(digits[d][i]);
      countsLine += NumberText(counts[d][i]);
    }
    chart.AddCopyLine(Heading(d));
    chart.AddCopyLine(digitsLine);
    chart.AddCopyLine(countsLine);
    chart.AddCopyLine("");
  }
  return chart;
}

}  // namespace drawlyze
