#pragma once
// The draw time a cell names: a word ("Midday", "Pick 3 Night") or a clock time.

#include <cstdint>
#include <string_view>

namespace drawlyze::import {

// The draws of a day in the order they are held; a draw of unknown time sorts
// between midday and evening. A lottery with two draws a day calls them
// midday and evening, whatever its export says ("Day" and "Night").
enum class DrawTime : std::uint8_t { Morning, Midday, Unknown, Evening, Night };

// "MID", "Midday", "Day", "EVE", "Evening", "Morning", "Night" and the like,
// in any case, alone or among other words ("Pick 3 Morning"), or a clock
// time; false when the cell names no draw time or two different ones.
bool ReadDrawTime(std::string_view cell, DrawTime& time);

}  // namespace drawlyze::import
