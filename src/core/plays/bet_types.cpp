#include "core/plays/bet_types.h"

#include <algorithm>

#include "core/history/text_helpers.h"

namespace drawlyze::plays {

std::string_view BetName(BetType bet) {
  switch (bet) {
    case BetType::Straight:
      return "straight";
    case BetType::Box:
      return "box";
    case BetType::StraightBox:
      return "straight/box";
    case BetType::Combination:
      return "combo";
    case BetType::FrontPair:
      return "front pair";
    case BetType::BackPair:
      return "back pair";
  }
  return "straight";
}

std::optional<BetType> ReadBetType(std::string_view text) {
  // Lower case, every run of blanks, tabs and hyphens one blank, no blanks at the ends.
  std::string name;
  for (char c : LowerCase(text)) {
    const bool gap = c == ' ' || c == '\t' || c == '-';
    if (gap && (name.empty() || name.back() == ' ')) continue;
    name += gap ? ' ' : c;
  }
  if (!name.empty() && name.back() == ' ') name.pop_back();
  if (name == "combination") return BetType::Combination;
  if (name == "straight box" || name == "straight / box") return BetType::StraightBox;
  for (BetType bet : kBetTypes)
    if (name == BetName(bet)) return bet;
  return std::nullopt;
}

bool IsPair(BetType bet) { return bet == BetType::FrontPair || bet == BetType::BackPair; }

int NumberDigits(BetType bet) { return IsPair(bet) ? 2 : 3; }

std::string NumberText(BetType bet, int number) {
  std::string text = std::to_string(number);
  const std::size_t digits = static_cast<std::size_t>(NumberDigits(bet));
  if (text.size() < digits) text.insert(0, digits - text.size(), '0');
  return text;
}

NumberKind KindOf(int number) {
  const auto [a, b, c] = DigitsOf(number);
  if (a == b && b == c) return NumberKind::Triple;
  if (a == b || b == c || a == c) return NumberKind::Double;
  return NumberKind::Single;
}

int Orders(int number) { return Orders(KindOf(number)); }

std::string_view KindName(NumberKind kind) {
  switch (kind) {
    case NumberKind::Single:
      return "6-way";
    case NumberKind::Double:
      return "3-way";
    case NumberKind::Triple:
      return "triple";
  }
  return "6-way";
}

int BoxKey(int number) {
  std::array<int, 3> d = DigitsOf(number);
  std::sort(d.begin(), d.end());
  return d[0] * 100 + d[1] * 10 + d[2];
}

std::string_view Refusal(BetType bet, int number) {
  const int limit = IsPair(bet) ? 100 : 1000;
  if (number < 0 || number >= limit) return IsPair(bet) ? "a pair has two digits" : "the number has three digits";
  if (KindOf(number) != NumberKind::Triple || IsPair(bet)) return {};
  if (bet == BetType::Box) return "a triple cannot be boxed";
  if (bet == BetType::StraightBox) return "a triple cannot be played straight/box";
  return {};
}

int CostUnits(BetType bet, int number) { return bet == BetType::Combination ? Orders(number) : 1; }

}  // namespace drawlyze::plays
