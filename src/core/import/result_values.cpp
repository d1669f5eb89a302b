#include "core/import/result_values.h"

#include <algorithm>
#include <array>

#include "core/import/cell_text.h"

namespace drawlyze::import {

namespace {

using cell::IsDigit;

bool IsResultSeparator(char c) {
  return c == ' ' || c == '-' || c == ',' || c == ';' || c == '/' || c == '|' || c == '.';
}

bool IsMoney(std::string_view s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '$') return true;
    if (static_cast<unsigned char>(s[i]) >= 0x80)
      return s.find("\xE2\x82\xAC") != std::string_view::npos || s.find("\xC2\xA3") != std::string_view::npos;
  }
  return false;
}

// The digit groups of a cell made of digits and separators only: how many
// groups, the length of the first and the longest, and up to three groups' digits.
struct Groups {
  int count = 0;
  int firstLength = 0;
  int longest = 0;
  int firstValue = 0;
  std::array<std::uint8_t, 3> digits{};
};

bool ReadGroups(std::string_view s, Groups& g) {
  // Separators stand between digit groups only: "-5" and "12." are no numbers of a draw.
  if (IsResultSeparator(s.front()) || IsResultSeparator(s.back())) return false;
  std::size_t pos = 0;
  while (pos < s.size()) {
    if (IsResultSeparator(s[pos])) {
      ++pos;
      continue;
    }
    if (!IsDigit(s[pos])) return false;
    const std::size_t from = pos;
    int value = 0;
    while (pos < s.size() && IsDigit(s[pos])) {
      if (pos - from < 9) value = value * 10 + (s[pos] - '0');
      ++pos;
    }
    const int length = static_cast<int>(pos - from);
    if (g.count == 0) {
      g.firstLength = length;
      g.firstValue = value;
    }
    if (g.count < 3) g.digits[static_cast<std::size_t>(g.count)] = static_cast<std::uint8_t>(s[from] - '0');
    g.longest = std::max(g.longest, length);
    ++g.count;
  }
  return g.count > 0;
}

}  // namespace

ResultShape ClassifyResult(std::string_view cell) {
  cell = Trim(cell);
  if (cell.empty()) return ResultShape::None;
  if (IsMoney(cell)) return ResultShape::Money;
  Groups g;
  if (!ReadGroups(cell, g)) return ResultShape::None;
  if (g.count == 1) {
    if (g.firstLength != static_cast<int>(cell.size())) return ResultShape::OtherNumber;
    if (g.firstLength <= 2) return ResultShape::Short;
    return g.firstLength == 3 ? ResultShape::Three : ResultShape::LongNumber;
  }
  if (g.longest == 1) return g.count == 3 ? ResultShape::Three : ResultShape::LongNumber;
  return ResultShape::OtherNumber;
}

bool ReadResult(std::string_view cell, DrawNumbers& result) {
  cell = Trim(cell);
  Groups g;
  if (cell.empty() || !ReadGroups(cell, g)) return false;
  if (g.count == 3 && g.longest == 1) {
    result = g.digits;
    return true;
  }
  if (g.count != 1 || g.firstLength > 3 || g.firstLength != static_cast<int>(cell.size())) return false;
  const int v = g.firstValue;  // 7 is 007, 81 is 081
  result = {static_cast<std::uint8_t>(v / 100), static_cast<std::uint8_t>(v / 10 % 10),
            static_cast<std::uint8_t>(v % 10)};
  return true;
}

int ReadDigit(std::string_view cell) {
  cell = Trim(cell);
  return cell.size() == 1 && IsDigit(cell[0]) ? cell[0] - '0' : -1;
}

}  // namespace drawlyze::import
