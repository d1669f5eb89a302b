#include "core/sieve/sieve_pattern_file.h"

#include <filesystem>

#include "core/files/whole_file.h"
#include "core/history/draw_history.h"

namespace drawlyze {

std::string FormatPatternFile(const PatternLists& lists) {
  std::string text;
  for (const std::string& line : lists.more) text += line + "\r\n";
  text += std::string(kPatternSeparator) + "\r\n";
  for (const std::string& line : lists.less) text += line + "\r\n";
  return text;
}

PatternLists SplitPatternFile(std::string_view text) {
  PatternLists lists;
  bool separated = false;
  for (std::string_view line : SplitLines(text)) {
    if (!separated && line.find(kPatternSeparator) != std::string_view::npos) {
      separated = true;
      continue;
    }
    (separated ? lists.less : lists.more).emplace_back(line);
  }
  if (!separated) lists.less = lists.more;
  return lists;
}

Status WritePatternFile(const std::string& path, const PatternLists& lists) {
  return WriteFileWhole(path, FormatPatternFile(lists));
}

Result<PatternLists> ReadPatternFile(const std::string& path) {
  Result<std::string> text = ReadWholeFile(path);
  if (!text) return text.Failure();
  return SplitPatternFile(*text);
}

}  // namespace drawlyze
