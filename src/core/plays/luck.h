#pragma once
// How unusual the player's winnings are against chance. Plays on the same
// draw are not independent (they share the number drawn), so each drawn draw
// gets the exact distribution of its total prize over the 1,000 equally
// likely numbers; the draws are independent and their distributions are
// combined exactly (a convolution in cents) while that stays small, else by a
// seeded simulation of many players making the same plays, said as such.

#include <cstdint>
#include <string>
#include <vector>

#include "core/plays/check_plays.h"

namespace drawlyze::plays {

struct LuckOptions {
  long long exactWork = 60'000'000;       // the convolution's steps allowed before simulating
  long long simulationWork = 40'000'000;  // draws simulated in all: players = this / draws
  int minPlayers = 1000;
  int maxPlayers = 100000;
  std::uint64_t seed = 24;
};

struct Luck {
  int draws = 0;           // drawn draws the plays covered
  Cents won = 0;           // what the plays won on them
  double expected = 0;     // in cents
  bool exact = true;       // false: estimated by simulation
  int players = 0;         // simulated players (exact: 0)
  std::uint64_t seed = 0;  // the simulation's seed
  double atLeast = 1;      // chance of winning `won` or more
  double atMost = 1;       // chance of winning `won` or less
  Cents low = 0;           // at least 9 players in 10 win between low and high
  Cents high = 0;
};

// Over the draws of check that have been drawn.
Luck LuckOf(const PlaysCheck& check, const PrizeTable& table, const LuckOptions& options = {});

// The distribution of one draw's total prize: each value with how many of the 1,000 numbers give it.
struct PrizeValue {
  Cents prize = 0;
  int numbers = 0;
};
std::vector<PrizeValue> DrawPrizeDistribution(const std::vector<const Play*>& plays, const PrizeTable& table);

// In a player's words: "As lucky as 1 player in 4: ...", with the interval
// and whether it is exact or simulated.
std::vector<std::string> LuckLines(const Luck& luck);

}  // namespace drawlyze::plays
