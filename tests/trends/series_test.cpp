// Each series against a plain recomputation, draw by draw, on random histories.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

#include "core/trends/chance.h"
#include "core/trends/trends.h"

namespace drawlyze::trends {
namespace {

DrawHistory RandomHistory(int n, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> digit(0, 9);
  std::vector<Draw> draws(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    Draw& d = draws[static_cast<std::size_t>(i)];
    d.number = std::to_string(n - i);
    d.date = "01.01.2011";
    d.time = i % 2 ? "Day" : "Eve";
    for (auto& a : d.a) a = static_cast<std::uint8_t>(digit(rng));
  }
  DrawHistory h;
  h.Assign(draws);  // newest first
  return h;
}

bool Holds(const DrawNumbers& d, int digit, int position) {
  return position == 0 ? ContainsNumber(digit, d) : d[static_cast<std::size_t>(position - 1)] == digit;
}

// The indexes a series covers, oldest first.
std::vector<int> Covered(const DrawHistory& h, const TrendSelection& s) {
  const DrawWindow w = AnalysisWindow(h, s.row, s.lastDraws);
  std::vector<int> out;
  for (int i = w.start + w.n - 1; i >= w.start; --i) out.push_back(i);
  return out;
}

const TrendSelection kSelections[] = {{1, {}}, {7, 40}, {30, 500}, {1, 1}, {120, {}}};

TEST(Series, SkipCountsBackToTheDigitsLastComing) {
  const DrawHistory h = RandomHistory(150, 17);
  for (const TrendSelection& sel : kSelections)
    for (int position = 0; position <= 3; ++position)
      for (const int digit : {0, 4, 9}) {
        TrendOptions o;
        o.digit = digit;
        o.position = position;
        const TrendSeries s = SkipSeries(h, sel, o);
        std::vector<TrendPoint> expected;
        for (const int i : Covered(h, sel)) {
          int k = i;
          while (k < h.Count() && !Holds(h.GetDraw(k), digit, position)) ++k;
          if (k < h.Count()) expected.push_back({i, "", "", "", double(k - i), 0, 0});
        }
        ASSERT_EQ(s.points.size(), expected.size()) << sel.row << " " << position << " " << digit;
        const int q95 = position == 0 ? 9 : 28;
        for (std::size_t j = 0; j < expected.size(); ++j) {
          EXPECT_EQ(s.points[j].index, expected[j].index);
          EXPECT_EQ(s.points[j].value, expected[j].value) << "at index " << expected[j].index;
          EXPECT_EQ(s.points[j].low, 0);
          EXPECT_EQ(s.points[j].high, q95);
          EXPECT_EQ(s.points[j].number, h.NumberText(expected[j].index));
          EXPECT_EQ(s.points[j].time, h.TimeText(expected[j].index));
        }
        EXPECT_EQ(s.middle, position == 0 ? 2 : 6);
      }
}

TEST(Series, FrequencyCountsTheDrawsOfEachWindow) {
  const DrawHistory h = RandomHistory(300, 5);
  for (const TrendSelection& sel : kSelections)
    for (const int window : {1, 10, 100, 299, 300, 301})
      for (int position = 0; position <= 3; position += 3) {
        TrendOptions o;
        o.digit = 3;
        o.position = position;
        o.window = window;
        const TrendSeries s = FrequencySeries(h, sel, o);
        std::vector<std::pair<int, int>> expected;  // index, count
        for (const int i : Covered(h, sel)) {
          if (i + window > h.Count()) continue;
          int count = 0;
          for (int k = i; k < i + window; ++k) count += Holds(h.GetDraw(k), 3, position) ? 1 : 0;
          expected.push_back({i, count});
        }
        ASSERT_EQ(s.points.size(), expected.size()) << sel.row << " window " << window;
        const double p = position == 0 ? 0.271 : 0.1;
        for (std::size_t j = 0; j < expected.size(); ++j) {
          EXPECT_EQ(s.points[j].index, expected[j].first);
          EXPECT_EQ(s.points[j].value, expected[j].second);
          EXPECT_EQ(s.points[j].low, BinomialQuantile(window, p, 0.025));
          EXPECT_EQ(s.points[j].high, BinomialQuantile(window, p, 0.975));
        }
      }
}

TEST(Series, AveragesOfSumSpreadAndRootSum) {
  const DrawHistory h = RandomHistory(200, 23);
  const auto sum = [](const DrawNumbers& d) { return d[0] + d[1] + d[2]; };
  const auto spread = [](const DrawNumbers& d) { return std::max({d[0], d[1], d[2]}) - std::min({d[0], d[1], d[2]}); };
  const auto root = [&](const DrawNumbers& d) { return sum(d) == 0 ? 0 : 1 + (sum(d) - 1) % 9; };
  struct Kind {
    TrendSeries (*series)(const DrawHistory&, const TrendSelection&, const TrendOptions&);
    std::function<int(const DrawNumbers&)> of;
  };
  const Kind kinds[] = {{SumSeries, sum}, {SpreadSeries, spread}, {RootSumSeries, root}};
  for (const Kind& kind : kinds)
    for (const TrendSelection& sel : kSelections)
      for (const int window : {1, 2, 10, 200}) {
        TrendOptions o;
        o.window = window;
        const TrendSeries s = kind.series(h, sel, o);
        std::size_t j = 0;
        for (const int i : Covered(h, sel)) {
          if (i + window > h.Count()) continue;
          double total = 0;
          for (int k = i; k < i + window; ++k) total += kind.of(h.GetDraw(k));
          ASSERT_LT(j, s.points.size());
          EXPECT_EQ(s.points[j].index, i);
          EXPECT_NEAR(s.points[j].value, total / window, 1e-12);
          ++j;
        }
        EXPECT_EQ(j, s.points.size());
        EXPECT_EQ(s.integral, window == 1);
      }
}

TEST(Series, SumBandsComeFromTheExactDistribution) {
  const DrawHistory h = RandomHistory(50, 2);
  TrendOptions o;
  o.window = 1;
  TrendSeries s = SumSeries(h, {1, {}}, o);
  ASSERT_FALSE(s.points.empty());
  EXPECT_EQ(s.points[0].low, 5);
  EXPECT_EQ(s.points[0].high, 22);
  EXPECT_DOUBLE_EQ(s.middle, 13.5);
  o.window = 2;
  s = SumSeries(h, {1, {}}, o);
  const Distribution six = DigitsSumDistribution(6);
  EXPECT_EQ(s.points[0].low, DistributionQuantile(six, 0.05) / 2.0);
  EXPECT_EQ(s.points[0].high, DistributionQuantile(six, 0.95) / 2.0);
}

TEST(Series, PairTableCountsAsContainsPairDoes) {
  const DrawHistory h = RandomHistory(400, 9);
  for (const TrendSelection& sel : kSelections)
    for (const PairKind kind : {PairKind::Front, PairKind::Back, PairKind::Split, PairKind::Any}) {
      const PairTable t = PairCounts(h, sel, kind);
      const DrawWindow w = AnalysisWindow(h, sel.row, sel.lastDraws);
      EXPECT_EQ(t.draws, w.n);
      int beyond = 0;
      for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y) {
          int count = 0;
          for (int i = w.start; i < w.start + w.n; ++i) {
            const DrawNumbers d = h.GetDraw(i);
            const bool in = kind == PairKind::Front   ? d[0] == x && d[1] == y
                            : kind == PairKind::Back  ? d[1] == x && d[2] == y
                            : kind == PairKind::Split ? d[0] == x && d[2] == y
                                                      : ContainsPair(d, x, y);
            count += in ? 1 : 0;
          }
          const PairCell& c = t.cells[x][y];
          EXPECT_EQ(c.count, count) << x << y;
          const double p = kind != PairKind::Any ? 0.01 : x == y ? 0.028 : 0.054;
          EXPECT_NEAR(c.chance, p, 1e-12) << x << y;
          const double sd = std::sqrt(w.n * p * (1 - p));
          if (w.n > 0) {
            EXPECT_NEAR(c.z, (count - w.n * p) / sd, 1e-9);
          }
          if (w.n > 0 && std::abs((count - w.n * p) / sd) > kPairScaleEnd + 1e-9) ++beyond;
        }
      EXPECT_EQ(t.observedBeyond, beyond);
    }
}

TEST(Series, ExpectedCellsBeyondTheScaleAreExactTails) {
  // 100 draws of front pairs: every cell binomial (100, 0.01), sd 0.995; beyond
  // +-3 means a count of 4 or more (none can fall below 1 - 2.98).
  const DrawHistory h = RandomHistory(100, 4);
  const PairTable t = PairCounts(h, {1, {}}, PairKind::Front);
  EXPECT_NEAR(t.expectedBeyond, 100 * BinomialUpperTail(100, 0.01, 3), 1e-12);
  EXPECT_NEAR(t.expectedBeyond, 100 * 0.018374, 1e-4);
}

TEST(Series, SumHistogramExpectsWaysOfAThousand) {
  const DrawHistory h = RandomHistory(1000, 8);
  const SumCounts c = SumHistogram(h, {1, 500});
  EXPECT_EQ(c.draws, 500);
  int total = 0;
  for (const int n : c.counts) total += n;
  EXPECT_EQ(total, 500);
  EXPECT_DOUBLE_EQ(c.expected[13], 500 * 0.075);
  EXPECT_DOUBLE_EQ(c.expected[0], 0.5);
}

TEST(Series, NoDrawsNoPoints) {
  const DrawHistory empty;
  TrendOptions o;
  for (const TrendKind kind :
       {TrendKind::Skip, TrendKind::Frequency, TrendKind::Sum, TrendKind::Spread, TrendKind::RootSum})
    EXPECT_TRUE(SeriesOf(kind, empty, {1, {}}, o).points.empty());
  EXPECT_EQ(PairCounts(empty, {1, {}}, PairKind::Any).draws, 0);
  EXPECT_EQ(PairCounts(empty, {1, {}}, PairKind::Any).observedBeyond, 0);
}

TEST(Series, CsvHasAHeaderAndARecordADraw) {
  DrawHistory h;
  h.Assign({Draw{"12", "02.01.2011", "Eve", {1, 2, 3}}, Draw{"11", "01.01.2011", "Day", {4, 5, 6}}});
  TrendOptions o;
  o.window = 1;
  EXPECT_EQ(TrendCsv(SumSeries(h, {1, {}}, o)),
            "number,date,time,value,low,high\r\n"
            "11,01.01.2011,Day,15,5,22\r\n"
            "12,02.01.2011,Eve,6,5,22\r\n");
  o.window = 2;
  EXPECT_EQ(TrendCsv(SumSeries(h, {1, {}}, o)),
            "number,date,time,value,low,high\r\n"
            "12,02.01.2011,Eve,10.50,7.50,19.50\r\n");
}

TEST(Series, KindNames) {
  TrendKind k{};
  EXPECT_TRUE(ParseTrendKind("RootSum", k));
  EXPECT_EQ(k, TrendKind::RootSum);
  EXPECT_FALSE(ParseTrendKind("sums", k));
  PairKind p{};
  EXPECT_TRUE(ParsePairKind("13", p));
  EXPECT_EQ(p, PairKind::Split);
  EXPECT_STREQ(PairKindName(PairKind::Back), "back");
}

}  // namespace
}  // namespace drawlyze::trends
