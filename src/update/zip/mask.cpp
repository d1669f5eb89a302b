// Member names against the user's mask, as MS-DOS wildcards work.
#include <string_view>

#include "update/zip/zip.h"

namespace drawlyze {
namespace {

constexpr std::size_t kMaxMaskText = 255;

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool ZipMatchMask(const std::string& name, const std::string& mask) {
  if (mask.empty() || mask == "*.*") return true;
  const std::string_view n = std::string_view(name).substr(0, kMaxMaskText);
  const std::string_view m = std::string_view(mask).substr(0, kMaxMaskText);
  // Greedy matching that returns to the last "*" on a mismatch: linear in
  // practice, never exponential.
  std::size_t ni = 0, mi = 0;
  std::size_t starMask = std::string_view::npos, starName = 0;
  while (ni < n.size()) {
    if (mi < m.size() && m[mi] == '*') {
      starMask = mi++;
      starName = ni;
    } else if (mi < m.size() && (m[mi] == '?' || Upper(m[mi]) == Upper(n[ni]))) {
      ++mi;
      ++ni;
    } else if (starMask != std::string_view::npos) {
      mi = starMask + 1;
      ni = ++starName;
    } else {
      return false;
    }
  }
  while (mi < m.size() && m[mi] == '*') ++mi;
  return mi == m.size();
}

}  // namespace drawlyze
