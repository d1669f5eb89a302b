// libFuzzer target for the Shrink decoder alone. The first byte, as a signed
// number, moves the input's length in bits away from the data's (the
// compressed size of a member need not match its data), the rest is the data.
#include "decoder_fuzz_util.h"

using namespace fuzzzip;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::int64_t shift = static_cast<std::int8_t>(data[0]);
  const std::int64_t bits = static_cast<std::int64_t>(size - 1) * 8 + shift;
  const std::uint64_t inputBits = bits < 0 ? 0 : static_cast<std::uint64_t>(bits);
  const Decoded d =
      RunWholeAndCut(std::span<const std::uint8_t>(data + 1, size - 1),
                     [&](BitReader& in, OutputWindow& out) { return drawlyze::zip::Unshrink(in, out, inputBits); });
  if (d.result == drawlyze::kZipOk && d.consumed > inputBits) Fail("took more bits than it was given");
  return 0;
}
