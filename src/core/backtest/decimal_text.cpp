#include "core/backtest/decimal_text.h"

#include <charconv>

namespace drawlyze {

std::string Fixed(double value, int decimals) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  return std::string(buf, result.ptr);
}

std::string PValueText(double p) {
  if (p >= 0.0001) return Fixed(p, 4);
  // Below what a double holds the exact value does not matter.
  if (p < 1e-300) return "<1e-300";
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, p, std::chars_format::scientific, 1);
  return std::string(buf, result.ptr);
}

}  // namespace drawlyze
