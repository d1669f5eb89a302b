#include "update/zip/archive_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drawlyze::zip {

FilePtr OpenForReading(const std::string& path) {
  // Opened without waiting, so that a FIFO with no writer never blocks us;
  // only a regular file is read.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {nullptr, &std::fclose};
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::fcntl(fd, F_SETFL, 0) != 0) {
    ::close(fd);
    return {nullptr, &std::fclose};
  }
  std::FILE* file = ::fdopen(fd, "rb");
  if (!file) ::close(fd);
  return {file, &std::fclose};
}

std::int64_t FileSize(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return -1;
  const long size = std::ftell(file);
  return size < 0 ? -1 : static_cast<std::int64_t>(size);
}

bool ReadAt(std::FILE* file, std::int64_t offset, void* into, std::size_t size) {
  if (offset < 0 || std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) return false;
  return std::fread(into, 1, size, file) == size;
}

}  // namespace drawlyze::zip
