#include "core/history/escaped_text.h"

#include <algorithm>

namespace drawlyze {

namespace {

// The length of the well-formed UTF-8 sequence at text[at], 0 when there is none.
std::size_t Utf8Length(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
  const unsigned b = byte(at);
  const auto tail = [&](std::size_t i, unsigned low, unsigned high) { return byte(i) >= low && byte(i) <= high; };
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF) return tail(at + 1, 0x80, 0xBF) ? 2 : 0;
  if (b >= 0xE0 && b <= 0xEF) {
    const unsigned low = b == 0xE0 ? 0xA0 : 0x80, high = b == 0xED ? 0x9F : 0xBF;
    return tail(at + 1, low, high) && tail(at + 2, 0x80, 0xBF) ? 3 : 0;
  }
  if (b >= 0xF0 && b <= 0xF4) {
    const unsigned low = b == 0xF0 ? 0x90 : 0x80, high = b == 0xF4 ? 0x8F : 0xBF;
    return tail(at + 1, low, high) && tail(at + 2, 0x80, 0xBF) && tail(at + 3, 0x80, 0xBF) ? 4 : 0;
  }
  return 0;
}

void AppendEscaped(std::string& out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 15];
}

}  // namespace

std::string EscapeControls(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const auto b = static_cast<unsigned char>(text[at]);
    const std::size_t length = Utf8Length(text, at);
    // C1 controls (U+0080..U+009F) are the bytes C2 80..C2 9F.
    const bool c1 = length == 2 && b == 0xC2 && static_cast<unsigned char>(text[at + 1]) <= 0x9F;
    if (length == 0 || b < 0x20 || b == 0x7F || c1) {
      for (std::size_t i = 0; i < std::max<std::size_t>(length, 1); ++i)
        AppendEscaped(out, static_cast<unsigned char>(text[at + i]));
      at += std::max<std::size_t>(length, 1);
      continue;
    }
    out.append(text, at, length);
    at += length;
  }
  return out;
}

std::string Excerpt(std::string_view text) {
  std::size_t at = 0;
  for (std::size_t characters = 0; at < text.size() && characters < kExcerptCharacters; ++characters)
    at += std::max<std::size_t>(Utf8Length(text, at), 1);
  if (at >= text.size()) return EscapeControls(text);
  return EscapeControls(text.substr(0, at)) + "\xE2\x80\xA6";  // U+2026, in UTF-8
}

}  // namespace drawlyze
