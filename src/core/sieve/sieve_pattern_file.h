#pragma once
// The Sieve pattern file: the More lines, a "<-->" line, the Less lines,
// each ended by CR LF.

#include <string>
#include <string_view>
#include <vector>

#include "core/error/error.h"

namespace drawlyze {

inline constexpr std::string_view kPatternSeparator = "<-->";

struct PatternLists {
  std::vector<std::string> more;
  std::vector<std::string> less;
};

std::string FormatPatternFile(const PatternLists& lists);
// Lines up to the first one holding "<-->" go to More, the lines after it to
// Less; a text without that line fills both lists with all its lines.
PatternLists SplitPatternFile(std::string_view text);

// A failed write leaves any earlier file as it was.
Status WritePatternFile(const std::string& path, const PatternLists& lists);
Result<PatternLists> ReadPatternFile(const std::string& path);

}  // namespace drawlyze
