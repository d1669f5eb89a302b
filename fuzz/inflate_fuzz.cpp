// libFuzzer target for the Deflate decoder alone: the input is a raw Deflate
// stream. Besides the checks of every decoder target, zlib decodes the same
// bytes; both must accept the same streams and give the same bytes.
#include <zlib.h>

#include "decoder_fuzz_util.h"

using namespace fuzzzip;

namespace {

struct ZlibDecoded {
  bool complete = false;  // the last block ended
  bool overLimit = false;
  std::vector<std::uint8_t> bytes;
};

ZlibDecoded ZlibInflate(std::span<const std::uint8_t> input) {
  // One byte more than the limit tells output our decoder refuses.
  static std::vector<std::uint8_t> buffer(kOutputLimit + 1);
  ZlibDecoded d;
  z_stream z{};
  if (inflateInit2(&z, -15) != Z_OK) Fail("zlib init");
  z.next_in = const_cast<Bytef*>(input.data());
  z.avail_in = static_cast<uInt>(input.size());
  z.next_out = buffer.data();
  z.avail_out = static_cast<uInt>(buffer.size());
  const int status = inflate(&z, Z_FINISH);
  d.complete = status == Z_STREAM_END;
  d.overLimit = z.total_out > kOutputLimit;
  d.bytes.assign(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(z.total_out));
  inflateEnd(&z);
  return d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  const Decoded ours =
      RunWholeAndCut(input, [](BitReader& in, OutputWindow& out) { return drawlyze::zip::Inflate(in, out); });
  const ZlibDecoded zlib = ZlibInflate(input);
  if (ours.result == drawlyze::kZipOk) {
    if (!zlib.complete) Fail("accepted a stream zlib rejects");
    if (ours.bytes != zlib.bytes) Fail("bytes differ from zlib's");
  } else if (zlib.complete && !zlib.overLimit) {
    Fail("rejected a stream zlib accepts");
  }
  return 0;
}
