// The backtest: constructed histories with known outcomes, the table's text,
// and the sliding window against a recompute-per-draw reference.
#include "core/backtest/backtest.h"

#include <gtest/gtest.h>

#include "backtest_test_util.h"
#include "core/backtest/decimal_text.h"

namespace drawlyze {
namespace {

using testing::History;

int Rule(const char* name) { return FindDigitRule(name); }

const BacktestLine& LineOf(const BacktestResult& r, const char* rule, Score score) {
  for (const BacktestLine& line : r.lines)
    if (line.rule == Rule(rule) && line.score == score) return line;
  throw std::runtime_error("no such line");
}

// 60 draws of 1 2 3: the three most frequent digits are always the next
// draw's, the three least frequent never are.
TEST(Backtest, ConstructedHistoriesGiveAPerfectAndAHopelessRule) {
  std::string draws;
  for (int i = 0; i < 60; ++i) draws += "123 ";
  BacktestOptions options;
  options.window = 10;
  const BacktestResult r = RunBacktest(History(draws), options);
  ASSERT_EQ(r.tested, 50);
  const struct {
    const char* rule;
    Score score;
    int hits;
    const char* verdict;
    double pBelow;
  } cases[] = {
      {"most-frequent", Score::AllThree, 50, "better than chance", 1e-70},
      {"most-frequent", Score::AtLeastOne, 50, "better than chance", 1e-8},
      {"position-frequent", Score::AtThePosition, 150, "better than chance", 1e-70},
      {"least-frequent", Score::AtLeastOne, 0, "worse than chance", 1e-20},
      {"least-frequent", Score::AllThree, 0, "no better than chance", 1.01},  // 0 of 50 at 0.027 is no surprise
  };
  const std::vector<LineSummary> summaries = SummarizeLines(r);
  const auto summaryOf = [&](const BacktestLine& line) {
    return summaries[static_cast<std::size_t>(&line - &r.lines[0])];
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.rule) + " " + ScoreText(c.score));
    const BacktestLine& line = LineOf(r, c.rule, c.score);
    const LineSummary s = summaryOf(line);
    EXPECT_EQ(line.hits, c.hits);
    EXPECT_EQ(s.verdict, c.verdict);
    EXPECT_LT(s.pValue, c.pBelow);
  }
  EXPECT_EQ(summaryOf(LineOf(r, "most-frequent", Score::AtLeastOne)).rate, 1.0);

  // The table's text: header, hypothesis, then one line per rule and score; 0.027^50 = 3.7e-79,
  // 15 times that adjusted for the run's 15 tests.
  const std::vector<std::string> lines = BacktestReport(r);
  EXPECT_EQ(lines[0], "Statistics from 60 to 11 draws");
  EXPECT_EQ(lines[2].rfind("Hypothesis: ", 0), 0u);
  EXPECT_EQ(lines[3],
            "Settings: top K = 3 digits, window N = 10 draws, M = 50 tested draws (every draw up to row 1 "
            "with 10 before it), all 9 rules.");
  EXPECT_EQ(lines[6],
            "Rule\tScored as\tTrials\tHits\tHit rate\tChance\tLift\t95% from\t95% to\tp-value\tadjusted p\tVerdict");
  EXPECT_EQ(lines[12],
            "Most frequent\tall three\t50\t50\t1.0000\t0.0270\t37.04\t0.9287\t1.0000\t3.7e-79\t5.5e-78\t"
            "better than chance");
  EXPECT_EQ(lines.size(), 7 + r.lines.size() + 8);
  EXPECT_EQ(lines[lines.size() - 3].substr(0, 40), "15 tests were made in this run. Better o");
}

// Which draws are tested, and how the report's first line says it (or why none is).
TEST(Backtest, WhichDrawsAreTested) {
  const DrawHistory history = testing::RandomHistory(50, 7);
  const struct {
    int window;
    LastDraws draws;
    int row, tested, newestOrdinal;
    const char* said;  // the settings line from "M = ", or the only line
  } cases[] = {
      {10, std::nullopt, 1, 40, 50, "M = 40 tested draws (every draw up to row 1 with 10 before it), all 9 rules."},
      {10, 5, 1, 5, 50, "M = 5 tested draws (the newest 5 up to row 1), all 9 rules."},
      {10, std::nullopt, 11, 30, 40, "M = 30 tested draws (every draw up to row 11 with 10 before it), all 9 rules."},
      {10, 500, 11, 30, 40, "M = 30 tested draws (every draw up to row 11 with 10 before it), all 9 rules."},
      {49, std::nullopt, 1, 1, 50, "M = 1 tested draw (every draw up to row 1 with 49 before it), all 9 rules."},
      {50, std::nullopt, 1, 0, 0,
       "No draw to test: a tested draw needs 50 draws before it, and the draw at row 1 has 49."},
      {10, std::nullopt, 41, 0, 0,
       "No draw to test: a tested draw needs 10 draws before it, and the draw at row 41 has 9."},
      // The Statistics window's list is empty when the program started without draws.
      {10, 0, 1, 0, 0, "No draw to test: none was asked for."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.said);
    BacktestOptions o;
    o.window = c.window;
    o.draws = c.draws;
    o.row = c.row;
    const BacktestResult r = RunBacktest(history, o);
    EXPECT_EQ(r.tested, c.tested);
    const std::vector<std::string> lines = BacktestReport(r);
    if (r.tested > 0) {
      EXPECT_EQ(r.NewestOrdinal(), c.newestOrdinal);
      EXPECT_EQ(lines[3].substr(lines[3].find("M = ")), c.said);
    } else {
      EXPECT_EQ(lines, std::vector<std::string>{c.said});
    }
  }
  EXPECT_EQ(BacktestReport(RunBacktest(DrawHistory(), {})),
            std::vector<std::string>{"No draw to test: the history holds no draw."});
}

// Near the edge, on few trials, Wilson's interval can clear the chance rate
// while the exact test does not reach 0.05, or the reverse: a verdict of
// better or worse needs both.
TEST(Backtest, VerdictNeedsTheIntervalAndThePValue) {
  const struct {
    int hits, trials;
    double chance;
    const char* verdict;
  } cases[] = {
      {6, 11, 0.271, "no better than chance"},  // interval 0.2801..0.7873 above 0.271, p = 0.0807
      {1, 17, 0.271, "no better than chance"},  // interval 0.0105..0.2698 below 0.271, p = 0.0551
      {9, 12, 0.271, "better than chance"},     // both: p = 0.0003
      {0, 30, 0.657, "worse than chance"},     {0, 0, 0.657, "no draws to test"},
  };
  for (const auto& c : cases) {
    const Interval interval = WilsonInterval(c.hits, c.trials);
    EXPECT_EQ(Verdict(interval, c.chance, BinomialTwoSidedP(c.hits, c.trials, c.chance), c.trials), c.verdict)
        << c.hits << " of " << c.trials;
  }
}

// On the bundled history the Statistics window's backtest (row 1, every
// draw) finds one line at p = 0.047 among its fifteen: one in twenty gets
// there by luck alone, so once its p-value counts the other fourteen tests
// it is no better than chance.
TEST(Backtest, BundledHistoryLineAtPointZeroFourSevenIsNoBetterThanChance) {
  const BacktestResult r = RunBacktest(testing::BundledHistory(), StatisticsBacktestOptions(1, LastDraws()));
  ASSERT_EQ(r.lines.size(), 15u);
  const std::vector<LineSummary> summaries = SummarizeLines(r);
  int nearTheEdge = 0;
  for (const LineSummary& s : summaries) {
    EXPECT_EQ(s.verdict, "no better than chance");
    EXPECT_GE(s.adjustedP, s.pValue);
    if (s.pValue < 0.05) {
      ++nearTheEdge;
      EXPECT_EQ(PValueText(s.pValue), "0.0468");
      // Alone it would pass: p below 0.05 and the interval above chance.
      EXPECT_EQ(Verdict(s.interval, s.chance, s.pValue, 1), "better than chance");
      EXPECT_EQ(PValueText(s.adjustedP), "0.7027");  // fifteen times 0.0468
    }
  }
  EXPECT_EQ(nearTheEdge, 1);
}

// The sliding window gives the same table, draw for draw, as recomputing every
// measure for every draw. Skewed digits leave long gaps, so skips pass 255 and
// wrap as the Skips view's byte-sized skips do.
TEST(Backtest, SlidingWindowEqualsRecomputingEveryDraw) {
  const std::vector<double> skewed = {1, 1, 1, 1, 1, 1, 0.3, 0.05, 0.004, 0.0005};
  const struct {
    int count;
    unsigned seed;
    bool skew;
    int window, top, draws, row;  // draws 0: all
  } cases[] = {
      {400, 1, false, 1, 3, 0, 1},   {400, 2, false, 2, 1, 0, 1},   {600, 3, false, 37, 5, 0, 7},
      {900, 4, true, 300, 3, 0, 1},  {1500, 5, true, 700, 4, 0, 1}, {800, 6, false, 100, 9, 120, 30},
      {1200, 7, true, 256, 2, 0, 1}, {300, 8, true, 257, 3, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("seed " + std::to_string(c.seed));
    const DrawHistory history = testing::RandomHistory(c.count, c.seed, c.skew ? skewed : std::vector<double>{});
    BacktestOptions o;
    o.window = c.window;
    o.top = c.top;
    if (c.draws > 0) o.draws = c.draws;
    o.row = c.row;
    o.seed = c.seed;
    const BacktestResult fast = RunBacktest(history, o);
    const BacktestResult reference = testing::ReferenceBacktest(history, o);
    ASSERT_GT(fast.tested, 0);
    EXPECT_EQ(fast.firstTime, reference.firstTime);
    EXPECT_EQ(fast.tested, reference.tested);
    EXPECT_TRUE(fast.lines == reference.lines);
    EXPECT_EQ(BacktestReport(fast), BacktestReport(reference));
  }
}

}  // namespace
}  // namespace drawlyze
