#pragma once
// What one cell of an export says: a date, a draw time, a pick-3 result or
// one of its digits. Readers take the cell's text as it stands and never allocate.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/history/draw_history.h"

namespace drawlyze::import {

// A calendar day as year * 10000 + month * 100 + day: sorts as days do.
using DayKey = std::int32_t;

// The draws of a day in the order they are held; a draw of unknown time sorts
// between midday and evening. A lottery with two draws a day calls them
// midday and evening, whatever its export says ("Day" and "Night").
enum class DrawTime : std::uint8_t { Morning, Midday, Unknown, Evening, Night };

enum class DayOrder : std::uint8_t { Unknown, MonthFirst, DayFirst };

enum class DateKind : std::uint8_t {
  None,
  EitherOrder,  // 03/04/2020, 3-4-2020: day and month in an order the cell does not tell
  YearFirst,    // 2020-04-03, 2020-04-03T00:00:00.000, 2020/04/03, 20200403
  Dotted,       // 03.04.2020: day first
  NamedMonth,   // Apr 3 2020, 3-Apr-2020, Friday April 3 2020
};

struct DateParts {
  DateKind kind = DateKind::None;
  int first = 0, second = 0, year = 0;  // EitherOrder: the two leading numbers as written
  int month = 0, day = 0;               // the other kinds
  bool twoDigitYear = false;
  char separator = 0;  // between the numbers, for describing the column
};

// Splits a cell into date parts without checking that the day exists.
DateParts ReadDateParts(std::string_view cell);
// The day the parts name under order (which matters for EitherOrder only); 0
// when they name no day of the calendar or the order is needed and unknown.
DayKey ResolveDate(const DateParts& parts, DayOrder order);
// A short picture of how the kind is written ("MM/DD/YYYY", "YYYY-MM-DD", ...).
std::string DatePicture(const DateParts& sample, DayOrder order);

DayKey MakeDayKey(int year, int month, int day);  // 0 when no such day

// The current day by the system's clock (UTC), unless a FixedToday holds it.
DayKey Today();
// The day after day.
DayKey NextDay(DayKey day);
// The last day a draw may be dated: tomorrow, which is today somewhere on earth.
inline DayKey LatestDrawDay() { return NextDay(Today()); }
// A year written with two digits: the latest year not after the current one
// that ends in them (in 2026, 26 is 2026, 27 is 1927).
int YearOfTwoDigits(int twoDigits);

// While it lives, Today() is day: tests of dates near the present.
class FixedToday {
 public:
  explicit FixedToday(DayKey day);
  ~FixedToday();
  FixedToday(const FixedToday&) = delete;
  FixedToday& operator=(const FixedToday&) = delete;

 private:
  DayKey previous_;
};
// "02.09.1980"
void AppendDate(std::string& out, DayKey day);
// "Tue": the English three-letter name of the weekday.
std::string_view WeekdayName(DayKey day);

// "MID", "Midday", "Day", "EVE", "Evening", "Morning", "Night" and the like,
// in any case, alone or among other words ("Pick 3 Morning"), or a clock
// time; false when the cell names no draw time or two different ones.
bool ReadDrawTime(std::string_view cell, DrawTime& time);

// One part of a date split over three columns: a day or month number 1..31
// (at most two digits), or a year 1900..2199 (four digits); -1 otherwise.
int ReadDayOrMonth(std::string_view cell);
int ReadYear(std::string_view cell);

enum class ResultShape : std::uint8_t {
  None,
  Three,        // "123", "1-2-3", "1 2 3", "1,2,3"
  Short,        // "7", "81": a plain number that lost its leading zeros
  LongNumber,   // four or more digits, or more than three digit groups: another game
  Money,        // "$500", "500 €"
  OtherNumber,  // "12.5", "1 23"
};

ResultShape ClassifyResult(std::string_view cell);
// The result a whole-result cell holds: digits only ("123", "7"), or three
// single digits with separators between them ("1-2-3"); a short plain number
// gains its lost leading zeros (7 is 007). False when the cell holds no
// result ("-5", "12.", "1 23").
bool ReadResult(std::string_view cell, DrawNumbers& result);
// A single digit 0..9, the cell of one ball; -1 otherwise.
int ReadDigit(std::string_view cell);

std::string_view Trim(std::string_view s);

}  // namespace drawlyze::import
