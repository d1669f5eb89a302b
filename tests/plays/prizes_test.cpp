// What each bet pays against a drawn number, by the lotteries' own rules.
#include "core/plays/prizes.h"

#include <gtest/gtest.h>

namespace drawlyze::plays {
namespace {

struct PrizeCase {
  BetType bet;
  int number;
  int drawn;
  Cents amount;
  Cents prize;  // under the bundled table
};

TEST(Prize, BetTypesDrawnNumbersAndAmounts) {
  const PrizeCase cases[] = {
      // Straight: the digits in order, any kind of number (a triple too).
      {BetType::Straight, 123, 123, 100, 50000},
      {BetType::Straight, 123, 123, 50, 25000},
      {BetType::Straight, 123, 123, 200, 100000},
      {BetType::Straight, 123, 321, 100, 0},
      {BetType::Straight, 777, 777, 100, 50000},
      {BetType::Straight, 7, 7, 100, 50000},  // 007
      {BetType::Straight, 7, 700, 100, 0},
      // Box, 6-way: every order pays 80; 3-way (a double): every order pays 160.
      {BetType::Box, 123, 123, 100, 8000},
      {BetType::Box, 123, 312, 100, 8000},
      {BetType::Box, 123, 231, 50, 4000},
      {BetType::Box, 123, 124, 100, 0},
      {BetType::Box, 112, 211, 100, 16000},
      {BetType::Box, 112, 121, 50, 8000},
      {BetType::Box, 112, 122, 100, 0},     // the other double of the same digits
      {BetType::Box, 100, 10, 100, 16000},  // 100 and 010
      {BetType::Box, 777, 777, 100, 0},     // refused
      // Straight/box: the exact order wins both halves, another order the box half.
      {BetType::StraightBox, 123, 123, 100, 29000},
      {BetType::StraightBox, 123, 231, 100, 4000},
      {BetType::StraightBox, 123, 123, 50, 14500},
      {BetType::StraightBox, 123, 321, 50, 2000},
      {BetType::StraightBox, 112, 112, 100, 33000},
      {BetType::StraightBox, 112, 121, 100, 8000},
      {BetType::StraightBox, 112, 211, 50, 4000},
      {BetType::StraightBox, 112, 221, 100, 0},
      {BetType::StraightBox, 555, 555, 100, 0},  // refused
      // Combination: the straight prize for the order drawn.
      {BetType::Combination, 123, 321, 100, 50000},
      {BetType::Combination, 123, 321, 50, 25000},
      {BetType::Combination, 112, 211, 100, 50000},
      {BetType::Combination, 777, 777, 100, 50000},
      {BetType::Combination, 123, 124, 100, 0},
      // Pairs: A1 A2 or A2 A3 in order.
      {BetType::FrontPair, 12, 125, 100, 5000},
      {BetType::FrontPair, 12, 125, 50, 2500},
      {BetType::FrontPair, 12, 512, 100, 0},
      {BetType::FrontPair, 12, 215, 100, 0},
      {BetType::BackPair, 12, 512, 100, 5000},
      {BetType::BackPair, 12, 125, 100, 0},
      {BetType::BackPair, 5, 905, 100, 5000},  // 05
      {BetType::FrontPair, 0, 0, 100, 5000},
      {BetType::BackPair, 0, 0, 150, 7500},
  };
  const PrizeTable table = DefaultPrizeTable();
  for (const PrizeCase& c : cases) {
    SCOPED_TRACE(std::string(BetName(c.bet)) + " " + NumberText(c.bet, c.number) + " drawn " +
                 NumberText(BetType::Straight, c.drawn) + " for " + MoneyText(c.amount));
    EXPECT_EQ(Prize(c.bet, c.number, c.amount, c.drawn, table), c.prize);
  }
}

TEST(Prize, RefusalsAndCosts) {
  EXPECT_EQ(Refusal(BetType::Box, 777), "a triple cannot be boxed");
  EXPECT_EQ(Refusal(BetType::StraightBox, 0), "a triple cannot be played straight/box");
  EXPECT_EQ(Refusal(BetType::Straight, 777), "");
  EXPECT_EQ(Refusal(BetType::Combination, 777), "");
  EXPECT_EQ(Refusal(BetType::FrontPair, 77), "");
  EXPECT_NE(Refusal(BetType::FrontPair, 100), "");
  EXPECT_NE(Refusal(BetType::Straight, 1000), "");
  // A combination costs one play of the amount per different order.
  EXPECT_EQ(PlayCost(BetType::Combination, 123, 100), 600);
  EXPECT_EQ(PlayCost(BetType::Combination, 112, 100), 300);
  EXPECT_EQ(PlayCost(BetType::Combination, 777, 100), 100);
  EXPECT_EQ(PlayCost(BetType::Combination, 123, 50), 300);
  EXPECT_EQ(PlayCost(BetType::StraightBox, 123, 100), 100);
  EXPECT_EQ(PlayCost(BetType::Box, 112, 250), 250);
  EXPECT_EQ(KindName(KindOf(908)), "6-way");
  EXPECT_EQ(KindName(KindOf(990)), "3-way");
  EXPECT_EQ(KindName(KindOf(909)), "3-way");
  EXPECT_EQ(KindName(KindOf(0)), "triple");
  EXPECT_EQ(BoxKey(930), 39);  // 039
}

TEST(Prize, WinningDrawsAreEveryOrderOnce) {
  std::vector<int> drawn;
  ForEachWinningDraw(BetType::Box, 211, [&](int n, PrizeLine line) {
    drawn.push_back(n);
    EXPECT_EQ(line, PrizeLine::Box3);
  });
  EXPECT_EQ(drawn, (std::vector<int>{112, 121, 211}));
  drawn.clear();
  ForEachWinningDraw(BetType::BackPair, 7, [&](int n, PrizeLine) { drawn.push_back(n); });
  EXPECT_EQ(drawn, (std::vector<int>{7, 107, 207, 307, 407, 507, 607, 707, 807, 907}));
  drawn.clear();
  ForEachWinningDraw(BetType::Box, 444, [&](int n, PrizeLine) { drawn.push_back(n); });
  EXPECT_TRUE(drawn.empty());
}

TEST(BetNames, ReadInAnyCaseAndSpacing) {
  EXPECT_EQ(ReadBetType("Straight"), BetType::Straight);
  EXPECT_EQ(ReadBetType(" BOX "), BetType::Box);
  EXPECT_EQ(ReadBetType("straight/box"), BetType::StraightBox);
  EXPECT_EQ(ReadBetType("Straight Box"), BetType::StraightBox);
  EXPECT_EQ(ReadBetType("combo"), BetType::Combination);
  EXPECT_EQ(ReadBetType("Combination"), BetType::Combination);
  EXPECT_EQ(ReadBetType("front  pair"), BetType::FrontPair);
  EXPECT_EQ(ReadBetType("Back-Pair"), BetType::BackPair);
  EXPECT_EQ(ReadBetType("pair"), std::nullopt);
  EXPECT_EQ(ReadBetType(""), std::nullopt);
  for (BetType bet : kBetTypes) EXPECT_EQ(ReadBetType(BetName(bet)), bet);
}

}  // namespace
}  // namespace drawlyze::plays
