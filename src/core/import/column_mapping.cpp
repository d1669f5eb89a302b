#include "core/import/column_mapping.h"

#include <algorithm>
#include <utility>

#include "core/history/escaped_text.h"
#include "core/import/bonus_balls.h"
#include "core/import/column_profile.h"
#include "core/import/header_words.h"

namespace drawlyze::import {

namespace {

constexpr std::uint8_t Bit(DrawTime time) { return static_cast<std::uint8_t>(1u << static_cast<unsigned>(time)); }

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
    for (ColumnUse& use : m_.columns) use.reason = ReasonText(use.why);
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
    Reason why;
    m_.dayOrder = DayOrderOf(best, why);
    why.decision = Decision::Date;
    why.chosen = choice_.date.has_value() || !choice_.splitDate.empty();
    why.part = p.dates;
    why.whole = p.filled;
    why.sample = p.sample;
    why.order = m_.dayOrder;
    Use(best).role = ColumnRole::Date;
    Use(best).why = why;
  }

  // The order of day and month in column c's dates, and how it was found.
  DayOrder DayOrderOf(int c, Reason& why) {
    const Profile& p = P(c);
    const auto found = [&why](OrderFound how, DayOrder order, int count = 0) {
      why.orderFound = how;
      why.orderCount = count;
      return order;
    };
    if (choice_.dayOrder != DayOrder::Unknown) return found(OrderFound::Chosen, choice_.dayOrder);
    if (p.eitherOrder == 0) return DayOrder::Unknown;
    if (p.firstAbove12 > 0 && p.secondAbove12 > 0) {
      Fail(Choice::DayOrder, "the dates in " + t_.ColumnName(c) + " are written day first on some rows (" +
                                 std::to_string(p.firstAbove12) + ") and month first on others (" +
                                 std::to_string(p.secondAbove12) + ")");
      return found(OrderFound::BothWays, DayOrder::Unknown);
    }
    if (p.secondAbove12 > 0) return found(OrderFound::DayAbove12, DayOrder::MonthFirst, p.secondAbove12);
    if (p.firstAbove12 > 0) return found(OrderFound::DayAbove12, DayOrder::DayFirst, p.firstAbove12);
    if (const DayOrder said = HeaderDayOrder(t_.Header(c)); said != DayOrder::Unknown)
      return found(OrderFound::Header, said);
    Fail(Choice::DayOrder,
         "the dates in " + t_.ColumnName(c) + " read as well day first as month first (no day above 12 tells)");
    return found(OrderFound::Unknown, DayOrder::Unknown);
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
    Reason why;
    why.decision = Decision::Month;
    why.chosen = chosen;
    if (choice_.dayOrder != DayOrder::Unknown) {
      month = choice_.dayOrder == DayOrder::MonthFirst ? p : q;
      why.orderFound = OrderFound::Chosen;
    } else if (pDay || qDay) {
      month = pDay ? q : p;
      why.orderFound = OrderFound::DayAbove12;
      why.orderCount = P(pDay ? p : q).above12;
    } else if (SaysMonth(t_.Header(p)) || SaysDay(t_.Header(q))) {
      why.orderFound = OrderFound::Headers;
    } else if (SaysMonth(t_.Header(q)) || SaysDay(t_.Header(p))) {
      month = q;
      why.orderFound = OrderFound::Headers;
    } else if (year < p) {
      why.orderFound = OrderFound::AfterYear;
    } else {
      Fail(Choice::DayOrder,
           "the dates in " + names + " read as well day first as month first (no day above 12 tells)");
      why.orderFound = OrderFound::Unknown;
    }
    const int day = month == p ? q : p;
    m_.monthColumn = month;
    m_.dayColumn = day;
    m_.yearColumn = year;
    m_.dayOrder = why.orderFound == OrderFound::Unknown ? DayOrder::Unknown
                  : month == p                          ? DayOrder::MonthFirst
                                                        : DayOrder::DayFirst;
    why.order = m_.dayOrder;
    why.part = P(month).dayOrMonth - P(month).above12;
    why.whole = P(month).filled;
    Use(month).role = ColumnRole::Month;
    Use(month).why = why;
    Use(year).role = ColumnRole::Year;
    Use(year).why = {.decision = Decision::Year, .chosen = chosen, .part = P(year).years, .whole = P(year).filled};
    Use(day).role = ColumnRole::DayOfMonth;
    Use(day).why = {
        .decision = Decision::DayOfMonth, .chosen = chosen, .part = P(day).dayOrMonth, .whole = P(day).filled};
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
    Use(best).why = {
        .decision = Decision::Time, .chosen = choice_.time.has_value(), .part = P(best).times, .whole = P(best).filled};
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
        // A bonus ball is never a result, whoever names it.
        if (const std::string ball = BonusBallName(t_.Header(c)); !ball.empty())
          return Fail(Choice::ResultColumns,
                      t_.ColumnName(c) + " holds " + ball + ", never a result or one of its digits");
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
        if (Free(c) && HeaderExclusion(t_.Header(c)) == Exclusion::None && IsWholeResult(c))
          sources.push_back({{c}, DrawTime::Unknown});
      if (sources.empty()) {
        std::vector<int> digits;
        for (int c = 0; c < t_.Columns(); ++c)
          if (Free(c) && HeaderExclusion(t_.Header(c)) == Exclusion::None && IsDigitColumn(c)) digits.push_back(c);
        // Without headers, a fourth single digit after a result's three, right
        // after them or behind their sum, is its bonus ball (the Fireball of
        // Texas' export).
        if (!t_.hasHeader && digits.size() % 3 == 1 && digits.size() > 3 &&
            digits.back() <= digits[digits.size() - 2] + 2)
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
      Use(m_.timeColumn).why = {.decision = Decision::OwnTimes};
      m_.timeColumn = -1;
    }
  }

  void Explain(const ResultSource& s) {
    Reason why;
    why.chosen = !choice_.results.empty();
    why.time = s.time;
    if (s.time == DrawTime::Unknown && m_.timeColumn >= 0) {
      why.timeFound = TimeFound::Column;
      why.timeColumn = t_.ColumnName(m_.timeColumn);
    } else if (s.time != DrawTime::Unknown && !choice_.resultTimes.empty()) {
      why.timeFound = TimeFound::Chosen;
    } else if (s.time != DrawTime::Unknown && HeaderTimeOf(s) == s.time) {
      why.timeFound = TimeFound::Header;
    } else if (s.time == DrawTime::Evening && HeaderTimeOf(s) == DrawTime::Night) {
      why.timeFound = TimeFound::HeaderNight;
    } else if (s.time != DrawTime::Unknown) {
      why.timeFound = s.time == DrawTime::Midday ? TimeFound::NamedFirst : TimeFound::NamedSecond;
    }
    if (s.columns.size() == 1) {
      const int c = s.columns[0];
      why.decision = Decision::Result;
      why.part = P(c).three;
      why.whole = P(c).filled;
      why.shorter = P(c).shortNumbers;
      Use(c) = {ColumnRole::Result, s.time, 0, {}, why};
      return;
    }
    why.decision = Decision::Digit;
    for (int ball = 0; ball < 3; ++ball) {
      const int c = s.columns[static_cast<std::size_t>(ball)];
      why.ball = ball + 1;
      why.part = P(c).digits;
      why.whole = P(c).filled;
      Use(c) = {ColumnRole::Digit, s.time, ball + 1, {}, why};
    }
  }

  // A lottery with two draws a day holds them at midday and in the evening,
  // whatever its export calls them: "Night" beside "Day" is the evening draw.
  void TwoDrawsADay(std::vector<ResultSource>& sources) {
    std::uint8_t times = m_.timeColumn >= 0 ? P(m_.timeColumn).timesSeen : 0;
    for (const ResultSource& s : sources) times |= Bit(s.time);
    if (m_.timeColumn >= 0 && (times & (Bit(DrawTime::Morning) | Bit(DrawTime::Night))) != 0)
      Use(m_.timeColumn).why.decision = Decision::TimeNamed;
    if ((times & Bit(DrawTime::Night)) == 0 || (times & (Bit(DrawTime::Morning) | Bit(DrawTime::Evening))) != 0) return;
    m_.nightIsEvening = true;
    for (ResultSource& s : sources)
      if (s.time == DrawTime::Night) s.time = DrawTime::Evening;
  }

  // Why a column no use took stays unused: the first of these that holds.
  void ExplainUnused() {
    for (int c = 0; c < t_.Columns(); ++c) {
      if (Use(c).role != ColumnRole::Unused || Use(c).why.decision != Decision::None) continue;
      const Profile& p = P(c);
      Reason& why = Use(c).why;
      why.excluded = HeaderExclusion(t_.Header(c));
      if (p.filled == 0)
        why.decision = Decision::Empty;
      else if (why.excluded != Exclusion::None &&
               (p.three + p.shortNumbers + p.longNumbers + p.money + p.otherNumbers) > 0)
        why.decision = Decision::Excluded;
      else if (p.money > 0)
        why.decision = Decision::Money;
      else if (p.longNumbers > 0)
        why.decision = Decision::LongNumbers;
      else if (Mostly(p.dates, p.filled))
        why.decision = Decision::OtherDates, why.dateFrom = m_.dateColumn >= 0 ? t_.ColumnName(m_.dateColumn) : "";
      else if (Mostly(p.times, p.filled))
        why.decision = Decision::DrawTimes;
      else if (IsDigitColumn(c))
        why.decision = Decision::BonusDigits;
      else if (p.three < p.shortNumbers && Mostly(p.three + p.shortNumbers, p.filled))
        why.decision = Decision::SmallNumbers;
      else if (IsWholeResult(c))
        why.decision = Decision::ResultsNotChosen;
      else if (p.three + p.shortNumbers + p.otherNumbers > 0)
        why.decision = Decision::OtherNumbers;
      else
        why.decision = Decision::Text;
    }
  }

  const CsvTable& t_;
  const MappingChoice& choice_;
  std::vector<Profile> profiles_;
  Mapping m_;
};

}  // namespace

Mapping ProposeMapping(const CsvTable& table, const MappingChoice& choice) { return Proposer(table, choice).Run(); }

}  // namespace drawlyze::import
