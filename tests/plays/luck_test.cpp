// How unusual the winnings are: the exact distribution against a brute-force
// count over every pair of drawn numbers, the simulation, and the words.
#include "core/plays/luck.h"

#include <gtest/gtest.h>

#include "core/plays/prizes.h"
#include "plays_test_util.h"

namespace drawlyze::plays {
namespace {

using testing::HistoryOf;
using testing::PlaysOf;

// Two drawn draws: three plays share the first (a straight and a box of the
// same number, so their prizes come together or not at all), two the second.
struct TwoDraws {
  DrawHistory history = HistoryOf({"01.04.2020 Mid 1 2 3", "02.04.2020 Mid 4 5 1"});
  PlaysFile file = PlaysOf(
      "date,draw,bet,number,amount,draws\n"
      "2020-04-01,Mid,straight,123,1,1\n"
      "2020-04-01,Mid,box,123,1,1\n"
      "2020-04-01,Mid,front pair,45,0.50,1\n"
      "2020-04-02,Mid,straight/box,451,1,1\n"
      "2020-04-02,Mid,back pair,51,1,1\n");
  PlaysCheck check = CheckPlays(history, file.plays, DefaultPrizeTable());

  // Every pair of numbers the two draws could have given, each as likely.
  std::vector<Cents> AllTotals() const {
    const PrizeTable table = DefaultPrizeTable();
    std::vector<Cents> totals;
    totals.reserve(1000000);
    for (int first = 0; first < 1000; ++first)
      for (int second = 0; second < 1000; ++second) {
        Cents total = 0;
        for (const PlayCheck& play : check.plays)
          total += Prize(play.play.bet, play.play.number, play.play.amount, play.play.date == 20200401 ? first : second,
                         table);
        totals.push_back(total);
      }
    std::sort(totals.begin(), totals.end());
    return totals;
  }
};

TEST(Luck, TheExactDistributionIsTheBruteForceOne) {
  const TwoDraws t;
  const Luck luck = LuckOf(t.check, DefaultPrizeTable());
  ASSERT_TRUE(luck.exact);
  EXPECT_EQ(luck.draws, 2);
  // 123 drawn: 500 + 80; 451 drawn: 290 (exact order) + 50 (back pair 51).
  EXPECT_EQ(luck.won, 50000 + 8000 + 29000 + 5000);
  const std::vector<Cents> totals = t.AllTotals();
  const double n = double(totals.size());
  const auto atLeast = [&](Cents w) {
    return double(totals.end() - std::lower_bound(totals.begin(), totals.end(), w)) / n;
  };
  const auto atMost = [&](Cents w) {
    return double(std::upper_bound(totals.begin(), totals.end(), w) - totals.begin()) / n;
  };
  EXPECT_NEAR(luck.atLeast, atLeast(luck.won), 1e-12);
  EXPECT_NEAR(luck.atMost, atMost(luck.won), 1e-12);
  EXPECT_EQ(luck.low, totals[static_cast<std::size_t>(0.05 * n) - 1]);
  EXPECT_EQ(luck.high, totals[static_cast<std::size_t>(0.95 * n) - 1]);
  // Whatever was won, the same holds: the players who won nothing, and some who won a little.
  for (const Cents w : {Cents{0}, Cents{2500}, Cents{5000}, Cents{58000}}) {
    PlaysCheck other = t.check;
    other.plays[0].won = w;
    for (std::size_t i = 1; i < other.plays.size(); ++i) other.plays[i].won = 0;
    const Luck l = LuckOf(other, DefaultPrizeTable());
    EXPECT_NEAR(l.atLeast, atLeast(w), 1e-12) << w;
    EXPECT_NEAR(l.atMost, atMost(w), 1e-12) << w;
  }
}

TEST(Luck, ASimulationIsSeededAndSaysSo) {
  const TwoDraws t;
  LuckOptions options;
  options.exactWork = 0;  // too much work: simulate
  options.simulationWork = 400000;
  const Luck a = LuckOf(t.check, DefaultPrizeTable(), options);
  const Luck b = LuckOf(t.check, DefaultPrizeTable(), options);
  EXPECT_FALSE(a.exact);
  EXPECT_EQ(a.players, 100000);  // at most that many
  EXPECT_EQ(a.seed, 24u);
  EXPECT_EQ(a.atLeast, b.atLeast);
  EXPECT_EQ(a.low, b.low);
  const Luck exact = LuckOf(t.check, DefaultPrizeTable());
  // P(winning 500.00 or more in two draws) is about 2.8 in 1,000: the simulation comes near.
  PlaysCheck some = t.check;
  for (PlayCheck& play : some.plays) play.won = 0;
  some.plays[0].won = 50000;
  const Luck simulated = LuckOf(some, DefaultPrizeTable(), options);
  const Luck counted = LuckOf(some, DefaultPrizeTable());
  EXPECT_NEAR(simulated.atLeast, counted.atLeast, 0.001);
  EXPECT_EQ(simulated.high, counted.high);
  EXPECT_EQ(LuckLines(a)[0],
            "Against chance (simulated, not exact: 100,000 players making the same plays on the 2 drawn draws, seed "
            "24; an exact count would take too long):");
  EXPECT_EQ(LuckLines(exact)[0],
            "Against chance (exact: every one of the 1,000 numbers of each of the 2 drawn draws counted):");
}

TEST(Luck, InAPlayersWords) {
  Luck luck;
  luck.draws = 12;
  luck.won = 50000;
  luck.expected = 588;
  luck.atLeast = 0.25;
  luck.atMost = 0.9;
  luck.low = 0;
  luck.high = 8000;
  EXPECT_EQ(LuckLines(luck)[1],
            "  As lucky as 1 player in 4: 1 player in 4 making the same plays wins 500.00 or more.");
  EXPECT_EQ(LuckLines(luck)[2],
            "  At least 9 players in 10 making them win between 0.00 and 80.00; chance expects 5.88.");
  luck.won = 0;
  luck.atLeast = 1;
  luck.atMost = 0.2;
  EXPECT_EQ(LuckLines(luck)[1], "  As unlucky as 1 player in 5: 1 player in 5 making the same plays wins nothing.");
  luck.atMost = 0.886;
  EXPECT_EQ(LuckLines(luck)[1], "  An ordinary result: 89% of players making the same plays win nothing either.");
  luck.won = 4000;
  luck.atLeast = 0.6;
  luck.atMost = 0.995;
  EXPECT_EQ(LuckLines(luck)[1],
            "  An ordinary result: 60% of players making the same plays win 40.00 or more, more than 99% win 40.00 or "
            "less.");
  luck.draws = 0;
  EXPECT_EQ(LuckLines(luck), std::vector<std::string>{"Against chance: none of the plays' draws has been drawn yet."});
}

TEST(Luck, PendingDrawsAndPlaysThatCannotWinCountForNothing) {
  const DrawHistory history = HistoryOf({"01.04.2020 Mid 1 2 3"});
  const PlaysFile file = PlaysOf("date,draw,bet,number,amount,draws\n2020-04-01,Mid,straight,999,1,3\n");
  const PlaysCheck check = CheckPlays(history, file.plays, DefaultPrizeTable());
  const Luck luck = LuckOf(check, DefaultPrizeTable());
  EXPECT_EQ(luck.draws, 1);
  EXPECT_EQ(luck.won, 0);
  EXPECT_DOUBLE_EQ(luck.atMost, 0.999);
  EXPECT_DOUBLE_EQ(luck.atLeast, 1);
  EXPECT_DOUBLE_EQ(luck.expected, 50);
}

}  // namespace
}  // namespace drawlyze::plays
