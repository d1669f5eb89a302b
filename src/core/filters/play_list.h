#pragma once
// The kept numbers as plays: straight (each number) or box (one play a set of
// digits that has at least one order kept; triples cannot be boxed), with the
// list's cost, its exact chance of a hit and its expected return.

#include <string>
#include <vector>

#include "core/filters/filter_chain.h"
#include "core/plays/odds.h"
#include "core/plays/play.h"
#include "core/plays/prize_table.h"

namespace drawlyze::filters {

// Straight and box are the bets a list is played as.
bool IsListBet(plays::BetType bet);

// Straight: the kept numbers ascending. Box: the box keys (digits ascending) of
// the kept numbers that are no triple, each once, ascending.
std::vector<int> PlayNumbers(const NumberSet& kept, plays::BetType bet);

struct ListSummary {
  plays::BetType bet = plays::BetType::Straight;
  plays::Cents amount = plays::kOneUnit;
  int keptNumbers = 0;
  int keptTriples = 0;     // kept numbers a box list leaves out
  std::vector<int> plays;  // PlayNumbers
  plays::ListOdds odds;    // cost a draw, the numbers that pay, the expected prize
};
ListSummary SummarizeList(const NumberSet& kept, plays::BetType bet, plays::Cents amount,
                          const plays::PrizeTable& table);

// The summary as drawlyze-cli filter prints it and the window shows it: the
// count kept, each filter's removals, the list's cost, chance and expected return.
std::vector<std::string> SummaryLines(const std::vector<Filter>& filters, const ChainResult& chain,
                                      const ListSummary& list, const plays::PrizeTable& table);

// The list one play a line, as --list prints it and the window saves it as text.
std::string ListText(const ListSummary& list);
// The list as CSV (number,bet,amount), CR LF line ends.
std::string ListCsv(const ListSummary& list);

// The list as plays for the Plays window: each for the draws of one time from a date on.
std::vector<plays::Play> ListAsPlays(const ListSummary& list, plays::DayKey date, plays::DrawTime time, int draws);

}  // namespace drawlyze::filters
