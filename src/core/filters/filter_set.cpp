#include "core/filters/filter_set.h"

#include "core/filters/filter_text.h"
#include "core/history/draw_history.h"
#include "core/history/text_helpers.h"

namespace drawlyze::filters {

std::optional<plays::BetType> ReadListBet(std::string_view text) {
  const std::optional<plays::BetType> bet = plays::ReadBetType(text);
  if (bet == plays::BetType::Straight || bet == plays::BetType::Box) return bet;
  return std::nullopt;
}

Result<FilterSet> ReadFilterSet(std::string_view text, const std::string& subject, LastDraws defaultWindow) {
  FilterSet set;
  std::string problems;
  int number = 0;
  for (const std::string_view raw : SplitLines(text)) {
    ++number;
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == '#') continue;
    const std::size_t blank = line.find_first_of(" \t");
    std::string name(line.substr(0, blank));
    if (name.rfind("--", 0) == 0) name.erase(0, 2);
    const std::string_view value = blank == std::string_view::npos ? std::string_view{} : Trim(line.substr(blank));
    const std::string where = "line " + std::to_string(number) + ": ";
    if (name == "bet") {
      set.bet = ReadListBet(value);
      if (!set.bet) problems += where + "bet needs straight or box\n";
      continue;
    }
    if (name == "amount") {
      plays::Cents cents = 0;
      if (!plays::ReadMoney(value, cents) || cents <= 0 || cents % plays::kAmountStep != 0)
        problems += where + "amount needs a multiple of 0.50 (1.00)\n";
      else
        set.amount = cents;
      continue;
    }
    if (!IsFilterOption(name)) {
      problems += where + "\"" + name + "\" is no filter\n";
      continue;
    }
    Result<Filter> filter = ParseFilter(name, value, defaultWindow);
    if (!filter) {
      problems += where + filter.Failure().subject.substr(2) + " " + filter.Failure().detail + "\n";
      continue;
    }
    set.filters.push_back(*filter);
  }
  if (!problems.empty()) {
    problems.pop_back();
    return Error{ErrorKind::Unreadable, subject, "is no filter set:\n" + problems};
  }
  return set;
}

std::string FormatFilterSet(const FilterSet& set) {
  std::string out = "# Drawlyze filter set: one filter a line, as drawlyze-cli filter takes them without the dashes\n";
  if (set.bet) out += "bet " + std::string(plays::BetName(*set.bet)) + "\n";
  if (set.amount) out += "amount " + plays::MoneyText(*set.amount) + "\n";
  for (const Filter& f : set.filters) out += FilterText(f) + "\n";
  return out;
}

}  // namespace drawlyze::filters
