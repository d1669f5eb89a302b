#pragma once
// The small readers of a cell's characters that the date, draw-time and
// result readers share.

#include <cstddef>
#include <string_view>

namespace drawlyze::import {

std::string_view Trim(std::string_view s);

namespace cell {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool EqualsNoCase(std::string_view a, std::string_view b);
// Reads a run of digits at pos (at most 9), advancing pos; -1 when none.
int Number(std::string_view s, std::size_t& pos, int& length);

}  // namespace cell
}  // namespace drawlyze::import
