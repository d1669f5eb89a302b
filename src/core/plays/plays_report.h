#pragma once
// The plays checked against the history as a player reads them (the window
// and drawlyze-cli plays check print the same lines) and as CSV, one record
// per covered draw.

#include <string>
#include <vector>

#include "core/history/draw_history.h"
#include "core/plays/check_plays.h"
#include "core/plays/luck.h"
#include "core/plays/play_totals.h"
#include "core/plays/plays_file.h"

namespace drawlyze::plays {

// Everything a report says, computed once.
struct PlaysReport {
  std::string playsName;    // the plays file's name, for the first line
  std::string historyName;  // the draw file's name
  PlaysFile file;
  PrizeTable table;
  PlaysCheck check;
  PlayTotals totals;
  Luck luck;
};

PlaysReport MakePlaysReport(std::string playsName, std::string historyName, PlaysFile file, PrizeTable table,
                            const DrawHistory& history, const LuckOptions& luck = {});

// "2020-04-02 Eve": a covered draw's day and the draw time its line names.
std::string CoveredDrawText(const DrawHistory& history, const CoveredDraw& draw);
// "straight 123, 1.00 a draw for 3 Eve draws from 2020-04-01"
std::string PlayText(const Play& play);
// "won 500.00", "lost", "pending", and the states of a play not checked.
std::string OutcomeText(const CoveredDraw& draw);
std::string StateText(const PlayCheck& play, const PlaysCheck& check, const DrawHistory& history);

// The lines of the report: the files, each play with its draws, the totals
// beside their expectation, how lucky the result is, then the bad rows.
std::vector<std::string> PlaysReportLines(const PlaysReport& report, const DrawHistory& history);
// The totals, expectation and luck lines alone (the window shows them under its table).
std::vector<std::string> TotalsLines(const PlaysReport& report);

// The CSV: "play,date,draw,bet,number,amount,drawn,prize" and one record per
// covered draw, pending ones included (date, draw and drawn empty, prize
// 0.00); records ended by CR LF.
std::string PlaysCsv(const PlaysReport& report, const DrawHistory& history);

}  // namespace drawlyze::plays
