#include "core/history/text_helpers.h"

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

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

std::string NameKey(std::string_view text) {
  std::string key;
  for (const char c : LowerCase(text))
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) key += c;
  return key;
}

std::string DigitsAndSingleBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const char ch = c >= '0' && c <= '9' ? c : ' ';
    if (ch == ' ' && !out.empty() && out.back() == ' ') continue;
    out += ch;
  }
  return out;
}

bool IsWhiteSpace(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsWhiteSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsWhiteSpace(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace drawlyze
