#include "core/reports/draw_matching.h"

namespace drawlyze {

bool ContainsPair(const DrawNumbers& draw, int x, int y) {
  int p = -1;
  for (int i = 0; i < DRAW_SIZE && p < 0; ++i)
    if (draw[static_cast<std::size_t>(i)] == x) p = i;
  if (p < 0) return false;
  for (int i = 0; i < DRAW_SIZE; ++i)
    if (i != p && draw[static_cast<std::size_t>(i)] == y) return true;
  return false;
}

int CountCommonNumbers(const std::uint8_t* first, int firstCount, const std::uint8_t* second, int secondCount) {
  bool paired[16] = {};
  int common = 0;
  for (int i = 0; i < firstCount; ++i) {
    for (int j = 0; j < secondCount && j < 16; ++j) {
      if (!paired[j] && second[j] == first[i]) {
        paired[j] = true;
        ++common;
        break;
      }
    }
  }
  return common;
}

}  // namespace drawlyze
