#pragma once
// CRC-32 of the ZIP format: polynomial 0xEDB88320 (reflected), initial value
// all ones, final complement.

#include <cstddef>
#include <cstdint>

namespace drawlyze::zip {

// Continues crc (0 for a fresh start) over size bytes.
std::uint32_t Crc32(std::uint32_t crc, const std::uint8_t* data, std::size_t size);

}  // namespace drawlyze::zip
