#pragma once
// Why the mapping uses a column as it does, as data: what was decided and the
// facts it was decided on. ReasonText words it, in one place for every decision.

#include <cstdint>
#include <string>

#include "core/import/cell_values.h"
#include "core/import/header_words.h"

namespace drawlyze::import {

enum class Decision : std::uint8_t {
  None,  // not decided yet
  // Used: part of whole values fit the use.
  Date,        // dates, written as sample shows; the day order and why in order
  Year,        // a split date's years
  Month,       // a split date's months (1 to 12); the day order and why in order
  DayOfMonth,  // a split date's days (1 to 31)
  Time,        // draw times that say midday or evening
  TimeNamed,   // draw times among which morning or night
  Result,      // three-digit results (shorter of them read with leading zeros)
  Digit,       // single digits, ball of a result
  OwnTimes,    // not used: each result column has its own draw time
  // Not used, for what the values or the header are.
  Empty,
  Excluded,  // the header names excluded
  Money,
  LongNumbers,  // four or more digits: another game
  OtherDates,   // dates, while the date comes from dateFrom
  DrawTimes,
  BonusDigits,   // single digits beside the chosen results
  SmallNumbers,  // mostly numbers below 100
  ResultsNotChosen,
  OtherNumbers,
  Text,
};

// How the order of day and month was found, for Date and Month.
enum class OrderFound : std::uint8_t {
  None,        // no order needed
  Chosen,      // the user's
  DayAbove12,  // a day above 12 stands first (day first) or second (month first) in count values
  Header,      // the header says ("MM/DD")
  Headers,     // the split columns' headers say ("Month", "Day")
  AfterYear,   // a year written first is followed by the month
  BothWays,    // some rows day first, others month first
  Unknown,     // nothing tells
};

// Where a result's draw time comes from.
enum class TimeFound : std::uint8_t { None, Column, Chosen, Header, HeaderNight, NamedFirst, NamedSecond };

struct Reason {
  Decision decision = Decision::None;
  bool chosen = false;  // as the user chose
  int part = 0, whole = 0;
  int shorter = 0;  // Result: values with fewer digits
  DateParts sample{};
  DayOrder order = DayOrder::Unknown;
  OrderFound orderFound = OrderFound::None;
  int orderCount = 0;  // DayAbove12: the values that tell
  DrawTime time = DrawTime::Unknown;
  int ball = 0;
  TimeFound timeFound = TimeFound::None;
  std::string timeColumn = {};  // TimeFound::Column: the draw-time column's name
  Exclusion excluded = Exclusion::None;
  std::string dateFrom = {};  // OtherDates: the date column's name; empty: a split date
};

// "date: 5 of 5 values are dates (MM/DD/YYYY), month first: a day above 12 stands second in 3 values"
std::string ReasonText(const Reason& reason);
// "a sum", "another game": what an excluded header names.
std::string_view ExclusionText(Exclusion excluded);

}  // namespace drawlyze::import
