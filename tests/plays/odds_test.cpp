// The exact odds of every bet against a naive enumeration of tickets and draws.
#include "core/plays/odds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/plays/prizes.h"

namespace drawlyze::plays {
namespace {

// The lotteries' rules for one ticket and one draw, written from the digits
// as text, without the prize rule's own helpers.
Cents NaivePrize(BetType bet, int number, int drawn) {
  char t[12], d[12];
  std::snprintf(t, sizeof t, IsPair(bet) ? "%02d" : "%03d", number);
  std::snprintf(d, sizeof d, "%03d", drawn);
  const std::string ticket = t, draw = d;
  std::string sortedTicket = ticket, sortedDraw = draw;
  std::sort(sortedTicket.begin(), sortedTicket.end());
  std::sort(sortedDraw.begin(), sortedDraw.end());
  const bool triple = !IsPair(bet) && ticket[0] == ticket[1] && ticket[1] == ticket[2];
  const bool allDifferent = !IsPair(bet) && ticket[0] != ticket[1] && ticket[1] != ticket[2] && ticket[0] != ticket[2];
  const bool sameDigits = sortedTicket == sortedDraw;
  switch (bet) {
    case BetType::Straight:
      return ticket == draw ? 50000 : 0;
    case BetType::Box:
      return triple || !sameDigits ? 0 : allDifferent ? 8000 : 16000;
    case BetType::StraightBox:
      if (triple || !sameDigits) return 0;
      if (ticket == draw) return allDifferent ? 29000 : 33000;
      return allDifferent ? 4000 : 8000;
    case BetType::Combination:
      return sameDigits ? 50000 : 0;
    case BetType::FrontPair:
      return draw.substr(0, 2) == ticket ? 5000 : 0;
    case BetType::BackPair:
      return draw.substr(1, 2) == ticket ? 5000 : 0;
  }
  return 0;
}

TEST(Odds, EveryTicketOfEveryBetMatchesTheNaiveEnumeration) {
  const PrizeTable table = DefaultPrizeTable();
  for (BetType bet : kBetTypes) {
    const int tickets = IsPair(bet) ? 100 : 1000;
    for (int number = 0; number < tickets; ++number) {
      int winners = 0;
      Cents overAll = 0;
      for (int drawn = 0; drawn < 1000; ++drawn) {
        const Cents prize = NaivePrize(bet, number, drawn);
        winners += prize > 0;
        overAll += prize;
      }
      const BetOdds odds = OddsOf(bet, number, table);
      ASSERT_EQ(odds.winningNumbers, winners) << BetName(bet) << ' ' << number;
      ASSERT_EQ(odds.prizeOverAll, overAll) << BetName(bet) << ' ' << number;
      // The fast path a draw's prizes use agrees with the enumeration too.
      DrawPrizes prizes{};
      AddPrizes(prizes, bet, number, 100, table);
      for (int drawn = 0; drawn < 1000; ++drawn)
        ASSERT_EQ(prizes[static_cast<std::size_t>(drawn)], NaivePrize(bet, number, drawn))
            << BetName(bet) << ' ' << number << " drawn " << drawn;
    }
  }
}

TEST(Odds, TheTableOfBets) {
  struct Row {
    const char* bet;
    const char* kind;
    int cost;
    int winners;
    const char* chance;
    const char* returnPer1;
  };
  const Row rows[] = {
      {"straight", "6-way", 1, 1, "1 in 1,000", "0.50"},      {"box", "6-way", 1, 6, "1 in 166.67", "0.48"},
      {"box", "3-way", 1, 3, "1 in 333.33", "0.48"},          {"straight/box", "6-way", 1, 6, "1 in 166.67", "0.49"},
      {"straight/box", "3-way", 1, 3, "1 in 333.33", "0.49"}, {"combo", "6-way", 6, 6, "1 in 166.67", "0.50"},
      {"combo", "3-way", 3, 3, "1 in 333.33", "0.50"},        {"combo", "triple", 1, 1, "1 in 1,000", "0.50"},
      {"front pair", "6-way", 1, 10, "1 in 100", "0.50"},     {"back pair", "6-way", 1, 10, "1 in 100", "0.50"},
  };
  const std::vector<BetOdds> odds = AllBetOdds(DefaultPrizeTable());
  ASSERT_EQ(odds.size(), std::size(rows));
  for (std::size_t i = 0; i < odds.size(); ++i) {
    SCOPED_TRACE(rows[i].bet);
    EXPECT_EQ(BetName(odds[i].bet), rows[i].bet);
    EXPECT_EQ(KindName(odds[i].kind), rows[i].kind);
    EXPECT_EQ(odds[i].costUnits, rows[i].cost);
    EXPECT_EQ(odds[i].winningNumbers, rows[i].winners);
    EXPECT_EQ(ChanceText(odds[i].winningNumbers), rows[i].chance);
    EXPECT_EQ(MoneyText(odds[i].ReturnPer1() * 100), rows[i].returnPer1);
  }
  // Straight/box 6-way: 290 for the exact order (1 number), 40 for the five others.
  ASSERT_EQ(odds[3].lines.size(), 2u);
  EXPECT_EQ(odds[3].lines[0].numbers, 1);
  EXPECT_EQ(odds[3].lines[1].numbers, 5);
  EXPECT_EQ(odds[3].prizeOverAll, 29000 + 5 * 4000);
}

TEST(Odds, ListsOfNumbers) {
  const PrizeTable table = DefaultPrizeTable();
  std::vector<int> all(1000), singles;
  for (int n = 0; n < 1000; ++n) {
    all[static_cast<std::size_t>(n)] = n;
    if (KindOf(n) == NumberKind::Single && BoxKey(n) == n) singles.push_back(n);
  }
  const ListOdds straight = OddsOfList(BetType::Straight, all, 100, table);
  EXPECT_EQ(straight.hitNumbers, 1000);
  EXPECT_EQ(straight.cost, 100000);
  EXPECT_DOUBLE_EQ(straight.ReturnPer1(), 0.5);
  // One box a set of three different digits: 120 plays catch the 720 numbers of that kind.
  const ListOdds boxes = OddsOfList(BetType::Box, singles, 50, table);
  EXPECT_EQ(boxes.plays, 120);
  EXPECT_EQ(boxes.hitNumbers, 720);
  EXPECT_DOUBLE_EQ(boxes.Chance(), 0.72);
  EXPECT_DOUBLE_EQ(boxes.ExpectedPrize(), 720 * 4000 / 1000.0);
  // Triples cannot be boxed: they are left out and counted.
  const ListOdds triples = OddsOfList(BetType::Box, {111, 222, 123}, 100, table);
  EXPECT_EQ(triples.refused, 2);
  EXPECT_EQ(triples.plays, 1);
  EXPECT_EQ(triples.cost, 100);
}

TEST(Odds, ChanceTexts) {
  EXPECT_EQ(ChanceText(1), "1 in 1,000");
  EXPECT_EQ(ChanceText(720), "1 in 1.39");
  EXPECT_EQ(ChanceText(1000), "1 in 1");
  EXPECT_EQ(ChanceText(0), "never");
}

}  // namespace
}  // namespace drawlyze::plays
