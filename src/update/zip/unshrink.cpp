// Shrink decoder (ZIP method 1): LZW whose codes grow from 9 to 13 bits.
// Code 256 escapes a command in the next code: 1 widens the codes by one bit,
// 2 clears every entry that no other entry extends (partial clearing). New
// entries take the lowest free code above 256.
#include <cstdint>
#include <memory>

#include "update/zip/decoders.h"

namespace drawlyze::zip {
namespace {

constexpr int kCodes = 8192;  // 13-bit codes
constexpr int kEscape = 256;
constexpr int kFirstFree = 257;
constexpr std::int16_t kRoot = -1;    // parent of the literals 0..255
constexpr std::int16_t kUnused = -2;  // parent of a free code

struct Dictionary {
  std::int16_t parent[kCodes];
  std::uint8_t last[kCodes];  // the final byte of each code's string
  bool hasChild[kCodes];
  std::uint8_t stack[kCodes];  // a string, collected back to front

  Dictionary() {
    for (int c = 0; c < kCodes; ++c) {
      parent[c] = c < 256 ? kRoot : kUnused;
      last[c] = static_cast<std::uint8_t>(c);
    }
  }

  // Frees every code above 256 that is no entry's parent (the leaves).
  void PartialClear() {
    for (int c = kFirstFree; c < kCodes; ++c) hasChild[c] = false;
    for (int c = kFirstFree; c < kCodes; ++c)
      if (parent[c] >= kFirstFree) hasChild[parent[c]] = true;
    for (int c = kFirstFree; c < kCodes; ++c)
      if (!hasChild[c]) parent[c] = kUnused;
  }
};

}  // namespace

int Unshrink(BitReader& in, OutputWindow& out, std::uint64_t inputBits) {
  // Kept off the stack (some 40 KiB); made once per member, before the loop.
  const auto dict = std::make_unique<Dictionary>();
  int width = 9;
  int previous = -1;               // the code before this one, -1 at the start
  std::uint8_t previousFirst = 0;  // first byte of previous's string
  int nextFree = kFirstFree;       // lowest code above 256 that may be free

  while (in.consumed() + static_cast<std::uint64_t>(width) <= inputBits) {
    const int code = static_cast<int>(in.Bits(width));
    if (in.overrun()) return in.failure();  // the member's data ended early
    if (code == kEscape) {
      if (in.consumed() + static_cast<std::uint64_t>(width) > inputBits) break;
      const std::uint32_t command = in.Bits(width);
      if (in.overrun()) return in.failure();
      if (command == 1) {
        if (++width > 13) return kZipFormatError;
      } else if (command == 2) {
        dict->PartialClear();
        nextFree = kFirstFree;
      } else {
        return kZipFormatError;  // no other commands exist
      }
      continue;
    }

    // Collect the string of code back to front. A code not yet defined is
    // the "KwKwK" case: the previous string plus its own first byte.
    std::uint8_t* const top = dict->stack + kCodes;
    std::uint8_t* first = top;
    int walk = code;
    if (dict->parent[code] == kUnused) {
      if (previous < 0) return kZipFormatError;
      *--first = previousFirst;
      walk = previous;
    }
    while (walk != kRoot) {
      if (first == dict->stack || dict->parent[walk] == kUnused) return kZipFormatError;
      *--first = dict->last[walk];
      walk = dict->parent[walk];
    }
    for (const std::uint8_t* p = first; p != top; ++p)
      if (!out.Put(*p)) return out.error();

    // The entry the previous code left pending: previous + this first byte.
    if (previous >= 0) {
      while (nextFree < kCodes && dict->parent[nextFree] != kUnused) ++nextFree;
      if (nextFree < kCodes) {  // a full dictionary takes no more entries
        dict->parent[nextFree] = static_cast<std::int16_t>(previous);
        dict->last[nextFree] = *first;
      }
    }
    previous = code;
    previousFirst = *first;
  }
  return kZipOk;
}

}  // namespace drawlyze::zip
