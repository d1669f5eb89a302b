#include "core/plays/play_totals.h"

namespace drawlyze::plays {

PlayTotals TotalsOf(const PlaysCheck& check) {
  PlayTotals totals;
  for (const PlayCheck& play : check.plays) {
    if (play.state != PlayState::Checked) {
      ++totals.notChecked;
      continue;
    }
    ++totals.plays;
    totals.settledDraws += play.settled;
    totals.wins += play.wins;
    totals.pendingDraws += play.Pending();
    totals.pendingCost += play.costPerDraw * play.Pending();
    totals.cost += play.cost;
    totals.won += play.won;
    totals.expected += play.expected;
  }
  return totals;
}

}  // namespace drawlyze::plays
