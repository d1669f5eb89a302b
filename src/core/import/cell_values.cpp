#include "core/import/cell_values.h"

#include <array>
#include <atomic>
#include <chrono>

namespace drawlyze::import {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

// Reads a run of digits at pos (at most 9), advancing pos; -1 when none.
int Number(std::string_view s, std::size_t& pos, int& length) {
  int value = 0;
  length = 0;
  while (pos < s.size() && IsDigit(s[pos]) && length < 9) {
    value = value * 10 + (s[pos++] - '0');
    ++length;
  }
  return length == 0 ? -1 : value;
}

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
    if (year < 1900 || year > 2199 || month < 1 || month > 12 || day < 1 || day > 31) return parts;
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

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

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
  if (year < 1900 || year > 2199 || month < 1 || month > 12 || day < 1 || day > 31) return 0;
  const std::chrono::year_month_day ymd{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                        std::chrono::day{static_cast<unsigned>(day)}};
  return ymd.ok() ? year * 10000 + month * 100 + day : 0;
}

DayKey Today() {
  if (const DayKey fixed = g_fixedToday.load(); fixed != 0) return fixed;
  return KeyOf(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
}

DayKey NextDay(DayKey day) { return KeyOf(std::chrono::sys_days{DateOf(day)} + std::chrono::days{1}); }

int YearOfTwoDigits(int twoDigits) {
  const int current = Today() / 10000;
  return current - ((current % 100 - twoDigits) % 100 + 100) % 100;
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

namespace {

// A clock time ("12:40 PM", "19:30"): midday draws are held before five in
// the afternoon, evening draws after.
bool ReadClockTime(std::string_view cell, DrawTime& time) {
  std::size_t pos = 0;
  int length = 0;
  int hour = Number(cell, pos, length);
  if (hour < 0 || length > 2 || pos >= cell.size() || cell[pos] != ':') return false;
  ++pos;
  const int minute = Number(cell, pos, length);
  if (minute < 0 || length != 2) return false;
  if (pos < cell.size() && cell[pos] == ':') {  // seconds
    ++pos;
    if (Number(cell, pos, length) < 0 || length != 2) return false;
  }
  while (pos < cell.size() && cell[pos] == ' ') ++pos;
  const std::string_view suffix = cell.substr(pos);
  if (EqualsNoCase(suffix, "pm") || EqualsNoCase(suffix, "p.m.")) {
    if (hour < 12) hour += 12;
  } else if (EqualsNoCase(suffix, "am") || EqualsNoCase(suffix, "a.m.")) {
    if (hour == 12) hour = 0;
  } else if (!suffix.empty()) {
    return false;
  }
  if (hour > 23 || minute > 59) return false;
  time = hour < 17 ? DrawTime::Midday : DrawTime::Evening;
  return true;
}

}  // namespace

bool ReadDrawTime(std::string_view cell, DrawTime& time) {
  // Words that name a draw time wherever they stand in the cell; single
  // letters only as the whole cell.
  static constexpr struct {
    std::string_view word;
    DrawTime time;
  } kWords[] = {{"morning", DrawTime::Morning}, {"mor", DrawTime::Morning},      {"morn", DrawTime::Morning},
                {"mid", DrawTime::Midday},      {"midday", DrawTime::Midday},    {"day", DrawTime::Midday},
                {"noon", DrawTime::Midday},     {"afternoon", DrawTime::Midday}, {"mittag", DrawTime::Midday},
                {"midi", DrawTime::Midday},     {"eve", DrawTime::Evening},      {"evening", DrawTime::Evening},
                {"abend", DrawTime::Evening},   {"soir", DrawTime::Evening},     {"night", DrawTime::Night},
                {"ngt", DrawTime::Night}};
  static constexpr struct {
    char letter;
    DrawTime time;
  } kLetters[] = {{'m', DrawTime::Midday}, {'d', DrawTime::Midday}, {'e', DrawTime::Evening}, {'n', DrawTime::Night}};
  cell = Trim(cell);
  if (cell.empty()) return false;
  if (IsDigit(cell[0])) return ReadClockTime(cell, time);
  if (cell.size() == 1) {
    for (const auto& entry : kLetters)
      if (Lower(cell[0]) == entry.letter) return time = entry.time, true;
    return false;
  }
  bool found = false;
  DrawTime named = DrawTime::Unknown;
  for (std::size_t pos = 0; pos < cell.size();) {
    if (!IsLetter(cell[pos])) {
      ++pos;
      continue;
    }
    const std::size_t from = pos;
    while (pos < cell.size() && IsLetter(cell[pos])) ++pos;
    const std::string_view word = cell.substr(from, pos - from);
    for (const auto& entry : kWords) {
      if (!EqualsNoCase(word, entry.word)) continue;
      if (found && named != entry.time) return false;  // "Day/Night": two draw times
      found = true;
      named = entry.time;
    }
  }
  if (found) time = named;
  return found;
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
  return value >= 1900 && value <= 2199 ? value : -1;
}

namespace {

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
