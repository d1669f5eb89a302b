#pragma once
// Small histories and a second, naive way to count what a filter keeps.

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/filters/filter_chain.h"
#include "core/filters/filter_text.h"
#include "core/history/draw_history.h"

namespace drawlyze::testing {

// Draws as "123" texts, oldest first.
inline DrawHistory DrawsOf(const std::vector<std::string>& oldestFirst) {
  std::vector<DrawNumbers> draws;
  for (const std::string& d : oldestFirst)
    draws.push_back({static_cast<std::uint8_t>(d[0] - '0'), static_cast<std::uint8_t>(d[1] - '0'),
                     static_cast<std::uint8_t>(d[2] - '0')});
  return DrawHistory::FromOldestFirst(draws);
}

// How many of 000..999, written as three characters, keep says yes to.
inline int CountNaively(const std::function<bool(const std::string&)>& keep) {
  int kept = 0;
  for (int n = 0; n < 1000; ++n) {
    char text[8];
    std::snprintf(text, sizeof text, "%03d", n);
    kept += keep(text) ? 1 : 0;
  }
  return kept;
}

// The filter an option reads as; a test fails when it reads as none.
inline filters::Filter FilterOf(const std::string& name, const std::string& value) {
  Result<filters::Filter> f = filters::ParseFilter(name, value);
  if (!f) {
    ADD_FAILURE() << name << " " << value << ": " << f.Failure().detail;
    return filters::SumRange{};
  }
  return *f;
}

}  // namespace drawlyze::testing
