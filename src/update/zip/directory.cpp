// The central directory: found from the end of the archive through its end
// record, read into memory whole, then walked entry by entry.
#include <algorithm>
#include <vector>

#include "update/zip/archive_file.h"
#include "update/zip/zip.h"

namespace drawlyze {

using namespace zip;

namespace {

constexpr std::int64_t kWindow = 4096;
constexpr std::int64_t kMaxDirectoryRead = 2147483631;
constexpr std::uint16_t kUtf8NameFlag = 1 << 11;

// The absolute position of the end record, or -1. Windows of 4 KiB walk
// backwards from the end and overlap by the record's 22 bytes, so a record
// behind a long archive comment is found as well.
std::int64_t FindEndRecord(std::FILE* file, std::int64_t size) {
  const std::int64_t window = std::min(size, kWindow);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(window));
  std::int64_t start = size - window;
  for (;;) {
    if (!ReadAt(file, start, bytes.data(), bytes.size())) return -1;
    for (std::int64_t at = window - static_cast<std::int64_t>(kEndRecordSize); at >= 0; --at)
      if (HasSignature(&bytes[static_cast<std::size_t>(at)], 0x05, 0x06)) return start + at;
    if (start == 0) return -1;
    start = std::max<std::int64_t>(0, start - (window - kEndRecordSize));
  }
}

bool IsCentralHeader(std::FILE* file, std::int64_t at) {
  std::uint8_t signature[4];
  return at >= 0 && ReadAt(file, at, signature, 4) && HasSignature(signature, 0x01, 0x02);
}

}  // namespace

int ZipOpenDirectory(const std::string& path, ZipDirectory& dir) {
  ZipCloseDirectory(dir);
  FilePtr file = OpenForReading(path);
  if (!file) return kZipFileError;
  const std::int64_t size = FileSize(file.get());
  if (size <= 0) return kZipFileError;
  const std::int64_t end = FindEndRecord(file.get(), size);
  if (end < 0) return kZipFileError;
  if (end < static_cast<std::int64_t>(kCentralHeaderSize)) return kZipDirectoryError;

  std::uint8_t record[kEndRecordSize];  // the search leaves room for all of it
  if (!ReadAt(file.get(), end, record, sizeof record)) return kZipFileError;
  std::int64_t offset = Get32(record + 16);
  // An archive behind a prefix may count its offsets from its own start: the
  // directory then sits right before the end record rather than at offset.
  const std::int64_t behind = end - static_cast<std::int64_t>(Get32(record + 12));
  if (!IsCentralHeader(file.get(), offset) && behind != offset && IsCentralHeader(file.get(), behind)) {
    dir.offsetShift = behind - offset;
    offset = behind;
  }
  if (offset > end) return kZipDirectoryError;

  const std::int64_t length = std::min(end - offset + 4, kMaxDirectoryRead);
  dir.buffer.resize(static_cast<std::size_t>(length));
  if (!ReadAt(file.get(), offset, dir.buffer.data(), dir.buffer.size())) {
    ZipCloseDirectory(dir);
    return kZipFileError;
  }
  dir.file = std::move(file);
  dir.position = 0;
  const int result = ZipNextEntry(dir);
  if (result != kZipOk) ZipCloseDirectory(dir);
  return result;
}

int ZipNextEntry(ZipDirectory& dir) {
  const std::size_t at = dir.position;
  const std::size_t size = dir.buffer.size();
  if (at > size || size - at < kCentralHeaderSize) return kZipNoMoreEntries;
  const std::uint8_t* h = dir.buffer.data() + at;
  if (!HasSignature(h, 0x01, 0x02)) return kZipNoMoreEntries;
  const std::size_t nameLength = Get16(h + 28);
  const std::size_t entryLength = kCentralHeaderSize + nameLength + Get16(h + 30) + Get16(h + 32);
  if (size - at < entryLength) return kZipNoMoreEntries;

  dir.flags = Get16(h + 8);
  dir.method = Get16(h + 10);
  dir.time = Get32(h + 12);
  dir.compressedSize = Get32(h + 20);
  dir.size = Get32(h + 24);
  // MS-DOS attributes only from hosts that share them (made-by host 0).
  dir.attributes = h[5] == 0 ? h[38] : 0;
  dir.localHeaderOffset = Get32(h + 42);
  // A zero ends the name, as it would in a zero-terminated text.
  std::string name(reinterpret_cast<const char*>(h + kCentralHeaderSize), std::min(nameLength, kZipMaxName));
  name.resize(std::min(name.size(), name.find('\0')));
  if (!(dir.flags & kUtf8NameFlag)) name = ZipNameFromCp437(name);
  std::replace(name.begin(), name.end(), '/', '\\');
  dir.name = std::move(name);
  dir.position = at + entryLength;
  return kZipOk;
}

void ZipCloseDirectory(ZipDirectory& dir) {
  dir.file.reset();
  dir.buffer.clear();
  dir.buffer.shrink_to_fit();
  dir.position = 0;
  dir.offsetShift = 0;
}

}  // namespace drawlyze
