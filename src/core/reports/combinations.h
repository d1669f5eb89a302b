#pragma once
// The combination families of the reports: how many there are, their labels
// in generation order, and which of them a draw hits.

#include <array>
#include <string>

#include "core/history/draw_history.h"

namespace drawlyze {

inline bool IsDigitValue(int value) { return value >= 0 && value <= 9; }

// Exact pairs: pass 0 is A1 A2, pass 1 A1 A3, pass 2 A2 A3; pair x*10+y.
inline constexpr int kExactPairCount = 100;
inline constexpr std::array<std::array<int, 2>, 3> kPairPositions = {{{0, 1}, {0, 2}, {1, 2}}};
std::string ExactPairLabel(int pass, int x, int y);  // "3 5 X", "3 X 5", "X 3 5"

// Free pairs j <= k in generation order: 0 0, 0 1, ..., 0 9, 1 1, ..., 9 9.
inline constexpr int kFreePairCount = 55;
int FreePairIndex(int j, int k);  // j <= k
struct DigitPair {
  int j, k;
};
DigitPair FreePairAt(int index);

// Free triples of three different digits j < l < k: 0 1 2, 0 1 3, ..., 7 8 9.
inline constexpr int kFreeTripleCount = 120;
int FreeTripleIndex(int j, int l, int k);  // j < l < k
std::array<int, 3> FreeTripleAt(int index);

// Free doubles x x y, y != x: 0 0 1, ..., 0 0 9, 1 1 0, 1 1 2, ..., 9 9 8.
inline constexpr int kFreeDoubleCount = 90;
inline int FreeDoubleIndex(int x, int y) { return x * 9 + (y < x ? y : y - 1); }
inline DigitPair FreeDoubleAt(int index) {
  const int x = index / 9, rest = index % 9;
  return {x, rest < x ? rest : rest + 1};
}

// Four-digit sets j < k < l < m: 0 1 2 3, 0 1 2 4, ..., 6 7 8 9.
inline constexpr int kFourSetCount = 210;
std::array<int, 4> FourSetAt(int index);
int FourSetIndex(unsigned digitMask);  // the set of the four bits; -1 for another mask

// "0 4 7": the digits joined by one blank.
std::string DigitLabel(std::initializer_list<int> digits);

}  // namespace drawlyze
