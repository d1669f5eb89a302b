// libFuzzer target for the HTTP response parser: the input is fed whole and
// again in pieces whose size the first byte picks; both ways must give the
// same events, header and body (a parser that depends on how the network cut
// the bytes would fail only on some connections), the header within its
// 64 KiB. The URL helpers get the same bytes as a URL and as a "location"
// value, and lose the user information when asked to.
#include <algorithm>
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
      const char letter = "HCSEBLM"[static_cast<int>(e.kind)];
      if (letter != 'B' || out.trace.empty() || out.trace.back() != 'B') out.trace += letter;
      if (e.kind == ResponseEvent::Kind::Body) {
        if (e.text.empty()) std::abort();  // an empty body part is never reported
        out.body += e.text;
      }
      if ((e.kind == ResponseEvent::Kind::LineTooLong || e.kind == ResponseEvent::Kind::Malformed) &&
          out.parser.phase() != ResponseParser::Phase::Failed)
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
  // The header kept stays within its bound, and a status is one a server may send.
  std::size_t headerBytes = 0;
  for (const std::string& line : whole.parser.header().lines) headerBytes += line.size() + 1;
  if (headerBytes > ResponseParser::kMaxHeaderSize) std::abort();
  const int status = whole.parser.header().status;
  if (status != 0 && (status < 100 || status > 599)) std::abort();
  // The body is the tail of the input: nothing invented, nothing reordered.
  if (whole.body.size() > input.size() || input.substr(input.size() - whole.body.size()) != whole.body) {
    if (whole.parser.phase() == ResponseParser::Phase::Body) std::abort();
  }

  const UrlParts url = SplitUrl(input);
  if (url.path.empty() || url.path.front() != '/') std::abort();
  const UrlParts next = ResolveLocation(url, input);
  if (next.path.empty()) std::abort();
  (void)JoinUrl(next);
  // No "@" is left in the authority once the user information is gone.
  const std::string bare = WithoutUserInfo(input);
  const auto scheme = bare.find("://");
  const std::size_t begin = scheme == std::string::npos ? 0 : scheme + 3;
  const std::size_t end = std::min(bare.find_first_of("/?#", begin), bare.size());
  if (bare.substr(begin, end - begin).find('@') != std::string::npos) std::abort();
  return 0;
}
