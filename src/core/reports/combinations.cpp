#include "core/reports/combinations.h"

#include <vector>

namespace drawlyze {

std::string DigitLabel(std::initializer_list<int> digits) {
  std::string label;
  for (int d : digits) {
    if (!label.empty()) label += ' ';
    label += std::to_string(d);
  }
  return label;
}

std::string ExactPairLabel(int pass, int x, int y) {
  const std::string a = std::to_string(x), b = std::to_string(y);
  if (pass == 0) return a + " " + b + " X";
  if (pass == 1) return a + " X " + b;
  return "X " + a + " " + b;
}

namespace {

struct Tables {
  std::vector<DigitPair> freePairs;
  int freePairIndex[10][10] = {};
  std::vector<std::array<int, 3>> freeTriples;
  int freeTripleIndex[10][10][10] = {};
  std::vector<std::array<int, 4>> fourSets;
  std::vector<int> fourSetByMask = std::vector<int>(1024, -1);

  Tables() {
    for (int j = 0; j <= 9; ++j)
      for (int k = j; k <= 9; ++k) {
        freePairIndex[j][k] = static_cast<int>(freePairs.size());
        freePairs.push_back({j, k});
      }
    for (int j = 0; j <= 7; ++j)
      for (int l = j + 1; l <= 8; ++l)
        for (int k = l + 1; k <= 9; ++k) {
          freeTripleIndex[j][l][k] = static_cast<int>(freeTriples.size());
          freeTriples.push_back({j, l, k});
        }
    for (int j = 0; j <= 6; ++j)
      for (int k = j + 1; k <= 7; ++k)
        for (int l = k + 1; l <= 8; ++l)
          for (int m = l + 1; m <= 9; ++m) {
            fourSetByMask[(1u << j) | (1u << k) | (1u << l) | (1u << m)] = static_cast<int>(fourSets.size());
            fourSets.push_back({j, k, l, m});
          }
  }
};

const Tables& GetTables() {
  static const Tables tables;
  return tables;
}

}  // namespace

int FreePairIndex(int j, int k) { return GetTables().freePairIndex[j][k]; }
DigitPair FreePairAt(int index) { return GetTables().freePairs[static_cast<std::size_t>(index)]; }
int FreeTripleIndex(int j, int l, int k) { return GetTables().freeTripleIndex[j][l][k]; }
std::array<int, 3> FreeTripleAt(int index) { return GetTables().freeTriples[static_cast<std::size_t>(index)]; }
std::array<int, 4> FourSetAt(int index) { return GetTables().fourSets[static_cast<std::size_t>(index)]; }
int FourSetIndex(unsigned digitMask) { return digitMask < 1024 ? GetTables().fourSetByMask[digitMask] : -1; }

}  // namespace drawlyze
