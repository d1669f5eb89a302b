#pragma once
// Filters in words: the option names and values drawlyze-cli takes
// (--sum 10-17) and the filter set file writes ("sum 10-17"), one grammar for
// both, and the names a player reads ("the sum filter").

#include <string>
#include <string_view>
#include <vector>

#include "core/error/error.h"
#include "core/filters/filter.h"

namespace drawlyze::filters {

struct FilterOption {
  std::string name;   // "sum", without the dashes
  std::string value;  // "10-17"
  bool operator==(const FilterOption&) const = default;
};

// Every filter's option name, in the order the windows list the filters.
const std::vector<std::string_view>& FilterOptionNames();
bool IsFilterOption(std::string_view name);

// Reads one filter. A hot or cold ranking without its window takes
// defaultWindow. A failure's subject is the option ("--sum") and its detail
// says what is wrong and what is expected.
Result<Filter> ParseFilter(std::string_view name, std::string_view value, LastDraws defaultWindow = {});

// The option that reads back as the same filter.
FilterOption FormatFilter(const Filter& filter);
// "sum 10-17": the option as the reports list it.
std::string FilterText(const Filter& filter);
// "the sum filter", "the A2 filter", "the hot digits filter".
std::string FilterCaption(const Filter& filter);

// "1,3,5" for the digits in the set.
std::string DigitSetText(DigitSet set);
// "any", "all", "none".
std::string_view SetMatchName(SetMatch match);

}  // namespace drawlyze::filters
