#pragma once
// Money as whole cents, so that stakes and prizes add up exactly, and its
// text with two decimals.

#include <cstdint>
#include <string>
#include <string_view>

namespace drawlyze::plays {

using Cents = std::int64_t;

inline constexpr Cents kOneUnit = 100;    // 1.00: the play the prize table prices
inline constexpr Cents kAmountStep = 50;  // amounts are multiples of 0.50

// "1234.50", "-3.00": two decimals, no thousands separator (CSV cells read it back).
std::string MoneyText(Cents cents);
// "+493.00" or "-7.00": a net figure, its sign always written.
std::string SignedMoneyText(Cents cents);
// Cents (possibly a fraction of one, an expectation) rounded half away from zero to two decimals.
std::string MoneyText(double cents);
std::string SignedMoneyText(double cents);

// "1", "1.5", "0.50", "500.00", blanks around allowed; false for anything else
// (signs, more than two decimals, more than 9 digits before the point).
bool ReadMoney(std::string_view text, Cents& cents);

// "1,000", "6,760": a count with thousands separators, as the reports write them.
std::string CountText(long long count);

}  // namespace drawlyze::plays
