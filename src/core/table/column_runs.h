#pragma once
// The State dialog's measure of a column: how many of the newest draws in a
// row lie above a threshold, and how many lie below it.

#include <optional>
#include <string_view>
#include <vector>

namespace drawlyze {

// The threshold as typed, read with "." as the decimal point whatever the
// locale: optional blanks, an optional sign, digits with an optional "."
// fraction (".5" and "5." too), an optional exponent, optional blanks.
// Anything else ("", "1,5", "inf", "nan", "0x10") is not a number.
std::optional<double> ParseThreshold(std::string_view text);

struct ColumnRuns {
  int above = 0;  // newest values in a row greater than the threshold
  int below = 0;  // newest values in a row less than the threshold
};

// values lists the column newest first. A value equal to the threshold ends both runs.
ColumnRuns CountColumnRuns(const std::vector<int>& values, double threshold);

}  // namespace drawlyze
