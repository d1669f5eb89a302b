#pragma once
// Are the draws fair? Classical tests of the draws of a window against the
// hypothesis that every digit is equally likely at every position and that
// no draw depends on the draws before it.

#include <string>
#include <vector>

#include "core/chart/view_helpers.h"
#include "core/history/draw_history.h"

namespace drawlyze {

// A test says "not random" below this p-value: a fair game does so once in a hundred tests.
inline constexpr double kRandomnessLevel = 0.01;

struct RandomnessLine {
  std::string test;     // "Digits at A1 (chi-square)"
  bool enough = false;  // the window holds enough draws for the test
  double statistic = 0;
  int decimals = 2;  // how the statistic is written; -1: the line has none
  int df = 0;        // 0: the test has no degrees of freedom
  double pValue = 1;
  std::string detail;  // counts a player can check, or what the test needs
};

// The tests over the draws start .. start+n-1 (newest first): the digit counts
// per position and overall, the sums, the serial pairs per position, the runs
// of the sums, the repeats, and all of them together.
std::vector<RandomnessLine> RandomnessTests(const DrawHistory& history, int start, int n);

// "not random", "consistent with random" or "too few draws".
const char* RandomnessVerdict(const RandomnessLine& line);

// The report over the Statistics window's run of draws, headed like the other reports.
std::vector<std::string> RandomnessReport(const DrawHistory& history, int row, LastDraws lastDraws);

}  // namespace drawlyze
