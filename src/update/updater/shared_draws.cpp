#include "update/updater/shared_draws.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "core/import/cell_values.h"
#include "core/import/import.h"
#include "update/updater/candidate_check.h"

namespace drawlyze::updater {

namespace {

using import::DrawTime;

struct DayDraw {
  const Draw* draw;
  DrawTime time;
};

// A day as a key: the calendar day when the date reads as one, else its text.
std::string DayOf(const std::string& date) {
  const std::optional<long> key = DateKey(date);
  return key ? std::to_string(*key) : "?" + date;
}

DrawTime TimeOf(const Draw& draw) {
  DrawTime time = DrawTime::Unknown;
  return import::ReadDrawTime(draw.time, time) ? time : DrawTime::Unknown;
}

// The draws of each day, oldest first; the days in the order they come.
struct Days {
  std::unordered_map<std::string, std::vector<DayDraw>> draws;
  std::vector<std::string> order;
  std::optional<long> first, last;  // the calendar days that read as such

  explicit Days(const std::vector<Draw>& newestFirst) {
    for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it) {
      const std::string day = DayOf(it->date);
      auto& list = draws[day];
      if (list.empty()) order.push_back(day);
      list.push_back({&*it, TimeOf(*it)});
      if (const auto key = DateKey(it->date)) {
        first = first ? std::min(*first, *key) : *key;
        last = last ? std::max(*last, *key) : *key;
      }
    }
  }
};

std::string Digits(const DrawNumbers& n) {
  std::string text;
  for (std::uint8_t d : n) text += std::to_string(d);
  return text;
}

}  // namespace

SharedDraws CompareSharedDraws(const std::vector<Draw>& candidate, const std::vector<Draw>& current) {
  SharedDraws result;
  const Days mine(candidate), theirs(current);
  const auto pair = [&result](const DayDraw& a, const DayDraw& b) {
    ++result.shared;
    if (a.draw->a == b.draw->a) return;
    if (result.differing++ > 0) return;
    result.example = a.draw->date;
    if (a.time != DrawTime::Unknown) result.example += " " + std::string(import::TimeToken(a.time));
    result.example += ": " + Digits(a.draw->a) + ", the current file " + Digits(b.draw->a);
  };
  for (const std::string& day : mine.order) {
    const auto found = theirs.draws.find(day);
    if (found == theirs.draws.end()) continue;
    const std::vector<DayDraw>& a = mine.draws.at(day);
    const std::vector<DayDraw>& b = found->second;
    const auto untimed = [](const DayDraw& d) { return d.time == DrawTime::Unknown; };
    if (a.size() == b.size() &&
        (std::any_of(a.begin(), a.end(), untimed) || std::any_of(b.begin(), b.end(), untimed))) {
      for (std::size_t i = 0; i < a.size(); ++i) pair(a[i], b[i]);
      continue;
    }
    std::vector<bool> used(b.size(), false);
    for (const DayDraw& d : a) {
      if (d.time == DrawTime::Unknown) continue;
      for (std::size_t i = 0; i < b.size(); ++i)
        if (!used[i] && b[i].time == d.time) {
          used[i] = true;
          pair(d, b[i]);
          break;
        }
    }
  }
  result.overlapping =
      result.shared > 0 || (mine.first && theirs.first && *mine.first <= *theirs.last && *theirs.first <= *mine.last);
  return result;
}

}  // namespace drawlyze::updater
