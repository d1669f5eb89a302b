#pragma once
// Reals in the reports: exactly two decimals and a "." whatever the locale.

#include <string>

namespace drawlyze {

std::string FixedTwo(double value);
std::string FixedTwo(long double value);

}  // namespace drawlyze
