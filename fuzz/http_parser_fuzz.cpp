// libFuzzer target for the HTTP response parser: the input is fed whole and
// again in pieces whose size the first byte picks; both ways must give the
// same events, header and body (a parser that depends on how the network cut
// the bytes would fail only on some connections). The URL helpers get the
// same bytes as a URL and as a "location" value.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "update/http/http_response_parser.h"
#include "update/http/http_url.h"

using namespace drawlyze::http;

namespace {

struct Outcome {
  std::string trace;
  std::string body;
  ResponseParser parser;
};

Outcome Parse(std::string_view input, std::size_t piece) {
  Outcome out;
  for (std::size_t at = 0; at < input.size(); at += piece) {
    std::vector<ResponseEvent> events;
    out.parser.Feed(input.substr(at, piece), events);
    for (const ResponseEvent& e : events) {
      const char letter = "HCSEBL"[static_cast<int>(e.kind)];
      if (letter != 'B' || out.trace.empty() || out.trace.back() != 'B') out.trace += letter;
      if (e.kind == ResponseEvent::Kind::Body) {
        if (e.text.empty()) std::abort();  // an empty body part is never reported
        out.body += e.text;
      }
      if (e.kind == ResponseEvent::Kind::LineTooLong && out.parser.phase() != ResponseParser::Phase::Failed)
        std::abort();
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t piece = data[0] % 17 + 1;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);

  const Outcome whole = Parse(input, input.size() + 1);
  const Outcome cut = Parse(input, piece);
  if (whole.trace != cut.trace || whole.body != cut.body || whole.parser.phase() != cut.parser.phase() ||
      whole.parser.header().lines != cut.parser.header().lines ||
      whole.parser.header().status != cut.parser.header().status ||
      whole.parser.header().contentType != cut.parser.header().contentType)
    std::abort();
  // The body is the tail of the input: nothing invented, nothing reordered.
  if (whole.body.size() > input.size() || input.substr(input.size() - whole.body.size()) != whole.body) {
    if (whole.parser.phase() == ResponseParser::Phase::Body) std::abort();
  }

  const UrlParts url = SplitUrl(input);
  if (url.path.empty() || url.path.front() != '/') std::abort();
  const UrlParts next = ResolveLocation(url, input);
  if (next.path.empty()) std::abort();
  (void)JoinUrl(next);
  return 0;
}
