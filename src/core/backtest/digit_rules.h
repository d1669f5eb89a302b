#pragma once
// The digit rankings players pick from, as data: each rule orders the ten
// digits by one measure of the draws before a given draw, the way the view it
// comes from orders them.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace drawlyze {

// What a rule ranks by. Window measures count the last N draws; the others
// look back through every older draw, as their views do.
enum class DigitMeasure {
  None,
  LastSkip,       // Skips: window draws newer than the digit's newest one there
  SkipMedian,     // Skips: the median of the digit's skips in the window
  Count,          // Frequency: the digit's places in the window's draws
  SinceHit,       // Cold Numbers: draws back to the digit's newest draw
  PositionSkip,   // Skips for positions: draws since the digit stood at the position
  PositionCount,  // Freq A1..A3: window draws with the digit at the position
  Random,         // a seeded shuffle, the baseline every rule must beat
};

struct DigitRule {
  const char* name;     // the command line's name: "longest-skip"
  const char* caption;  // the table's text: "Longest current skip"
  DigitMeasure key;     // largest first, ties keep the order before
  DigitMeasure before;  // the order ties keep (None: ascending digits)
  bool fromTheEnd;      // the view's order read from its right end: "lowest", "least"
  bool positional;      // one ranking per position, scored at that position
};

// Every rule, in the order the backtest table lists them.
const std::vector<DigitRule>& AllDigitRules();
// Index into AllDigitRules(), -1 when no rule has that name or caption (case,
// blanks and punctuation do not matter).
int FindDigitRule(std::string_view name);

// The measures of every digit at one point in time, for ranking the draw that
// comes next. Positions are 0..2 (A1..A3).
struct DigitMeasures {
  int time = 0;  // the next draw's place in time, 0 = the oldest draw
  std::array<int, 10> lastSkip{};
  std::array<int, 10> skipMedian{};
  std::array<int, 10> count{};
  std::array<int, 10> sinceHit{};
  std::array<std::array<int, 10>, 3> positionSkip{};
  std::array<std::array<int, 10>, 3> positionCount{};
};

using DigitOrder = std::array<std::uint8_t, 10>;

// The ten digits as the rule ranks them, best first. position matters for
// positional rules only; seed feeds the random baseline.
DigitOrder RankDigits(const DigitRule& rule, const DigitMeasures& m, int position, std::uint64_t seed);

// The first k digits of the order as a bit set (bit d for digit d).
std::uint16_t TopDigits(const DigitOrder& order, int k);

}  // namespace drawlyze
