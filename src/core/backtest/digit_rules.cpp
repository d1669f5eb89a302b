#include "core/backtest/digit_rules.h"

#include <algorithm>
#include <string>

#include "core/history/text_helpers.h"

namespace drawlyze {
namespace {

using M = DigitMeasure;

const std::vector<DigitRule> kRules = {
    {"longest-skip", "Longest current skip", M::LastSkip, M::None, false, false},
    // The Skips view lists digits by median after the last-skip order; the
    // lowest medians stand at the right end of that row.
    {"lowest-median", "Lowest skip median", M::SkipMedian, M::LastSkip, true, false},
    {"most-frequent", "Most frequent", M::Count, M::None, false, false},
    {"least-frequent", "Least frequent", M::Count, M::None, true, false},
    {"longest-since-hit", "Longest since last hit", M::SinceHit, M::None, false, false},
    {"random", "Random (baseline)", M::Random, M::None, false, false},
    {"position-skip", "Longest skip at the position", M::PositionSkip, M::None, false, true},
    {"position-frequent", "Most frequent at the position", M::PositionCount, M::None, false, true},
    {"position-random", "Random at the position (baseline)", M::Random, M::None, false, true},
};

const std::array<int, 10>* Values(M measure, const DigitMeasures& m, int position) {
  const auto p = static_cast<std::size_t>(position);
  switch (measure) {
    case M::LastSkip:
      return &m.lastSkip;
    case M::SkipMedian:
      return &m.skipMedian;
    case M::Count:
      return &m.count;
    case M::SinceHit:
      return &m.sinceHit;
    case M::PositionSkip:
      return &m.positionSkip[p];
    case M::PositionCount:
      return &m.positionCount[p];
    default:
      return nullptr;
  }
}

// Each digit's place when the digits are sorted by value, largest first, equal
// values keeping the places they had (the views' stable bubble sort). Counting
// the digits ahead of each one needs no branches, so it costs the same on any data.
std::array<int, 10> StablePlacesDescending(const std::array<int, 10>& value, const std::array<int, 10>& place) {
  std::array<int, 10> key{};
  for (std::size_t d = 0; d < 10; ++d) key[d] = value[d] * 16 + (15 - place[d]);  // unique: ties by place
  std::array<int, 10> result{};
  for (std::size_t d = 0; d < 10; ++d) {
    int ahead = 0;
    for (std::size_t e = 0; e < 10; ++e) ahead += key[e] > key[d];
    result[d] = ahead;
  }
  return result;
}

std::uint64_t SplitMix64(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// A shuffle that depends only on the seed, the draw and the position, so the
// baseline is the same whichever draws are tested and in whatever order.
void Shuffle(DigitOrder& order, std::uint64_t seed, int time, int salt) {
  std::uint64_t state = seed ^ (static_cast<std::uint64_t>(time) << 8) ^ static_cast<std::uint64_t>(salt);
  SplitMix64(state);
  for (std::size_t i = order.size() - 1; i > 0; --i) {
    // Lemire's multiply-shift: a number below i + 1 without a division.
    const std::size_t j = static_cast<std::size_t>(((SplitMix64(state) >> 32) * (i + 1)) >> 32);
    std::swap(order[i], order[j]);
  }
}

}  // namespace

const std::vector<DigitRule>& AllDigitRules() { return kRules; }

int FindDigitRule(std::string_view name) {
  const std::string wanted = NameKey(name);
  for (std::size_t i = 0; i < kRules.size(); ++i)
    if (wanted == NameKey(kRules[i].name) || wanted == NameKey(kRules[i].caption)) return static_cast<int>(i);
  return -1;
}

DigitOrder RankDigits(const DigitRule& rule, const DigitMeasures& m, int position, std::uint64_t seed) {
  DigitOrder order{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  if (rule.key == M::Random) {
    Shuffle(order, seed, m.time, rule.positional ? position : 3);
    return order;
  }
  std::array<int, 10> place{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  if (const auto* before = Values(rule.before, m, position)) place = StablePlacesDescending(*before, place);
  if (const auto* key = Values(rule.key, m, position)) place = StablePlacesDescending(*key, place);
  for (std::size_t d = 0; d < 10; ++d) order[static_cast<std::size_t>(place[d])] = static_cast<std::uint8_t>(d);
  if (rule.fromTheEnd) std::reverse(order.begin(), order.end());
  return order;
}

std::uint16_t TopDigits(const DigitOrder& order, int k) {
  std::uint16_t set = 0;
  for (int i = 0; i < k && i < 10; ++i)
    set = static_cast<std::uint16_t>(set | 1u << order[static_cast<std::size_t>(i)]);
  return set;
}

}  // namespace drawlyze
