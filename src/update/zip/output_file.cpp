#include "update/zip/output_file.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <random>
#include <system_error>
#include <vector>

namespace drawlyze::zip {
namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// A separator of this platform's paths: a "\\" in a folder's name on a
// POSIX system is a character of that name, not a separator.
bool IsPlatformSeparator(char c) { return c == '/' || (fs::path::preferred_separator == '\\' && c == '\\'); }

}  // namespace

std::optional<std::string> MemberOutputPath(const std::string& folder, const std::string& storedName) {
  if (!storedName.empty() && IsSeparator(storedName[0])) return std::nullopt;  // absolute
  if (storedName.size() >= 2 && storedName[1] == ':') return std::nullopt;     // drive prefix
  std::string relative;
  std::size_t start = 0;
  while (start <= storedName.size()) {
    std::size_t stop = start;
    while (stop < storedName.size() && !IsSeparator(storedName[stop])) ++stop;
    const std::string segment = storedName.substr(start, stop - start);
    if (segment == "..") return std::nullopt;
    if (!segment.empty() && segment != ".") {
      if (!relative.empty()) relative += fs::path::preferred_separator;
      relative += segment;
    }
    start = stop + 1;
  }
  std::string path = folder;
  if (path.empty() || !IsPlatformSeparator(path.back())) path += fs::path::preferred_separator;
  path += relative;
  if (!storedName.empty() && IsSeparator(storedName.back()) && !relative.empty()) path += fs::path::preferred_separator;
  return path;
}

bool RunsThroughLink(const std::string& folder, const std::string& outputPath) {
  std::string base = folder;
  if (base.empty() || !IsPlatformSeparator(base.back())) base += fs::path::preferred_separator;
  if (outputPath.size() <= base.size() || outputPath.compare(0, base.size(), base) != 0) return false;
  const std::string relative = outputPath.substr(base.size());
  // The folders on the way, and a folder entry's own last part, which would
  // be created through.
  const std::size_t checked = IsFolderPath(outputPath) ? relative.size() - 1 : relative.find_last_of("/\\");
  if (checked == std::string::npos) return false;
  std::error_code ec;
  for (std::size_t at = 0; at < checked;) {
    std::size_t next = relative.find_first_of("/\\", at);
    if (next == std::string::npos || next > checked) next = checked;
    const fs::file_status status = fs::symlink_status(PlatformPath(base + relative.substr(0, next)), ec);
    if (fs::is_symlink(status)) return true;
    if (!fs::exists(status)) return false;
    at = next + 1;
  }
  return false;
}

fs::path PlatformPath(const std::string& outputPath) { return fs::path(outputPath); }

bool IsFolderPath(const std::string& outputPath) {
  return !outputPath.empty() && IsPlatformSeparator(outputPath.back());
}

bool PendingFile::Create(const fs::path& target) {
  Discard();
  // A FIFO, a device or a socket standing where the member goes stays as it
  // is (a link there is replaced, never followed).
  std::error_code ec;
  const fs::file_status there = fs::symlink_status(target, ec);
  if (fs::exists(there) && !fs::is_regular_file(there) && !fs::is_symlink(there)) return false;
  target_ = target;
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  static std::mt19937 random{std::random_device{}()};
  for (int attempt = 0; attempt < 2; ++attempt) {
    for (int name = 0; name < 16; ++name) {
      char leaf[32];
      std::snprintf(leaf, sizeof leaf, ".unzip-%08x.tmp", static_cast<unsigned>(random()));
      temp_ = folder / leaf;
      file_ = std::fopen(temp_.c_str(), "wbx");
      if (file_) return true;
      if (errno != EEXIST) break;
    }
    // The folder may be missing: make its whole chain, then try once more.
    if (attempt == 0 && !fs::is_directory(folder, ec) && !fs::create_directories(folder, ec)) break;
  }
  temp_.clear();
  return false;
}

bool PendingFile::Write(const std::uint8_t* data, std::size_t size) {
  return file_ && std::fwrite(data, 1, size, file_) == size;
}

bool PendingFile::Commit() {
  if (!file_) return false;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  std::error_code ec;
  if (closed) fs::rename(temp_, target_, ec);
  if (!closed || ec) {
    Discard();
    return false;
  }
  temp_.clear();
  return true;
}

void PendingFile::Discard() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  if (!temp_.empty()) {
    std::error_code ec;
    fs::remove(temp_, ec);
    temp_.clear();
  }
}

void SetDosTime(const fs::path& path, std::uint32_t dosTime) {
  std::tm tm{};
  tm.tm_sec = static_cast<int>(dosTime & 0x1F) * 2;
  tm.tm_min = static_cast<int>((dosTime >> 5) & 0x3F);
  tm.tm_hour = static_cast<int>((dosTime >> 11) & 0x1F);
  tm.tm_mday = static_cast<int>((dosTime >> 16) & 0x1F);
  tm.tm_mon = static_cast<int>((dosTime >> 21) & 0x0F) - 1;
  tm.tm_year = static_cast<int>((dosTime >> 25) & 0x7F) + 80;
  tm.tm_isdst = -1;
  const std::time_t t = std::mktime(&tm);
  if (t == static_cast<std::time_t>(-1)) return;
  std::error_code ec;
  fs::last_write_time(path, std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(t)), ec);
}

void ApplyDosAttributes(const fs::path& path, std::int32_t attributes) {
  if (!(attributes & 0x01)) return;
  std::error_code ec;
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove, ec);
}

void MakeWritable(const fs::path& path) {
  std::error_code ec;
  if (fs::is_regular_file(fs::symlink_status(path, ec)))
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
}

}  // namespace drawlyze::zip
