#include "core/plays/money.h"

#include <cmath>

#include "core/history/text_helpers.h"

namespace drawlyze::plays {

namespace {

std::string Unsigned(Cents cents) {
  std::string text = std::to_string(cents / 100) + '.';
  text += static_cast<char>('0' + cents % 100 / 10);
  text += static_cast<char>('0' + cents % 10);
  return text;
}

}  // namespace

std::string MoneyText(Cents cents) { return cents < 0 ? '-' + Unsigned(-cents) : Unsigned(cents); }

std::string SignedMoneyText(Cents cents) { return cents < 0 ? '-' + Unsigned(-cents) : '+' + Unsigned(cents); }

std::string MoneyText(double cents) { return MoneyText(static_cast<Cents>(std::llround(cents))); }

std::string SignedMoneyText(double cents) { return SignedMoneyText(static_cast<Cents>(std::llround(cents))); }

bool ReadMoney(std::string_view text, Cents& cents) {
  text = Trim(text);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() || whole.size() > 9 || fraction.size() > 2 || (point != std::string_view::npos && fraction.empty()))
    return false;
  Cents value = 0;
  for (char c : whole) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  Cents part = 0;
  for (std::size_t i = 0; i < 2; ++i) {
    const char c = i < fraction.size() ? fraction[i] : '0';
    if (c < '0' || c > '9') return false;
    part = part * 10 + (c - '0');
  }
  cents = value * 100 + part;
  return true;
}

std::string CountText(long long count) {
  std::string digits = std::to_string(count < 0 ? -count : count);
  for (std::size_t i = digits.size(); i > 3; i -= 3) digits.insert(i - 3, 1, ',');
  return count < 0 ? '-' + digits : digits;
}

}  // namespace drawlyze::plays
