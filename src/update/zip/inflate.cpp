// Deflate decoder after RFC 1951, laid out like zlib's puff.c: one function per
// block type, errors as return codes. Decoding uses table look-ups (huffman.h).
#include <cstdint>
#include <cstring>

#include "update/zip/decoders.h"
#include "update/zip/huffman.h"

namespace drawlyze::zip {
namespace {

constexpr int kMaxLengthCodes = 286;  // literal/length symbols a dynamic block may use
constexpr int kMaxDistanceCodes = 30;
constexpr int kFixedLengthCodes = 288;

// Base lengths and extra bits of the length symbols 257..285.
constexpr std::uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                           31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
// Base distances and extra bits of the distance symbols 0..29.
constexpr std::uint16_t kDistanceBase[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                             33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                             1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::uint8_t kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                             6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// A block of raw bytes: LEN, its complement NLEN, then LEN bytes.
int StoredBlock(BitReader& in, OutputWindow& out) {
  in.AlignToByte();
  const std::uint32_t length = in.Bits(16);
  const std::uint32_t complement = in.Bits(16);
  if (in.overrun()) return in.failure();
  if (length != (~complement & 0xFFFFu)) return kZipFormatError;
  return CopyStored(in, out, length);
}

// Literals and back references until the end-of-block symbol.
int CodedBlock(BitReader& in, OutputWindow& out, const HuffmanCode& literals, const HuffmanCode& distances) {
  for (;;) {
    int symbol = Decode(in, literals);
    if (symbol < 0) return kZipFormatError;
    if (in.overrun()) return in.failure();
    if (symbol < 256) {
      if (!out.Put(static_cast<std::uint8_t>(symbol))) return out.error();
      continue;
    }
    if (symbol == 256) return kZipOk;
    symbol -= 257;
    if (symbol >= 29) return kZipFormatError;  // 286 and 287 never occur
    const std::size_t length = kLengthBase[symbol] + in.Bits(kLengthExtra[symbol]);
    symbol = Decode(in, distances);
    if (symbol < 0 || symbol >= kMaxDistanceCodes) return kZipFormatError;
    const std::size_t distance = kDistanceBase[symbol] + in.Bits(kDistanceExtra[symbol]);
    if (in.overrun()) return in.failure();
    if (distance > out.total()) return kZipFormatError;  // reaches before the first byte
    if (!out.Copy(distance, length)) return out.error();
  }
}

struct FixedCodes {
  HuffmanCode literals;
  HuffmanCode distances;
  FixedCodes() {
    std::uint8_t bits[kFixedLengthCodes];
    int s = 0;
    for (; s < 144; ++s) bits[s] = 8;
    for (; s < 256; ++s) bits[s] = 9;
    for (; s < 280; ++s) bits[s] = 7;
    for (; s < kFixedLengthCodes; ++s) bits[s] = 8;
    BuildHuffman(literals, bits, kFixedLengthCodes);
    for (s = 0; s < kMaxDistanceCodes; ++s) bits[s] = 5;
    BuildHuffman(distances, bits, kMaxDistanceCodes);
  }
};

int FixedBlock(BitReader& in, OutputWindow& out) {
  static const FixedCodes fixed;
  return CodedBlock(in, out, fixed.literals, fixed.distances);
}

// A code that leaves patterns unused is accepted only when it is a single
// one-bit code (RFC 1951 allows one distance code; zlib takes the same for
// literals and lengths) or has no codes at all: distance lengths all zero mark
// a block of literals only, and a distance in it is then a format error.
bool Usable(int built, const HuffmanCode& code) {
  if (built == kCodeComplete) return true;
  if (built != kCodeIncomplete) return false;
  int used = 0;
  for (int len = 1; len <= HuffmanCode::kMaxBits; ++len) used += code.count[len];
  return used == 0 || (used == 1 && code.count[1] == 1);
}

int DynamicBlock(BitReader& in, OutputWindow& out) {
  static constexpr std::uint8_t kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
  const int lengthCount = static_cast<int>(in.Bits(5)) + 257;
  const int distanceCount = static_cast<int>(in.Bits(5)) + 1;
  const int codeCount = static_cast<int>(in.Bits(4)) + 4;
  if (in.overrun()) return in.failure();
  if (lengthCount > kMaxLengthCodes || distanceCount > kMaxDistanceCodes) return kZipFormatError;

  std::uint8_t bits[kMaxLengthCodes + kMaxDistanceCodes];
  std::memset(bits, 0, 19);
  for (int i = 0; i < codeCount; ++i) bits[kOrder[i]] = static_cast<std::uint8_t>(in.Bits(3));
  if (in.overrun()) return in.failure();
  HuffmanCode codeLengths;
  if (BuildHuffman(codeLengths, bits, 19) != kCodeComplete) return kZipFormatError;

  // The literal/length and distance code lengths, run-length coded.
  const int total = lengthCount + distanceCount;
  for (int index = 0; index < total;) {
    const int symbol = Decode(in, codeLengths);
    if (symbol < 0) return kZipFormatError;
    if (symbol < 16) {
      bits[index++] = static_cast<std::uint8_t>(symbol);
      continue;
    }
    std::uint8_t repeated = 0;
    int times;
    if (symbol == 16) {
      if (index == 0) return kZipFormatError;  // nothing to repeat
      repeated = bits[index - 1];
      times = 3 + static_cast<int>(in.Bits(2));
    } else if (symbol == 17) {
      times = 3 + static_cast<int>(in.Bits(3));
    } else {
      times = 11 + static_cast<int>(in.Bits(7));
    }
    if (in.overrun()) return in.failure();
    if (index + times > total) return kZipFormatError;
    while (times-- > 0) bits[index++] = repeated;
  }
  if (in.overrun()) return in.failure();
  if (bits[256] == 0) return kZipFormatError;  // a block must be able to end

  HuffmanCode literals;
  HuffmanCode distances;
  if (!Usable(BuildHuffman(literals, bits, lengthCount), literals)) return kZipFormatError;
  if (!Usable(BuildHuffman(distances, bits + lengthCount, distanceCount), distances)) return kZipFormatError;
  return CodedBlock(in, out, literals, distances);
}

}  // namespace

int Inflate(BitReader& in, OutputWindow& out) {
  for (;;) {
    const std::uint32_t last = in.Bits(1);
    const std::uint32_t type = in.Bits(2);
    if (in.overrun()) return in.failure();
    int result;
    switch (type) {
      case 0:
        result = StoredBlock(in, out);
        break;
      case 1:
        result = FixedBlock(in, out);
        break;
      case 2:
        result = DynamicBlock(in, out);
        break;
      default:
        return kZipFormatError;
    }
    if (result != kZipOk) return result;
    if (last) return kZipOk;
  }
}

}  // namespace drawlyze::zip
