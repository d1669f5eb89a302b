#include "core/reports/skip_history.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "core/history/text_helpers.h"

namespace drawlyze {
namespace {

// Appends the decimal text without a temporary string: the skips reports
// write tens of thousands of numbers.
void AppendNumber(std::string& text, long long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  text.append(digits, result.ptr);
}

}  // namespace

void AddSkipHistoryBlock(ReportLines& lines, const SkipHistory& history) {
  std::string gapsText;
  gapsText.reserve(history.gaps.size() * 4 + 4);
  long long total = history.currentSkip;
  for (int gap : history.gaps) {
    AppendNumber(gapsText, gap);
    gapsText += ' ';
    total += gap;
  }
  AppendNumber(gapsText, history.currentSkip);
  lines.push_back(std::move(gapsText));
  lines.emplace_back("Sorted:");

  // The values are the gaps and the current skip; without a hit there are none.
  std::vector<int> values;
  if (history.hits > 0) {
    values = history.gaps;
    values.push_back(history.currentSkip);
    std::sort(values.begin(), values.end());
  }
  std::string sorted;
  sorted.reserve(values.size() * 4);
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) sorted += ' ';
    AppendNumber(sorted, values[i]);
  }
  lines.push_back(std::move(sorted));

  if (history.hits > 0) {
    const std::size_t h = values.size();
    // The lower of the two middle values when the count is even.
    const int median = h % 2 == 1 ? values[h / 2] : values[h / 2 - 1];
    const double average = static_cast<double>(total) / static_cast<double>(history.hits);
    lines.push_back("Skip Median: " + std::to_string(median) + "        Summary: " + std::to_string(total) +
                    "        Average: " + FixedTwo(average));
  }
  lines.emplace_back();
}

}  // namespace drawlyze
