// Filters AND-combined, what each removes alone and in the chain, why nothing
// passes, and the list as straight or box plays with its cost and chances.
#include <gtest/gtest.h>

#include "core/filters/play_list.h"
#include "filters_test_util.h"

namespace drawlyze::filters {
namespace {

using testing::FilterOf;

const FilterContext kNoHistory{};

TEST(Chain, CountsWhatEachFilterRemovesAloneAndInTheChain) {
  // Sums 10..17 keep 560; of those, the singles; of those, the ones without a 0.
  const std::vector<Filter> filters = {FilterOf("sum", "10-17"), FilterOf("kind", "singles"),
                                       FilterOf("excludes", "0")};
  const ChainResult chain = EvaluateChain(filters, kNoHistory);
  const int naive = testing::CountNaively([](const std::string& n) {
    const int s = n[0] + n[1] + n[2] - 3 * '0';
    return s >= 10 && s <= 17 && n[0] != n[1] && n[1] != n[2] && n[0] != n[2] && n.find('0') == std::string::npos;
  });
  ASSERT_EQ(chain.steps.size(), 3u);
  EXPECT_EQ(chain.Kept(), naive);
  EXPECT_EQ(chain.steps[0].removedAlone, 440);
  EXPECT_EQ(chain.steps[0].removedInChain, 440);
  EXPECT_EQ(chain.steps[1].removedAlone, 280);
  EXPECT_EQ(chain.steps[2].removedAlone, 271);
  EXPECT_EQ(chain.steps[0].removedInChain + chain.steps[1].removedInChain + chain.steps[2].removedInChain,
            1000 - naive);
  EXPECT_EQ(chain.steps[2].keptAfter, naive);
  EXPECT_EQ(WhyNothingPasses(filters, chain), "");
}

TEST(Chain, SaysWhyNothingPasses) {
  const std::vector<std::pair<std::vector<std::pair<const char*, const char*>>, std::string>> cases = {
      {{{"sum", "0-2"}, {"spread", "5-9"}},
       "no number passes: the sum filter and the spread filter exclude each other (sum 0-2, spread 5-9)"},
      {{{"kind", "triples"}, {"sum", "1-2"}, {"odd-even", "OOO"}},
       "no number passes: the kind filter and the sum filter exclude each other (kind triples, sum 1-2)"},
      {{{"position", "1:1"}, {"position", "1:2"}},
       "no number passes: the two filters position 1:1 and position 1:2 exclude each other"},
      // Every two leave some, all three none.
      {{{"position", "1:1,2"}, {"position", "2:1,2"}, {"contains-all", "3,4"}},
       "no number passes: every two of the filters leave some numbers, but together they leave none: the "
       "filters before the contains-all filter keep 40 and it removes them all"},
  };
  for (const auto& [options, says] : cases) {
    std::vector<Filter> filters;
    for (const auto& [name, value] : options) filters.push_back(FilterOf(name, value));
    const ChainResult chain = EvaluateChain(filters, kNoHistory);
    EXPECT_EQ(chain.Kept(), 0);
    EXPECT_EQ(WhyNothingPasses(filters, chain), says);
  }
}

TEST(Chain, KeptTextReadsAsAPlayerSaysIt) {
  EXPECT_EQ(KeptText(143), "143 of 1,000 numbers, 14.3%");
  EXPECT_EQ(KeptText(1000), "1,000 of 1,000 numbers, 100.0%");
  EXPECT_EQ(KeptText(0), "0 of 1,000 numbers, 0.0%");
}

NumberSet SetOf(const std::vector<int>& numbers) {
  NumberSet s;
  for (const int n : numbers) s.set(static_cast<std::size_t>(n));
  return s;
}

TEST(PlayList, BoxPlaysOneSetOfDigitsOnceAndNoTriple) {
  const struct {
    std::vector<int> kept;
    std::vector<int> straight, box;
  } cases[] = {
      {{123, 321, 111, 112, 211}, {111, 112, 123, 211, 321}, {112, 123}},
      {{0, 999}, {0, 999}, {}},
      {{907, 79, 970}, {79, 907, 970}, {79}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlayNumbers(SetOf(c.kept), plays::BetType::Straight), c.straight);
    EXPECT_EQ(PlayNumbers(SetOf(c.kept), plays::BetType::Box), c.box);
  }
}

TEST(PlayList, CostChanceAndExpectedReturnAreExact) {
  const plays::PrizeTable table = plays::DefaultPrizeTable();
  // 112 pays 160 on 3 orders, 123 pays 80 on 6: 9 of the 1,000 numbers, 960.00 over them.
  const ListSummary box = SummarizeList(SetOf({123, 321, 111, 112}), plays::BetType::Box, 100, table);
  EXPECT_EQ(box.plays, (std::vector<int>{112, 123}));
  EXPECT_EQ(box.keptTriples, 1);
  EXPECT_EQ(box.odds.cost, 200);
  EXPECT_EQ(box.odds.hitNumbers, 9);
  EXPECT_EQ(box.odds.prizeOverAll, 3 * 16000 + 6 * 8000);
  const ListSummary straight = SummarizeList(SetOf({123, 321, 111, 112}), plays::BetType::Straight, 50, table);
  EXPECT_EQ(straight.odds.cost, 200);
  EXPECT_EQ(straight.odds.hitNumbers, 4);
  EXPECT_DOUBLE_EQ(straight.odds.ReturnPer1(), 0.5);
  EXPECT_EQ(ListText(box), "112\n123\n");
  EXPECT_EQ(ListCsv(straight),
            "number,bet,amount\r\n111,straight,0.50\r\n112,straight,0.50\r\n123,straight,0.50\r\n"
            "321,straight,0.50\r\n");
}

TEST(PlayList, SummaryListsTheFiltersAndTheMoney) {
  const std::vector<Filter> filters = {FilterOf("kind", "triples")};
  const ChainResult chain = EvaluateChain(filters, kNoHistory);
  const plays::PrizeTable table = plays::DefaultPrizeTable();
  const std::vector<std::string> straight =
      SummaryLines(filters, chain, SummarizeList(chain.kept, plays::BetType::Straight, 100, table), table);
  ASSERT_GE(straight.size(), 6u);
  EXPECT_EQ(straight[0], "Kept: 10 of 1,000 numbers, 1.0%");
  EXPECT_EQ(straight[2], "kind triples\t10\t990\t990\t10");
  EXPECT_EQ(straight[3], "List: 10 straight plays of 1.00, costing 10.00 a draw");
  EXPECT_EQ(straight[4], "Chance of a hit: 10 of the 1,000 numbers pay the list, 1.0% a draw (1 in 100)");
  EXPECT_EQ(straight[5], "Expected return: 5.00 a draw for 10.00 played (50.0%), an expected net of -5.00 a draw");
  const std::vector<std::string> box =
      SummaryLines(filters, chain, SummarizeList(chain.kept, plays::BetType::Box, 100, table), table);
  EXPECT_EQ(box.back(), "No box play: the kept numbers are all triples, which cannot be boxed.");
}

}  // namespace
}  // namespace drawlyze::filters
