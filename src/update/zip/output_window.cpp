#include "update/zip/output_window.h"

#include <algorithm>
#include <cstring>

#include "update/zip/crc32.h"

namespace drawlyze::zip {

OutputWindow::OutputWindow(std::uint64_t limit, Sink sink) : window_(kSize), limit_(limit), sink_(std::move(sink)) {}

bool OutputWindow::Copy(std::size_t distance, std::size_t length) {
  if (length > limit_ - total_) return Refuse();
  std::size_t from = (pos_ - distance) & kMask;
  while (length > 0) {
    // A run that stays inside the window on both ends and does not overlap
    // itself goes as one memcpy; the rest byte by byte.
    std::size_t run = std::min({length, kSize - pos_, kSize - from});
    if (distance >= run) {
      std::memmove(&window_[pos_], &window_[from], run);  // the source may lie ahead, wrapped
    } else {
      for (std::size_t i = 0; i < run; ++i) window_[pos_ + i] = window_[from + i];
    }
    pos_ += run;
    from = (from + run) & kMask;
    length -= run;
    total_ += run;
    if (pos_ == kSize && !Flush()) return false;
  }
  return true;
}

bool OutputWindow::Zeros(std::size_t length) {
  if (length > limit_ - total_) return Refuse();
  while (length > 0) {
    const std::size_t run = std::min(length, kSize - pos_);
    std::memset(&window_[pos_], 0, run);
    pos_ += run;
    length -= run;
    total_ += run;
    if (pos_ == kSize && !Flush()) return false;
  }
  return true;
}

bool OutputWindow::Flush() {
  if (pos_ == 0) return true;
  crc_ = Crc32(crc_, window_.data(), pos_);
  const bool written = !sink_ || sink_(window_.data(), pos_);
  pos_ = 0;
  if (!written) error_ = kZipWriteError;
  return written;
}

}  // namespace drawlyze::zip
