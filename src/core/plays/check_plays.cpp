#include "core/plays/check_plays.h"

#include <array>

#include "core/plays/odds.h"
#include "core/plays/prizes.h"

namespace drawlyze::plays {

namespace {

int DrawnNumber(const DrawNumbers& a) { return a[0] * 100 + a[1] * 10 + a[2]; }

// The numbers that win a play something, with their prizes for its amount:
// found once a play, so that each covered draw only looks its number up.
struct Winners {
  std::array<int, 10> drawn{};
  std::array<Cents, 10> prize{};
  int count = 0;
  Cents overAll = 0;  // the prizes summed over the 1,000 numbers

  Winners(const Play& play, const PrizeTable& table) {
    ForEachWinningDraw(play.bet, play.number, [&](int number, PrizeLine line) {
      const std::size_t k = static_cast<std::size_t>(count++);
      drawn[k] = number;
      prize[k] = ScaledPrize(table.For(line), play.amount);
      overAll += prize[k];
    });
  }
  Cents PrizeOf(int number) const {
    for (int k = 0; k < count; ++k)
      if (drawn[static_cast<std::size_t>(k)] == number) return prize[static_cast<std::size_t>(k)];
    return 0;
  }
};

PlayCheck CheckOne(const HistoryDraws& draws, const DrawHistory& history, const Play& play, const PrizeTable& table) {
  PlayCheck check;
  check.play = play;
  check.costPerDraw = PlayCost(play.bet, play.number, play.amount);
  const Winners winners(play, table);
  check.expectedPerDraw = double(winners.overAll) / kNumbers;
  const DrawTime time = draws.AsHistoryNames(play.time);
  const int oldest = draws.Oldest();
  if (oldest >= 0) {
    // The history begins after this play's first draw: on a later day, or later the same day.
    const DayKey firstDay = draws.Day(oldest);
    const DrawTime firstTime = draws.Time(oldest);
    const bool earlierThatDay =
        play.date == firstDay && time != DrawTime::Unknown && firstTime != DrawTime::Unknown && time < firstTime;
    if (play.date < firstDay || earlierThatDay) {
      check.state = PlayState::OutsideHistory;
      return check;
    }
    if (draws.DrawsOf(time).empty()) {
      check.state = PlayState::NoSuchDrawTime;
      return check;
    }
  }
  const std::vector<int>& ofTime = draws.DrawsOf(time);
  std::size_t at = draws.FirstOnOrAfter(time, play.date);
  check.draws.resize(static_cast<std::size_t>(play.draws));
  for (CoveredDraw& covered : check.draws) {
    if (at >= ofTime.size()) break;  // the rest are pending
    covered.index = ofTime[at++];
    covered.day = draws.Day(covered.index);
    covered.drawn = DrawnNumber(history.GetDraw(covered.index));
    covered.prize = winners.PrizeOf(covered.drawn);
    covered.outcome = covered.prize > 0 ? Outcome::Win : Outcome::Loss;
    ++check.settled;
    check.wins += covered.prize > 0;
    check.won += covered.prize;
  }
  check.cost = check.costPerDraw * check.settled;
  check.expected = check.expectedPerDraw * check.settled;
  return check;
}

}  // namespace

double ExpectedPrize(const Play& play, const PrizeTable& table) {
  return double(Winners(play, table).overAll) / kNumbers;
}

PlaysCheck CheckPlays(const HistoryDraws& draws, const DrawHistory& history, const std::vector<Play>& plays,
                      const PrizeTable& table) {
  PlaysCheck result;
  result.historyDraws = history.Count();
  result.undatedDraws = draws.Undated();
  result.oldest = draws.Oldest();
  result.plays.reserve(plays.size());
  for (const Play& play : plays) result.plays.push_back(CheckOne(draws, history, play, table));
  return result;
}

PlaysCheck CheckPlays(const DrawHistory& history, const std::vector<Play>& plays, const PrizeTable& table) {
  return CheckPlays(HistoryDraws(history), history, plays, table);
}

}  // namespace drawlyze::plays
