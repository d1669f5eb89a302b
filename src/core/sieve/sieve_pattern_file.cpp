#include "core/sieve/sieve_pattern_file.h"

#include <filesystem>
#include <fstream>

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
  // Written beside the target and renamed over it, so a failure never leaves half a file.
  const std::string temp = path + ".tmp";
  const std::string text = FormatPatternFile(lists);
  bool written = false;
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(text.data(), static_cast<std::streamsize>(text.size()));
      out.close();
      written = !out.fail();
    }
  }
  std::error_code ec;
  if (written) {
    std::filesystem::rename(temp, path, ec);
    if (!ec) return true;
  }
  std::filesystem::remove(temp, ec);
  error = "Error - file " + path + " cannot be written!";
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
