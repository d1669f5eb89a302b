#pragma once
// The two tests by which the pair, triple and four-digit reports decide
// whether a draw holds a combination.

#include <cstdint>

#include "core/history/draw_history.h"

namespace drawlyze {

// True when x stands at some position p of the draw (the first one holding x)
// and y at a position other than p: both digits present, or x at least twice.
bool ContainsPair(const DrawNumbers& draw, int x, int y);

// How many numbers of first pair off, one to one, with equal numbers of second.
// Two triples give 3 exactly when they hold the same numbers in any order.
int CountCommonNumbers(const std::uint8_t* first, int firstCount, const std::uint8_t* second, int secondCount);

}  // namespace drawlyze
