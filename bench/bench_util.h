#pragma once
// Random histories for the benchmarks.

#include <random>
#include <string>
#include <vector>

#include "core/history/draw_history.h"

namespace drawlyze::bench {

inline std::vector<DrawNumbers> RandomDraws(int n, unsigned seed = 3) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> digit(0, 9);
  std::vector<DrawNumbers> draws(static_cast<std::size_t>(n));
  for (auto& d : draws)
    for (auto& a : d) a = static_cast<std::uint8_t>(digit(rng));
  return draws;
}

inline DrawHistory RandomHistory(int n, unsigned seed = 3) {
  return DrawHistory::FromOldestFirst(RandomDraws(n, seed));
}

// A draw file in the format of the bundled sample, oldest first.
inline std::string RandomDrawFile(int n, unsigned seed = 3) {
  std::string text;
  int i = 0;
  for (const DrawNumbers& d : RandomDraws(n, seed)) {
    ++i;
    text += std::to_string(i) + " 01.01.2011 Sat Day " + std::to_string(d[0]) + ' ' + std::to_string(d[1]) + ' ' +
            std::to_string(d[2]) + " x\r\n";
  }
  return text;
}

}  // namespace drawlyze::bench
