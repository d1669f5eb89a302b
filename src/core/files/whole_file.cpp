#include "core/files/whole_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/files/save_target.h"

namespace drawlyze {

namespace fs = std::filesystem;

Result<std::string> ReadWholeFile(const std::string& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) return Error{ErrorKind::NotFound, path, {}};
  if (fs::is_directory(status)) return Error{ErrorKind::CannotRead, path, "it is a folder"};
  if (!fs::is_regular_file(status)) return Error{ErrorKind::CannotRead, path, "it is no regular file"};
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return Error{ErrorKind::CannotRead, path, errno != 0 ? std::strerror(errno) : ""};
  // Read in place at the size the file has: one copy of it in memory, however
  // large it is; a file that grew meanwhile is read on to its end.
  std::string text;
  const std::uintmax_t size = fs::file_size(path, ec);
  text.resize(ec ? 0 : static_cast<std::size_t>(size));
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  char block[65536];
  while (in.read(block, sizeof block) || in.gcount() > 0) text.append(block, static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return Error{ErrorKind::CannotRead, path, "a read failed"};
  return text;
}

bool ReadWholeFile(const std::string& path, std::string& out) {
  Result<std::string> read = ReadWholeFile(path);
  if (!read) return false;
  out = std::move(*read);
  return true;
}

namespace {

// Writes, flushes and closes; true only when all three succeed (errno tells
// why not).
bool WriteFlushClose(int fd, std::string_view bytes) {
  const bool ok = WriteAllBytes(fd, bytes) && ::fsync(fd) == 0;
  const int error = errno;
  const bool closed = ::close(fd) == 0;
  if (!ok) errno = error;
  return closed && ok;
}

// The folder part of target (with its last "/") and the name after it.
std::pair<std::string, std::string> FolderAndLeaf(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  if (slash == std::string::npos) return {std::string(), target};
  return {target.substr(0, slash + 1), target.substr(slash + 1)};
}

// "." + process id + "-" + eight hex digits, at the longest.
constexpr std::size_t kTemporaryMark = 1 + 10 + 1 + 8;

std::string HashHex(std::string_view text) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(hash));
  return hex;
}

// A temporary's name left by the process whose id it holds: stem "." pid "-"
// eight hex digits suffix; that id, or 0 when name is not one.
long TemporaryOwner(std::string_view name, std::string_view stem, std::string_view suffix) {
  if (name.size() <= stem.size() + 1 + suffix.size() || name.substr(0, stem.size()) != stem ||
      name[stem.size()] != '.' || name.substr(name.size() - suffix.size()) != suffix)
    return 0;
  const std::string_view mark = name.substr(stem.size() + 1, name.size() - stem.size() - 1 - suffix.size());
  const std::size_t dash = mark.find('-');
  if (dash == std::string_view::npos || dash == 0 || dash > 10 || mark.size() - dash - 1 != 8) return 0;
  long pid = 0;
  for (std::size_t i = 0; i < dash; ++i) {
    if (mark[i] < '0' || mark[i] > '9') return 0;
    pid = pid * 10 + (mark[i] - '0');
  }
  for (std::size_t i = dash + 1; i < mark.size(); ++i)
    if (!std::isxdigit(static_cast<unsigned char>(mark[i])) || std::isupper(static_cast<unsigned char>(mark[i])))
      return 0;
  return pid;
}

}  // namespace

std::string TemporaryStem(const std::string& target, std::size_t suffixSize) {
  auto [folder, leaf] = FolderAndLeaf(target);
  const std::size_t room = NAME_MAX - kTemporaryMark - suffixSize;
  if (leaf.size() <= room) return target;
  // Too long to carry the mark: the start of the name (cut between UTF-8
  // characters) and a hash of all of it, so each target keeps its own stem.
  std::size_t cut = room - 9;
  while (cut > 0 && (static_cast<unsigned char>(leaf[cut]) & 0xC0) == 0x80) --cut;
  return folder + leaf.substr(0, cut) + "~" + HashHex(leaf);
}

int RemoveStaleTemporaries(const std::string& target, const char* suffix) {
  const auto [folder, leaf] = FolderAndLeaf(TemporaryStem(target, std::strlen(suffix)));
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return 0;
  int removed = 0;
  while (const dirent* entry = ::readdir(dir)) {
    const long pid = TemporaryOwner(entry->d_name, leaf, suffix);
    // Only a gone process's own file: a live one's (or another user's) stays.
    if (pid <= 0 || pid == ::getpid() || pid > INT_MAX || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)
      continue;
    struct stat st {};
    if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != ::geteuid())
      continue;
    if (::unlinkat(::dirfd(dir), entry->d_name, 0) == 0) ++removed;
  }
  ::closedir(dir);
  return removed;
}

int CreateFreshFile(const std::string& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
}

int CreateTemporaryBeside(const std::string& target, const char* suffix, std::string& temporary) {
  static std::mt19937 random{std::random_device{}()};
  RemoveStaleTemporaries(target, suffix);
  const std::string stem = TemporaryStem(target, std::strlen(suffix));
  for (int attempt = 0; attempt < 100; ++attempt) {
    char mark[64];
    std::snprintf(mark, sizeof mark, ".%ld-%08x%s", static_cast<long>(::getpid()), static_cast<unsigned>(random()),
                  suffix);
    temporary = stem + mark;
    const int fd = CreateFreshFile(temporary);
    if (fd >= 0) return fd;
    if (errno != EEXIST) break;
  }
  const int error = errno;
  temporary.clear();
  errno = error;
  return -1;
}

Status WriteFreshFile(const std::string& path, std::string_view bytes) {
  const int fd = CreateFreshFile(path);
  if (fd < 0) return Error{ErrorKind::CannotWrite, path, std::strerror(errno)};
  if (WriteFlushClose(fd, bytes)) return {};
  const int error = errno;
  ::unlink(path.c_str());
  return Error{ErrorKind::CannotWrite, path, std::strerror(error)};
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

Status WriteFileWhole(const std::string& path, std::string_view bytes) {
  const SaveTarget target = InspectSaveTarget(path);
  if (target.kind == SaveTargetKind::Unusable) return NotAFileError(path, target);
  if (target.kind != SaveTargetKind::Replaceable) return WriteStraightInto(path, target, bytes);
  std::string temporary;
  const int fd = CreateTemporaryBeside(path, ".tmp", temporary);
  if (fd < 0) return Error{ErrorKind::CannotWrite, path, std::strerror(errno)};
  const bool ok = WriteFlushClose(fd, bytes) && std::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return Error{ErrorKind::CannotWrite, path, std::strerror(error)};
  }
  SyncParentFolder(path);
  return {};
}

}  // namespace drawlyze
