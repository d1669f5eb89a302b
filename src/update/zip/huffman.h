#pragma once
// Canonical prefix codes as Deflate and Implode use them: codes of one length
// are consecutive and shorter codes come first. Short codes are decoded with
// one table look-up; the few longer ones are walked bit by bit as puff does.

#include <cstdint>

#include "update/zip/bit_reader.h"

namespace drawlyze::zip {

struct HuffmanCode {
  static constexpr int kFastBits = 10;
  static constexpr int kMaxBits = 16;  // Implode's codes reach 16 bits, Deflate's 15
  static constexpr int kMaxSymbols = 320;

  // Indexed by the next kFastBits input bits: symbol << 5 | code length, or 0
  // when the code is longer than kFastBits (or no code starts that way).
  std::uint16_t fast[1 << kFastBits];
  std::uint16_t count[kMaxBits + 1];  // number of codes of each length
  std::uint16_t symbol[kMaxSymbols];  // symbols ordered by code
};

// What BuildHuffman found.
inline constexpr int kCodeComplete = 0;
inline constexpr int kCodeIncomplete = 1;  // some bit patterns start no code
inline constexpr int kCodeOversubscribed = -1;

// lengths[s] is the code length of symbol s (0: unused), n <= kMaxSymbols.
int BuildHuffman(HuffmanCode& code, const std::uint8_t* lengths, int n);

// The slow path of Decode: returns the symbol, or -1 when no code matches.
int DecodeLong(BitReader& in, const HuffmanCode& code, std::uint32_t bits);

// Reads one symbol; -1 for a pattern that starts no code. Implode sends its
// codes with every bit inverted: invert says so.
inline int Decode(BitReader& in, const HuffmanCode& code, bool invert = false) {
  std::uint32_t bits = in.Peek(HuffmanCode::kMaxBits);
  if (invert) bits = ~bits & 0xFFFFu;
  const std::uint16_t entry = code.fast[bits & ((1u << HuffmanCode::kFastBits) - 1)];
  if (entry != 0) {
    in.Drop(entry & 31);
    return entry >> 5;
  }
  return DecodeLong(in, code, bits);
}

}  // namespace drawlyze::zip
