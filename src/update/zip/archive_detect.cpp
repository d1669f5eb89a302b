// Telling a ZIP archive from other files: a local header at the start, or
// one behind a prefix such as a self-extracting program.
#include <vector>

#include "update/zip/archive_file.h"
#include "update/zip/zip.h"

namespace drawlyze {

using namespace zip;

std::int64_t ZipFindLocalHeader(const std::string& path) {
  const FilePtr file = OpenForReading(path);
  if (!file) return -1;
  const std::int64_t size = FileSize(file.get());
  if (size <= 4) return -1;
  // The head searched: three quarters of the first 256 KiB (less one byte).
  const std::int64_t head = size < 262143 ? size : 262143;
  const auto length = static_cast<std::size_t>(head - head / 4);
  std::vector<std::uint8_t> bytes(length);
  if (!ReadAt(file.get(), 0, bytes.data(), length)) return -1;
  for (std::size_t at = 0; at + 5 <= length; ++at)
    if (HasSignature(&bytes[at], 0x03, 0x04)) return static_cast<std::int64_t>(at);
  return -1;
}

bool ZipIsArchive(const std::string& path, std::int64_t* start) {
  std::uint8_t signature[4];
  {
    const FilePtr file = OpenForReading(path);
    if (!file) return false;
    if (ReadAt(file.get(), 0, signature, 4) && HasSignature(signature, 0x03, 0x04)) {
      if (start) *start = 0;
      return true;
    }
  }
  const std::int64_t at = ZipFindLocalHeader(path);
  if (at <= 0) return false;
  if (start) *start = at;
  return true;
}

}  // namespace drawlyze
