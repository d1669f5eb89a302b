#pragma once
// Small text operations the whole program shares: reals with two decimals,
// lower case for names typed by a user, number lists cleaned down to digits,
// and white space cut from the ends. None of them follows the process locale
// (Qt sets it from the environment), so every text reads alike everywhere.

#include <string>
#include <string_view>

namespace drawlyze {

// Exactly two decimals and a "." whatever the locale ("%.2f" as the C locale writes it).
std::string FixedTwo(double value);
std::string FixedTwo(long double value);

// ASCII letters lowered; every other byte kept.
std::string LowerCase(std::string_view text);

// Letters and digits only (ASCII), lower case: the part of a typed name that
// tells names apart ("Most-Frequent" and "most frequent" give "mostfrequent").
std::string NameKey(std::string_view text);

// Every character but a digit becomes a blank and every run of blanks one
// blank; the ends are not trimmed (" 1,2;;3 " gives " 1 2 3 ").
std::string DigitsAndSingleBlanks(std::string_view text);

// White space, wherever the programs cut or collapse it: the blank and the
// control characters, bytes 0 to 32 (tab, CR, LF among them).
bool IsWhiteSpace(char c);

// The text without white space at either end.
std::string_view Trim(std::string_view text);

}  // namespace drawlyze
