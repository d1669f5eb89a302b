#include "core/import/column_uses.h"

#include <algorithm>

namespace drawlyze::import {

namespace {

// One pick-3 result the uses name: its columns (three in ball order for
// digits) and its draw time.
struct ChosenResult {
  DrawTime time;
  std::vector<int> columns;
};

Mapping Unfit(std::string problem) {
  Mapping m;
  m.needs = Choice::ColumnUses;
  m.problem = std::move(problem);
  return m;
}

}  // namespace

const std::vector<ColumnUse>& OfferedUses() {
  static const std::vector<ColumnUse> uses = [] {
    std::vector<ColumnUse> list = {
        {ColumnRole::Unused, DrawTime::Unknown, 0, {}}, {ColumnRole::Date, DrawTime::Unknown, 0, {}},
        {ColumnRole::Month, DrawTime::Unknown, 0, {}},  {ColumnRole::DayOfMonth, DrawTime::Unknown, 0, {}},
        {ColumnRole::Year, DrawTime::Unknown, 0, {}},   {ColumnRole::Time, DrawTime::Unknown, 0, {}}};
    const DrawTime times[] = {DrawTime::Unknown, DrawTime::Midday, DrawTime::Evening, DrawTime::Morning,
                              DrawTime::Night};
    for (DrawTime t : times) list.push_back({ColumnRole::Result, t, 0, {}});
    for (DrawTime t : times)
      for (int ball = 1; ball <= 3; ++ball) list.push_back({ColumnRole::Digit, t, ball, {}});
    return list;
  }();
  return uses;
}

int OfferedIndex(const ColumnUse& use) {
  const std::vector<ColumnUse>& uses = OfferedUses();
  const bool timed = use.role == ColumnRole::Result || use.role == ColumnRole::Digit;
  for (std::size_t i = 0; i < uses.size(); ++i)
    if (uses[i].role == use.role && (!timed || uses[i].time == use.time) &&
        (use.role != ColumnRole::Digit || uses[i].ball == use.ball))
      return static_cast<int>(i);
  return 0;
}

Mapping ProposeMapping(const CsvTable& table, const ColumnUses& uses) {
  MappingChoice choice;
  choice.dayOrder = uses.dayOrder;
  std::vector<int> dates, months, days, years, times;
  std::vector<ChosenResult> results;
  // Digits by draw time, then by ball.
  std::vector<std::vector<std::vector<int>>> digits(5, std::vector<std::vector<int>>(3));
  for (std::size_t c = 0; c < uses.columns.size(); ++c) {
    const int column = static_cast<int>(c);
    const ColumnUse& use = uses.columns[c];
    switch (use.role) {
      case ColumnRole::Date:
        dates.push_back(column);
        break;
      case ColumnRole::Month:
        months.push_back(column);
        break;
      case ColumnRole::DayOfMonth:
        days.push_back(column);
        break;
      case ColumnRole::Year:
        years.push_back(column);
        break;
      case ColumnRole::Time:
        times.push_back(column);
        break;
      case ColumnRole::Result:
        results.push_back({use.time, {column}});
        break;
      case ColumnRole::Digit:
        if (use.ball >= 1 && use.ball <= 3)
          digits[static_cast<std::size_t>(use.time)][static_cast<std::size_t>(use.ball - 1)].push_back(column);
        break;
      case ColumnRole::Unused:
        break;
    }
  }
  const bool split = !months.empty() || !days.empty() || !years.empty();
  if (dates.size() + (split ? 1 : 0) != 1 || (split && (months.size() != 1 || days.size() != 1 || years.size() != 1)))
    return Unfit("choose one date column, or one column each for the month, the day and the year of the date");
  if (split) {
    choice.splitDate = {months[0], days[0], years[0]};
    std::sort(choice.splitDate.begin(), choice.splitDate.end());
    // Where the lists put the month and the day is the order, once the user placed them.
    if (uses.datePartsPlaced) choice.dayOrder = months[0] < days[0] ? DayOrder::MonthFirst : DayOrder::DayFirst;
  } else {
    choice.date = ColumnName::At(dates[0]);
  }
  if (times.size() > 1) return Unfit("choose at most one draw-time column");
  if (!times.empty()) choice.time = ColumnName::At(times[0]);
  for (std::size_t t = 0; t < digits.size(); ++t) {
    const auto& balls = digits[t];
    if (balls[0].empty() && balls[1].empty() && balls[2].empty()) continue;
    if (balls[0].size() != 1 || balls[1].size() != 1 || balls[2].size() != 1)
      return Unfit("a result from single-digit columns takes one column for each of its digits 1, 2 and 3");
    results.push_back({static_cast<DrawTime>(t), {balls[0][0], balls[1][0], balls[2][0]}});
  }
  if (results.empty()) return Unfit("choose the result column (or its three digit columns)");
  // Midday first where no use says when a result was drawn.
  std::stable_sort(results.begin(), results.end(),
                   [](const ChosenResult& a, const ChosenResult& b) { return a.time < b.time; });
  const bool timed =
      std::any_of(results.begin(), results.end(), [](const ChosenResult& r) { return r.time != DrawTime::Unknown; });
  for (const ChosenResult& r : results) {
    for (int c : r.columns) choice.results.push_back(ColumnName::At(c));
    if (timed) choice.resultTimes.push_back(r.time);
  }
  return ProposeMapping(table, choice);
}

}  // namespace drawlyze::import
