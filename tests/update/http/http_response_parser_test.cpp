#include "update/http/http_response_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace drawlyze::http {
namespace {

using Kind = ResponseEvent::Kind;
using Phase = ResponseParser::Phase;

struct Outcome {
  std::string trace;  // one letter per event, a run of body parts as one "B"
  std::string body;
  std::vector<std::string> cookies;
  ResponseParser parser;
};

// Feeds `input` in pieces of `piece` bytes, as a socket might deliver it.
Outcome Parse(const std::string& input, std::size_t piece) {
  Outcome out;
  for (std::size_t at = 0; at < input.size(); at += piece) {
    std::vector<ResponseEvent> events;
    out.parser.Feed(std::string_view(input).substr(at, piece), events);
    for (const ResponseEvent& e : events) {
      const char letter = "HCSEBLM"[static_cast<int>(e.kind)];
      if (letter != 'B' || out.trace.empty() || out.trace.back() != 'B') out.trace += letter;
      if (e.kind == Kind::Body) out.body += e.text;
      if (e.kind == Kind::Cookie) out.cookies.push_back(e.text);
    }
  }
  return out;
}

struct Case {
  const char* name;
  std::string input;
  const char* trace;
  int status;
  const char* reason;
  const char* body;
  Phase phase;
};

TEST(ResponseParser, WholeAndOneByteAtATimeAgree) {
  const Case cases[] = {
      {"ok with length", "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhello", "HHEB", 200, "OK", "hello", Phase::Body},
      {"bare line feeds", "HTTP/1.1 200 Fine\nX: y\n\nbody\r\nmore", "HHEB", 200, "Fine", "body\r\nmore", Phase::Body},
      {"empty body", "HTTP/1.0 204 No Content\r\n\r\n", "HE", 204, "No Content", "", Phase::Body},
      {"redirect drops its body", "HTTP/1.0 302 Found\r\nLocation: /x\r\n\r\n<html>moved</html>", "HHE", 302, "Found",
       "", Phase::Redirect},
      {"404 stops reading after the status line", "HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\npage",
       "HSHEB", 404, "Not Found", "page", Phase::Body},
      {"location ignored at 400 and more", "HTTP/1.0 500 Oops\r\nLocation: /x\r\n\r\n", "HSHE", 500, "Oops", "",
       Phase::Body},
      {"no header, any case", "<hTmL><body>\r\nhi\r\n</body></hTmL>", "B", 0, "",
       "<hTmL><body>\r\nhi\r\n</body></hTmL>", Phase::Body},
      {"short page without header", "<HTML>", "B", 0, "", "<HTML>", Phase::Body},
      {"no status line before html", "X-Before: 1\r\n<html>tail", "M", 0, "", "", Phase::Failed},
      {"another version is no status line", "HTTP/2.0 200 OK\r\n\r\nx", "M", 0, "", "", Phase::Failed},
      {"not http at all", "ICY 200 OK\r\n\r\nx", "M", 0, "", "", Phase::Failed},
      {"status without three digits", "HTTP/1.1 20 OK\r\n\r\n", "M", 0, "", "", Phase::Failed},
      {"status below 100", "HTTP/1.1 099 Low\r\n\r\n", "M", 0, "", "", Phase::Failed},
      {"interim response, then the final one", "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\n\r\nbody", "HHEB", 200,
       "OK", "body", Phase::Body},
      {"interim response alone", "HTTP/1.1 100 Continue\r\n\r\n", "H", 100, "Continue", "", Phase::Header},
      {"a later status line is a plain line", "HTTP/1.0 404 Not Found\r\nHTTP/1.0 200 OK\r\n\r\n", "HSHE", 404,
       "Not Found", "", Phase::Body},
      {"status line without reason", "HTTP/1.0 200\r\n\r\n", "HE", 200, "", "", Phase::Body},
      {"header never ends", "HTTP/1.0 200 OK\r\nX-Partial", "H", 200, "OK", "", Phase::Header},
      {"cookies", "HTTP/1.0 200 OK\r\nSet-Cookie: a=1\r\nSET-COOKIE:b=2\r\n\r\n", "HCHCHE", 200, "OK", "", Phase::Body},
  };
  for (const Case& c : cases) {
    for (std::size_t piece : {c.input.size(), std::size_t{1}, std::size_t{7}}) {
      SCOPED_TRACE(std::string(c.name) + ", pieces of " + std::to_string(piece));
      const Outcome out = Parse(c.input, piece);
      EXPECT_EQ(out.trace, c.trace);
      EXPECT_EQ(out.parser.header().status, c.status);
      EXPECT_EQ(out.parser.header().reason, c.reason);
      EXPECT_EQ(out.body, c.body);
      EXPECT_EQ(out.parser.phase(), c.phase);
    }
  }
}

TEST(ResponseParser, HeaderFields) {
  const std::string input =
      "HTTP/1.1 206 Partial Content\r\n"
      "content-length:  1234\r\n"
      "Content-Type: Application/ZIP\r\n"
      "Content-Range: bytes 100-199/1000\r\n"
      "Accept-Ranges: bytes\r\n"
      "WWW-Authenticate: Basic realm=\"a\"\r\n"
      "Www-Authenticate: Digest x\r\n"
      "Location: http://other.test:81/f\r\n"
      "\r\n";
  for (std::size_t piece : {input.size(), std::size_t{1}}) {
    const Outcome out = Parse(input, piece);
    const ResponseHeader& h = out.parser.header();
    EXPECT_EQ(h.contentLength, 1234);
    EXPECT_EQ(h.contentType, "application/zip");
    EXPECT_EQ(h.contentRangeBegin, "100");
    EXPECT_EQ(h.contentRangeEnd, "199");
    EXPECT_EQ(h.acceptRanges, "bytes");
    EXPECT_EQ(h.authChallenges, (std::vector<std::string>{"Basic realm=\"a\"", "Digest x"}));
    EXPECT_TRUE(h.locationPending);
    EXPECT_EQ(h.location, "http://other.test:81/f");
    ASSERT_EQ(h.lines.size(), 8u);
    EXPECT_EQ(h.lines[1], "content-length:  1234");  // the lines are kept as received, CR LF removed
  }
}

// A body shorter than its Content-Length is a failed download, so a length
// that cannot be read (negative, past 10^18, not digits, two that differ)
// refuses the response at once instead of passing for "no length given".
TEST(ResponseParser, AContentLengthThatIsNoLengthIsRefused) {
  const struct {
    const char* value;
    long long length;  // -1: refused
  } cases[] = {
      {"5", 5},
      {" 17000 ", 17000},
      {"3000000000", 3000000000LL},
      {"999999999999999999", 999999999999999999LL},
      {"-5", -1},
      {"-0", -1},
      {"+5", -1},
      {"100000000000000000000000", -1},
      {"1000000000000000000", -1},
      {"12abc", -1},
      {"1e3", -1},
      {"0x10", -1},
      {"", -1},
      {"5, 5", -1},
      {"5\r\nContent-Length: 6", -1},
  };
  for (const auto& c : cases) {
    const std::string input = "HTTP/1.0 200 OK\r\nContent-Length: " + std::string(c.value) + "\r\n\r\nshort";
    for (std::size_t piece : {input.size(), std::size_t{1}, std::size_t{7}}) {
      SCOPED_TRACE(std::string(c.value) + ", pieces of " + std::to_string(piece));
      const Outcome out = Parse(input, piece);
      if (c.length >= 0) {
        EXPECT_EQ(out.trace, "HHEB");
        EXPECT_EQ(out.parser.header().contentLength, c.length);
        EXPECT_EQ(out.parser.phase(), Phase::Body);
      } else {
        EXPECT_EQ(out.trace.back(), 'M');
        EXPECT_EQ(out.body, "");
        EXPECT_EQ(out.parser.phase(), Phase::Failed);
      }
    }
  }
  // The reason quotes a safe excerpt of the value.
  std::vector<ResponseEvent> events;
  ResponseParser parser;
  parser.Feed("HTTP/1.0 200 OK\r\nContent-Length: -5\x1b[2J\r\n\r\n", events);
  ASSERT_EQ(events.back().kind, Kind::Malformed);
  EXPECT_EQ(events.back().text, "the server sent an unreadable Content-Length: -5?[2J");
}

TEST(ResponseParser, ContentTypeOfAPageWithoutHeader) {
  EXPECT_EQ(Parse("<html>x", 100).parser.header().contentType, "text/html");
  EXPECT_EQ(Parse("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n<html>x", 100).parser.header().contentType,
            "text/plain");
}

TEST(ResponseParser, LineBufferLimit) {
  const std::size_t limit = ResponseParser::kLineBufferSize;
  // The line with its CR LF must fit the buffer.
  struct LengthCase {
    std::size_t length;  // characters of the header line before its CR LF
    bool tooLong;
  } cases[] = {{limit - 100, false}, {limit - 2, false}, {limit - 1, true}, {limit + 800, true}};
  for (const LengthCase& c : cases) {
    const std::string input = "HTTP/1.0 200 OK\r\nX: " + std::string(c.length - 3, 'a') + "\r\n\r\nbody";
    for (std::size_t piece : {input.size(), std::size_t{1}, std::size_t{4096}}) {
      SCOPED_TRACE(std::to_string(c.length) + " in pieces of " + std::to_string(piece));
      const Outcome out = Parse(input, piece);
      EXPECT_EQ(out.trace, c.tooLong ? "HL" : "HHEB");
      EXPECT_EQ(out.parser.phase(), c.tooLong ? Phase::Failed : Phase::Body);
      EXPECT_EQ(out.body, c.tooLong ? "" : "body");
    }
  }
}

// The whole header is bounded too: 80,000 short lines are refused once they
// pass 64 KiB, however they arrive.
TEST(ResponseParser, HeaderOf64KiBAtMost) {
  const std::size_t status = std::string("HTTP/1.0 200 OK\r\n").size();
  const struct {
    std::size_t lines;  // "a: b" lines of 6 bytes after the status line
    std::size_t tail;   // the empty line's bytes that still count
    bool tooLong;
  } cases[] = {{(ResponseParser::kMaxHeaderSize - status - 2) / 6, 2, false}, {80000, 2, true}};
  for (const auto& c : cases) {
    std::string input = "HTTP/1.0 200 OK\r\n";
    for (std::size_t i = 0; i < c.lines; ++i) input += "a: b\r\n";
    input += "\r\nbody";
    for (std::size_t piece : {input.size(), std::size_t{1}, std::size_t{1000}}) {
      SCOPED_TRACE(std::to_string(c.lines) + " lines in pieces of " + std::to_string(piece));
      std::vector<ResponseEvent> events;
      ResponseParser parser;
      for (std::size_t at = 0; at < input.size(); at += piece)
        parser.Feed(std::string_view(input).substr(at, piece), events);
      EXPECT_EQ(parser.phase(), c.tooLong ? Phase::Failed : Phase::Body);
      if (c.tooLong) {
        ASSERT_FALSE(events.empty());
        EXPECT_EQ(events.back().kind, Kind::LineTooLong);
        EXPECT_EQ(events.back().text, "HTTP header too long (more than 64 KiB)");
      }
    }
  }
}

TEST(ResponseParser, UnterminatedLineTooLongBeforeItsEnd) {
  const Outcome out = Parse("HTTP/1.0 200 OK\r\n" + std::string(ResponseParser::kLineBufferSize, 'x'), 1000);
  EXPECT_EQ(out.trace, "HL");
}

}  // namespace
}  // namespace drawlyze::http
