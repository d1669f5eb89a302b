#include "core/filters/play_list.h"

#include <cstdio>

#include "core/filters/filter_text.h"

namespace drawlyze::filters {

using plays::BetType;
using plays::CountText;
using plays::MoneyText;

bool IsListBet(BetType bet) { return bet == BetType::Straight || bet == BetType::Box; }

std::vector<int> PlayNumbers(const NumberSet& kept, BetType bet) {
  std::vector<int> numbers;
  if (bet != BetType::Box) {
    for (int n = 0; n < kNumbers; ++n)
      if (kept.test(static_cast<std::size_t>(n))) numbers.push_back(n);
    return numbers;
  }
  NumberSet keys;
  for (int n = 0; n < kNumbers; ++n)
    if (kept.test(static_cast<std::size_t>(n)) && plays::KindOf(n) != plays::NumberKind::Triple)
      keys.set(static_cast<std::size_t>(plays::BoxKey(n)));
  for (int n = 0; n < kNumbers; ++n)
    if (keys.test(static_cast<std::size_t>(n))) numbers.push_back(n);
  return numbers;
}

ListSummary SummarizeList(const NumberSet& kept, BetType bet, plays::Cents amount, const plays::PrizeTable& table) {
  ListSummary s;
  s.bet = bet;
  s.amount = amount;
  s.keptNumbers = static_cast<int>(kept.count());
  for (int n = 0; n < kNumbers; n += 111)
    if (kept.test(static_cast<std::size_t>(n))) ++s.keptTriples;
  s.plays = PlayNumbers(kept, bet);
  s.odds = plays::OddsOfList(bet, s.plays, amount, table);
  return s;
}

std::vector<std::string> SummaryLines(const std::vector<Filter>& filters, const ChainResult& chain,
                                      const ListSummary& list, const plays::PrizeTable& table) {
  std::vector<std::string> lines;
  lines.push_back("Kept: " + KeptText(chain.Kept()));
  lines.push_back("Filter\tKeeps alone\tRemoves alone\tRemoves in the chain\tLeft after it");
  for (std::size_t i = 0; i < filters.size(); ++i) {
    const FilterStep& s = chain.steps[i];
    lines.push_back(FilterText(filters[i]) + "\t" + CountText(kNumbers - s.removedAlone) + "\t" +
                    CountText(s.removedAlone) + "\t" + CountText(s.removedInChain) + "\t" + CountText(s.keptAfter));
  }
  if (filters.empty()) lines.push_back("(no filter: every number is kept)");
  const std::string why = WhyNothingPasses(filters, chain);
  if (!why.empty()) {
    lines.push_back(why);
    return lines;
  }
  const std::string bet(plays::BetName(list.bet));
  if (list.plays.empty()) {
    lines.push_back("No " + bet + " play: the kept numbers are all triples, which cannot be boxed.");
    return lines;
  }
  lines.push_back("List: " + CountText(static_cast<long long>(list.plays.size())) + " " + bet + " plays of " +
                  MoneyText(list.amount) + ", costing " + MoneyText(list.odds.cost) + " a draw" +
                  (list.bet == BetType::Box && list.keptTriples > 0
                       ? " (" + CountText(list.keptTriples) + " kept triples left out: a triple cannot be boxed)"
                       : ""));
  char percent[64];
  std::snprintf(percent, sizeof percent, "%.1f%%", list.odds.Chance() * 100);
  lines.push_back("Chance of a hit: " + CountText(list.odds.hitNumbers) + " of the 1,000 numbers pay the list, " +
                  percent + " a draw (" + plays::ChanceText(list.odds.hitNumbers) + ")");
  std::snprintf(percent, sizeof percent, "%.1f%%", list.odds.ReturnPer1() * 100);
  lines.push_back("Expected return: " + MoneyText(list.odds.ExpectedPrize()) + " a draw for " +
                  MoneyText(list.odds.cost) + " played (" + percent + "), an expected net of " +
                  plays::SignedMoneyText(list.odds.ExpectedPrize() - double(list.odds.cost)) + " a draw");
  lines.push_back("Prizes: " + table.source + ". " + std::string(plays::kPrizeTableWarning));
  return lines;
}

std::string ListText(const ListSummary& list) {
  std::string out;
  for (const int n : list.plays) out += plays::NumberText(list.bet, n) + "\n";
  return out;
}

std::string ListCsv(const ListSummary& list) {
  std::string out = "number,bet,amount\r\n";
  for (const int n : list.plays)
    out += plays::NumberText(list.bet, n) + "," + std::string(plays::BetName(list.bet)) + "," + MoneyText(list.amount) +
           "\r\n";
  return out;
}

std::vector<plays::Play> ListAsPlays(const ListSummary& list, plays::DayKey date, plays::DrawTime time, int draws) {
  std::vector<plays::Play> out;
  for (const int n : list.plays) {
    plays::Play p;
    p.date = date;
    p.time = time;
    p.bet = list.bet;
    p.number = n;
    p.amount = list.amount;
    p.draws = draws;
    out.push_back(p);
  }
  return out;
}

}  // namespace drawlyze::filters
