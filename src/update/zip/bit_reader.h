#pragma once
// The decoders' one way to the compressed bits, least significant bit first as
// ZIP packs them. It never reads outside its input: past the end it hands out
// zero bits and remembers it, so a decoder checks overrun() once per symbol
// instead of testing every read.

#include <bit>
#include <cstdint>
#include <cstring>

#include "update/zip/byte_source.h"

namespace drawlyze::zip {

class BitReader {
 public:
  explicit BitReader(ByteSource& source) : source_(source) {}

  // Makes at least n (<= 32) bits available.
  void Need(int n) {
    if (count_ >= n) return;
    if (end_ - next_ >= 8 && std::endian::native == std::endian::little) {
      std::uint64_t word;
      std::memcpy(&word, next_, 8);
      const int take = (63 - count_) >> 3;
      bits_ |= word << count_;
      next_ += take;
      fetched_ += static_cast<std::uint64_t>(take);
      count_ += take * 8;
      bits_ &= (std::uint64_t{1} << count_) - 1;  // keep the bits above count_ zero
      return;
    }
    while (count_ < n) FeedByte();
  }
  std::uint32_t Peek(int n) {
    Need(n);
    return static_cast<std::uint32_t>(bits_ & ((std::uint64_t{1} << n) - 1));
  }
  void Drop(int n) {
    bits_ >>= n;
    count_ -= n;
  }
  std::uint32_t Bits(int n) {
    const std::uint32_t value = Peek(n);
    Drop(n);
    return value;
  }
  void AlignToByte() { Drop(count_ & 7); }

  // True once a bit past the end of the input was taken.
  bool overrun() const { return count_ < padded_; }
  // Why the input ended (read error or abort).
  int failure() const { return source_.failure(); }
  // Bits of real input taken so far.
  std::uint64_t consumed() const {
    const int unread = count_ > padded_ ? count_ - padded_ : 0;
    return fetched_ * 8 - static_cast<std::uint64_t>(unread);
  }

 private:
  void FeedByte() {
    if (next_ == end_ && !Refill()) {
      count_ += 8;  // zero bits
      padded_ += 8;
      return;
    }
    bits_ |= std::uint64_t{*next_++} << count_;
    count_ += 8;
    ++fetched_;
  }
  bool Refill() {
    if (ended_) return false;
    const auto block = source_.NextBlock();
    if (block.empty()) {
      ended_ = true;
      return false;
    }
    next_ = block.data();
    end_ = block.data() + block.size();
    return true;
  }

  ByteSource& source_;
  const std::uint8_t* next_ = nullptr;
  const std::uint8_t* end_ = nullptr;
  std::uint64_t bits_ = 0;
  int count_ = 0;   // bits in bits_, padding included
  int padded_ = 0;  // zero bits added past the end of the input
  bool ended_ = false;
  std::uint64_t fetched_ = 0;  // real bytes moved into bits_
};

}  // namespace drawlyze::zip
