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

bool WritePatternFile(const std::string& path, const PatternLists& lists, std::string& error) {
  const Status saved = WriteFileWhole(path, FormatPatternFile(lists));
  if (saved) return true;
  // A missing folder keeps the short message; a target that is no file says what it is.
  Error failure = saved.Failure();
  if (failure.kind == ErrorKind::CannotWrite) failure.detail.clear();
  error = ErrorText(failure);
  return false;
}

bool ReadPatternFile(const std::string& path, PatternLists& lists, std::string& error) {
  std::string text;
  if (!ReadWholeFile(path, text)) {
    std::error_code ec;
    error = "Error - file " + path + (std::filesystem::exists(path, ec) ? " cannot be read!" : " not found!");
    return false;
  }
  lists = SplitPatternFile(text);
  return true;
}

}  // namespace drawlyze
