#include <algorithm>
#include <array>
#include <cmath>

#include "core/backtest/decimal_text.h"
#include "core/backtest/probability.h"
#include "core/backtest/randomness.h"

namespace drawlyze {
namespace {

// Below this expected count a cell makes the chi-square approximation unsafe.
constexpr double kMinExpected = 5;
// The runs test's normal approximation wants this many sums on each side.
constexpr int kMinPerSide = 10;
// Below this many draws the repeats test cannot say "not random" both ways:
// 19 pairs of draws expect 5.1 repeats, and no repeat at all has p = 0.729^19 < 0.01.
constexpr int kMinRepeatDraws = 20;
// A fair draw repeats at least one digit of the draw before at its position
// with probability 1 - 0.9^3.
constexpr double kRepeatChance = 0.271;

struct Cell {
  int from = 0, to = 0;  // the values the cell pools
  double expected = 0;
  double observed = 0;
};

// Pearson's statistic over the cells, and its chi-square tail with one
// degree of freedom fewer than the cells.
RandomnessLine ChiSquareLine(std::string test, const std::vector<Cell>& cells) {
  double sum = 0;
  for (const Cell& c : cells) sum += (c.observed - c.expected) * (c.observed - c.expected) / c.expected;
  RandomnessLine line;
  line.test = std::move(test);
  line.enough = true;
  line.statistic = sum;
  line.df = static_cast<int>(cells.size()) - 1;
  line.pValue = ChiSquareUpperP(line.statistic, line.df);
  return line;
}

std::string PositionName(int p) { return "A" + std::to_string(p + 1); }

RandomnessLine TooFew(std::string test, const std::string& needs) {
  RandomnessLine line;
  line.test = std::move(test);
  line.detail = "needs " + needs;
  return line;
}

RandomnessLine DigitCountsLine(std::string test, const std::array<int, 10>& counts, int total, int minDraws) {
  const double expected = total / 10.0;
  if (expected < kMinExpected) return TooFew(std::move(test), "at least " + std::to_string(minDraws) + " draws");
  std::vector<Cell> cells;
  for (int d = 0; d < 10; ++d)
    cells.push_back({d, d, expected, static_cast<double>(counts[static_cast<std::size_t>(d)])});
  const auto [fewest, most] = std::minmax_element(counts.begin(), counts.end());
  RandomnessLine line = ChiSquareLine(std::move(test), cells);
  line.detail = "fewest " + std::to_string(*fewest) + " (digit " + std::to_string(fewest - counts.begin()) +
                "), most " + std::to_string(*most) + " (digit " + std::to_string(most - counts.begin()) +
                "), expected " + Fixed(expected, 1);
  return line;
}

// How many of the 1000 triples have each sum 0..27.
std::array<int, 28> TriplesBySum() {
  std::array<int, 28> ways{};
  for (int a = 0; a < 10; ++a)
    for (int b = 0; b < 10; ++b)
      for (int c = 0; c < 10; ++c) ++ways[static_cast<std::size_t>(a + b + c)];
  return ways;
}

std::string Span(const Cell& c) {
  return c.from == c.to ? std::to_string(c.from) : std::to_string(c.from) + ".." + std::to_string(c.to);
}

RandomnessLine SumLine(const std::array<int, 28>& drawsWithSum, int n) {
  std::string test = "Sum of the three digits (chi-square, tails pooled)";
  const std::array<int, 28> ways = TriplesBySum();
  std::vector<Cell> cells;
  for (int s = 0; s < 28; ++s)
    cells.push_back({s, s, n * ways[static_cast<std::size_t>(s)] / 1000.0,
                     static_cast<double>(drawsWithSum[static_cast<std::size_t>(s)])});
  // Pool each tail, from the end inwards, into one cell: every sum there
  // whose cell expects fewer than five draws.
  while (cells.size() > 1 && (cells[0].expected < kMinExpected || cells[1].expected < kMinExpected)) {
    cells[1] = {cells[0].from, cells[1].to, cells[0].expected + cells[1].expected,
                cells[0].observed + cells[1].observed};
    cells.erase(cells.begin());
  }
  while (cells.size() > 1 &&
         (cells.back().expected < kMinExpected || cells[cells.size() - 2].expected < kMinExpected)) {
    Cell& before = cells[cells.size() - 2];
    before = {before.from, cells.back().to, before.expected + cells.back().expected,
              before.observed + cells.back().observed};
    cells.pop_back();
  }
  const bool enough = cells.size() >= 2 &&
                      std::all_of(cells.begin(), cells.end(), [](const Cell& c) { return c.expected >= kMinExpected; });
  if (!enough) return TooFew(std::move(test), "at least 67 draws");
  RandomnessLine line = ChiSquareLine(std::move(test), cells);
  const bool pooled = cells.front().from != cells.front().to || cells.back().from != cells.back().to;
  line.detail = std::to_string(cells.size()) + " cells; " +
                (pooled ? "sums " + Span(cells.front()) + " and " + Span(cells.back()) + " pooled"
                        : std::string("no tail pooled")) +
                " (each cell expects at least 5 draws)";
  return line;
}

// Pairs of consecutive draws that share no draw (the newest two, the two
// before them, ...), so that under the hypothesis the pairs are independent
// and their 100 cells follow the chi-square law with 99 degrees of freedom.
RandomnessLine SerialLine(const DrawHistory& history, int start, int n, int p) {
  std::string test = "Pairs of draws at " + PositionName(p) + " (serial test, 100 cells)";
  const int pairs = n / 2;
  const double expected = pairs / 100.0;
  if (expected < kMinExpected) return TooFew(std::move(test), "at least 1000 draws");
  std::vector<Cell> cells(100);
  for (int c = 0; c < 100; ++c) cells[static_cast<std::size_t>(c)] = {c, c, expected, 0};
  for (int j = 0; j < pairs; ++j) {
    const int newer = history.GetDraw(start + 2 * j)[static_cast<std::size_t>(p)];
    const int older = history.GetDraw(start + 2 * j + 1)[static_cast<std::size_t>(p)];
    if (newer < 10 && older < 10) cells[static_cast<std::size_t>(10 * older + newer)].observed += 1;
  }
  RandomnessLine line = ChiSquareLine(std::move(test), cells);
  line.detail = std::to_string(pairs) + " pairs, expected " + Fixed(expected, 2) + " a cell";
  return line;
}

// Wald-Wolfowitz runs test of the sums above and below 13.5, the middle of
// the sums 0..27, so no sum falls on the line and none is dropped.
RandomnessLine RunsLine(const std::vector<int>& sumsOldestFirst) {
  std::string test = "Runs of sums above and below 13.5 (Wald-Wolfowitz, normal approximation)";
  int above = 0, runs = 0;
  for (std::size_t i = 0; i < sumsOldestFirst.size(); ++i) {
    const bool high = sumsOldestFirst[i] >= 14;
    above += high;
    if (i == 0 || high != (sumsOldestFirst[i - 1] >= 14)) ++runs;
  }
  const int below = static_cast<int>(sumsOldestFirst.size()) - above;
  if (above < kMinPerSide || below < kMinPerSide)
    return TooFew(std::move(test), std::to_string(kMinPerSide) + " sums above and " + std::to_string(kMinPerSide) +
                                       " below 13.5; " + std::to_string(above) + " above, " + std::to_string(below) +
                                       " below");
  const double n1 = above, n2 = below, n = n1 + n2;
  const double expected = 2 * n1 * n2 / n + 1;
  const double variance = 2 * n1 * n2 * (2 * n1 * n2 - n) / (n * n * (n - 1));
  RandomnessLine line;
  line.test = std::move(test);
  line.enough = true;
  line.statistic = (runs - expected) / std::sqrt(variance);
  line.pValue = NormalTwoSidedP(line.statistic);
  line.detail = std::to_string(runs) + " runs, expected " + Fixed(expected, 1) + "; " + std::to_string(above) +
                " sums above, " + std::to_string(below) + " below";
  return line;
}

RandomnessLine RepeatsLine(const DrawHistory& history, int start, int n) {
  std::string test = "Repeats at the same position (exact binomial, chance 0.271)";
  if (n < kMinRepeatDraws) return TooFew(std::move(test), "at least " + std::to_string(kMinRepeatDraws) + " draws");
  int repeats = 0;
  for (int i = start; i < start + n - 1; ++i) {
    const DrawNumbers newer = history.GetDraw(i), older = history.GetDraw(i + 1);
    repeats += newer[0] == older[0] || newer[1] == older[1] || newer[2] == older[2];
  }
  RandomnessLine line;
  line.test = std::move(test);
  line.enough = true;
  line.statistic = static_cast<double>(repeats) / (n - 1);
  line.decimals = 4;
  line.pValue = BinomialTwoSidedP(repeats, n - 1, kRepeatChance);
  line.detail = std::to_string(repeats) + " of " + std::to_string(n - 1) +
                " draws repeat a digit of the draw before at its position";
  return line;
}

// Bonferroni: the smallest p-value times the number of tests, so that the
// line says "not random" for a fair game at most once in a hundred windows.
RandomnessLine TogetherLine(const std::vector<RandomnessLine>& tests) {
  std::string test = "All tests together (Bonferroni)";
  const RandomnessLine* smallest = nullptr;
  int counted = 0;
  for (const RandomnessLine& t : tests) {
    if (!t.enough) continue;
    ++counted;
    if (!smallest || t.pValue < smallest->pValue) smallest = &t;
  }
  if (!smallest) return TooFew(std::move(test), "one test with enough draws");
  RandomnessLine line;
  line.test = std::move(test);
  line.enough = true;
  line.decimals = -1;
  line.pValue = std::min(1.0, smallest->pValue * counted);
  const std::string name = smallest->test.substr(0, smallest->test.find(" ("));
  line.detail = "smallest p-value " + PValueText(smallest->pValue) + " (" + name + ") times " +
                std::to_string(counted) + (counted == 1 ? " test" : " tests");
  return line;
}

}  // namespace

std::vector<RandomnessLine> RandomnessTests(const DrawHistory& history, int start, int n) {
  std::array<std::array<int, 10>, 3> atPosition{};
  std::array<int, 10> overall{};
  std::array<int, 28> drawsWithSum{};
  std::vector<int> sumsOldestFirst;
  sumsOldestFirst.reserve(static_cast<std::size_t>(std::max(n, 0)));
  for (int i = start + n - 1; i >= start; --i) {
    const DrawNumbers draw = history.GetDraw(i);
    for (std::size_t p = 0; p < 3; ++p) {
      if (draw[p] > 9) continue;
      ++atPosition[p][draw[p]];
      ++overall[draw[p]];
    }
    const int sum = draw[0] + draw[1] + draw[2];
    if (sum <= 27) ++drawsWithSum[static_cast<std::size_t>(sum)];
    sumsOldestFirst.push_back(sum);
  }

  std::vector<RandomnessLine> lines;
  for (int p = 0; p < 3; ++p)
    lines.push_back(DigitCountsLine("Digits at " + PositionName(p) + " (chi-square)",
                                    atPosition[static_cast<std::size_t>(p)], std::max(n, 0), 50));
  lines.push_back(DigitCountsLine("Digits at all positions (chi-square)", overall, 3 * std::max(n, 0), 17));
  lines.push_back(SumLine(drawsWithSum, std::max(n, 0)));
  for (int p = 0; p < 3; ++p) lines.push_back(SerialLine(history, start, std::max(n, 0), p));
  lines.push_back(RunsLine(sumsOldestFirst));
  lines.push_back(RepeatsLine(history, start, std::max(n, 0)));
  lines.push_back(TogetherLine(lines));
  return lines;
}

const char* RandomnessVerdict(const RandomnessLine& line) {
  if (!line.enough) return "too few draws";
  return line.pValue < kRandomnessLevel ? "not random" : "consistent with random";
}

}  // namespace drawlyze
