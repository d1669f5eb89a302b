#pragma once
// Checking plays against the history: each play covers the consecutive
// draws of its draw time that begin with the first one on or after its date;
// each covered draw is a win with its prize, a loss, or pending while the
// history does not hold it yet. A play dated before the oldest draw the
// history holds is outside the history and never matched to later draws.

#include <vector>

#include "core/history/draw_history.h"
#include "core/plays/history_draws.h"
#include "core/plays/play.h"
#include "core/plays/prize_table.h"

namespace drawlyze::plays {

enum class Outcome : std::uint8_t { Win, Loss, Pending };

struct CoveredDraw {
  Outcome outcome = Outcome::Pending;
  int index = -1;  // the draw's history index (0 = newest); -1 while pending
  int drawn = -1;  // the number drawn, 0..999; -1 while pending
  DayKey day = 0;  // its day; 0 while pending
  Cents prize = 0;
};

enum class PlayState : std::uint8_t {
  Checked,         // its covered draws are won, lost or pending
  OutsideHistory,  // dated before the oldest draw the history holds
  NoSuchDrawTime,  // the history holds draws, but none of the play's draw time
};

struct PlayCheck {
  Play play;
  PlayState state = PlayState::Checked;
  std::vector<CoveredDraw> draws;  // oldest first; empty unless Checked
  Cents costPerDraw = 0;
  double expectedPerDraw = 0;  // the play's exact expected prize a draw, in cents
  // Over the draws that are won or lost:
  int settled = 0;
  int wins = 0;
  Cents cost = 0;
  Cents won = 0;
  double expected = 0;  // in cents
  int Pending() const { return static_cast<int>(draws.size()) - settled; }
};

struct PlaysCheck {
  std::vector<PlayCheck> plays;  // in the order given
  int historyDraws = 0;
  int undatedDraws = 0;  // draws whose date names no day: never matched
  int oldest = -1;       // the oldest dated draw's index, -1 for none
};

PlaysCheck CheckPlays(const DrawHistory& history, const std::vector<Play>& plays, const PrizeTable& table);
// The same with the history already read (the window keeps it between checks).
PlaysCheck CheckPlays(const HistoryDraws& draws, const DrawHistory& history, const std::vector<Play>& plays,
                      const PrizeTable& table);

// The exact expected prize of a play in one draw (cents, a fraction of one
// kept): its prizes over the 1,000 numbers, divided by 1,000.
double ExpectedPrize(const Play& play, const PrizeTable& table);

}  // namespace drawlyze::plays
