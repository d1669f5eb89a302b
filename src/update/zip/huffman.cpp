#include "update/zip/huffman.h"

#include <cstring>

namespace drawlyze::zip {

int BuildHuffman(HuffmanCode& code, const std::uint8_t* lengths, int n) {
  std::memset(code.count, 0, sizeof code.count);
  std::memset(code.fast, 0, sizeof code.fast);
  for (int s = 0; s < n; ++s) ++code.count[lengths[s]];
  if (code.count[0] == n) return kCodeIncomplete;  // no codes at all

  int left = 1;  // patterns still free at the current length
  for (int len = 1; len <= HuffmanCode::kMaxBits; ++len) {
    left = left * 2 - code.count[len];
    if (left < 0) return kCodeOversubscribed;
  }

  std::uint16_t offsets[HuffmanCode::kMaxBits + 2];
  offsets[1] = 0;
  for (int len = 1; len <= HuffmanCode::kMaxBits; ++len) offsets[len + 1] = offsets[len] + code.count[len];
  for (int s = 0; s < n; ++s)
    if (lengths[s] != 0) code.symbol[offsets[lengths[s]]++] = static_cast<std::uint16_t>(s);

  // The look-up table: the input holds each code's first bit lowest, so the
  // table is indexed by the code's bits reversed.
  std::uint32_t next = 0;  // the canonical code of the current symbol
  int index = 0;
  for (int len = 1; len <= HuffmanCode::kFastBits; ++len) {
    for (int k = 0; k < code.count[len]; ++k, ++index, ++next) {
      std::uint32_t reversed = 0;
      for (int b = 0; b < len; ++b) reversed |= ((next >> b) & 1u) << (len - 1 - b);
      const auto entry = static_cast<std::uint16_t>(code.symbol[index] << 5 | len);
      for (std::uint32_t i = reversed; i < (1u << HuffmanCode::kFastBits); i += 1u << len) code.fast[i] = entry;
    }
    next <<= 1;
  }
  return left > 0 ? kCodeIncomplete : kCodeComplete;
}

int DecodeLong(BitReader& in, const HuffmanCode& code, std::uint32_t bits) {
  int value = 0;  // the bits read so far, first bit highest
  int first = 0;  // the first code of the current length
  int index = 0;  // where the current length's symbols start
  for (int len = 1; len <= HuffmanCode::kMaxBits; ++len) {
    value |= static_cast<int>(bits & 1u);
    bits >>= 1;
    const int count = code.count[len];
    if (value - first < count) {
      in.Drop(len);
      return code.symbol[index + value - first];
    }
    index += count;
    first = (first + count) << 1;
    value <<= 1;
  }
  return -1;
}

}  // namespace drawlyze::zip
