#pragma once
// The Table window's columns: the draw's number and date, then twelve values
// derived from its three numbers.

#include <array>
#include <string_view>
#include <vector>

#include "core/history/draw_history.h"

namespace drawlyze {

inline constexpr int kTableColumnCount = 14;
inline constexpr int kFirstDerivedColumn = 2;  // "First"; columns 0 and 1 hold number and date
inline constexpr int kSumColumn = 4;           // "Sum": the three numbers added
inline constexpr int kDerivedColumnCount = 12;

// Columns 2..13 of one draw, in table order: First, Last, Sum, Min, Max,
// "Even > Odd", "Even < Odd", then the five parity flags (1 = even).
using DerivedValues = std::array<int, kDerivedColumnCount>;
DerivedValues DeriveColumns(const DrawNumbers& draw);

// Table column 2..13 of every draw, newest first.
std::vector<int> DerivedColumnValues(const DrawHistory& history, int column);

// The header texts of columns 2..13, "First" ... "Max Even".
const std::array<std::string_view, kDerivedColumnCount>& DerivedHeaders();

}  // namespace drawlyze
