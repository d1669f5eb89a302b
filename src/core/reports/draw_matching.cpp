#include "core/reports/draw_matching.h"

namespace drawlyze {

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
