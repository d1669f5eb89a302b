#pragma once
// Numbers in the backtest and randomness reports: a point as the decimal
// separator whatever the locale, so the reports read the same everywhere.

#include <string>

namespace drawlyze {

// value with exactly `decimals` digits after the point: Fixed(0.65704, 4) = "0.6570".
std::string Fixed(double value, int decimals);
// A p-value: four decimals down to 0.0001, then two significant digits: "0.0437", "3.2e-12",
// and "<1e-300" below that.
std::string PValueText(double p);

}  // namespace drawlyze
