// Stored data (ZIP method 0, and Deflate's stored blocks): bytes as they are.
#include "update/zip/decoders.h"

namespace drawlyze::zip {

int CopyStored(BitReader& in, OutputWindow& out, std::uint64_t size) {
  for (std::uint64_t i = 0; i < size; ++i) {
    const auto byte = static_cast<std::uint8_t>(in.Bits(8));
    if (in.overrun()) return in.failure();
    if (!out.Put(byte)) return out.error();
  }
  return kZipOk;
}

}  // namespace drawlyze::zip
