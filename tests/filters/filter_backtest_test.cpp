// The backtest: hits and money counted by hand on small histories, no draw
// newer than a tested one read, and seeded random lists that repeat.
#include "core/filters/filter_backtest.h"

#include <gtest/gtest.h>

#include "core/backtest/multiple_tests.h"
#include "core/backtest/probability.h"
#include "core/filters/poisson_binomial.h"
#include "filters_test_util.h"

namespace drawlyze::filters {
namespace {

using testing::DrawsOf;
using testing::FilterOf;

const plays::PrizeTable kTable = plays::DefaultPrizeTable();

TEST(FilterBacktest, CountsHitsAndMoneyDrawByDraw) {
  // Triples played straight: ten plays a draw; 555 and 000 are hits.
  const DrawHistory history = DrawsOf({"123", "555", "321", "000", "987", "456"});
  FilterBacktestOptions options;
  options.draws = 10;
  options.randomLists = 50;
  Result<FilterBacktestResult> r = RunFilterBacktest(history, {FilterOf("kind", "triples")}, options, kTable);
  ASSERT_TRUE(r) << r.Failure().detail;
  EXPECT_EQ(r->requested, 10);
  EXPECT_EQ(r->trials, 5);  // the oldest draw has no older one to be predicted from
  EXPECT_EQ(r->hits, 2);
  EXPECT_DOUBLE_EQ(r->expectedHits, 0.05);
  EXPECT_TRUE(r->sameChance);
  EXPECT_EQ(r->cost, 5000);
  EXPECT_EQ(r->won, 100000);
  EXPECT_DOUBLE_EQ(r->expectedWon, 2500);
  EXPECT_EQ(r->runningNet, (std::vector<plays::Cents>{49000, 48000, 97000, 96000, 95000}));
  EXPECT_DOUBLE_EQ(r->pValue, BinomialTwoSidedP(2, 5, 0.01));
  const std::vector<std::string> csv = FilterBacktestCsv(history, *r);
  ASSERT_EQ(csv.size(), 6u);
  EXPECT_EQ(csv[0], "date,draw,drawn,kept,hit,cost,prize");
  EXPECT_EQ(csv[1].substr(csv[1].find(',', csv[1].find(',') + 1)), ",555,10,1,10.00,500.00");
  EXPECT_EQ(csv[5].substr(csv[5].find(',', csv[5].find(',') + 1)), ",456,10,0,10.00,0.00");
}

TEST(FilterBacktest, BoxListsPayTheOrderDrawn) {
  // 112 boxed wins 160.00 when 121 comes; 123 boxed 80.00 when 312 comes.
  const DrawHistory history = DrawsOf({"000", "121", "312", "999"});
  FilterBacktestOptions options;
  options.draws = 3;
  options.bet = plays::BetType::Box;
  options.randomLists = 10;
  const std::vector<Filter> filters = {FilterOf("position", "1:1"), FilterOf("position", "2:1,2"),
                                       FilterOf("position", "3:2,3")};
  Result<FilterBacktestResult> r = RunFilterBacktest(history, filters, options, kTable);
  ASSERT_TRUE(r);
  // Kept 112, 113, 122, 123: box plays 112, 113, 122, 123.
  EXPECT_EQ(r->draws[0].kept, 4);
  EXPECT_EQ(r->hits, 2);
  EXPECT_EQ(r->won, 16000 + 8000);
  EXPECT_EQ(r->cost, 3 * 400);
  // 3 + 3 + 3 + 6 of the 1,000 numbers pay the list.
  EXPECT_DOUBLE_EQ(r->draws[0].chance, 0.015);
}

TEST(FilterBacktest, NeverLooksPastTheTestedDraw) {
  std::vector<std::string> draws;
  for (int i = 0; i < 60; ++i) draws.push_back(std::to_string(100 + (i * 37) % 900));
  const std::vector<Filter> filters = {FilterOf("sum", "5-20"), FilterOf("not-last-box", "10"),
                                       FilterOf("hot", "most-frequent:4:15:any"), FilterOf("near", "any"),
                                       FilterOf("sieve-digits", "any")};
  FilterBacktestOptions options;
  options.row = 3;
  options.draws = 40;
  const DrawHistory a = DrawsOf(draws);
  std::vector<std::string> later = draws;
  later[58] = "000";  // rows 1 and 2, newer than every tested draw
  later[59] = "999";
  const DrawHistory b = DrawsOf(later);
  Result<FilterBacktestResult> ra = RunFilterBacktest(a, filters, options, kTable);
  Result<FilterBacktestResult> rb = RunFilterBacktest(b, filters, options, kTable);
  ASSERT_TRUE(ra && rb);
  EXPECT_EQ(FilterBacktestReport(*ra, kTable), FilterBacktestReport(*rb, kTable));
  EXPECT_FALSE(ra->sameChance);

  // A tested draw's own digits do not change its list, only whether it hit.
  std::vector<std::string> own = draws;
  own[40] = "555";  // row 20
  const DrawHistory c = DrawsOf(own);
  Result<FilterBacktestResult> rc = RunFilterBacktest(c, filters, options, kTable);
  ASSERT_TRUE(rc);
  const auto at = [](const FilterBacktestResult& r, int index) {
    for (const TestedDraw& d : r.draws)
      if (d.index == index) return d;
    return TestedDraw{};
  };
  EXPECT_EQ(at(*ra, 19).kept, at(*rc, 19).kept);
  EXPECT_EQ(at(*ra, 19).chance, at(*rc, 19).chance);
}

TEST(FilterBacktest, TheSeedGivesTheSameReportTwice) {
  std::vector<std::string> draws;
  for (int i = 0; i < 200; ++i) draws.push_back(std::to_string(100 + (i * 131) % 900));
  const DrawHistory history = DrawsOf(draws);
  const std::vector<Filter> filters = {FilterOf("sum", "10-17"), FilterOf("kind", "singles")};
  FilterBacktestOptions options;
  options.draws = 150;
  options.seed = 7;
  const auto once = RunFilterBacktest(history, filters, options, kTable);
  const auto twice = RunFilterBacktest(history, filters, options, kTable);
  ASSERT_TRUE(once && twice);
  EXPECT_EQ(FilterBacktestReport(*once, kTable), FilterBacktestReport(*twice, kTable));
  EXPECT_EQ(once->randomNets.size(), 1000u);
  options.seed = 8;
  const auto other = RunFilterBacktest(history, filters, options, kTable);
  EXPECT_NE(once->randomNets, other->randomNets);
  // Every random list plays as many numbers as the list at every draw: the same cost.
  EXPECT_EQ(once->randomBelow + once->randomTies + once->randomAbove, 1000);
}

TEST(FilterBacktest, TheVerdictCountsBothTests) {
  const DrawHistory history = DrawsOf({"123", "555", "321", "000", "987", "456"});
  FilterBacktestOptions options;
  options.draws = 5;
  const auto r = RunFilterBacktest(history, {FilterOf("kind", "triples")}, options, kTable);
  ASSERT_TRUE(r);
  ASSERT_EQ(r->rawP.size(), 2u);
  EXPECT_EQ(r->adjustedP, AdjustPValues(r->rawP));
  const std::vector<std::string> report = FilterBacktestReport(*r, kTable);
  bool counted = false;
  for (const std::string& line : report) counted |= line.rfind("Tests counted\t2 (", 0) == 0;
  EXPECT_TRUE(counted);
}

TEST(FilterBacktest, SaysWhenNoDrawCanBeTested) {
  const DrawHistory history = DrawsOf({"123"});
  const auto r = RunFilterBacktest(history, {}, FilterBacktestOptions{}, kTable);
  ASSERT_FALSE(r);
  EXPECT_NE(r.Failure().detail.find("needs a draw older than the selected one"), std::string::npos);
}

TEST(FilterBacktest, CountsEachDrawsListAsTheSummaryDoes) {
  const std::vector<std::vector<std::pair<const char*, const char*>>> chains = {
      {{"sum", "10-17"}}, {{"kind", "doubles,triples"}}, {{"contains", "7"}, {"spread", "0-4"}}, {}};
  for (const auto& options : chains) {
    std::vector<Filter> filters;
    for (const auto& [name, value] : options) filters.push_back(FilterOf(name, value));
    const NumberSet kept = EvaluateChain(filters, FilterContext{}).kept;
    for (const plays::BetType bet : {plays::BetType::Straight, plays::BetType::Box})
      for (const plays::Cents amount : {50, 100, 250}) {
        const ListSummary summary = SummarizeList(kept, bet, amount, kTable);
        const DrawList fast = DrawListCounter(bet, amount, kTable).Count(kept);
        EXPECT_EQ(fast.plays, static_cast<int>(summary.plays.size()));
        EXPECT_EQ(fast.hitNumbers, summary.odds.hitNumbers);
        EXPECT_EQ(fast.prizeOverAll, summary.odds.prizeOverAll);
        EXPECT_EQ(fast.plays * amount, summary.odds.cost);
      }
  }
}

TEST(PoissonBinomial, EqualChancesGiveTheBinomialTest) {
  const std::vector<std::tuple<int, int, double>> cases = {
      {3, 10, 0.1}, {0, 50, 0.14}, {30, 100, 0.14}, {14, 100, 0.14}};
  for (const auto& [hits, trials, p] : cases) {
    const std::vector<double> chances(static_cast<std::size_t>(trials), p);
    EXPECT_NEAR(PoissonBinomialTwoSidedP(hits, chances), BinomialTwoSidedP(hits, trials, p), 1e-9)
        << hits << " " << trials;
  }
  // Two trials of 1/2 and 1: one hit has chance 1/2, two hits 1/2.
  const std::vector<double> pmf = PoissonBinomialPmf({0.5, 1.0});
  EXPECT_DOUBLE_EQ(pmf[0], 0);
  EXPECT_DOUBLE_EQ(pmf[1], 0.5);
  EXPECT_DOUBLE_EQ(pmf[2], 0.5);
}

}  // namespace
}  // namespace drawlyze::filters
