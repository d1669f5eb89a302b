#pragma once
// Small text operations the whole core shares: reals with two decimals, lower
// case for names typed by a user, and number lists cleaned down to digits.

#include <string>
#include <string_view>

namespace drawlyze {

// Exactly two decimals and a "." whatever the locale ("%.2f" as the C locale writes it).
std::string FixedTwo(double value);
std::string FixedTwo(long double value);

// ASCII letters lowered; every other byte kept.
std::string LowerCase(std::string_view text);

// Every character but a digit becomes a blank and every run of blanks one
// blank; the ends are not trimmed (" 1,2;;3 " gives " 1 2 3 ").
std::string DigitsAndSingleBlanks(std::string_view text);

// The text without blanks at either end.
std::string_view TrimBlanks(std::string_view text);

}  // namespace drawlyze
