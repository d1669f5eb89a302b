#include "core/plays/odds.h"

#include <cstdio>

#include "core/plays/prizes.h"

namespace drawlyze::plays {

BetOdds OddsOf(BetType bet, int number, const PrizeTable& table) {
  BetOdds odds;
  odds.bet = bet;
  odds.example = number;
  odds.kind = IsPair(bet) ? NumberKind::Single : KindOf(number);
  odds.costUnits = CostUnits(bet, number);
  std::array<int, kPrizeLines> counts{};
  for (int drawn = 0; drawn < kNumbers; ++drawn) {
    const std::optional<PrizeLine> line = WinningLine(bet, number, drawn);
    if (!line) continue;
    ++counts[static_cast<std::size_t>(*line)];
    ++odds.winningNumbers;
    odds.prizeOverAll += table.For(*line);
  }
  for (int k = 0; k < kPrizeLines; ++k)
    if (counts[static_cast<std::size_t>(k)] > 0)
      odds.lines.push_back({static_cast<PrizeLine>(k), counts[static_cast<std::size_t>(k)]});
  return odds;
}

std::vector<BetOdds> AllBetOdds(const PrizeTable& table) {
  return {OddsOf(BetType::Straight, 123, table),    OddsOf(BetType::Box, 123, table),
          OddsOf(BetType::Box, 112, table),         OddsOf(BetType::StraightBox, 123, table),
          OddsOf(BetType::StraightBox, 112, table), OddsOf(BetType::Combination, 123, table),
          OddsOf(BetType::Combination, 112, table), OddsOf(BetType::Combination, 111, table),
          OddsOf(BetType::FrontPair, 12, table),    OddsOf(BetType::BackPair, 12, table)};
}

void AddPrizes(DrawPrizes& prizes, BetType bet, int number, Cents amount, const PrizeTable& table) {
  ForEachWinningDraw(bet, number, [&](int drawn, PrizeLine line) {
    prizes[static_cast<std::size_t>(drawn)] += ScaledPrize(table.For(line), amount);
  });
}

ListOdds OddsOfList(BetType bet, const std::vector<int>& numbers, Cents amount, const PrizeTable& table) {
  ListOdds odds;
  DrawPrizes prizes{};
  for (int number : numbers) {
    if (!Refusal(bet, number).empty()) {
      ++odds.refused;
      continue;
    }
    ++odds.plays;
    odds.cost += PlayCost(bet, number, amount);
    AddPrizes(prizes, bet, number, amount, table);
  }
  for (Cents prize : prizes) {
    odds.hitNumbers += prize > 0;
    odds.prizeOverAll += prize;
  }
  return odds;
}

std::string ChanceText(int winners, int outOf) {
  if (winners <= 0) return "never";
  if (outOf % winners == 0) return "1 in " + CountText(outOf / winners);
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", double(outOf) / winners);
  return "1 in " + std::string(text);
}

std::vector<std::string> OddsReport(const PrizeTable& table) {
  std::vector<std::string> lines = {
      "Prize table: " + table.source + ". " + std::string(kPrizeTableWarning),
      "Each of the 1,000 numbers 000..999 is drawn with chance 1 in 1,000; prizes for a 1.00 play.", "",
      "Bet\tNumber\tCost\tWinning numbers\tChance\tPrizes\tExpected return per 1.00"};
  for (const BetOdds& odds : AllBetOdds(table)) {
    std::string kind = IsPair(odds.bet) || odds.bet == BetType::Straight
                           ? std::string(IsPair(odds.bet) ? "any pair" : "any")
                           : std::string(KindName(odds.kind)) + " (" + NumberText(odds.bet, odds.example) + ")";
    std::string prizes;
    for (const LineOdds& line : odds.lines)
      prizes += (prizes.empty() ? "" : ", ") + MoneyText(table.For(line.line)) + " " +
                std::string(MatchName(line.line)) + " (" + std::to_string(line.numbers) + ")";
    lines.push_back(std::string(BetName(odds.bet)) + '\t' + kind + '\t' + MoneyText(Cents{odds.costUnits * kOneUnit}) +
                    '\t' + std::to_string(odds.winningNumbers) + '\t' + ChanceText(odds.winningNumbers) + '\t' +
                    prizes + '\t' + MoneyText(odds.ReturnPer1() * kOneUnit));
  }
  return lines;
}

}  // namespace drawlyze::plays
