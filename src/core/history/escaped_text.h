#pragma once
// Text from files and servers as a terminal or a message may show it: no
// control byte reaches the screen, and no cell of an export is quoted whole.

#include <cstddef>
#include <string>
#include <string_view>

namespace drawlyze {

// Control characters (C0, DEL, C1) and bytes that are not UTF-8 written as \xHH.
std::string EscapeControls(std::string_view text);

// The most a message quotes of a cell or a header.
inline constexpr std::size_t kExcerptCharacters = 40;

// The text escaped as EscapeControls does, cut after kExcerptCharacters
// characters (never inside one), with "…" where it was cut.
std::string Excerpt(std::string_view text);

}  // namespace drawlyze
