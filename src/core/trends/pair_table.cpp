// The 10 x 10 pair table over the window, each cell against chance, and the
// sums' counts beside their expectation.
#include <cmath>

#include "core/trends/chance.h"
#include "core/trends/trend_text.h"
#include "core/trends/trends.h"

namespace drawlyze::trends {
namespace {

// The two positions a kind reads (Any reads all three).
std::pair<int, int> Positions(PairKind kind) {
  switch (kind) {
    case PairKind::Front:
      return {0, 1};
    case PairKind::Back:
      return {1, 2};
    case PairKind::Split:
      return {0, 2};
    case PairKind::Any:
      break;
  }
  return {0, 0};
}

// The chance that a fair draw holds the pair x, y, counted over the 1,000 draws.
const std::array<std::array<double, 10>, 10>& AnyPairChances() {
  static const auto chances = [] {
    std::array<std::array<double, 10>, 10> p{};
    for (int n = 0; n < 1000; ++n) {
      const DrawNumbers d{static_cast<std::uint8_t>(n / 100), static_cast<std::uint8_t>(n / 10 % 10),
                          static_cast<std::uint8_t>(n % 10)};
      for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
          if (ContainsPair(d, x, y)) p[x][y] += 1;
    }
    for (auto& row : p)
      for (double& v : row) v /= 1000.0;
    return p;
  }();
  return chances;
}

const char* KindTitle(PairKind kind) {
  switch (kind) {
    case PairKind::Front:
      return "Front pairs (A1 A2)";
    case PairKind::Back:
      return "Back pairs (A2 A3)";
    case PairKind::Split:
      return "Split pairs (A1 A3)";
    case PairKind::Any:
      break;
  }
  return "Pairs at any two positions";
}

}  // namespace

PairTable PairCounts(const DrawHistory& history, const TrendSelection& selection, PairKind kind) {
  PairTable t;
  t.kind = kind;
  const DrawWindow w = AnalysisWindow(history, selection.row, selection.lastDraws);
  t.draws = std::max(w.n, 0);
  const auto [first, second] = Positions(kind);
  for (int i = w.start; i < w.start + t.draws; ++i) {
    const DrawNumbers d = history.GetDraw(i);
    if (d[0] > 9 || d[1] > 9 || d[2] > 9) continue;
    if (kind != PairKind::Any) {
      ++t.cells[d[static_cast<std::size_t>(first)]][d[static_cast<std::size_t>(second)]].count;
      continue;
    }
    // Both digits present, or one digit at least twice: ContainsPair's test.
    std::array<int, 10> times{};
    for (const std::uint8_t digit : d) ++times[digit];
    for (int x = 0; x < 10; ++x) {
      if (times[x] == 0) continue;
      for (int y = 0; y < 10; ++y)
        if (x == y ? times[x] >= 2 : times[y] > 0) ++t.cells[x][y].count;
    }
  }

  // Each cell is binomial (n, p): its tails beyond the scale's ends, summed,
  // are the cells a fair game puts there.
  const int n = t.draws;
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) {
      PairCell& c = t.cells[x][y];
      c.chance = kind == PairKind::Any ? AnyPairChances()[x][y] : 0.01;
      c.expected = n * c.chance;
      const double sd = std::sqrt(n * c.chance * (1 - c.chance));
      c.z = sd > 0 ? (c.count - c.expected) / sd : 0;
      if (sd <= 0) continue;
      // The counts the scale holds: lowest..highest.
      const int lowest = static_cast<int>(std::ceil(c.expected - t.scaleEnd * sd - 1e-9));
      const int highest = static_cast<int>(std::floor(c.expected + t.scaleEnd * sd + 1e-9));
      c.beyond = c.count < lowest || c.count > highest;
      if (c.beyond) ++t.observedBeyond;
      t.expectedBeyond += BinomialCdf(n, c.chance, lowest - 1) + BinomialUpperTail(n, c.chance, highest);
    }

  const std::string end = Short(t.scaleEnd);
  t.title = std::string(KindTitle(kind)) + " in " + std::to_string(n) + " draws";
  t.legend =
      "Each cell: how many draws hold the pair (first digit down, second across), coloured by its "
      "deviation from chance in standard units, (count - n p) / sqrt(n p (1 - p)), red above and blue "
      "below, full colour at " +
      end + ". Beyond +-" + end + ": " + std::to_string(t.observedBeyond) +
      (t.observedBeyond == 1 ? " cell" : " cells") + "; a fair game puts " + Fixed2(t.expectedBeyond) +
      " there on average (exact binomial tails of the 100 cells).";
  return t;
}

SumCounts SumHistogram(const DrawHistory& history, const TrendSelection& selection) {
  SumCounts c;
  const DrawWindow w = AnalysisWindow(history, selection.row, selection.lastDraws);
  c.draws = std::max(w.n, 0);
  for (int i = w.start; i < w.start + c.draws; ++i) {
    const DrawNumbers d = history.GetDraw(i);
    const int sum = d[0] + d[1] + d[2];
    if (sum <= 27) ++c.counts[static_cast<std::size_t>(sum)];
  }
  const Distribution& ways = DrawSumDistribution();
  for (std::size_t s = 0; s < 28; ++s) {
    c.expected[s] = c.draws * ways[s];
    c.low[s] = BinomialQuantile(c.draws, ways[s], 0.025);
    c.high[s] = BinomialQuantile(c.draws, ways[s], 0.975);
  }
  return c;
}

}  // namespace drawlyze::trends
