#pragma once
// The header vocabulary: what the words of a column's header say about it
// (a draw time, a result, a part of a date, or another thing entirely).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/import/cell_values.h"

namespace drawlyze::import {

// What a header names that rules its column out as a pick-3 result.
enum class Exclusion : std::uint8_t {
  None,
  Sum,
  Total,
  Bonus,
  Multiplier,
  Jackpot,
  Prize,
  Payout,
  Winners,
  Amount,
  Sales,
  Identifier,
  Index,
  OtherGame,
  DrawNumber,
};

std::string Lowered(std::string_view s);
// The header's words in lower case: "Midday Daily #" gives midday, daily.
std::vector<std::string> Words(std::string_view header);
bool Has(const std::vector<std::string>& words, std::string_view w);

// The one draw time the header names; Unknown for none or several.
DrawTime HeaderTime(std::string_view header);
// Words of a result column: "result", "winning", "pick", "#" ...
bool SaysResult(std::string_view header);
Exclusion HeaderExclusion(std::string_view header);
// "MM/DD" and the like in a date column's header; Unknown without.
DayOrder HeaderDayOrder(std::string_view header);
// Words of a header that name the month or the day of a split date.
bool SaysMonth(std::string_view header);
bool SaysDay(std::string_view header);

}  // namespace drawlyze::import
