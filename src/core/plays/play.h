#pragma once
// One play the player made: a bet on a number for an amount, for a run of
// consecutive draws of one draw time from a date on.

#include <string>
#include <string_view>

#include "core/error/error.h"
#include "core/import/cell_values.h"
#include "core/plays/bet_types.h"
#include "core/plays/money.h"

namespace drawlyze::plays {

using import::DayKey;
using import::DrawTime;

inline constexpr Cents kMaxAmount = 1000000;  // 10,000.00 a play
inline constexpr int kMaxDraws = 10000;       // the draws the history holds

struct Play {
  int line = 0;                       // the plays file's line (the header is line 1); 0 for a new play
  DayKey date = 0;                    // the first draw it is for is the first on or after this day
  DrawTime time = DrawTime::Unknown;  // Unknown ("-"): every draw in turn, for a history without draw times
  BetType bet = BetType::Straight;
  int number = 0;           // 0..999, or 0..99 for a pair
  Cents amount = kOneUnit;  // per order for a combination
  int draws = 1;            // how many consecutive draws of its time it covers

  bool operator==(const Play&) const = default;
};

// The readers of a play's cells, shared by the plays file and the window's
// fields; a failure says what the cell must hold (Error::detail).
// YYYY-MM-DD or DD.MM.YYYY.
Result<DayKey> ReadPlayDate(std::string_view cell);
// Mid, Eve, Day, Night, Mor, Ngt, their long names, in any case; "-" for none.
Result<DrawTime> ReadPlayTime(std::string_view cell);
Result<BetType> ReadPlayBet(std::string_view cell);
// Three digits (two for a pair), leading zeros written; refused when the bet cannot take it.
Result<int> ReadPlayNumber(std::string_view cell, BetType bet);
// A positive multiple of 0.50, at most 10,000.00.
Result<Cents> ReadPlayAmount(std::string_view cell);
// 1..10,000; an empty cell is 1.
Result<int> ReadPlayDraws(std::string_view cell);

// "2020-04-03": how plays and their draws are written.
std::string PlayDateText(DayKey day);
// A draw time as plays and draw files write it ("Mid", "-"): import::TimeToken.

}  // namespace drawlyze::plays
