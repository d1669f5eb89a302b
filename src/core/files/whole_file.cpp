#include "core/files/whole_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

namespace drawlyze {

namespace fs = std::filesystem;

bool ReadWholeFile(const std::string& path, std::string& out) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  // Read in place at the size the file has: one copy of it in memory, however
  // large it is; a file that grew meanwhile is read on to its end.
  std::string text;
  const std::uintmax_t size = fs::file_size(path, ec);
  text.resize(ec ? 0 : static_cast<std::size_t>(size));
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  char block[65536];
  while (in.read(block, sizeof block) || in.gcount() > 0) text.append(block, static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return false;
  out = std::move(text);
  return true;
}

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Writes, flushes and closes; true only when all three succeed.
bool WriteFlushClose(int fd, std::string_view bytes) {
  const bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

}  // namespace

int CreateFreshFile(const std::string& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
}

int CreateTemporaryBeside(const std::string& target, const char* suffix, std::string& temporary) {
  static std::mt19937 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    char leaf[40];
    std::snprintf(leaf, sizeof leaf, ".%08x%s", static_cast<unsigned>(random()), suffix);
    temporary = target + leaf;
    const int fd = CreateFreshFile(temporary);
    if (fd >= 0) return fd;
    if (errno != EEXIST) break;
  }
  temporary.clear();
  return -1;
}

bool WriteFreshFile(const std::string& path, std::string_view bytes) {
  const int fd = CreateFreshFile(path);
  if (fd < 0) return false;
  if (WriteFlushClose(fd, bytes)) return true;
  ::unlink(path.c_str());
  return false;
}

bool SyncToDisk(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0 || errno == EINVAL;  // some file systems cannot sync folders
  ::close(fd);
  return ok;
}

bool SyncParentFolder(const std::string& path) {
  const fs::path parent = fs::path(path).parent_path();
  return SyncToDisk(parent.empty() ? std::string(".") : parent.string());
}

bool WriteFileWhole(const std::string& path, std::string_view bytes) {
  std::string temporary;
  const int fd = CreateTemporaryBeside(path, ".tmp", temporary);
  if (fd < 0) return false;
  const bool ok = WriteFlushClose(fd, bytes) && std::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncParentFolder(path);
  return true;
}

}  // namespace drawlyze
