#pragma once
// The test by which the triple and four-digit reports decide whether a draw
// holds a combination (pairs: ContainsPair of the draw history).

#include <cstdint>

#include "core/history/draw_history.h"

namespace drawlyze {

// How many numbers of first pair off, one to one, with equal numbers of second.
// Two triples give 3 exactly when they hold the same numbers in any order.
int CountCommonNumbers(const std::uint8_t* first, int firstCount, const std::uint8_t* second, int secondCount);

}  // namespace drawlyze
