#pragma once
// Which pairs and triples a draw hits, for the one-pass scan of the window.

#include <utility>

#include "core/reports/combinations.h"

namespace drawlyze {

// The pair at the pass's two positions, when both are digits.
struct ExactPairHits {
  int pass;
  template <class Emit>
  void operator()(const DrawNumbers& d, Emit&& emit) const {
    const int x = d[static_cast<std::size_t>(kPairPositions[static_cast<std::size_t>(pass)][0])];
    const int y = d[static_cast<std::size_t>(kPairPositions[static_cast<std::size_t>(pass)][1])];
    if (IsDigitValue(x) && IsDigitValue(y)) emit(x * 10 + y, 1);
  }
};

// A draw hits the free pairs formed by its three position pairs; a pair met
// at several position pairs weighs that many (3 3 5: "3 5" twice, "3 3" once).
struct FreePairHits {
  template <class Emit>
  void operator()(const DrawNumbers& d, Emit&& emit) const {
    int pairs[3];
    int weights[3];
    int found = 0;
    for (const auto& positions : kPairPositions) {
      const int a = d[static_cast<std::size_t>(positions[0])], b = d[static_cast<std::size_t>(positions[1])];
      if (!IsDigitValue(a) || !IsDigitValue(b)) continue;
      const int index = a <= b ? FreePairIndex(a, b) : FreePairIndex(b, a);
      int k = 0;
      while (k < found && pairs[k] != index) ++k;
      if (k == found) {
        pairs[found] = index;
        weights[found++] = 0;
      }
      ++weights[k];
    }
    for (int k = 0; k < found; ++k) emit(pairs[k], weights[k]);
  }
};

struct ExactTripleHits {
  template <class Emit>
  void operator()(const DrawNumbers& d, Emit&& emit) const {
    if (IsDigitValue(d[0]) && IsDigitValue(d[1]) && IsDigitValue(d[2])) emit(d[0] * 100 + d[1] * 10 + d[2], 1);
  }
};

// Three different digits, in any order.
struct FreeTripleHits {
  template <class Emit>
  void operator()(const DrawNumbers& d, Emit&& emit) const {
    int a = d[0], b = d[1], c = d[2];
    if (!IsDigitValue(a) || !IsDigitValue(b) || !IsDigitValue(c)) return;
    if (a > b) std::swap(a, b);
    if (b > c) std::swap(b, c);
    if (a > b) std::swap(a, b);
    if (a < b && b < c) emit(FreeTripleIndex(a, b, c), 1);
  }
};

// One digit twice and another once, in any order.
struct FreeDoubleHits {
  template <class Emit>
  void operator()(const DrawNumbers& d, Emit&& emit) const {
    const int a = d[0], b = d[1], c = d[2];
    if (!IsDigitValue(a) || !IsDigitValue(b) || !IsDigitValue(c)) return;
    if (a == b && b != c) emit(FreeDoubleIndex(a, c), 1);
    if (a == c && b != c) emit(FreeDoubleIndex(a, b), 1);
    if (b == c && a != c) emit(FreeDoubleIndex(b, a), 1);
  }
};

}  // namespace drawlyze
