// Plays checked against a history: the draws each covers, wins, losses,
// pending draws, plays outside the history, and the totals.
#include "core/plays/check_plays.h"

#include <gtest/gtest.h>

#include "core/plays/play_totals.h"
#include "core/plays/plays_report.h"
#include "plays_test_util.h"

namespace drawlyze::plays {
namespace {

using testing::HistoryOf;
using testing::PlaysOf;

// Two draws a day, oldest first; no draw on the 3rd and the 5th, no midday draw on the 6th.
DrawHistory Week() {
  return HistoryOf({"01.04.2020 Mid 1 2 3", "01.04.2020 Eve 4 5 6", "02.04.2020 Mid 7 8 9", "02.04.2020 Eve 1 2 3",
                    "04.04.2020 Mid 3 2 1", "04.04.2020 Eve 0 0 0", "06.04.2020 Eve 1 1 2"});
}

// "2020-04-01 Mid 123 win 500.00; ..." for each covered draw.
std::string Draws(const PlayCheck& play, const DrawHistory& history) {
  std::string text;
  for (const CoveredDraw& draw : play.draws) {
    if (!text.empty()) text += "; ";
    text += CoveredDrawText(history, draw);
    if (draw.index >= 0) text += ' ' + NumberText(BetType::Straight, draw.drawn);
    text += ' ' + OutcomeText(draw);
  }
  return text;
}

TEST(CheckPlays, EachPlayCoversConsecutiveDrawsOfItsTime) {
  const DrawHistory history = Week();
  const PlaysFile file = PlaysOf(
      "date,draw,bet,number,amount,draws\n"
      "2020-04-01,Mid,straight,123,1.00,4\n"   // 2: the 3rd has no draw, the 5th Mid is not drawn yet
      "2020-04-02,Eve,box,321,0.50,3\n"        // 3: across the missing days
      "2020-04-03,Evening,straight,111,1,2\n"  // 4: the first draw on or after its date
      "2020-04-01,Eve,straight/box,456,1,1\n"  // 5: the second draw of the oldest day
      "2020-04-04,-,combo,112,1,3\n"           // 6: every draw in turn
      "2020-04-01,Mid,front pair,12,1,1\n"     // 7
      "2020-04-06,Day,back pair,12,1,2\n"      // 8: Day is the midday draw
      "2020-04-07,Mid,straight,123,1,2\n");    // 9: all pending
  const PlaysCheck check = CheckPlays(history, file.plays, DefaultPrizeTable());
  ASSERT_EQ(check.plays.size(), 8u);
  const char* expected[] = {
      "2020-04-01 Mid 123 won 500.00; 2020-04-02 Mid 789 lost; 2020-04-04 Mid 321 lost; pending pending",
      "2020-04-02 Eve 123 won 40.00; 2020-04-04 Eve 000 lost; 2020-04-06 Eve 112 lost",
      "2020-04-04 Eve 000 lost; 2020-04-06 Eve 112 lost",
      "2020-04-01 Eve 456 won 290.00",
      "2020-04-04 Mid 321 lost; 2020-04-04 Eve 000 lost; 2020-04-06 Eve 112 won 500.00",
      "2020-04-01 Mid 123 won 50.00",
      "pending pending; pending pending",
      "pending pending; pending pending",
  };
  for (std::size_t i = 0; i < check.plays.size(); ++i) {
    EXPECT_EQ(check.plays[i].state, PlayState::Checked);
    EXPECT_EQ(Draws(check.plays[i], history), expected[i]) << "line " << check.plays[i].play.line;
  }
  // A combination of 112 costs three plays a draw.
  EXPECT_EQ(check.plays[4].cost, 900);
  EXPECT_EQ(check.plays[4].won, 50000);
  EXPECT_DOUBLE_EQ(check.plays[4].expected, 3 * 3 * 50000 / 1000.0);
  EXPECT_EQ(check.plays[0].Pending(), 1);

  const PlayTotals totals = TotalsOf(check);
  EXPECT_EQ(totals.plays, 8);
  EXPECT_EQ(totals.settledDraws, 4 + 3 + 2 + 1 + 3 + 1 - 1);  // play 2's pending draw aside
  EXPECT_EQ(totals.pendingDraws, 1 + 2 + 2);
  EXPECT_EQ(totals.pendingCost, 100 + 200 + 200);
  EXPECT_EQ(totals.cost, 300 + 150 + 200 + 100 + 900 + 100);
  EXPECT_EQ(totals.won, 50000 + 4000 + 29000 + 50000 + 5000);
  EXPECT_EQ(totals.wins, 5);
  // Expected: straight 0.50, box 6-way at 0.50 0.24, straight/box 6-way 0.49, combo 3-way 1.50, pair 0.50.
  EXPECT_NEAR(totals.expected, 3 * 50 + 3 * 24 + 2 * 50 + 49 + 3 * 150 + 50, 1e-9);
  EXPECT_EQ(totals.Net(), 138000 - 1750);
}

TEST(CheckPlays, PlaysBeforeTheHistoryAndDrawTimesItDoesNotHold) {
  const DrawHistory history = HistoryOf({"01.04.2020 Eve 1 2 3", "02.04.2020 Mid 4 5 6", "02.04.2020 Eve 7 8 9"});
  const PlaysFile file = PlaysOf(
      "date,draw,bet,number,amount,draws\n"
      "2020-03-31,Eve,straight,123,1,5\n"  // before the oldest day
      "2020-04-01,Mid,straight,456,1,1\n"  // that day's midday draw is older than the history
      "2020-04-01,Mor,straight,456,1,1\n"
      "2020-04-01,Eve,straight,123,1,1\n"    // the oldest draw itself
      "2020-04-01,-,straight,123,1,1\n"      // no draw time: the oldest draw
      "2020-04-01,Ngt,straight,123,1,1\n");  // no night draw at all
  const PlaysCheck check = CheckPlays(history, file.plays, DefaultPrizeTable());
  ASSERT_EQ(check.plays.size(), 6u);
  EXPECT_EQ(check.plays[0].state, PlayState::OutsideHistory);
  EXPECT_TRUE(check.plays[0].draws.empty());
  EXPECT_EQ(check.plays[1].state, PlayState::OutsideHistory);
  EXPECT_EQ(check.plays[2].state, PlayState::OutsideHistory);
  EXPECT_EQ(check.plays[3].state, PlayState::Checked);
  EXPECT_EQ(check.plays[3].won, 50000);
  EXPECT_EQ(check.plays[4].won, 50000);
  EXPECT_EQ(check.plays[5].state, PlayState::NoSuchDrawTime);
  EXPECT_EQ(StateText(check.plays[1], check, history),
            "outside the history: it begins with 01.04.2020 Eve, after this play's first draw");
  EXPECT_EQ(StateText(check.plays[5], check, history), "the history holds no Ngt draw");
  // Plays not checked stay out of the totals.
  const PlayTotals totals = TotalsOf(check);
  EXPECT_EQ(totals.plays, 2);
  EXPECT_EQ(totals.notChecked, 4);
  EXPECT_EQ(totals.cost, 200);
}

TEST(CheckPlays, DrawTimesAsTheHistoryNamesThem) {
  // Two draws a day called Day and Night: midday and evening, as the importer reads them.
  const DrawHistory dayNight = HistoryOf({"01.04.2020 Day 1 2 3", "01.04.2020 Night 4 5 6"});
  const PlaysFile file = PlaysOf(
      "date,draw,bet,number,amount,draws\n"
      "2020-04-01,Night,straight,456,1,1\n"
      "2020-04-01,Eve,straight,456,1,1\n"
      "2020-04-01,Midday,straight,123,1,1\n");
  for (const PlayCheck& play : CheckPlays(dayNight, file.plays, DefaultPrizeTable()).plays)
    EXPECT_EQ(play.won, 50000) << play.play.line;
  // The importer's own files: Ngt is a night draw of its own, apart from the evening one.
  const DrawHistory four =
      HistoryOf({"01.04.2020 Mor 0 0 1", "01.04.2020 Mid 1 2 3", "01.04.2020 Eve 4 5 6", "01.04.2020 Ngt 7 8 9"});
  const PlaysFile night = PlaysOf(
      "date,draw,bet,number,amount,draws\n"
      "2020-04-01,Night,straight,789,1,1\n"
      "2020-04-01,Eve,straight,456,1,1\n"
      "2020-04-01,Morning,straight,001,1,1\n"
      "2020-04-01,Mid,straight,123,1,2\n");
  const PlaysCheck check = CheckPlays(four, night.plays, DefaultPrizeTable());
  for (const PlayCheck& play : check.plays) EXPECT_EQ(play.won, 50000) << play.play.line;
  EXPECT_EQ(check.plays[3].Pending(), 1);
}

TEST(CheckPlays, AnEmptyHistoryLeavesEveryDrawPendingAndUndatedDrawsAreNeverMatched) {
  const PlaysFile file = PlaysOf("date,draw,bet,number,amount,draws\n2020-04-01,Mid,straight,123,1,2\n");
  const PlaysCheck empty = CheckPlays(DrawHistory(), file.plays, DefaultPrizeTable());
  ASSERT_EQ(empty.plays.size(), 1u);
  EXPECT_EQ(empty.plays[0].state, PlayState::Checked);
  EXPECT_EQ(empty.plays[0].Pending(), 2);

  const DrawHistory undated = HistoryOf({"2020 Mid 1 2 3", "01.04.2020 Mid 4 5 6", "02.04.2020 Mid 1 2 3"});
  const PlaysCheck check = CheckPlays(undated, file.plays, DefaultPrizeTable());
  EXPECT_EQ(check.undatedDraws, 1);
  EXPECT_EQ(Draws(check.plays[0], undated), "2020-04-01 Mid 456 lost; 2020-04-02 Mid 123 won 500.00");
}

TEST(PlaysReport, CsvHasOneRecordPerCoveredDrawPendingOnesIncluded) {
  const DrawHistory history = Week();
  const PlaysFile file = PlaysOf(
      "date,draw,bet,number,amount,draws\n"
      "2020-04-04,Mid,box,123,0.50,2\n"
      "1999-01-01,Mid,straight,123,1,1\n"
      "2020-04-06,Eve,combo,211,1,1\n");
  const PlaysReport report = MakePlaysReport("plays.csv", "3x10.txt", file, DefaultPrizeTable(), history);
  EXPECT_EQ(PlaysCsv(report, history),
            "play,date,draw,bet,number,amount,drawn,prize\r\n"
            "2,2020-04-04,Mid,box,123,0.50,321,40.00\r\n"
            "2,,,box,123,0.50,,0.00\r\n"
            "4,2020-04-06,Eve,combo,211,1.00,112,500.00\r\n");
}

}  // namespace
}  // namespace drawlyze::plays
