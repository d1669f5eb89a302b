#include "core/import/cell_text.h"

namespace drawlyze::import {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

namespace cell {

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

// Reads a run of digits at pos (at most 9), advancing pos; -1 when none.
int Number(std::string_view s, std::size_t& pos, int& length) {
  int value = 0;
  length = 0;
  while (pos < s.size() && IsDigit(s[pos]) && length < 9) {
    value = value * 10 + (s[pos++] - '0');
    ++length;
  }
  return length == 0 ? -1 : value;
}

}  // namespace cell
}  // namespace drawlyze::import
