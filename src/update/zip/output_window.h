#pragma once
// The decoders' output: a 32 KiB sliding window that is also the dictionary
// the back references copy from. A full window goes to the sink; the CRC-32 is
// taken over everything that leaves. Output beyond the limit is refused, which
// bounds what a small archive can make a decoder write.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "update/zip/zip.h"

namespace drawlyze::zip {

class OutputWindow {
 public:
  static constexpr std::size_t kSize = 32768;
  static constexpr std::size_t kMask = kSize - 1;
  // Receives every block that leaves the window; false when it could not be written.
  using Sink = std::function<bool(const std::uint8_t*, std::size_t)>;

  OutputWindow(std::uint64_t limit, Sink sink);

  // One byte out. False (error() says why) when it cannot be taken.
  bool Put(std::uint8_t byte) {
    if (total_ >= limit_) return Refuse();
    window_[pos_++] = byte;
    ++total_;
    return pos_ < kSize || Flush();
  }
  // Copies length bytes that start distance bytes back. The caller checks that
  // the distance lies within what was written (and within the window).
  bool Copy(std::size_t distance, std::size_t length);
  // length zero bytes: what PKZIP's dictionary held before the first byte.
  bool Zeros(std::size_t length);

  // Hands what the window still holds to the sink.
  bool Flush();

  std::uint64_t total() const { return total_; }
  std::uint64_t limit() const { return limit_; }
  std::uint32_t crc() const { return crc_; }
  int error() const { return error_; }

 private:
  bool Refuse() {
    error_ = kZipFormatError;
    return false;
  }

  std::vector<std::uint8_t> window_;
  std::size_t pos_ = 0;  // next free place in window_
  std::uint64_t total_ = 0;
  std::uint64_t limit_;
  Sink sink_;
  std::uint32_t crc_ = 0;
  int error_ = kZipOk;
};

}  // namespace drawlyze::zip
