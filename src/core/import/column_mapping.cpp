#include "core/import/column_mapping.h"

#include <algorithm>
#include <utility>

#include "core/history/escaped_text.h"

namespace drawlyze::import {

namespace {

// What the values of one column look like, counted over every data row.
struct Profile {
  int filled = 0;
  int dates = 0, eitherOrder = 0, firstAbove12 = 0, secondAbove12 = 0;
  DateParts sample;
  int times = 0;
  std::uint8_t timesSeen = 0;                  // a bit for each DrawTime named
  int years = 0, dayOrMonth = 0, above12 = 0;  // the parts of a split date
  int three = 0, shortNumbers = 0, digits = 0, longNumbers = 0, money = 0, otherNumbers = 0;
};

// Counts one non-empty cell into its column's profile.
void AddCell(Profile& p, std::string_view cell) {
  {
    ++p.filled;
    const DateParts date = ReadDateParts(cell);
    if (date.kind == DateKind::EitherOrder) {
      const bool monthFirst = MakeDayKey(date.year, date.first, date.second) != 0;
      const bool dayFirst = MakeDayKey(date.year, date.second, date.first) != 0;
      if (monthFirst || dayFirst) {
        ++p.dates;
        if (p.eitherOrder++ == 0) p.sample = date;
        p.firstAbove12 += dayFirst && !monthFirst;
        p.secondAbove12 += monthFirst && !dayFirst;
      }
    } else if (ResolveDate(date, DayOrder::Unknown) != 0) {
      if (p.dates++ == 0 && p.eitherOrder == 0) p.sample = date;
    }
    DrawTime time = DrawTime::Unknown;
    if (ReadDrawTime(cell, time)) {
      ++p.times;
      p.timesSeen |= static_cast<std::uint8_t>(1u << static_cast<unsigned>(time));
    }
    p.years += ReadYear(cell) > 0;
    if (const int part = ReadDayOrMonth(cell); part > 0) {
      ++p.dayOrMonth;
      p.above12 += part > 12;
    }
    switch (ClassifyResult(cell)) {
      case ResultShape::Three:
        ++p.three;
        break;
      case ResultShape::Short:
        ++p.shortNumbers;
        break;
      case ResultShape::LongNumber:
        ++p.longNumbers;
        break;
      case ResultShape::Money:
        ++p.money;
        break;
      case ResultShape::OtherNumber:
        ++p.otherNumbers;
        break;
      case ResultShape::None:
        break;
    }
    p.digits += ReadDigit(cell) >= 0;
  }
}

// The profiles of every column, row by row over the cells each row holds:
// the work is the cells' (at most kMaxColumns a row), never rows times columns.
std::vector<Profile> ProfileColumns(const CsvTable& table) {
  std::vector<Profile> profiles(static_cast<std::size_t>(table.Columns()));
  for (int row = 0; row < table.Rows(); ++row) {
    const int cells = std::min(table.CellCount(row), table.Columns());
    for (int c = 0; c < cells; ++c) {
      const std::string_view cell = Trim(table.Cell(row, c));
      if (!cell.empty()) AddCell(profiles[static_cast<std::size_t>(c)], cell);
    }
  }
  return profiles;
}

bool Mostly(int part, int whole) { return part * 2 > whole; }
// All but one value in fifty: a column of numbers that only look like a
// year, a month or a day here and there is none.
bool Nearly(int part, int whole) { return whole > 0 && part * 50 >= whole * 49; }

constexpr std::uint8_t Bit(DrawTime time) { return static_cast<std::uint8_t>(1u << static_cast<unsigned>(time)); }

std::string Lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// The header's words in lower case: "Midday Daily #" gives midday, daily.
std::vector<std::string> Words(std::string_view header) {
  std::vector<std::string> words;
  std::string word;
  for (char c : Lowered(header)) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
      word += c;
    } else if (!word.empty()) {
      words.push_back(std::move(word));
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

bool Has(const std::vector<std::string>& words, std::string_view w) {
  return std::find(words.begin(), words.end(), w) != words.end();
}

DrawTime HeaderTime(std::string_view header) {
  const std::vector<std::string> words = Words(header);
  const std::string lower = Lowered(header);
  const bool morning = lower.find("morning") != std::string::npos || Has(words, "morn");
  const bool mid =
      lower.find("midday") != std::string::npos || Has(words, "mid") || Has(words, "day") || Has(words, "noon");
  const bool eve = lower.find("evening") != std::string::npos || Has(words, "eve");
  const bool night = Has(words, "night");
  if (morning + mid + eve + night != 1) return DrawTime::Unknown;
  return morning ? DrawTime::Morning : mid ? DrawTime::Midday : eve ? DrawTime::Evening : DrawTime::Night;
}

bool SaysResult(std::string_view header) {
  const std::vector<std::string> words = Words(header);
  for (const char* w : {"result", "results", "winning", "numbers", "number", "daily", "pick", "pick3", "digits"})
    if (Has(words, w)) return true;
  return header.find('#') != std::string_view::npos;
}

// Why a header rules its column out as a pick-3 result ("a sum"); empty when it does not.
std::string HeaderExclusion(std::string_view header) {
  const std::vector<std::string> words = Words(header);
  static const struct {
    const char* word;
    const char* what;
  } kWords[] = {{"sum", "a sum"},
                {"total", "a total"},
                {"bonus", "a bonus number"},
                {"fireball", "a bonus number"},
                {"wild", "a bonus number"},
                {"extra", "a bonus number"},
                {"multiplier", "a multiplier"},
                {"jackpot", "a jackpot"},
                {"prize", "a prize"},
                {"prizes", "a prize"},
                {"payout", "a payout"},
                {"winners", "a count of winners"},
                {"amount", "an amount"},
                {"sales", "sales"},
                {"id", "an identifier"},
                {"index", "an index"},
                {"4", "another game"},
                {"5", "another game"},
                {"6", "another game"},
                {"pick4", "another game"},
                {"pick5", "another game"},
                {"win4", "another game"},
                {"daily4", "another game"},
                {"play4", "another game"}};
  for (const auto& entry : kWords)
    if (Has(words, entry.word)) return entry.what;
  const bool numberWord = Has(words, "number") || Has(words, "no") || Has(words, "nr") || Has(words, "num") ||
                          (words.size() == 1 && header.find('#') != std::string_view::npos);
  if (Has(words, "draw") && numberWord && words.size() <= 2) return "a draw number";
  return {};
}

std::string Values(int n) { return std::to_string(n) + (n == 1 ? " value" : " values"); }

std::string Count(int part, int whole) { return std::to_string(part) + " of " + std::to_string(whole); }

const char* TimeWord(DrawTime time) {
  switch (time) {
    case DrawTime::Morning:
      return "morning ";
    case DrawTime::Midday:
      return "midday ";
    case DrawTime::Evening:
      return "evening ";
    case DrawTime::Night:
      return "night ";
    case DrawTime::Unknown:
      break;
  }
  return "";
}

// Words of a header that name the month or the day of a split date.
bool SaysMonth(std::string_view header) {
  const std::vector<std::string> words = Words(header);
  return Has(words, "month") || Has(words, "mon") || Has(words, "mm") || Has(words, "m");
}
bool SaysDay(std::string_view header) {
  const std::vector<std::string> words = Words(header);
  return Has(words, "day") || Has(words, "dd") || Has(words, "d");
}

// Resolves a column named by its header (any case) or its 1-based number; -1 when none matches.
int FindColumn(const CsvTable& table, const ColumnName& column) {
  if (column.index >= 0) return column.index < table.Columns() ? column.index : -1;
  const std::string& name = column.text;
  const std::string wanted = Lowered(Trim(name));
  for (int c = 0; c < table.Columns(); ++c)
    if (Lowered(Trim(table.Header(c))) == wanted) return c;
  if (wanted.empty() || wanted.size() > 6 ||
      !std::all_of(wanted.begin(), wanted.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
    return -1;
  const int number = std::stoi(wanted);
  return number >= 1 && number <= table.Columns() ? number - 1 : -1;
}

std::string ColumnList(const CsvTable& table) {
  std::string list;
  for (int c = 0; c < table.Columns(); ++c) {
    if (c > 0) list += ", ";
    list += std::to_string(c + 1);
    if (!table.Header(c).empty()) list += " \"" + Excerpt(table.Header(c)) + '"';
  }
  return list;
}

std::string NamesOf(const CsvTable& table, const std::vector<int>& columns) {
  std::string names;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (i > 0) names += i + 1 == columns.size() ? " and " : ", ";
    names += table.ColumnName(columns[i]);
  }
  return names;
}

class Proposer {
 public:
  Proposer(const CsvTable& table, const MappingChoice& choice)
      : t_(table), choice_(choice), profiles_(ProfileColumns(table)) {
    m_.columns.resize(static_cast<std::size_t>(table.Columns()));
  }

  Mapping Run() {
    ChooseDate();
    ChooseTime();
    ChooseResults();
    ExplainUnused();
    return m_;
  }

 private:
  const Profile& P(int c) const { return profiles_[static_cast<std::size_t>(c)]; }
  ColumnUse& Use(int c) { return m_.columns[static_cast<std::size_t>(c)]; }

  void Fail(Choice needs, std::string problem) {
    if (!m_.Ready()) return;  // the first problem is the one to settle first
    m_.needs = needs;
    m_.problem = std::move(problem);
  }

  // -1 after a problem when the user named a column that is not there.
  int Named(const ColumnName& name) {
    const int c = FindColumn(t_, name);
    if (c < 0)
      Fail(Choice::Column, "there is no column \"" +
                               Excerpt(name.index >= 0 ? std::to_string(name.index + 1) : name.text) +
                               "\"; the columns are " + ColumnList(t_));
    return c;
  }

  void ChooseDate() {
    int best = -1;
    if (!choice_.splitDate.empty()) {
      std::vector<int> columns;
      for (int c : choice_.splitDate) {
        if (Named(ColumnName::At(c)) < 0) return;
        columns.push_back(c);
      }
      return ChooseSplitDate(columns);
    }
    if (choice_.date) {
      if (FindColumn(t_, *choice_.date) < 0 && choice_.date->text.find('+') != std::string::npos)
        return ChooseNamedSplitDate(choice_.date->text);
      best = Named(*choice_.date);
      if (best < 0) return;
    } else {
      for (int c = 0; c < t_.Columns(); ++c) {
        if (!Mostly(P(c).dates, P(c).filled)) continue;
        const bool dateHeader = Has(Words(t_.Header(c)), "date");
        if (best < 0 || P(c).dates > P(best).dates ||
            (P(c).dates == P(best).dates && dateHeader && !Has(Words(t_.Header(best)), "date")))
          best = c;
      }
      if (best < 0 && FindSplitDate()) return;
      if (best < 0) return Fail(Choice::DateColumn, "no column holds dates");
    }
    m_.dateColumn = best;
    const Profile& p = P(best);
    std::string why;
    m_.dayOrder = DayOrderOf(best, why);
    Use(best).role = ColumnRole::Date;
    Use(best).reason = std::string("date: ") + (choice_.date ? "as chosen; " : "") + Count(p.dates, p.filled) +
                       " values are dates (" + DatePicture(p.sample, m_.dayOrder) + ")" + why;
  }

  DayOrder DayOrderOf(int c, std::string& why) {
    const Profile& p = P(c);
    if (choice_.dayOrder != DayOrder::Unknown) {
      why = choice_.dayOrder == DayOrder::DayFirst ? ", day first as chosen" : ", month first as chosen";
      return choice_.dayOrder;
    }
    if (p.eitherOrder == 0) return DayOrder::Unknown;
    if (p.firstAbove12 > 0 && p.secondAbove12 > 0) {
      Fail(Choice::DayOrder, "the dates in " + t_.ColumnName(c) + " are written day first on some rows (" +
                                 std::to_string(p.firstAbove12) + ") and month first on others (" +
                                 std::to_string(p.secondAbove12) + ")");
      why = ", written both ways";
      return DayOrder::Unknown;
    }
    if (p.secondAbove12 > 0) {
      why = ", month first: a day above 12 stands second in " + Values(p.secondAbove12);
      return DayOrder::MonthFirst;
    }
    if (p.firstAbove12 > 0) {
      why = ", day first: a day above 12 stands first in " + Values(p.firstAbove12);
      return DayOrder::DayFirst;
    }
    const std::string header = Lowered(t_.Header(c));
    for (const char* hint : {"mm/dd", "m/d", "mm-dd", "mm.dd"})
      if (header.find(hint) != std::string::npos) return why = ", month first as the header says", DayOrder::MonthFirst;
    for (const char* hint : {"dd/mm", "d/m", "dd-mm", "dd.mm"})
      if (header.find(hint) != std::string::npos) return why = ", day first as the header says", DayOrder::DayFirst;
    Fail(Choice::DayOrder,
         "the dates in " + t_.ColumnName(c) + " read as well day first as month first (no day above 12 tells)");
    why = ", day and month order unknown";
    return DayOrder::Unknown;
  }

  bool HoldsYears(int c) const { return Nearly(P(c).years, P(c).filled); }
  bool HoldsDayOrMonth(int c) const { return Nearly(P(c).dayOrMonth, P(c).filled); }

  // A year column with two columns of days and months beside it: before it
  // (6,10,2019) or after it (2019,6,10).
  bool FindSplitDate() {
    for (int y = 0; y < t_.Columns(); ++y) {
      if (!HoldsYears(y)) continue;
      if (y >= 2 && HoldsDayOrMonth(y - 2) && HoldsDayOrMonth(y - 1) && SplitDate({y - 2, y - 1, y}, false))
        return true;
      if (y + 2 < t_.Columns() && HoldsDayOrMonth(y + 1) && HoldsDayOrMonth(y + 2) &&
          SplitDate({y, y + 1, y + 2}, false))
        return true;
    }
    return false;
  }

  void ChooseNamedSplitDate(const std::string& names) {
    std::vector<int> columns;
    for (std::size_t from = 0; from <= names.size();) {
      std::size_t to = names.find('+', from);
      if (to == std::string::npos) to = names.size();
      const int c = Named(names.substr(from, to - from));
      if (c < 0) return;
      columns.push_back(c);
      from = to + 1;
    }
    ChooseSplitDate(columns);
  }

  void ChooseSplitDate(std::vector<int> columns) {
    std::sort(columns.begin(), columns.end());
    if (columns.size() != 3 || std::adjacent_find(columns.begin(), columns.end()) != columns.end())
      return Fail(Choice::Column, "a date split over columns takes three of them, the month, the day and the year");
    SplitDate(columns, true);
  }

  // Three columns in file order, one of them the years: which of the other
  // two is the month comes from the user's day order, then from a day above
  // 12, then from the headers; a year written first is followed by the month.
  bool SplitDate(const std::vector<int>& columns, bool chosen) {
    std::vector<int> parts;
    int year = -1;
    for (int c : columns) {
      if (year < 0 && HoldsYears(c))
        year = c;
      else
        parts.push_back(c);
    }
    const std::string names = NamesOf(t_, columns);
    const auto refuse = [&](const std::string& why) {
      if (chosen) Fail(Choice::Column, names + " " + why);
      return false;
    };
    if (year < 0) return refuse("hold no column of years");
    const int p = parts[0], q = parts[1];
    if (!HoldsDayOrMonth(p) || !HoldsDayOrMonth(q)) return refuse("do not hold a day and a month beside the year");
    const bool pDay = P(p).above12 > 0, qDay = P(q).above12 > 0;
    if (pDay && qDay) return refuse("hold days above 12 in two columns: neither is a month");
    int month = p;
    std::string why;
    if (choice_.dayOrder != DayOrder::Unknown) {
      month = choice_.dayOrder == DayOrder::MonthFirst ? p : q;
      why = choice_.dayOrder == DayOrder::MonthFirst ? ", month first as chosen" : ", day first as chosen";
    } else if (pDay || qDay) {
      month = pDay ? q : p;
      why = std::string(", ") +
            (pDay ? "day first: a day above 12 stands first in "
                  : "month first: a day above 12 "
                    "stands second in ") +
            Values(P(pDay ? p : q).above12);
    } else if (SaysMonth(t_.Header(p)) || SaysDay(t_.Header(q))) {
      why = ", month first as the headers say";
    } else if (SaysMonth(t_.Header(q)) || SaysDay(t_.Header(p))) {
      month = q;
      why = ", day first as the headers say";
    } else if (year < p) {
      why = ", month first after the year";
    } else {
      Fail(Choice::DayOrder,
           "the dates in " + names + " read as well day first as month first (no day above 12 tells)");
      why = ", day and month order unknown";
    }
    const int day = month == p ? q : p;
    m_.monthColumn = month;
    m_.dayColumn = day;
    m_.yearColumn = year;
    m_.dayOrder = why == ", day and month order unknown" ? DayOrder::Unknown
                  : month == p                           ? DayOrder::MonthFirst
                                                         : DayOrder::DayFirst;
    const std::string as = chosen ? "as chosen; " : "";
    Use(year) = {ColumnRole::Year, DrawTime::Unknown, 0,
                 "date, year: " + as + Count(P(year).years, P(year).filled) + " values are years"};
    Use(month) = {ColumnRole::Month, DrawTime::Unknown, 0,
                  "date, month: " + as + Count(P(month).dayOrMonth - P(month).above12, P(month).filled) +
                      " values are 1 to 12" + why};
    Use(day) = {ColumnRole::DayOfMonth, DrawTime::Unknown, 0,
                "date, day: " + as + Count(P(day).dayOrMonth, P(day).filled) + " values are 1 to 31"};
    return true;
  }

  void ChooseTime() {
    int best = -1;
    if (choice_.time) {
      best = Named(*choice_.time);
      if (best < 0) return;
    } else {
      for (int c = 0; c < t_.Columns(); ++c)
        if (IsNotDate(c) && Mostly(P(c).times, P(c).filled) && (best < 0 || P(c).times > P(best).times)) best = c;
      if (best < 0) return;
    }
    m_.timeColumn = best;
    Use(best).role = ColumnRole::Time;
    Use(best).reason = std::string("draw time: ") + (choice_.time ? "as chosen; " : "") +
                       Count(P(best).times, P(best).filled) + " values say midday or evening";
  }

  // Mostly numbers of at most three digits, enough of them with three: shorter
  // ones lost their leading zeros. A sum or a day of the month never has three;
  // another game's column has more longer numbers than three-digit ones. A few
  // unreadable cells do not hide a column: their rows are listed as skipped.
  bool IsWholeResult(int c) const {
    const Profile& p = P(c);
    const int fitting = p.three + p.shortNumbers;
    if (p.three == 0 || !Mostly(fitting, p.filled) || p.longNumbers + p.money >= p.three) return false;
    return p.three * 2 >= fitting || HeaderTime(t_.Header(c)) != DrawTime::Unknown || SaysResult(t_.Header(c));
  }
  bool IsDigitColumn(int c) const {
    const Profile& p = P(c);
    return Mostly(p.digits, p.filled) && p.shortNumbers == p.digits && p.three + p.longNumbers + p.money == 0;
  }
  bool IsNotDate(int c) const {
    return c != m_.dateColumn && c != m_.monthColumn && c != m_.dayColumn && c != m_.yearColumn;
  }
  bool Free(int c) const { return IsNotDate(c) && c != m_.timeColumn; }

  void ChooseResults() {
    std::vector<ResultSource> sources;
    std::vector<int> pendingDigits;
    if (!choice_.results.empty()) {
      std::vector<bool> named(static_cast<std::size_t>(t_.Columns()), false);
      for (const ColumnName& name : choice_.results) {
        const int c = Named(name);
        if (c < 0) return;
        if (!Free(c) || named[static_cast<std::size_t>(c)])
          return Fail(Choice::ResultColumns, t_.ColumnName(c) + (Free(c) ? " is named twice as a result"
                                                                         : " holds the date or the draw time"));
        named[static_cast<std::size_t>(c)] = true;
        if (IsDigitColumn(c)) {
          pendingDigits.push_back(c);
          if (pendingDigits.size() == 3) sources.push_back({std::exchange(pendingDigits, {}), DrawTime::Unknown});
        } else {
          sources.push_back({{c}, DrawTime::Unknown});
        }
      }
      if (!pendingDigits.empty())
        return Fail(Choice::ResultColumns, "a result from single-digit columns takes three of them, in ball order: " +
                                               NamesOf(t_, pendingDigits));
    } else {
      for (int c = 0; c < t_.Columns(); ++c)
        if (Free(c) && HeaderExclusion(t_.Header(c)).empty() && IsWholeResult(c))
          sources.push_back({{c}, DrawTime::Unknown});
      if (sources.empty()) {
        std::vector<int> digits;
        for (int c = 0; c < t_.Columns(); ++c)
          if (Free(c) && HeaderExclusion(t_.Header(c)).empty() && IsDigitColumn(c)) digits.push_back(c);
        // Without headers, a fourth single digit right after a result's three
        // is its bonus ball (the Fireball of Texas' export).
        if (!t_.hasHeader && digits.size() % 3 == 1 && digits.size() > 3 &&
            digits.back() == digits[digits.size() - 2] + 1)
          digits.pop_back();
        if (digits.size() % 3 != 0 || digits.size() > 6)
          return Fail(Choice::ResultColumns,
                      "the single-digit columns " + NamesOf(t_, digits) + " do not make whole results (three a draw)");
        for (std::size_t i = 0; i < digits.size(); i += 3)
          sources.push_back({{digits[i], digits[i + 1], digits[i + 2]}, DrawTime::Unknown});
      }
      if (sources.empty()) return Fail(Choice::ResultColumns, "no column holds pick-3 results");
    }
    AssignTimes(sources);
    TwoDrawsADay(sources);
    m_.results = sources;
    for (const ResultSource& s : sources) Explain(s);
  }

  DrawTime HeaderTimeOf(const ResultSource& s) const {
    for (int c : s.columns)
      if (const DrawTime t = HeaderTime(t_.Header(c)); t != DrawTime::Unknown) return t;
    return DrawTime::Unknown;
  }

  // A single result takes its draw time from the draw-time column or its
  // header; two results of a row need their headers, or the user's order.
  void AssignTimes(std::vector<ResultSource>& sources) {
    if (!choice_.resultTimes.empty()) {
      if (choice_.resultTimes.size() != sources.size())
        return Fail(Choice::ResultColumns, "the draw times chosen do not match the results chosen");
      for (std::size_t i = 0; i < sources.size(); ++i) sources[i].time = choice_.resultTimes[i];
    } else if (sources.size() == 1) {
      if (m_.timeColumn < 0) sources[0].time = HeaderTimeOf(sources[0]);
      return;
    } else {
      std::vector<int> firsts;
      std::uint8_t named = 0;
      bool headersTell = true;  // each result's header names its own draw of the day
      for (const ResultSource& s : sources) {
        firsts.push_back(s.columns[0]);
        const DrawTime t = HeaderTimeOf(s);
        headersTell = headersTell && t != DrawTime::Unknown && (named & Bit(t)) == 0;
        named |= Bit(t);
      }
      if (headersTell) {
        for (ResultSource& s : sources) s.time = HeaderTimeOf(s);
      } else if (sources.size() == 2 && !choice_.results.empty()) {
        sources[0].time = DrawTime::Midday;
        sources[1].time = DrawTime::Evening;
      } else if (sources.size() == 2) {
        return Fail(Choice::ResultColumns,
                    NamesOf(t_, firsts) + " both hold results and their headers do not say which is midday");
      } else {
        return Fail(
            Choice::ResultColumns,
            NamesOf(t_, firsts) + " all hold results and their headers do not say which draw of the day each is");
      }
    }
    const bool allTimed =
        std::all_of(sources.begin(), sources.end(), [](const ResultSource& s) { return s.time != DrawTime::Unknown; });
    if (allTimed && m_.timeColumn >= 0) {
      Use(m_.timeColumn).role = ColumnRole::Unused;
      Use(m_.timeColumn).reason = "not used: each result column has its own draw time";
      m_.timeColumn = -1;
    }
  }

  void Explain(const ResultSource& s) {
    std::string from;
    if (s.time == DrawTime::Unknown && m_.timeColumn >= 0)
      from = "; the draw time comes from " + t_.ColumnName(m_.timeColumn);
    else if (s.time != DrawTime::Unknown && !choice_.resultTimes.empty())
      from = "; the draw time as chosen";
    else if (s.time != DrawTime::Unknown && HeaderTimeOf(s) == s.time)
      from = "; the header says " + std::string(Trim(TimeWord(s.time)));
    else if (s.time == DrawTime::Evening && HeaderTimeOf(s) == DrawTime::Night)
      from = "; the header says night, the later of two draws a day";
    else if (s.time != DrawTime::Unknown)
      from = std::string("; ") + (s.time == DrawTime::Midday ? "midday: named first" : "evening: named second");
    const std::string chosen = choice_.results.empty() ? "" : "as chosen; ";
    if (s.columns.size() == 1) {
      const int c = s.columns[0];
      const Profile& p = P(c);
      std::string why = std::string(TimeWord(s.time)) + "result: " + chosen + Count(p.three, p.filled) +
                        " values are three-digit results";
      if (p.shortNumbers > 0)
        why += ", " + Values(p.shortNumbers) + " with fewer digits read with leading zeros (7 is 007)";
      Use(c) = {ColumnRole::Result, s.time, 0, why + from};
      return;
    }
    for (int ball = 0; ball < 3; ++ball) {
      const int c = s.columns[static_cast<std::size_t>(ball)];
      Use(c) = {ColumnRole::Digit, s.time, ball + 1,
                "digit " + std::to_string(ball + 1) + " of the " + TimeWord(s.time) + "result: " + chosen +
                    Count(P(c).digits, P(c).filled) + " values are single digits" + from};
    }
  }

  // A lottery with two draws a day holds them at midday and in the evening,
  // whatever its export calls them: "Night" beside "Day" is the evening draw.
  void TwoDrawsADay(std::vector<ResultSource>& sources) {
    std::uint8_t times = m_.timeColumn >= 0 ? P(m_.timeColumn).timesSeen : 0;
    for (const ResultSource& s : sources) times |= Bit(s.time);
    if (m_.timeColumn >= 0 && (times & (Bit(DrawTime::Morning) | Bit(DrawTime::Night))) != 0)
      Use(m_.timeColumn).reason = "draw time: " + std::string(choice_.time ? "as chosen; " : "") +
                                  Count(P(m_.timeColumn).times, P(m_.timeColumn).filled) + " values name a draw time";
    if ((times & Bit(DrawTime::Night)) == 0 || (times & (Bit(DrawTime::Morning) | Bit(DrawTime::Evening))) != 0) return;
    m_.nightIsEvening = true;
    for (ResultSource& s : sources)
      if (s.time == DrawTime::Night) s.time = DrawTime::Evening;
  }

  void ExplainUnused() {
    for (int c = 0; c < t_.Columns(); ++c) {
      if (Use(c).role != ColumnRole::Unused || !Use(c).reason.empty()) continue;
      const Profile& p = P(c);
      const std::string excluded = HeaderExclusion(t_.Header(c));
      std::string why;
      if (p.filled == 0)
        why = "empty";
      else if (!excluded.empty() && (p.three + p.shortNumbers + p.longNumbers + p.money + p.otherNumbers) > 0)
        why = "the header names " + excluded + ", not a pick-3 result";
      else if (p.money > 0)
        why = "amounts of money";
      else if (p.longNumbers > 0)
        why = "numbers of four or more digits (another game)";
      else if (Mostly(p.dates, p.filled))
        why = "dates; the date comes from " + (m_.dateColumn >= 0 ? t_.ColumnName(m_.dateColumn) : "elsewhere");
      else if (Mostly(p.times, p.filled))
        why = "draw times";
      else if (IsDigitColumn(c))
        why = "single digits beside the chosen results (a bonus number)";
      else if (p.three < p.shortNumbers && Mostly(p.three + p.shortNumbers, p.filled))
        why = "mostly numbers below 100 (a sum or a count, not a result)";
      else if (IsWholeResult(c))
        why = "three-digit results not chosen";
      else if (p.three + p.shortNumbers + p.otherNumbers > 0)
        why = "numbers that are not pick-3 results";
      else
        why = "text";
      Use(c).reason = "not used: " + why;
    }
  }

  const CsvTable& t_;
  const MappingChoice& choice_;
  std::vector<Profile> profiles_;
  Mapping m_;
};

}  // namespace

Mapping ProposeMapping(const CsvTable& table, const MappingChoice& choice) { return Proposer(table, choice).Run(); }

std::string DescribeUse(const ColumnUse& use) {
  switch (use.role) {
    case ColumnRole::Date:
      return "date";
    case ColumnRole::Month:
      return "date: month";
    case ColumnRole::DayOfMonth:
      return "date: day";
    case ColumnRole::Year:
      return "date: year";
    case ColumnRole::Time:
      return "draw time";
    case ColumnRole::Result:
      return std::string(TimeWord(use.time)) + "result";
    case ColumnRole::Digit:
      return std::string(TimeWord(use.time)) + "result digit " + std::to_string(use.ball);
    case ColumnRole::Unused:
      break;
  }
  return "not used";
}

}  // namespace drawlyze::import
