#include "core/views/sieve_candidates.h"

namespace drawlyze {
namespace {

bool IsOdd(int value) { return value % 2 == 1; }

// The starting number of a position, chosen by the parity of its digit and of
// the mirrored digit (the middle position mirrors itself).
std::uint8_t StartingNumber(const SievePatterns& patterns, const DrawNumbers& selected, int p) {
  const bool odd = IsOdd(selected[static_cast<std::size_t>(p)]);
  const bool mirrorOdd = IsOdd(selected[static_cast<std::size_t>(2 - p)]);
  const SievePatterns::List& list = odd ? patterns.more : patterns.less;
  const int line = odd != mirrorOdd ? 0 : 1;
  return list[static_cast<std::size_t>(line)][static_cast<std::size_t>(p)];
}

}  // namespace

// v, v+1, v+2 in byte arithmetic, each lowered by 10 once when 10 or more.
SieveCandidateTable SieveCandidates(const SievePatterns& patterns, const DrawNumbers& selected) {
  SieveCandidateTable c{};
  for (int p = 0; p < 3; ++p) {
    const std::uint8_t v = StartingNumber(patterns, selected, p);
    for (int k = 0; k < 3; ++k) {
      std::uint8_t candidate = static_cast<std::uint8_t>(v + k);
      if (candidate >= 10) candidate = static_cast<std::uint8_t>(candidate - 10);
      c[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)] = candidate;
    }
  }
  return c;
}

// The nine candidates row by row, later repeats dropped, ascending.
std::vector<std::uint8_t> DistinctSieveCandidates(const SieveCandidateTable& c) {
  std::vector<std::uint8_t> distinct;
  for (int k = 0; k < 3; ++k)
    for (int p = 0; p < 3; ++p) {
      const std::uint8_t v = c[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)];
      if (!ContainsNumber(v, distinct.data(), static_cast<int>(distinct.size()))) distinct.push_back(v);
    }
  SortNumbersAscending(distinct.data(), static_cast<int>(distinct.size()));
  return distinct;
}

}  // namespace drawlyze
