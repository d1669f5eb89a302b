#include "core/files/recent_files.h"

#include <algorithm>

#include "core/history/draw_history.h"

namespace drawlyze {

namespace {

bool FitsOneLine(const std::string& path) { return !path.empty() && path.find_first_of("\r\n") == std::string::npos; }

}  // namespace

std::vector<std::string> ReadRecentFiles(std::string_view text) {
  std::vector<std::string> paths;
  for (std::string_view line : SplitLines(text)) {
    const std::string path(line);
    if (path.empty() || std::find(paths.begin(), paths.end(), path) != paths.end()) continue;
    paths.push_back(path);
    if (static_cast<int>(paths.size()) == kRecentFileCount) break;
  }
  return paths;
}

std::string RecentFilesText(const std::vector<std::string>& paths) {
  std::string text;
  for (const std::string& path : paths) text += path + '\n';
  return text;
}

std::vector<std::string> WithRecentFile(std::vector<std::string> paths, const std::string& path) {
  if (!FitsOneLine(path)) return paths;
  paths = WithoutRecentFile(std::move(paths), path);
  paths.insert(paths.begin(), path);
  if (static_cast<int>(paths.size()) > kRecentFileCount) paths.resize(kRecentFileCount);
  return paths;
}

std::vector<std::string> WithoutRecentFile(std::vector<std::string> paths, const std::string& path) {
  paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
  return paths;
}

}  // namespace drawlyze
