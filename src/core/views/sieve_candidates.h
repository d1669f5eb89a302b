#pragma once
// The Sieve view's candidates: three consecutive numbers for each position of
// the next draw, chosen from the More or Less patterns by the parity of the
// selected draw's digits. The view draws them; the Filters keep numbers by them.

#include <array>
#include <cstdint>
#include <vector>

#include "core/history/draw_history.h"
#include "core/sieve/sieve_patterns.h"

namespace drawlyze {

using SieveCandidateTable = std::array<std::array<std::uint8_t, 3>, 3>;  // [position][k]

// v, v+1, v+2 for each position, each lowered by 10 once when 10 or more (a
// pattern number of 20 or more leaves candidates of 10 or more, no digit).
SieveCandidateTable SieveCandidates(const SievePatterns& patterns, const DrawNumbers& selected);
// The nine candidates row by row, later repeats dropped, ascending.
std::vector<std::uint8_t> DistinctSieveCandidates(const SieveCandidateTable& c);

}  // namespace drawlyze
