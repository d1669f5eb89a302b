#pragma once
// The decompressors of the ZIP methods this reader supports. Each reads from a
// BitReader, writes to an OutputWindow and returns 0 or an error code
// (kZipFormatError for invalid data, the input's failure when it runs out,
// the window's error when output is refused).

#include <cstdint>

#include "update/zip/bit_reader.h"
#include "update/zip/output_window.h"

namespace drawlyze::zip {

// Deflate (method 8, RFC 1951): stored, fixed-code and dynamic-code blocks up
// to and including the last block.
int Inflate(BitReader& in, OutputWindow& out);

// Implode (method 6): bigDictionary is flag bit 1 (8 KiB, else 4 KiB),
// literalTree flag bit 2 (three Shannon-Fano trees, else two). Stops when size
// bytes have been written.
int Explode(BitReader& in, OutputWindow& out, bool bigDictionary, bool literalTree, std::uint64_t size);

// Shrink (method 1): LZW with 9 to 13 bit codes and partial clearing, over
// exactly inputBits bits of input.
int Unshrink(BitReader& in, OutputWindow& out, std::uint64_t inputBits);

// Stored (method 0): copies size bytes.
int CopyStored(BitReader& in, OutputWindow& out, std::uint64_t size);

}  // namespace drawlyze::zip
