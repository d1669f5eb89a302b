#pragma once
// The filters a player narrows the 1,000 numbers with, as values: each keeps
// or drops a number 000..999. Those that read the history are computed from
// the selected draw and the draws older than it, never from a newer one.

#include <bitset>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/chart/view_helpers.h"
#include "core/history/draw_history.h"
#include "core/sieve/sieve_patterns.h"

namespace drawlyze::filters {

inline constexpr int kNumbers = 1000;
using NumberSet = std::bitset<kNumbers>;  // bit n: the number n is kept
using DigitSet = std::uint16_t;           // bit d: the digit d

inline constexpr int kMaxSum = 27;
inline constexpr int kMaxSpread = 9;

// The sum of the digits within low..high (0..27).
struct SumRange {
  int low = 0, high = kMaxSum;
  bool operator==(const SumRange&) const = default;
};
// The digital root of the sum (0 for 0, else 1 + (sum - 1) mod 9) among roots.
struct RootSumSet {
  DigitSet roots = 0;
  bool operator==(const RootSumSet&) const = default;
};
// The largest digit minus the smallest within low..high (0..9).
struct SpreadRange {
  int low = 0, high = kMaxSpread;
  bool operator==(const SpreadRange&) const = default;
};

// Odd/even (odd = 1, 3, 5, 7, 9) or high/low (high = 5..9).
enum class PatternKind : std::uint8_t { OddEven, HighLow };
// A number passes when its pattern by position is one of `positional` (bit
// code: bit 2 for A1, bit 1 for A2, bit 0 for A3 set when odd or high) or
// its count of odd or high digits is one of `counts` (bit c for c digits).
struct PatternFilter {
  PatternKind kind = PatternKind::OddEven;
  std::uint8_t positional = 0;
  std::uint8_t counts = 0;
  bool operator==(const PatternFilter&) const = default;
};

enum class DigitsMode : std::uint8_t { AnyOf, AllOf, NoneOf };
// Contains at least one of the digits, every one of them, or none of them.
struct DigitsFilter {
  DigitsMode mode = DigitsMode::AnyOf;
  DigitSet digits = 0;
  bool operator==(const DigitsFilter&) const = default;
};
// The digit at position 0..2 (A1..A3) is one of digits.
struct PositionFilter {
  int position = 0;
  DigitSet digits = 0;
  bool operator==(const PositionFilter&) const = default;
};

// Front: A1 A2 in order; back: A2 A3 in order; any: the two digits at two
// different positions in either order (as the pair reports count a pair).
enum class PairPlace : std::uint8_t { Front, Back, Any };
struct PairFilter {
  bool contain = true;  // must contain one of the pairs; false: must contain none
  PairPlace place = PairPlace::Any;
  std::vector<int> pairs;  // 0..99, first digit * 10 + second
  bool operator==(const PairFilter&) const = default;
};

// Singles (three different digits), doubles, triples: bit 0, 1, 2.
struct KindFilter {
  std::uint8_t kinds = 0;
  bool operator==(const KindFilter&) const = default;
};

// Not among the last `draws` draws, the selected one included: as drawn
// (straight) or in any order of its digits.
struct NotLastFilter {
  int draws = 1;
  bool anyOrder = false;
  bool operator==(const NotLastFilter&) const = default;
};

// Where a history-based digit filter takes its digits from.
enum class DigitSource : std::uint8_t {
  NearSelected,  // the selected draw's digits and their neighbours (d-1, d, d+1; 9 and 0 are neighbours)
  Sieve,         // the Sieve view's candidates
  Ranking,       // the first (hot) or last (cold) k digits of a view's ranking
};
// How a number meets the digits: at least one of its positions holds one, all
// three do, or none does.
enum class SetMatch : std::uint8_t { Any, All, None };
struct HistoryDigitsFilter {
  DigitSource source = DigitSource::NearSelected;
  // Each position against its own digits (the selected draw's digit at that
  // position, that position's candidates or ranking); else against all of them.
  bool byPosition = false;
  SetMatch match = SetMatch::Any;
  // For a ranking:
  int rule = 0;       // index into AllDigitRules() (no random baseline)
  int k = 3;          // 1..9 digits
  bool cold = false;  // the last k of the ranking instead of the first k
  LastDraws window;   // the view's "Use Last Draws" (none: every draw)
  bool operator==(const HistoryDigitsFilter&) const = default;
};

using Filter = std::variant<SumRange, RootSumSet, SpreadRange, PatternFilter, DigitsFilter, PositionFilter, PairFilter,
                            KindFilter, NotLastFilter, HistoryDigitsFilter>;

// Reads the history; the others keep the same numbers whatever the draws.
bool IsHistoryBased(const Filter& filter);

// The digits A1 A2 A3 of every number, and a number's digit set, looked up.
struct NumberDigits {
  std::uint8_t d[3];
  DigitSet set;
};
const std::array<NumberDigits, kNumbers>& AllNumberDigits();

// The numbers with digit d at position p: [p][d].
const std::array<std::array<NumberSet, 10>, 3>& NumbersWithDigitAt();

int DigitalRoot(int sum);

// The numbers a filter that ignores the history keeps.
NumberSet KeptByStatic(const Filter& filter);

}  // namespace drawlyze::filters
