#include "core/plays/history_draws.h"

#include <algorithm>

namespace drawlyze::plays {

HistoryDraws::HistoryDraws(const DrawHistory& history) {
  const int count = history.Count();
  days_.resize(static_cast<std::size_t>(count));
  times_.resize(static_cast<std::size_t>(count));
  bool night = false, morningOrEvening = false, ownNight = false;
  for (int i = 0; i < count; ++i) {
    const import::DateParts parts = import::ReadDateParts(history.DateText(i));
    const DayKey day =
        parts.kind == import::DateKind::Dotted ? import::ResolveDate(parts, import::DayOrder::DayFirst) : 0;
    DrawTime time = DrawTime::Unknown;
    if (!import::ReadDrawTime(history.TimeText(i), time)) time = DrawTime::Unknown;
    days_[static_cast<std::size_t>(i)] = day;
    times_[static_cast<std::size_t>(i)] = time;
    undated_ += day == 0;
    night |= time == DrawTime::Night;
    morningOrEvening |= time == DrawTime::Morning || time == DrawTime::Evening;
    ownNight |= history.TimeText(i) == "Ngt";
  }
  // As the importer reads a history: two draws a day called Day and Night are
  // midday and evening, unless the file is its own, where Ngt is a night draw.
  nightIsEvening_ = night && !morningOrEvening && !ownNight;
  if (nightIsEvening_)
    for (DrawTime& time : times_)
      if (time == DrawTime::Night) time = DrawTime::Evening;

  for (int i = count - 1; i >= 0; --i) {
    if (days_[static_cast<std::size_t>(i)] == 0) continue;
    if (oldest_ < 0) oldest_ = i;
    byTime_[static_cast<std::size_t>(DrawTime::Unknown)].push_back(i);
    const DrawTime time = times_[static_cast<std::size_t>(i)];
    if (time != DrawTime::Unknown) byTime_[static_cast<std::size_t>(time)].push_back(i);
  }
  for (std::size_t t = 0; t < byTime_.size(); ++t)
    sorted_[t] = std::is_sorted(byTime_[t].begin(), byTime_[t].end(), [&](int a, int b) { return Day(a) < Day(b); });
}

std::size_t HistoryDraws::FirstOnOrAfter(DrawTime time, DayKey day) const {
  const std::vector<int>& draws = DrawsOf(time);
  if (sorted_[static_cast<std::size_t>(time)])
    return static_cast<std::size_t>(
        std::lower_bound(draws.begin(), draws.end(), day, [&](int index, DayKey d) { return Day(index) < d; }) -
        draws.begin());
  // A file out of date order: the first draw, in the file's order, dated on or after the day.
  for (std::size_t k = 0; k < draws.size(); ++k)
    if (Day(draws[k]) >= day) return k;
  return draws.size();
}

DrawTime HistoryDraws::AsHistoryNames(DrawTime time) const {
  return nightIsEvening_ && time == DrawTime::Night ? DrawTime::Evening : time;
}

}  // namespace drawlyze::plays
