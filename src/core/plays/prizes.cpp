#include "core/plays/prizes.h"

namespace drawlyze::plays {

std::optional<PrizeLine> WinningLine(BetType bet, int number, int drawn) {
  if (!Refusal(bet, number).empty() || drawn < 0 || drawn > 999) return std::nullopt;
  switch (bet) {
    case BetType::Straight:
      if (drawn == number) return PrizeLine::Straight;
      return std::nullopt;
    case BetType::FrontPair:
      if (drawn / 10 == number) return PrizeLine::FrontPair;
      return std::nullopt;
    case BetType::BackPair:
      if (drawn % 100 == number) return PrizeLine::BackPair;
      return std::nullopt;
    case BetType::Combination:
      if (BoxKey(drawn) == BoxKey(number)) return PrizeLine::Combination;
      return std::nullopt;
    case BetType::Box:
      if (BoxKey(drawn) != BoxKey(number)) return std::nullopt;
      return KindOf(number) == NumberKind::Single ? PrizeLine::Box6 : PrizeLine::Box3;
    case BetType::StraightBox: {
      if (BoxKey(drawn) != BoxKey(number)) return std::nullopt;
      const bool single = KindOf(number) == NumberKind::Single;
      if (drawn == number) return single ? PrizeLine::StraightBox6Exact : PrizeLine::StraightBox3Exact;
      return single ? PrizeLine::StraightBox6Other : PrizeLine::StraightBox3Other;
    }
  }
  return std::nullopt;
}

Cents ScaledPrize(Cents per1, Cents amount) { return per1 * amount / kOneUnit; }

Cents Prize(BetType bet, int number, Cents amount, int drawn, const PrizeTable& table) {
  const std::optional<PrizeLine> line = WinningLine(bet, number, drawn);
  return line ? ScaledPrize(table.For(*line), amount) : 0;
}

Cents PlayCost(BetType bet, int number, Cents amount) { return amount * CostUnits(bet, number); }

}  // namespace drawlyze::plays
