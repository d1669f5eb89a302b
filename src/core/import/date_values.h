#pragma once
// The dates of an export's cells and of draw files: the one date reader of
// the program, its year bounds, the calendar and today.

#include <cstdint>
#include <string>
#include <string_view>

namespace drawlyze::import {

// A calendar day as year * 10000 + month * 100 + day: sorts as days do.
using DayKey = std::int32_t;

// The years a date may have, in every reader of dates: a draw file's, an
// export's cells, a play's date and the Updater's age check.
inline constexpr int kEarliestYear = 1900;
inline constexpr int kLatestYear = 2199;
// A year written with two digits is the latest year not after the current
// one that ends in them, within this many years (see YearOfTwoDigits).
inline constexpr int kTwoDigitYearSpan = 100;

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
// How long before today a draw file's date ("03.04.2020") was, in words:
// "today", "yesterday", "5 days ago"; empty for another form or a later day.
std::string DaysAgo(std::string_view dottedDate);
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

// One part of a date split over three columns: a day or month number 1..31
// (at most two digits), or a year kEarliestYear..kLatestYear (four digits); -1 otherwise.
int ReadDayOrMonth(std::string_view cell);
int ReadYear(std::string_view cell);

}  // namespace drawlyze::import
