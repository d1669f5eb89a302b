#pragma once
// The words exports use for a ball drawn beside a pick-3 result (Texas'
// Fireball, Pennsylvania's Wild Ball, a bonus or extra ball): such a column
// is never read as a result or one of its digits, so a history never mixes
// it into A1..A3.

#include <string>
#include <string_view>

namespace drawlyze::import {

// "a bonus ball (Fireball)" when the header names one, in any case and with
// or without blanks ("FIREBALL", "Fire Ball", "wild_ball", "WildBall",
// "Bonus #"); empty otherwise.
std::string BonusBallName(std::string_view header);

}  // namespace drawlyze::import
