#include "update/zip/archive_file.h"

#include <filesystem>
#include <system_error>

namespace drawlyze::zip {

FilePtr OpenForReading(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return {nullptr, &std::fclose};
  return {std::fopen(path.c_str(), "rb"), &std::fclose};
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
