#pragma once
// Histories for the backtest tests, and a straightforward backtest that
// recomputes every measure from the draws for every tested draw: the
// yardstick of the sliding-window one.

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/backtest/backtest.h"
#include "core/history/draw_history.h"

namespace drawlyze::testing {

inline DrawHistory BundledHistory() {
  std::ifstream in(std::string(DRAWLYZE_SOURCE_DIR) + "/data/3x10.txt", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  DrawHistory history;
  history.Assign(ParseDrawFile(text.str()).draws);
  return history;
}

// count draws, oldest first; each digit drawn with the weights given (uniform when empty).
inline DrawHistory RandomHistory(int count, unsigned seed, std::vector<double> weights = {}) {
  if (weights.empty()) weights.assign(10, 1.0);
  std::mt19937 random(seed);
  std::discrete_distribution<int> digit(weights.begin(), weights.end());
  std::vector<DrawNumbers> draws(static_cast<std::size_t>(count));
  for (DrawNumbers& d : draws)
    for (std::uint8_t& a : d) a = static_cast<std::uint8_t>(digit(random));
  return DrawHistory::FromOldestFirst(draws);
}

// "314 592 358": draws oldest first, three digits each.
inline DrawHistory History(const std::string& oldestFirst) {
  std::vector<DrawNumbers> draws;
  std::istringstream in(oldestFirst);
  std::string word;
  while (in >> word)
    draws.push_back({static_cast<std::uint8_t>(word[0] - '0'), static_cast<std::uint8_t>(word[1] - '0'),
                     static_cast<std::uint8_t>(word[2] - '0')});
  return DrawHistory::FromOldestFirst(draws);
}

// Every measure from its definition: the window is the `window` draws before
// `time` (times count from the oldest draw, 0).
inline DigitMeasures ReferenceMeasures(const DrawHistory& history, int time, int window) {
  const auto at = [&](int t) { return history.GetDraw(history.Count() - 1 - t); };
  const auto holds = [&](int t, int d) { return ContainsNumber(d, at(t)); };
  DigitMeasures m;
  m.time = time;
  const int newest = time - 1, oldest = std::max(0, time - window);
  for (int d = 0; d < 10; ++d) {
    const auto i = static_cast<std::size_t>(d);
    std::vector<int> seen;
    for (int t = oldest; t <= newest; ++t) {
      if (holds(t, d)) seen.push_back(t);
      for (std::size_t p = 0; p < 3; ++p)
        if (at(t)[p] == d) ++m.count[i], ++m.positionCount[p][i];
    }
    if (!seen.empty()) {
      m.lastSkip[i] = newest - seen.back();
      std::vector<int> skips;  // as bytes, the way the Skips view keeps them
      for (std::size_t k = 1; k < seen.size(); ++k) skips.push_back((seen[k] - seen[k - 1] - 1) & 0xFF);
      skips.push_back((newest - seen.back()) & 0xFF);
      std::sort(skips.begin(), skips.end());
      const std::size_t h = skips.size();
      m.skipMedian[i] = skips[h % 2 == 1 ? h / 2 : h / 2 - 1];
    }
    for (int t = newest; t >= 0; --t)
      if (holds(t, d)) {
        m.sinceHit[i] = newest - t;
        break;
      }
    for (std::size_t p = 0; p < 3; ++p)
      for (int t = newest; t >= 0; --t)
        if (at(t)[p] == d) {
          m.positionSkip[p][i] = newest - t;
          break;
        }
  }
  return m;
}

inline BacktestResult ReferenceBacktest(const DrawHistory& history, BacktestOptions options) {
  if (options.rules.empty())
    for (std::size_t r = 0; r < AllDigitRules().size(); ++r) options.rules.push_back(static_cast<int>(r));
  BacktestResult result;
  result.options = options;
  PlanBacktest(history, result);
  result.lines = BacktestLines(options);
  for (int t = result.firstTime; t < result.firstTime + result.tested; ++t) {
    const DigitMeasures m = ReferenceMeasures(history, t, options.window);
    const DrawNumbers draw = history.GetDraw(history.Count() - 1 - t);
    for (BacktestLine& line : result.lines) {
      const DigitRule& rule = AllDigitRules()[static_cast<std::size_t>(line.rule)];
      const auto inTop = [&](int digit, int position) {
        const DigitOrder order = RankDigits(rule, m, position, options.seed);
        return std::find(order.begin(), order.begin() + options.top, digit) != order.begin() + options.top;
      };
      int hits = 0;
      if (line.score == Score::AtThePosition) {
        for (int p = 0; p < 3; ++p) hits += inTop(draw[static_cast<std::size_t>(p)], p);
        line.trials += 3;
      } else {
        const int in = inTop(draw[0], 0) + inTop(draw[1], 0) + inTop(draw[2], 0);
        hits = line.score == Score::AtLeastOne ? in > 0 : in == 3;
        line.trials += 1;
      }
      line.hits += hits;
      line.hitsByDraw.push_back(static_cast<std::uint8_t>(hits));
    }
  }
  return result;
}

}  // namespace drawlyze::testing
