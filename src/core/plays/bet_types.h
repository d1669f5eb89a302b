#pragma once
// The bets of a pick-3 game as the lotteries define them, and what a number
// is to them: its digits, how many different orders it has, whether a bet
// may take it and how many plays of the amount it costs. The Plays and the
// Filters share these.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace drawlyze::plays {

enum class BetType : std::uint8_t {
  Straight,     // the three digits in order
  Box,          // the digits in any order (6-way or 3-way; never a triple)
  StraightBox,  // half the amount straight, half box
  Combination,  // every different order as a straight play, each costing the amount
  FrontPair,    // two digits: A1 A2 in order
  BackPair,     // two digits: A2 A3 in order
};

inline constexpr std::array<BetType, 6> kBetTypes = {BetType::Straight,    BetType::Box,       BetType::StraightBox,
                                                     BetType::Combination, BetType::FrontPair, BetType::BackPair};

// "straight", "box", "straight/box", "combo", "front pair", "back pair": the
// plays file's names.
std::string_view BetName(BetType bet);
// Those names in any case, blanks around them and between words as typed;
// "combination", "straight box" and "straight-box" too.
std::optional<BetType> ReadBetType(std::string_view text);

bool IsPair(BetType bet);
// The digits a bet's number has: 2 for a pair, else 3.
int NumberDigits(BetType bet);
// The number with its leading zeros: "007", "05".
std::string NumberText(BetType bet, int number);

// A three-digit number 0..999 as its digits A1 A2 A3.
inline std::array<int, 3> DigitsOf(int number) { return {number / 100, number / 10 % 10, number % 10}; }

// Three different digits, two equal, or all three equal.
enum class NumberKind : std::uint8_t { Single, Double, Triple };

NumberKind KindOf(int number);
// The different orders of a number's digits: 6, 3 or 1.
int Orders(int number);
inline int Orders(NumberKind kind) { return kind == NumberKind::Single ? 6 : kind == NumberKind::Double ? 3 : 1; }
// "6-way", "3-way", "triple".
std::string_view KindName(NumberKind kind);
// The number's digits in ascending order (321 and 132 give 123): one key per box.
int BoxKey(int number);

// Why the bet cannot take the number, empty when it can: a triple cannot be
// boxed nor played straight/box; the number must have the bet's digits.
std::string_view Refusal(BetType bet, int number);
// How many times the amount the play costs a draw: a combination's orders, else 1.
int CostUnits(BetType bet, int number);

}  // namespace drawlyze::plays
