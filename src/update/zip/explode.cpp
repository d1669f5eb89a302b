// Implode decoder (ZIP method 6) after PKWARE's application note. The data
// starts with the Shannon-Fano trees (literals when there are three trees,
// then lengths, then distances), each sent as runs of equal code lengths; then
// come flag bits: 1 before a literal, 0 before a (distance, length) pair.
#include <cstdint>

#include "update/zip/decoders.h"
#include "update/zip/huffman.h"

namespace drawlyze::zip {
namespace {

// A tree as sent: one byte with the number of bytes that follow, less one;
// then bytes of (codes of this length - 1) << 4 | (code length - 1), which
// give the code lengths of the symbols in order.
int ReadTree(BitReader& in, HuffmanCode& tree, int symbols) {
  std::uint8_t lengths[256];
  const int bytes = static_cast<int>(in.Bits(8)) + 1;
  int next = 0;
  for (int i = 0; i < bytes; ++i) {
    const std::uint32_t byte = in.Bits(8);
    const int length = static_cast<int>(byte & 15) + 1;
    const int count = static_cast<int>(byte >> 4) + 1;
    if (next + count > symbols) return kZipFormatError;
    for (int k = 0; k < count; ++k) lengths[next++] = static_cast<std::uint8_t>(length);
  }
  if (in.overrun()) return in.failure();
  if (next != symbols) return kZipFormatError;
  // A pattern that starts no code is caught when it turns up.
  if (BuildHuffman(tree, lengths, symbols) == kCodeOversubscribed) return kZipFormatError;
  return kZipOk;
}

}  // namespace

int Explode(BitReader& in, OutputWindow& out, bool bigDictionary, bool literalTree, std::uint64_t size) {
  if (size == 0) return kZipOk;
  HuffmanCode literals;
  HuffmanCode lengths;
  HuffmanCode distances;
  int result = literalTree ? ReadTree(in, literals, 256) : kZipOk;
  if (result == kZipOk) result = ReadTree(in, lengths, 64);
  if (result == kZipOk) result = ReadTree(in, distances, 64);
  if (result != kZipOk) return result;

  const int lowDistanceBits = bigDictionary ? 7 : 6;
  const std::size_t minimumLength = literalTree ? 3 : 2;
  while (out.total() < size) {
    if (in.Bits(1)) {
      const int literal = literalTree ? Decode(in, literals, true) : static_cast<int>(in.Bits(8));
      if (literal < 0) return kZipFormatError;
      if (in.overrun()) return in.failure();
      if (!out.Put(static_cast<std::uint8_t>(literal))) return out.error();
      continue;
    }
    const std::uint32_t low = in.Bits(lowDistanceBits);
    const int high = Decode(in, distances, true);
    if (high < 0) return kZipFormatError;
    const std::size_t distance = (static_cast<std::size_t>(high) << lowDistanceBits | low) + 1;
    int code = Decode(in, lengths, true);
    if (code < 0) return kZipFormatError;
    std::size_t length = static_cast<std::size_t>(code) + minimumLength;
    if (code == 63) length += in.Bits(8);
    if (in.overrun()) return in.failure();

    // The last pair may reach past the declared size; PKZIP stops there.
    const std::uint64_t left = size - out.total();
    if (length > left) length = static_cast<std::size_t>(left);
    // PKZIP's dictionary starts out as zeros, so a distance reaching before
    // the first byte yields zeros for that part.
    if (distance > out.total()) {
      const std::uint64_t before = distance - out.total();
      const std::size_t zeros = before < length ? static_cast<std::size_t>(before) : length;
      if (!out.Zeros(zeros)) return out.error();
      length -= zeros;
    }
    if (length > 0 && !out.Copy(distance, length)) return out.error();
  }
  return kZipOk;
}

}  // namespace drawlyze::zip
