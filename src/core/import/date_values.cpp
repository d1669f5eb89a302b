#include "core/import/date_values.h"

#include <array>
#include <atomic>
#include <chrono>

#include "core/import/cell_text.h"

namespace drawlyze::import {

namespace {

using cell::EqualsNoCase;
using cell::IsDigit;
using cell::IsLetter;
using cell::Number;

constexpr bool InYearBounds(int year) { return year >= kEarliestYear && year <= kLatestYear; }

// 1..12 for a month's name or its three-letter (or "Sept") abbreviation, else 0.
int MonthOfName(std::string_view word) {
  static constexpr std::array<std::string_view, 12> kNames = {"january",   "february", "march",    "april",
                                                              "may",       "june",     "july",     "august",
                                                              "september", "october",  "november", "december"};
  if (word.size() < 3) return 0;
  for (int m = 0; m < 12; ++m) {
    const std::string_view name = kNames[static_cast<std::size_t>(m)];
    if (EqualsNoCase(word, name) || EqualsNoCase(word, name.substr(0, 3)) || (m == 8 && EqualsNoCase(word, "sept")))
      return m + 1;
  }
  return 0;
}

bool IsWeekdayName(std::string_view word) {
  static constexpr std::array<std::string_view, 7> kNames = {"monday", "tuesday",  "wednesday", "thursday",
                                                             "friday", "saturday", "sunday"};
  for (std::string_view name : kNames)
    if (EqualsNoCase(word, name) || EqualsNoCase(word, name.substr(0, 3))) return true;
  return false;
}

int FullYear(int year, int length, bool& twoDigit) {
  twoDigit = length == 2;
  if (length == 4) return year;
  if (length == 2) return YearOfTwoDigits(year);
  return -1;
}

std::atomic<DayKey> g_fixedToday{0};

DayKey KeyOf(const std::chrono::year_month_day& ymd) {
  return static_cast<int>(ymd.year()) * 10000 + static_cast<int>(static_cast<unsigned>(ymd.month())) * 100 +
         static_cast<int>(static_cast<unsigned>(ymd.day()));
}

std::chrono::year_month_day DateOf(DayKey day) {
  return {std::chrono::year{day / 10000}, std::chrono::month{static_cast<unsigned>(day / 100 % 100)},
          std::chrono::day{static_cast<unsigned>(day % 100)}};
}

// What may follow a date in its cell: nothing, or a time of day ("T00:00:00.000", " 12:00:00 AM").
bool DateEnds(std::string_view s, std::size_t pos) {
  if (pos == s.size()) return true;
  return (s[pos] == 'T' || s[pos] == ' ') && pos + 1 < s.size() && IsDigit(s[pos + 1]);
}

DateParts NumericDate(std::string_view s) {
  DateParts parts;
  std::size_t pos = 0;
  int length = 0;
  const int first = Number(s, pos, length);
  if (first < 0) return parts;
  if (length == 8 && DateEnds(s, pos)) {  // 20200403
    const int year = first / 10000, month = first / 100 % 100, day = first % 100;
    if (!InYearBounds(year) || month < 1 || month > 12 || day < 1 || day > 31) return parts;
    return {DateKind::YearFirst, 0, 0, year, month, day, false, 0};
  }
  if (pos >= s.size()) return parts;
  const char sep = s[pos];
  if (sep != '/' && sep != '-' && sep != '.') return parts;
  ++pos;
  if (length == 4) {  // 2020-04-03
    int l2 = 0, l3 = 0;
    const int month = Number(s, pos, l2);
    if (month < 0 || l2 > 2 || pos >= s.size() || s[pos] != sep) return parts;
    ++pos;
    const int day = Number(s, pos, l3);
    if (day < 0 || l3 > 2 || !DateEnds(s, pos)) return parts;
    return {DateKind::YearFirst, 0, 0, first, month, day, false, sep};
  }
  if (length > 2) return parts;
  int l2 = 0, l3 = 0;
  const int second = Number(s, pos, l2);
  if (second < 0 || l2 > 2 || pos >= s.size() || s[pos] != sep) return parts;
  ++pos;
  const int year = Number(s, pos, l3);
  if (year < 0 || !DateEnds(s, pos)) return parts;
  parts.year = FullYear(year, l3, parts.twoDigitYear);
  if (parts.year < 0) return {};
  parts.separator = sep;
  if (sep == '.') {  // 03.04.2020 is written day first wherever points are used
    parts.kind = DateKind::Dotted;
    parts.day = first;
    parts.month = second;
  } else {
    parts.kind = DateKind::EitherOrder;
    parts.first = first;
    parts.second = second;
  }
  return parts;
}

// "April 3, 2020", "Fri Apr 03 2020", "3-Apr-2020", "Friday, 3 April 2020".
DateParts NamedDate(std::string_view s) {
  DateParts parts;
  int month = 0, day = -1, year = -1;
  std::size_t pos = 0;
  while (pos < s.size()) {
    const char c = s[pos];
    if (c == ' ' || c == ',' || c == '.' || c == '-' || c == '/') {
      ++pos;
    } else if (IsLetter(c)) {
      const std::size_t from = pos;
      while (pos < s.size() && IsLetter(s[pos])) ++pos;
      const std::string_view word = s.substr(from, pos - from);
      const int m = MonthOfName(word);
      if (m > 0 && month == 0) {
        month = m;
      } else if (!IsWeekdayName(word)) {
        return parts;
      }
    } else if (IsDigit(c)) {
      int length = 0;
      const int value = Number(s, pos, length);
      if (length <= 2 && day < 0 && year < 0) {
        day = value;
      } else if ((length == 4 || (length == 2 && day >= 0)) && year < 0) {
        year = FullYear(value, length, parts.twoDigitYear);
      } else {
        return parts;
      }
    } else {
      return parts;
    }
  }
  if (month == 0 || day < 0 || year < 0) return parts;
  parts.kind = DateKind::NamedMonth;
  parts.year = year;
  parts.month = month;
  parts.day = day;
  return parts;
}

}  // namespace

DateParts ReadDateParts(std::string_view cell) {
  cell = Trim(cell);
  if (cell.empty()) return {};
  if (IsDigit(cell.front())) {
    const DateParts parts = NumericDate(cell);
    if (parts.kind != DateKind::None) return parts;
  } else {
    // "Sat 01/02/2021", "Sat, 2021-01-02": a weekday's name before a date of numbers.
    std::size_t end = 0;
    while (end < cell.size() && IsLetter(cell[end])) ++end;
    if (end > 0 && IsWeekdayName(cell.substr(0, end))) {
      std::size_t next = end;
      while (next < cell.size() && (cell[next] == ',' || cell[next] == ' ')) ++next;
      const DateParts parts = NumericDate(cell.substr(next));
      if (parts.kind != DateKind::None) return parts;
    }
  }
  return NamedDate(cell);
}

DayKey MakeDayKey(int year, int month, int day) {
  if (!InYearBounds(year) || month < 1 || month > 12 || day < 1 || day > 31) return 0;
  const std::chrono::year_month_day ymd{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                        std::chrono::day{static_cast<unsigned>(day)}};
  return ymd.ok() ? year * 10000 + month * 100 + day : 0;
}

DayKey Today() {
  if (const DayKey fixed = g_fixedToday.load(); fixed != 0) return fixed;
  return KeyOf(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
}

DayKey NextDay(DayKey day) { return KeyOf(std::chrono::sys_days{DateOf(day)} + std::chrono::days{1}); }

std::string DaysAgo(std::string_view dottedDate) {
  const DateParts parts = ReadDateParts(dottedDate);
  if (parts.kind != DateKind::Dotted) return {};
  const DayKey day = ResolveDate(parts, DayOrder::DayFirst);
  if (day == 0 || day > Today()) return {};
  const auto days = (std::chrono::sys_days{DateOf(Today())} - std::chrono::sys_days{DateOf(day)}).count();
  if (days == 0) return "today";
  if (days == 1) return "yesterday";
  return std::to_string(days) + " days ago";
}

int YearOfTwoDigits(int twoDigits) {
  const int current = Today() / 10000;
  constexpr int span = kTwoDigitYearSpan;
  return current - ((current % span - twoDigits) % span + span) % span;
}

FixedToday::FixedToday(DayKey day) : previous_(g_fixedToday.exchange(day)) {}
FixedToday::~FixedToday() { g_fixedToday.store(previous_); }

DayKey ResolveDate(const DateParts& parts, DayOrder order) {
  switch (parts.kind) {
    case DateKind::None:
      return 0;
    case DateKind::EitherOrder:
      if (order == DayOrder::MonthFirst) return MakeDayKey(parts.year, parts.first, parts.second);
      if (order == DayOrder::DayFirst) return MakeDayKey(parts.year, parts.second, parts.first);
      return 0;
    default:
      return MakeDayKey(parts.year, parts.month, parts.day);
  }
}

std::string DatePicture(const DateParts& sample, DayOrder order) {
  const std::string year = sample.twoDigitYear ? "YY" : "YYYY";
  const std::string sep(1, sample.separator);
  switch (sample.kind) {
    case DateKind::EitherOrder:
      if (order == DayOrder::MonthFirst) return "MM" + sep + "DD" + sep + year;
      if (order == DayOrder::DayFirst) return "DD" + sep + "MM" + sep + year;
      return "MM" + sep + "DD" + sep + year + " or DD" + sep + "MM" + sep + year;
    case DateKind::YearFirst:
      return sample.separator == 0 ? "YYYYMMDD" : "YYYY" + sep + "MM" + sep + "DD";
    case DateKind::Dotted:
      return "DD.MM." + year;
    case DateKind::NamedMonth:
      return "month names";
    case DateKind::None:
      break;
  }
  return "none";
}

void AppendDate(std::string& out, DayKey day) {
  const int d = day % 100, m = day / 100 % 100, y = day / 10000;
  char text[10] = {
      static_cast<char>('0' + d / 10),   static_cast<char>('0' + d % 10),       '.',
      static_cast<char>('0' + m / 10),   static_cast<char>('0' + m % 10),       '.',
      static_cast<char>('0' + y / 1000), static_cast<char>('0' + y / 100 % 10), static_cast<char>('0' + y / 10 % 10),
      static_cast<char>('0' + y % 10)};
  out.append(text, sizeof text);
}

std::string_view WeekdayName(DayKey day) {
  static constexpr std::array<std::string_view, 7> kNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  const std::chrono::year_month_day ymd{std::chrono::year{day / 10000},
                                        std::chrono::month{static_cast<unsigned>(day / 100 % 100)},
                                        std::chrono::day{static_cast<unsigned>(day % 100)}};
  return kNames[std::chrono::weekday{std::chrono::sys_days{ymd}}.c_encoding()];
}

int ReadDayOrMonth(std::string_view cell) {
  cell = Trim(cell);
  if (cell.empty() || cell.size() > 2 || !IsDigit(cell[0]) || !IsDigit(cell.back())) return -1;
  const int value = cell.size() == 1 ? cell[0] - '0' : (cell[0] - '0') * 10 + (cell[1] - '0');
  return value >= 1 && value <= 31 ? value : -1;
}

int ReadYear(std::string_view cell) {
  cell = Trim(cell);
  if (cell.size() != 4) return -1;
  int value = 0;
  for (char c : cell) {
    if (!IsDigit(c)) return -1;
    value = value * 10 + (c - '0');
  }
  return InYearBounds(value) ? value : -1;
}

}  // namespace drawlyze::import
