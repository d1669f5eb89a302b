#pragma once
// Small hand-made histories for view tests.

#include <sstream>
#include <string>
#include <vector>

#include "core/chart/view_helpers.h"
#include "core/history/draw_history.h"

namespace drawlyze::testing {

// "314 592 358" lists draws OLDEST first, three digits each.
inline DrawHistory History(const std::string& oldestFirst) {
  std::vector<DrawNumbers> draws;
  std::istringstream in(oldestFirst);
  std::string word;
  while (in >> word) {
    DrawNumbers d{};
    for (std::size_t i = 0; i < 3 && i < word.size(); ++i) d[i] = static_cast<std::uint8_t>(word[i] - '0');
    draws.push_back(d);
  }
  return DrawHistory::FromOldestFirst(draws);
}

// lastDraws 0 counts no draw (the list left empty); otherwise the N the user picked.
inline ViewInput Input(const DrawHistory& history, int row, int lastDraws) {
  ViewInput in;
  in.history = &history;
  in.row = row;
  in.lastDraws = lastDraws;
  return in;
}

// The copy lines joined by '\n' (without the CR), for readable expectations.
inline std::string Lines(const Chart& chart) {
  std::string out;
  for (const std::string& line : chart.copyLines) out += line + "\n";
  return out;
}

}  // namespace drawlyze::testing
