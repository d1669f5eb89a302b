#pragma once
// The response reader without any I/O: bytes go in as they arrive, in pieces
// of any size, and come out as header lines, the end of the header and body
// data. The client drives the socket from these events. Each byte is looked
// at a bounded number of times, however the network cuts the bytes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace drawlyze::http {

struct ResponseEvent {
  enum class Kind {
    HeaderLine,   // text: the line, CR LF removed
    Cookie,       // text: a "set-cookie" value
    StopReading,  // the status is 400 or more: read nothing more from the connection
    HeaderEnd,    // the empty line; the client then follows a redirection or reads the body
    Body,         // text: a part of the body
    LineTooLong,  // text: empty when a header line did not fit the line buffer, else why the header
                  // is too long (past kMaxHeaderSize); nothing follows
    Malformed,    // text: why the response cannot be read (no HTTP/1.x status line, a
                  // Content-Length that is no length); nothing follows
  };
  Kind kind;
  std::string text;
};

// What the header said, as far as it has arrived.
struct ResponseHeader {
  int status = 0;
  std::string reason;
  long long contentLength = -1;
  std::string contentType;  // lower case
  std::vector<std::string> lines;
  bool locationPending = false;
  std::string location;  // the last "location" value as sent
  std::string contentRangeBegin;
  std::string contentRangeEnd;
  std::string acceptRanges;
  std::string transferEncoding;  // as sent; an HTTP/1.0 client reads none but "identity"
  std::vector<std::string> authChallenges;
};

class ResponseParser {
 public:
  // A header line, with its line feed, must fit in this many bytes.
  static constexpr std::size_t kLineBufferSize = 8192;
  // All header lines of a response together, line feeds included (interim
  // 1xx responses count too).
  static constexpr std::size_t kMaxHeaderSize = 65536;

  enum class Phase {
    Header,    // reading header lines
    Body,      // every further byte is body data
    Redirect,  // the header ended with a redirection: further bytes are dropped
    Failed,    // a line was too long or the response malformed: further bytes are dropped
  };

  // Appends the events that these bytes complete to `events`.
  void Feed(std::string_view bytes, std::vector<ResponseEvent>& events);

  Phase phase() const { return phase_; }
  const ResponseHeader& header() const { return header_; }

 private:
  void HeaderLine(const std::string& line, std::vector<ResponseEvent>& events);
  void HeaderField(std::string_view name, std::string_view value, std::vector<ResponseEvent>& events);
  void Refuse(ResponseEvent::Kind kind, const std::string& why, std::vector<ResponseEvent>& events);

  Phase phase_ = Phase::Header;
  ResponseHeader header_;
  std::string pending_;         // the start of a header line whose line feed has not come yet
  std::size_t scanned_ = 0;     // bytes of pending_ already searched for a line feed
  std::size_t headerSize_ = 0;  // header bytes taken so far
  bool expectStatus_ = true;    // the next line must be a status line
  bool stopSent_ = false;
  std::string badLength_;  // why the Content-Length just read is refused
};

}  // namespace drawlyze::http
