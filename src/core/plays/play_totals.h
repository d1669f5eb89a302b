#pragma once
// What the plays cost and won over the draws that have been drawn, beside
// what chance expected of them.

#include "core/plays/check_plays.h"

namespace drawlyze::plays {

struct PlayTotals {
  int plays = 0;         // plays checked (outside the history and the like aside)
  int notChecked = 0;    // outside the history, or no draw of their time
  int settledDraws = 0;  // covered draws won or lost
  int wins = 0;
  int pendingDraws = 0;
  Cents pendingCost = 0;  // at stake on the pending draws
  Cents cost = 0;         // over the settled draws
  Cents won = 0;
  double expected = 0;  // the exact expected prizes of the settled draws, in cents

  Cents Net() const { return won - cost; }
  double ExpectedNet() const { return expected - double(cost); }
  // Per 1.00 staked: what came back, and what chance expected to come back.
  double ReturnPer1() const { return cost == 0 ? 0 : double(won) / double(cost); }
  double ExpectedReturnPer1() const { return cost == 0 ? 0 : expected / double(cost); }
};

PlayTotals TotalsOf(const PlaysCheck& check);

}  // namespace drawlyze::plays
