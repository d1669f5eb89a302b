#pragma once
// The rule that prices a play against a drawn number: which line of the prize
// table it wins, and what that pays for the amount played. Everything the
// Plays and the Filters say about prizes and odds comes from these.

#include <algorithm>
#include <optional>

#include "core/plays/bet_types.h"
#include "core/plays/money.h"
#include "core/plays/prize_table.h"

namespace drawlyze::plays {

// The line of the prize table a play of the bet on number wins when drawn
// (0..999) comes, or none for a loss. A number the bet refuses never wins.
std::optional<PrizeLine> WinningLine(BetType bet, int number, int drawn);

// What the line pays for amount: the 1.00 prize scaled by amount, a fraction
// of a cent paid rounded down, as lotteries pay.
Cents ScaledPrize(Cents per1, Cents amount);

// The prize of a play of amount (per order, for a combination) when drawn comes; 0 for a loss.
Cents Prize(BetType bet, int number, Cents amount, int drawn, const PrizeTable& table);

// What a play of amount costs a draw: the amount, times the orders for a combination.
Cents PlayCost(BetType bet, int number, Cents amount);

// Calls visit(drawn, line) for each of the 1,000 numbers that wins the play
// something, ascending: at most 10 of them, so a caller adds up a draw's
// prizes without walking all 1,000.
template <typename Visit>
void ForEachWinningDraw(BetType bet, int number, Visit&& visit) {
  if (!Refusal(bet, number).empty()) return;
  if (IsPair(bet)) {
    for (int k = 0; k < 10; ++k) {
      const int drawn = bet == BetType::FrontPair ? number * 10 + k : k * 100 + number;
      visit(drawn, *WinningLine(bet, number, drawn));
    }
    return;
  }
  if (bet == BetType::Straight) {
    visit(number, PrizeLine::Straight);
    return;
  }
  // Every order of the digits, each once, ascending.
  std::array<int, 3> d = DigitsOf(BoxKey(number));
  do {
    const int drawn = d[0] * 100 + d[1] * 10 + d[2];
    visit(drawn, *WinningLine(bet, number, drawn));
  } while (std::next_permutation(d.begin(), d.end()));
}

}  // namespace drawlyze::plays
