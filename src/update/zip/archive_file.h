#pragma once
// Small helpers for reading an archive file: opening it, its size, reads at an
// offset and little-endian fields.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace drawlyze::zip {

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Opens path for reading (other readers and writers may share it). Empty
// when it cannot be opened or is not a regular file (a folder, a FIFO, a device).
FilePtr OpenForReading(const std::string& path);
// The file's size, -1 when unknown.
std::int64_t FileSize(std::FILE* file);
// Reads exactly size bytes at offset; false on a seek failure or short read.
bool ReadAt(std::FILE* file, std::int64_t offset, void* into, std::size_t size);

inline std::uint16_t Get16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
inline std::uint32_t Get32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}
// True when p starts with "PK" and the two given bytes.
inline bool HasSignature(const std::uint8_t* p, std::uint8_t third, std::uint8_t fourth) {
  return p[0] == 0x50 && p[1] == 0x4B && p[2] == third && p[3] == fourth;
}

inline constexpr std::uint32_t kLocalHeaderSize = 30;
inline constexpr std::uint32_t kCentralHeaderSize = 46;
inline constexpr std::uint32_t kEndRecordSize = 22;

}  // namespace drawlyze::zip
