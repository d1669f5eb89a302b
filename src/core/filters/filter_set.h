#pragma once
// The filter set file: a small text file the Filters window saves and both it
// and drawlyze-cli filter --set read. One filter a line, written as the
// command line's option without its dashes, and optionally the bet and amount:
//
//   # Drawlyze filter set
//   bet straight
//   amount 1.00
//   sum 10-17
//   odd-even OEO,EOE

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/error/error.h"
#include "core/filters/filter.h"
#include "core/plays/bet_types.h"
#include "core/plays/money.h"

namespace drawlyze::filters {

struct FilterSet {
  std::vector<Filter> filters;
  std::optional<plays::BetType> bet;
  std::optional<plays::Cents> amount;
  bool operator==(const FilterSet&) const = default;
};

// A failure names every wrong line ("line 3: --sum needs ..."); subject is the file.
Result<FilterSet> ReadFilterSet(std::string_view text, const std::string& subject, LastDraws defaultWindow = {});
// LF line ends; ReadFilterSet reads it back to the same set.
std::string FormatFilterSet(const FilterSet& set);

// "straight" or "box" in any case; anything else is none.
std::optional<plays::BetType> ReadListBet(std::string_view text);

}  // namespace drawlyze::filters
