#include "core/reports/fixed_two.h"

#include <charconv>
#include <system_error>

namespace drawlyze {
namespace {

template <class Real>
std::string Format(Real value) {
  char buffer[5000];  // room for the largest long double in fixed notation
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  if (result.ec != std::errc()) return "?";
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string FixedTwo(double value) { return Format(value); }
std::string FixedTwo(long double value) { return Format(value); }

}  // namespace drawlyze
