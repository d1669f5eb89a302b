#pragma once
// The list of draw files opened last, newest first, as the main window's
// File menu offers them: one path a line in a small text file.

#include <string>
#include <string_view>
#include <vector>

namespace drawlyze {

inline constexpr int kRecentFileCount = 8;
// The list's file, in the program's data folder.
inline constexpr const char* kRecentFilesName = "recent_files.txt";

// The paths of the file's text, one a line (LF or CR LF): empty lines and
// repeats dropped, at most kRecentFileCount.
std::vector<std::string> ReadRecentFiles(std::string_view text);
// The list as that text, each line ended by LF.
std::string RecentFilesText(const std::vector<std::string>& paths);
// path first, its older place dropped, the oldest past kRecentFileCount
// dropped; a path that cannot stand on one line is left out.
std::vector<std::string> WithRecentFile(std::vector<std::string> paths, const std::string& path);
// The list without path.
std::vector<std::string> WithoutRecentFile(std::vector<std::string> paths, const std::string& path);

}  // namespace drawlyze
