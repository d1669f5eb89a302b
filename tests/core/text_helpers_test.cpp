// The small text helpers the whole program shares: one lower case and one
// white space, neither following the process locale.
#include "core/history/text_helpers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace drawlyze {
namespace {

TEST(TextHelpers, TrimCutsBlanksAndControlCharacters) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"", ""},
      {"   ", ""},
      {" 12 ", "12"},
      {"\t12\r\n", "12"},
      {std::string("\0x\x1f", 3), "x"},
      {"1 \t 2", "1 \t 2"},  // inside stays
      {"\xA0"
       "a\xA0",
       "\xA0"
       "a\xA0"},  // a Latin-1 no-break space is a character, not white space
      {"\x7f", "\x7f"},
  };
  for (const auto& c : cases) EXPECT_EQ(Trim(c.in), c.out) << '"' << c.in << '"';
  for (int b = 0; b < 256; ++b) EXPECT_EQ(IsWhiteSpace(static_cast<char>(b)), b <= 32) << b;
}

TEST(TextHelpers, LowerCaseAndNameKeyIgnoreTheLocale) {
  // Whatever locale the environment names (Qt sets it), the same bytes come out.
  const char* before = std::setlocale(LC_ALL, nullptr);
  const std::string saved = before ? before : "C";
  for (const char* locale : {"C", ""}) {
    if (!std::setlocale(LC_ALL, locale)) continue;
    SCOPED_TRACE(locale);
    const struct {
      std::string in, lower, key;
    } cases[] = {
        {"HTTP", "http", "http"},
        {"Most-Frequent", "most-frequent", "mostfrequent"},
        {"Longest skip at the POSITION", "longest skip at the position", "longestskipattheposition"},
        {"Free Pairs' Skips", "free pairs' skips", "freepairsskips"},
        {"\xC4Z\xD6", "\xC4z\xD6", "z"},  // bytes past ASCII are kept by lower case and left out of a key
        {"IstanbuL", "istanbul", "istanbul"},
    };
    for (const auto& c : cases) {
      EXPECT_EQ(LowerCase(c.in), c.lower);
      EXPECT_EQ(NameKey(c.in), c.key);
    }
  }
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace drawlyze
