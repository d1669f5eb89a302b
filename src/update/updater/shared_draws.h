#pragma once
// Whether two histories are of the same game: the draws both hold (the same
// day and draw time) carry the same digits in each. Compared over the draws a
// load keeps, the newest MAX_DRAWS of each file.

#include <string>
#include <vector>

#include "core/history/draw_history.h"

namespace drawlyze::updater {

struct SharedDraws {
  long long shared = 0;     // draws both histories hold
  long long differing = 0;  // of them, the ones with other digits
  // The days of the two overlap, so that sharing no draw says something.
  bool overlapping = false;
  // The oldest differing draw: "01.01.2011 Mid: 491, the current file 314".
  std::string example;
};

// Draws of the same day pair by their draw time; when a day holds as many
// draws in each and one of them writes no draw time ("x", "-"), they pair in
// file order. Both lists newest first, as a load gives them.
SharedDraws CompareSharedDraws(const std::vector<Draw>& candidate, const std::vector<Draw>& current);

}  // namespace drawlyze::updater
