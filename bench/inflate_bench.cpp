// Inflate throughput of our decoder against zlib on a few MiB of text (the
// draw file repeated with varied lines). Our figure includes the CRC-32 that
// extraction always computes; zlib's is given with and without it.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "update/zip/bit_reader.h"
#include "update/zip/decoders.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes& Text() {
  static const Bytes text = [] {
    std::ifstream in(std::string(DRAWLYZE_SOURCE_DIR) + "/data/3x10.txt", std::ios::binary);
    const Bytes draws(std::istreambuf_iterator<char>(in), {});
    Bytes out;
    std::mt19937 rng(1);
    while (out.size() < (4u << 20)) {
      // Lines of the draw file with some digits changed, so the text is not a plain repeat.
      const std::size_t from = draws.empty() ? 0 : rng() % draws.size();
      for (std::size_t i = from; i < draws.size() && i < from + 4096; ++i) {
        std::uint8_t c = draws[i];
        if (c >= '0' && c <= '9' && rng() % 4 == 0) c = static_cast<std::uint8_t>('0' + rng() % 10);
        out.push_back(c);
      }
      if (draws.empty()) out.push_back(static_cast<std::uint8_t>('a' + rng() % 26));
    }
    return out;
  }();
  return text;
}

const Bytes& Compressed() {
  static const Bytes packed = [] {
    const Bytes& text = Text();
    z_stream z{};
    deflateInit2(&z, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    Bytes out(deflateBound(&z, static_cast<uLong>(text.size())));
    z.next_in = const_cast<Bytef*>(text.data());
    z.avail_in = static_cast<uInt>(text.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
  }();
  return packed;
}

void BM_InflateOwn(benchmark::State& state) {
  const Bytes& packed = Compressed();
  for (auto _ : state) {
    drawlyze::zip::MemorySource source(packed);
    drawlyze::zip::BitReader in(source);
    drawlyze::zip::OutputWindow out(~std::uint64_t{0}, {});
    if (drawlyze::zip::Inflate(in, out) != 0 || !out.Flush()) state.SkipWithError("inflate failed");
    benchmark::DoNotOptimize(out.crc());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Text().size()));
}

void ZlibInflate(benchmark::State& state, bool crc) {
  const Bytes& packed = Compressed();
  Bytes window(32768);
  for (auto _ : state) {
    z_stream z{};
    inflateInit2(&z, -15);
    z.next_in = const_cast<Bytef*>(packed.data());
    z.avail_in = static_cast<uInt>(packed.size());
    uLong check = 0;
    int rc;
    do {
      z.next_out = window.data();
      z.avail_out = static_cast<uInt>(window.size());
      rc = inflate(&z, Z_NO_FLUSH);
      if (crc) check = crc32(check, window.data(), static_cast<uInt>(window.size() - z.avail_out));
    } while (rc == Z_OK);
    if (rc != Z_STREAM_END) state.SkipWithError("zlib failed");
    benchmark::DoNotOptimize(check);
    inflateEnd(&z);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Text().size()));
}

void BM_InflateZlib(benchmark::State& state) { ZlibInflate(state, false); }
void BM_InflateZlibWithCrc(benchmark::State& state) { ZlibInflate(state, true); }

BENCHMARK(BM_InflateOwn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InflateZlib)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InflateZlibWithCrc)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
