// The randomness tests flag histories built to be non-random, keep to their
// false-alarm rate on fair ones, and say when the window is too small.
#include "core/backtest/randomness.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "backtest_test_util.h"

namespace drawlyze {
namespace {

std::map<std::string, std::string> Verdicts(const DrawHistory& history) {
  std::map<std::string, std::string> verdicts;
  for (const RandomnessLine& line : RandomnessTests(history, 0, history.Count()))
    verdicts[line.test.substr(0, line.test.find(" ("))] = RandomnessVerdict(line);
  return verdicts;
}

DrawHistory Built(int count, unsigned seed, DrawNumbers (*draw)(std::mt19937&, int)) {
  std::mt19937 random(seed);
  std::vector<DrawNumbers> draws;
  for (int i = 0; i < count; ++i) draws.push_back(draw(random, i));
  return DrawHistory::FromOldestFirst(draws);
}

std::uint8_t Digit(std::mt19937& random, int from = 0, int to = 9) {
  return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(from, to)(random));
}

TEST(Randomness, NonRandomHistoriesAreFlaggedAndAFairOneIsNot) {
  // A1 stuck at 7.
  const auto stuck = Verdicts(Built(2000, 1, [](std::mt19937& r, int) { return DrawNumbers{7, Digit(r), Digit(r)}; }));
  // Sums alternate high and low while every digit stays equally likely at each position.
  const auto alternating = Verdicts(Built(2000, 2, [](std::mt19937& r, int i) {
    const int low = i % 2 ? 0 : 5;
    return DrawNumbers{Digit(r, low, low + 4), Digit(r, low, low + 4), Digit(r, low, low + 4)};
  }));
  // Each draw copies A2 from the draw before.
  const auto sticky = Verdicts(Built(2000, 3, [](std::mt19937& r, int) {
    static std::uint8_t previous = 0;
    const DrawNumbers d{Digit(r), r() % 2 ? previous : Digit(r), Digit(r)};
    previous = d[1];
    return d;
  }));
  const auto fair = Verdicts(testing::RandomHistory(5000, 4));
  const struct {
    const std::map<std::string, std::string>& verdicts;
    const char* test;
    const char* verdict;
  } cases[] = {
      {stuck, "Digits at A1", "not random"},
      {stuck, "Digits at A2", "consistent with random"},
      {stuck, "Digits at all positions", "not random"},
      {stuck, "Pairs of draws at A1", "not random"},
      {stuck, "All tests together", "not random"},
      {alternating, "Digits at A1", "consistent with random"},
      {alternating, "Runs of sums above and below 13.5", "not random"},
      {alternating, "Sum of the three digits", "not random"},
      {sticky, "Repeats at the same position", "not random"},
      {sticky, "Pairs of draws at A2", "not random"},
      {sticky, "Pairs of draws at A1", "consistent with random"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.verdicts.at(c.test), c.verdict) << c.test;
  for (const auto& [test, verdict] : fair) EXPECT_EQ(verdict, "consistent with random") << test;
}

// On fair histories each test says "not random" about once in a hundred times
// and its p-value is below one half about half the time; a wrong number of
// degrees of freedom or a wrong variance breaks one or the other.
TEST(Randomness, PValuesAreCalibratedOnFairHistories) {
  constexpr int kHistories = 300;
  std::map<std::string, int> flagged, belowHalf;
  for (unsigned seed = 100; seed < 100 + kHistories; ++seed) {
    const DrawHistory history = testing::RandomHistory(1000, seed);
    for (const RandomnessLine& line : RandomnessTests(history, 0, history.Count())) {
      ASSERT_TRUE(line.enough) << line.test;
      flagged[line.test] += line.pValue < kRandomnessLevel;
      belowHalf[line.test] += line.pValue < 0.5;
    }
  }
  for (const auto& [test, n] : flagged) {
    EXPECT_LE(n, kHistories * 4 / 100) << test;
    if (test.rfind("All tests", 0) == 0) continue;  // Bonferroni is conservative by design
    EXPECT_GE(belowHalf[test], kHistories * 35 / 100) << test;
    EXPECT_LE(belowHalf[test], kHistories * 65 / 100) << test;
  }
}

TEST(Randomness, StatisticsOfSmallConstructedWindows) {
  // Ten sums above 13.5 then ten below: 2 runs where 11 are expected,
  // variance 2*10*10*(200-20)/(20^2*19) = 4.7368, z = -9/2.1764.
  std::string draws;
  for (int i = 0; i < 20; ++i) draws += i < 10 ? "999 " : "000 ";
  const std::vector<RandomnessLine> runs = RandomnessTests(testing::History(draws), 0, 20);
  EXPECT_NEAR(runs[8].statistic, -4.1352, 1e-4);
  EXPECT_EQ(runs[8].detail, "2 runs, expected 11.0; 10 sums above, 10 below");

  // 100 draws: the sums 0..8 each expect fewer than 5 draws (45 of the 1000
  // triples sum to 8, 55 to 9), so they pool into one cell of 16.5, and so do
  // 19..27: 12 cells.
  const std::vector<RandomnessLine> sums = RandomnessTests(testing::RandomHistory(100, 10), 0, 100);
  EXPECT_EQ(sums[4].df, 11);
  EXPECT_EQ(sums[4].detail, "12 cells; sums 0..8 and 19..27 pooled (each cell expects at least 5 draws)");
  EXPECT_EQ(RandomnessVerdict(sums[0]), std::string("consistent with random"));
  EXPECT_EQ(RandomnessVerdict(sums[5]), std::string("too few draws"));  // the serial test needs 1000 draws
  EXPECT_EQ(sums[5].detail, "needs at least 1000 draws");
}

TEST(Randomness, ReportStatesTheHypothesisFirstAndCopesWithNoDraws) {
  const std::vector<std::string> lines = RandomnessReport(testing::RandomHistory(300, 5), 1, 200);
  EXPECT_EQ(lines[0], "Statistics from 300 to 101 draws");
  EXPECT_EQ(lines[2].rfind("Hypothesis: the draws are fair.", 0), 0u);
  EXPECT_EQ(lines[6], "Test\tStatistic\tdf\tp-value\tVerdict\tDetail");
  EXPECT_EQ(lines.size(), 7u + 11u);

  const std::vector<std::string> empty = RandomnessReport(DrawHistory(), 1, std::nullopt);
  EXPECT_EQ(empty[0], "Statistics from 0 to 1 draws");
  EXPECT_EQ(empty[7], "Digits at A1 (chi-square)\t-\t-\t-\ttoo few draws\tneeds at least 50 draws");
  EXPECT_EQ(empty.back(), "All tests together (Bonferroni)\t-\t-\t-\ttoo few draws\tneeds one test with enough draws");
}

// Tiny and degenerate windows: a test runs only where it could flag the
// draws, says what it needs otherwise, and no line shows nan or inf.
TEST(Randomness, TinyAndDegenerateWindowsSayWhatTheyNeed) {
  std::string same;
  for (int i = 0; i < 2000; ++i) same += "555 ";
  const struct {
    DrawHistory history;
    int line;
    const char* text;
  } cases[] = {
      {testing::History("307 123"), 9,
       "Repeats at the same position (exact binomial, chance 0.271)\t-\t-\t-\ttoo few draws\tneeds at least 20 draws"},
      {testing::RandomHistory(19, 3), 9,
       "Repeats at the same position (exact binomial, chance 0.271)\t-\t-\t-\ttoo few draws\tneeds at least 20 draws"},
      {testing::RandomHistory(19, 3), 10,
       "All tests together (Bonferroni)\t-\t-\t0.6700\tconsistent with random\tsmallest p-value 0.6700 (Digits at "
       "all positions) times 1 test"},
      {testing::History(same), 8,
       "Runs of sums above and below 13.5 (Wald-Wolfowitz, normal approximation)\t-\t-\t-\ttoo few draws\tneeds 10 "
       "sums above and 10 below 13.5; 2000 above, 0 below"},
      {testing::History(same), 10,
       "All tests together (Bonferroni)\t-\t-\t<1e-300\tnot random\tsmallest p-value <1e-300 (Digits at A1) times 9 "
       "tests"},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> lines = RandomnessReport(c.history, 1, std::nullopt);
    ASSERT_EQ(lines.size(), 7u + 11u);
    EXPECT_EQ(lines[7 + static_cast<std::size_t>(c.line)], c.text);
    for (const std::string& line : lines) EXPECT_EQ(line.find("nan"), std::string::npos) << line;
    for (const std::string& line : lines) EXPECT_EQ(line.find("inf"), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace drawlyze
