#pragma once
// Shared by the decoder fuzz targets: runs one decoder over bytes in memory,
// once as a single block and once cut into small blocks, and checks what both
// runs must agree on. The archive reader hands the decoders file blocks, so a
// decoder (or the bit reader) that depends on where a block ends would fail
// only on some archives.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "update/zip/bit_reader.h"
#include "update/zip/byte_source.h"
#include "update/zip/crc32.h"
#include "update/zip/decoders.h"
#include "update/zip/output_window.h"

namespace fuzzzip {

using drawlyze::zip::BitReader;
using drawlyze::zip::ByteSource;
using drawlyze::zip::OutputWindow;

// Bounds what one input may make a decoder write, as the reader's limit does.
inline constexpr std::uint64_t kOutputLimit = 1 << 18;

// The input in blocks of a fixed size.
class BlockSource : public ByteSource {
 public:
  BlockSource(std::span<const std::uint8_t> data, std::size_t block) : data_(data), block_(block) {}
  std::span<const std::uint8_t> NextBlock() override {
    const std::size_t n = std::min(block_, data_.size());
    const auto out = data_.first(n);
    data_ = data_.subspan(n);
    return out;
  }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t block_;
};

struct Decoded {
  int result = 0;
  std::vector<std::uint8_t> bytes;  // everything the window handed to its sink
  std::uint64_t consumed = 0;       // input bits taken
};

[[noreturn]] inline void Fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

template <class Decoder>
Decoded Run(std::span<const std::uint8_t> input, std::size_t block, Decoder decode) {
  Decoded d;
  BlockSource source(input, block);
  BitReader in(source);
  OutputWindow out(kOutputLimit, [&](const std::uint8_t* p, std::size_t n) {
    d.bytes.insert(d.bytes.end(), p, p + n);
    return true;
  });
  d.result = decode(in, out);
  // Whatever the result, what was written so far must reach the sink intact.
  if (!out.Flush()) Fail("flush refused");
  if (d.bytes.size() != out.total()) Fail("total differs from the bytes handed out");
  if (drawlyze::zip::Crc32(0, d.bytes.data(), d.bytes.size()) != out.crc()) Fail("CRC differs from the bytes");
  if (out.total() > kOutputLimit) Fail("output past the limit");
  d.consumed = in.consumed();
  if (d.consumed > std::uint64_t{input.size()} * 8) Fail("consumed more bits than the input holds");
  return d;
}

// The same decoder over the same bytes, whole and in blocks of 1 to 13 bytes
// (picked by the input's size so the corpus explores all of them).
template <class Decoder>
Decoded RunWholeAndCut(std::span<const std::uint8_t> input, Decoder decode) {
  const Decoded whole = Run(input, input.size() + 1, decode);
  const Decoded cut = Run(input, input.size() % 13 + 1, decode);
  if (whole.result != cut.result) Fail("result depends on the input blocks");
  if (whole.bytes != cut.bytes) Fail("output depends on the input blocks");
  if (whole.consumed != cut.consumed) Fail("bits taken depend on the input blocks");
  return whole;
}

}  // namespace fuzzzip
