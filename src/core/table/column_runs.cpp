#include "core/table/column_runs.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

#include "core/history/text_helpers.h"

namespace drawlyze {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The power of ten of the first significant digit of a checked number text
// without sign, e.g. 0 for "5.1", -2 for "0.01", 3 for "12e2"; saturates far
// beyond the range of a double. Tells an overflow from an underflow.
long long DecimalMagnitude(std::string_view digits) {
  long long position = -1;  // of the first significant digit, relative to the point
  long long integerDigits = 0;
  bool seenPoint = false;
  long long fractionZeros = 0;
  std::size_t i = 0;
  for (; i < digits.size() && digits[i] != 'e' && digits[i] != 'E'; ++i) {
    const char c = digits[i];
    if (c == '.') {
      seenPoint = true;
      continue;
    }
    if (!seenPoint) {
      if (integerDigits > 0 || c != '0') ++integerDigits;
    } else if (integerDigits == 0) {
      if (c != '0') {
        position = -(fractionZeros + 1);
        break;
      }
      ++fractionZeros;
    }
  }
  if (integerDigits > 0) position = integerDigits - 1;
  long long exponent = 0;
  const std::size_t e = digits.find_first_of("eE");
  if (e != std::string_view::npos) {
    std::size_t j = e + 1;
    const bool negative = digits[j] == '-';
    if (digits[j] == '+' || digits[j] == '-') ++j;
    for (; j < digits.size(); ++j) {
      exponent = exponent * 10 + (digits[j] - '0');
      if (exponent > 1'000'000'000LL) break;
    }
    if (negative) exponent = -exponent;
  }
  return position + exponent;
}

}  // namespace

std::optional<double> ParseThreshold(std::string_view text) {
  // Blanks, the number, blanks: a control character (a tab) is never part of a threshold.
  if (std::any_of(text.begin(), text.end(), [](char c) { return IsWhiteSpace(c) && c != ' '; })) return std::nullopt;
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Check the grammar by hand: from_chars alone would also take "inf", "nan" and "1e".
  std::size_t i = 0;
  std::size_t mantissaDigits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;

  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    value = DecimalMagnitude(text) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

ColumnRuns CountColumnRuns(const std::vector<int>& values, double threshold) {
  ColumnRuns runs;
  while (runs.above < static_cast<int>(values.size()) && values[static_cast<std::size_t>(runs.above)] > threshold)
    ++runs.above;
  while (runs.below < static_cast<int>(values.size()) && values[static_cast<std::size_t>(runs.below)] < threshold)
    ++runs.below;
  return runs;
}

}  // namespace drawlyze
