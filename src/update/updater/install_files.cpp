#include "update/updater/install_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/files/whole_file.h"

namespace drawlyze::updater {

namespace fs = std::filesystem;

FolderLock::FolderLock(const std::string& folder) {
  fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  // A folder that cannot be opened or locked (a file system without locks)
  // does not stop the update; only another update's lock does.
  if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) ok_ = errno != EWOULDBLOCK;
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

StagingFolder::StagingFolder(const std::string& folder) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(kStagingPrefix, 0) == 0 && entry.is_directory(ec) && !entry.is_symlink(ec))
      fs::remove_all(entry.path(), ec);
  }
  std::string pattern = (fs::path(folder) / (std::string(kStagingPrefix) + "XXXXXX")).string();
  if (::mkdtemp(pattern.data())) path_ = pattern;
}

void StagingFolder::Remove() {
  if (path_.empty()) return;
  std::error_code ec;
  fs::remove_all(path_, ec);
  path_.clear();
}

int CreateFreshFile(const std::string& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
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

}  // namespace

bool KeepAsBackup(const std::string& draw, const std::string& backup) {
  if (::link(draw.c_str(), backup.c_str()) == 0) {
    SyncParentFolder(backup);
    return true;
  }
  if (errno == EEXIST) return false;
  // No hard links on this file system: a copy, written and flushed whole.
  std::string bytes;
  if (!ReadWholeFile(draw, bytes)) return false;
  const int fd = CreateFreshFile(backup);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (!ok) ::unlink(backup.c_str());
  if (ok) SyncParentFolder(backup);
  return ok;
}

}  // namespace drawlyze::updater
