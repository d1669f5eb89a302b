#pragma once
// Every failure of a synchronous request: the reason text and a status code
// (the server's status, 404 for name and connection failures, or a small
// code of the client's own).

#include <stdexcept>
#include <string>

namespace drawlyze::http {

// The client's own failure codes, beside HTTP statuses.
inline constexpr int kHttpBusy = 1;
inline constexpr int kHttpNothingToPost = 2;
inline constexpr int kHttpLineTooLong = 4;         // a header line past the line buffer, or a header past 64 KiB
inline constexpr int kHttpBadResponse = 5;         // no complete header, no HTTP/1.x status line, a short body
inline constexpr int kHttpWriteFailed = 6;         // the receive stream refused the body
inline constexpr int kHttpTooLarge = 7;            // the body is larger than MaxBodySize
inline constexpr int kHttpBadUrl = 8;              // the URL's scheme is neither http nor https
inline constexpr int kHttpTransportFailure = 404;  // name lookup, connect, silence, TLS

class EHttpException : public std::runtime_error {
 public:
  EHttpException(const std::string& reason, int status)
      : std::runtime_error(reason), reason_(reason), status_(status) {}
  const std::string& Reason() const { return reason_; }
  int Status() const { return status_; }

 private:
  std::string reason_;
  int status_;
};

}  // namespace drawlyze::http
