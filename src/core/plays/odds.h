#pragma once
// The exact odds of every bet, counted over the 1,000 equally likely numbers
// a draw can give: how many of them pay each line of the prize table, the
// chance of any prize, and the expected return per 1.00 played. Nothing is
// typed in: the counts come from the prize rule itself (prizes.h).

#include <array>
#include <string>
#include <vector>

#include "core/plays/bet_types.h"
#include "core/plays/money.h"
#include "core/plays/prize_table.h"

namespace drawlyze::plays {

inline constexpr int kNumbers = 1000;  // 000..999, each drawn with chance 1 in 1,000

struct LineOdds {
  PrizeLine line;
  int numbers = 0;  // how many of the 1,000 pay this line
};

// One bet on one kind of number, for a 1.00 play.
struct BetOdds {
  BetType bet = BetType::Straight;
  NumberKind kind = NumberKind::Single;  // what the example is; straight and the pairs pay alike for every kind
  int example = 0;                       // a number of the kind: 123, 112 or 111 (12 for a pair)
  int costUnits = 1;                     // the play costs this many times the amount
  std::vector<LineOdds> lines;           // the lines it can win, in the table's order
  int winningNumbers = 0;                // of the 1,000, those that pay anything
  Cents prizeOverAll = 0;                // its prizes summed over the 1,000 numbers, for 1.00 an order

  // The chance of a prize in one draw.
  double Chance() const { return winningNumbers / double(kNumbers); }
  // Expected prize per 1.00 staked: prizeOverAll / (1,000 * cost).
  double ReturnPer1() const { return double(prizeOverAll) / (double(kNumbers) * costUnits * kOneUnit); }
};

// The odds of a play of the bet on number, by enumerating the 1,000 numbers.
BetOdds OddsOf(BetType bet, int number, const PrizeTable& table);

// Every bet on every kind it takes, in this order: straight; box 6-way, 3-way;
// straight/box 6-way, 3-way; combination 6-way, 3-way, triple; front pair; back pair.
std::vector<BetOdds> AllBetOdds(const PrizeTable& table);

// What each of the 1,000 numbers would pay, in all, the plays made on one draw.
using DrawPrizes = std::array<Cents, kNumbers>;
// Adds a play of amount to them.
void AddPrizes(DrawPrizes& prizes, BetType bet, int number, Cents amount, const PrizeTable& table);

// A list of plays of one bet and amount on one draw (a filter's list): its
// cost, how many of the 1,000 numbers pay it anything, and what it is
// expected to return. Numbers the bet refuses are left out and counted.
struct ListOdds {
  int plays = 0;
  int refused = 0;
  Cents cost = 0;          // per draw
  int hitNumbers = 0;      // of the 1,000, those that pay the list anything
  Cents prizeOverAll = 0;  // the list's prizes summed over the 1,000 numbers

  double Chance() const { return hitNumbers / double(kNumbers); }
  double ExpectedPrize() const { return double(prizeOverAll) / kNumbers; }  // in cents
  double ReturnPer1() const { return cost == 0 ? 0 : double(prizeOverAll) / (double(kNumbers) * double(cost)); }
};
ListOdds OddsOfList(BetType bet, const std::vector<int>& numbers, Cents amount, const PrizeTable& table);

// "1 in 1,000", "1 in 166.67", "1 in 100": a chance of winners in 1,000 as a player reads it.
std::string ChanceText(int winners, int outOf = kNumbers);

// The odds as drawlyze-cli plays odds prints them: a header and one tab-separated line a bet and kind.
std::vector<std::string> OddsReport(const PrizeTable& table);

}  // namespace drawlyze::plays
