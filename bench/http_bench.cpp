// The HTTP response parser on a results archive's worth of body, in the
// pieces a socket delivers, and on long headers fed one byte at a time.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "update/http/http_response_parser.h"

namespace drawlyze {
namespace {

std::string Response(std::size_t bodySize, int headerLines) {
  std::string text = "HTTP/1.1 200 OK\r\nContent-Type: application/zip\r\n";
  for (int i = 0; i < headerLines; ++i) {
    text += "X-Header-";
    text += std::to_string(i);
    text += ": some value of a header\r\n";
  }
  text += "Content-Length: " + std::to_string(bodySize) + "\r\n\r\n";
  for (std::size_t i = 0; i < bodySize; ++i) text += static_cast<char>('a' + i % 26);
  return text;
}

void Parse(const std::string& text, std::size_t piece) {
  http::ResponseParser parser;
  std::vector<http::ResponseEvent> events;
  for (std::size_t at = 0; at < text.size(); at += piece) {
    events.clear();
    parser.Feed(std::string_view(text).substr(at, piece), events);
    benchmark::DoNotOptimize(events.data());
  }
}

void BM_HttpParseBody(benchmark::State& state) {
  const std::string text = Response(1 << 20, 10);
  for (auto _ : state) Parse(text, static_cast<std::size_t>(state.range(0)));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_HttpParseBody)->Arg(4096)->Arg(65536)->Unit(benchmark::kMicrosecond);

void BM_HttpParseHeaderByteByByte(benchmark::State& state) {
  const std::string text = Response(0, 200);
  for (auto _ : state) Parse(text, 1);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_HttpParseHeaderByteByByte)->Unit(benchmark::kMicrosecond);

// The largest header taken (just under 64 KiB of the shortest lines), one
// byte at a time: the work grows with the bytes, not with lines times lines.
void BM_HttpParseHeaderAtItsLimit(benchmark::State& state) {
  std::string text = "HTTP/1.1 200 OK\r\n";
  while (text.size() + 8 < http::ResponseParser::kMaxHeaderSize) text += "X-A: b\r\n";
  text += "\r\n";
  for (auto _ : state) Parse(text, 1);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_HttpParseHeaderAtItsLimit)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace drawlyze

BENCHMARK_MAIN();
