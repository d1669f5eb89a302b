#include "core/files/save_target.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace drawlyze {

namespace fs = std::filesystem;

namespace {

bool AllDigits(const std::string& text) {
  if (text.empty() || text.size() > 9) return false;
  for (const char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// The folders that list this process's own descriptors, as the system
// resolves /dev/fd, /proc/self/fd and /proc/thread-self/fd.
bool IsOwnDescriptorFolder(const fs::path& folder) {
  const std::string own = "/proc/" + std::to_string(::getpid());
  const std::string text = folder.string();
  return text == own + "/fd" || text == own + "/task/" + std::to_string(::gettid()) + "/fd";
}

// The descriptor path leads to through its links (/dev/stdout ->
// /proc/self/fd/1), or -1. Renaming over such a path would replace the
// system's link, and the user asked for the descriptor anyway.
int OwnDescriptor(const std::string& path) {
  fs::path at = path;
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code ec;
    const fs::path parent = at.has_parent_path() ? at.parent_path() : fs::path(".");
    const fs::path folder = fs::canonical(parent, ec);
    if (ec) return -1;
    const std::string leaf = at.filename().string();
    if (IsOwnDescriptorFolder(folder) && AllDigits(leaf)) return std::stoi(leaf);
    struct stat st {};
    if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return -1;
    const fs::path next = fs::read_symlink(at, ec);
    if (ec) return -1;
    at = next.is_absolute() ? next : folder / next;
  }
  return -1;
}

std::string SystemText(int error) { return std::strerror(error); }

// SIGPIPE held back while a straight write runs: a FIFO whose reader went
// away is a failed save with a message, not the end of the program.
class PipeSignalHeld {
 public:
  PipeSignalHeld() {
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    ::pthread_sigmask(SIG_BLOCK, &pipe, &before_);
    sigset_t pending;
    sigpending(&pending);
    wasPending_ = sigismember(&pending, SIGPIPE) == 1;
  }
  ~PipeSignalHeld() {
    if (!wasPending_) {
      // Take back a SIGPIPE the writes raised, so it never arrives later.
      sigset_t pipe;
      sigemptyset(&pipe);
      sigaddset(&pipe, SIGPIPE);
      const timespec now{0, 0};
      while (::sigtimedwait(&pipe, nullptr, &now) == SIGPIPE) {
      }
    }
    ::pthread_sigmask(SIG_SETMASK, &before_, nullptr);
  }
  PipeSignalHeld(const PipeSignalHeld&) = delete;
  PipeSignalHeld& operator=(const PipeSignalHeld&) = delete;

 private:
  sigset_t before_{};
  bool wasPending_ = false;
};

}  // namespace

SaveTarget InspectSaveTarget(const std::string& path) {
  SaveTarget target;
  const int fd = OwnDescriptor(path);
  if (fd >= 0) {
    target.kind = SaveTargetKind::Descriptor;
    target.descriptor = fd;
    return target;
  }
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return target;                        // nothing there
  if (S_ISLNK(st.st_mode) && ::stat(path.c_str(), &st) != 0) return target;  // a link to nothing
  if (S_ISREG(st.st_mode)) return target;
  if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) {
    target.kind = SaveTargetKind::Stream;
    return target;
  }
  target.kind = SaveTargetKind::Unusable;
  if (S_ISDIR(st.st_mode))
    target.what = "it is a folder, not a file";
  else if (S_ISSOCK(st.st_mode))
    target.what = "it is a socket, which cannot take a file";
  else if (S_ISBLK(st.st_mode))
    target.what = "it is a disk device; nothing is written to it";
  else
    target.what = "it is no regular file";
  return target;
}

Error NotAFileError(const std::string& path, const SaveTarget& target) {
  return {ErrorKind::NotAFile, path, target.what};
}

Result<int> OpenStraightTarget(const std::string& path, const SaveTarget& target, int fifoWaitMs) {
  if (target.kind == SaveTargetKind::Unusable) return NotAFileError(path, target);
  if (target.kind == SaveTargetKind::Descriptor) {
    const int flags = ::fcntl(target.descriptor, F_GETFL);
    if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY)
      return Error{ErrorKind::CannotWrite, path,
                   "descriptor " + std::to_string(target.descriptor) + " is not open for writing"};
    const int fd = ::fcntl(target.descriptor, F_DUPFD_CLOEXEC, 0);
    if (fd < 0) return Error{ErrorKind::CannotWrite, path, SystemText(errno)};
    return fd;
  }
  // Without O_NONBLOCK, opening a FIFO nobody reads would wait for ever.
  for (int waited = 0;; waited += 20) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd >= 0) {
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
      return fd;
    }
    if (errno == ENXIO && waited < fifoWaitMs) {
      const timespec pause{0, 20 * 1000 * 1000};
      ::nanosleep(&pause, nullptr);
      continue;
    }
    if (errno == ENXIO) return Error{ErrorKind::CannotWrite, path, "no program reads from it"};
    return Error{ErrorKind::CannotWrite, path, SystemText(errno)};
  }
}

bool WriteAllBytes(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

Status WriteStraightInto(const std::string& path, const SaveTarget& target, std::string_view bytes) {
  Result<int> fd = OpenStraightTarget(path, target);
  if (!fd) return fd.Failure();
  int error = 0;
  {
    const PipeSignalHeld held;
    if (!WriteAllBytes(*fd, bytes)) error = errno;
  }
  // A regular file behind a descriptor is flushed like every saved file;
  // devices and pipes have nothing to flush.
  if (error == 0 && ::fsync(*fd) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP) error = errno;
  if (::close(*fd) != 0 && error == 0 && errno != EINTR) error = errno;
  if (error != 0) return Error{ErrorKind::CannotWrite, path, SystemText(error)};
  return {};
}

}  // namespace drawlyze
