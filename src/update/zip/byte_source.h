#pragma once
// Where a decoder's compressed input comes from: a run of blocks, each valid
// until the next one is asked for.

#include <cstddef>
#include <cstdint>
#include <span>

#include "update/zip/zip.h"

namespace drawlyze::zip {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // The next block; empty at the end of the input, failure() then says why.
  virtual std::span<const std::uint8_t> NextBlock() = 0;
  // The code for running out of input: kZipReadError, or kZipAborted after Escape.
  int failure() const { return failure_; }

 protected:
  int failure_ = kZipReadError;
};

// The whole input in memory, handed out as one block (tests, fuzzing, benchmarks).
class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::span<const std::uint8_t> data) : data_(data) {}
  std::span<const std::uint8_t> NextBlock() override {
    const auto block = data_;
    data_ = {};
    return block;
  }

 private:
  std::span<const std::uint8_t> data_;
};

}  // namespace drawlyze::zip
