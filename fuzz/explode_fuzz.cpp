// libFuzzer target for the Implode decoder alone. The input is one byte of
// ZIP flags (bit 1: 8 KiB dictionary, bit 2: three trees), three bytes of
// uncompressed size (little-endian), then the compressed data.
#include "decoder_fuzz_util.h"

using namespace fuzzzip;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const bool bigDictionary = data[0] & 2;
  const bool literalTree = data[0] & 4;
  const std::uint64_t declared = std::uint64_t{data[1]} | std::uint64_t{data[2]} << 8 | std::uint64_t{data[3]} << 16;
  const Decoded d =
      RunWholeAndCut(std::span<const std::uint8_t>(data + 4, size - 4), [&](BitReader& in, OutputWindow& out) {
        return drawlyze::zip::Explode(in, out, bigDictionary, literalTree, declared);
      });
  if (d.bytes.size() > declared) Fail("wrote past the declared size");
  if (d.result == drawlyze::kZipOk && d.bytes.size() != declared) Fail("success before the declared size");
  return 0;
}
