// The one-pass reports against the straightforward reference on random
// histories, rows and windows.
#include <gtest/gtest.h>

#include <random>

#include "core/reports/reports.h"
#include "reference_reports.h"

namespace drawlyze {
namespace {

using Report = ReportLines (*)(const DrawHistory&, int, LastDraws);
using Reference = reference::Lines (*)(const DrawHistory&, int, int);

struct Pair {
  const char* name;
  Report fast;
  Reference slow;
};

const Pair kPairs[] = {
    {"Triples not drawn yet", TriplesNotDrawnYetReport, reference::TriplesNotDrawnYet},
    {"Exact Pairs", ExactPairsReport, reference::ExactPairsReport},
    {"Free Pairs", FreePairsReport, reference::FreePairsReport},
    {"Exact Pairs' Skips", ExactPairsSkipsReport, reference::ExactPairsSkips},
    {"Free Pairs' Skips", FreePairsSkipsReport, reference::FreePairsSkips},
    {"Exact Triples", ExactTriplesReport, reference::ExactTriplesReport},
    {"Free Triples", FreeTriplesReport, reference::FreeTriplesReport},
    {"Exact Triples' Skips", ExactTriplesSkipsReport, reference::ExactTriplesSkips},
    {"Free Triples' Skips", FreeTriplesSkipsReport, reference::FreeTriplesSkips},
    {"Common Four", CommonFourReport, reference::CommonFour},
};

// Digits drawn from a small alphabet make repeats, doubles and long gaps common.
DrawHistory RandomHistory(std::mt19937& rng, int count, int alphabet) {
  std::uniform_int_distribution<int> digit(0, alphabet - 1);
  std::vector<DrawNumbers> draws(static_cast<std::size_t>(count));
  for (DrawNumbers& d : draws)
    for (auto& n : d) n = static_cast<std::uint8_t>(digit(rng) * 9 / std::max(alphabet - 1, 1));
  return DrawHistory::FromOldestFirst(draws);
}

TEST(OnePassReports, GiveTheReferenceLinesOnRandomHistories) {
  std::mt19937 rng(20240607);
  struct Case {
    int count, alphabet;
  };
  const Case cases[] = {{0, 10}, {1, 10}, {2, 2}, {7, 3}, {40, 3}, {120, 10}, {300, 4}, {600, 10}};
  for (const Case& c : cases) {
    const DrawHistory history = RandomHistory(rng, c.count, c.alphabet);
    for (int trial = 0; trial < 4; ++trial) {
      const int rows = std::max(c.count, 1);
      const int row = std::uniform_int_distribution<int>(1, rows)(rng);
      // -1: the list left empty; beyond the count: cut to the draws that exist.
      const int last = std::uniform_int_distribution<int>(-1, c.count + 3)(rng);
      for (const Pair& p : kPairs) {
        SCOPED_TRACE(std::string(p.name) + " count " + std::to_string(c.count) + " row " + std::to_string(row) +
                     " last index " + std::to_string(last));
        // The reference takes the list's item index, the reports a count of draws.
        ASSERT_EQ(p.fast(history, row, last + 1), p.slow(history, row, last));
      }
    }
  }
}

}  // namespace
}  // namespace drawlyze
