#include "core/import/draw_time_values.h"

#include "core/import/cell_text.h"

namespace drawlyze::import {

namespace {

using cell::EqualsNoCase;
using cell::IsDigit;
using cell::IsLetter;
using cell::Lower;
using cell::Number;

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

}  // namespace drawlyze::import
