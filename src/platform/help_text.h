#pragma once
// The layout of both programs' --help texts, which help2man also reads to
// write their manual pages: "Usage:" lines, paragraphs at column 0, and
// sections ("Options:", "Files:") of entries with the tag at column 2 and its
// text at column 22 (on a line of its own when the tag is longer).

#include <string>
#include <string_view>

namespace drawlyze::platform {

inline constexpr std::size_t kHelpWidth = 79;
inline constexpr std::size_t kHelpTextColumn = 22;

// Words of text filled into lines of at most kHelpWidth columns, each line
// starting with indent blanks and ending with "\n".
std::string WrapText(std::string_view text, std::size_t indent = 0);

// One entry of a section: "  TAG" and TEXT wrapped from kHelpTextColumn.
std::string HelpEntry(std::string_view tag, std::string_view text);

}  // namespace drawlyze::platform
