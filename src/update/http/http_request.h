#pragma once
// The request head: its lines in their fixed order, each present only when
// its value is set or its condition holds.

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace drawlyze::http {

struct RequestHead {
  std::string method = "GET";
  std::string target = "/";  // the path, or the whole URL through a proxy
  std::string sender;
  std::string accept;
  std::string reference;
  std::string contentTypePost;  // sent with POST only
  std::string agent;
  std::string host;  // the host name alone, no port
  bool noCache = false;
  std::optional<long long> contentLength;  // POST: the size of what is posted
  std::time_t modifiedSince = 0;           // 0: no If-Modified-Since
  std::string username;
  std::string password;
  bool viaProxy = false;
  std::string proxyUsername;
  std::string proxyPassword;
  std::string cookie;
  std::string rangeBegin;
  std::string rangeEnd;
};

// The target as the request line carries it: without its fragment ("#..."),
// and with control bytes, blanks and non-ASCII bytes percent-encoded, so that
// nothing a URL or a server's "location" holds can end the line early or
// start another header line.
std::string RequestTarget(std::string_view target);

// The request lines without their CR LF, the last one empty.
std::vector<std::string> BuildRequestLines(const RequestHead& head);
// The lines joined, each ended by CR LF.
std::string JoinRequestLines(const std::vector<std::string>& lines);

std::string Base64Encode(std::string_view bytes);
// "Sun, 06 Nov 1994 08:49:37", the time taken as UTC.
std::string HttpDate(std::time_t time);

}  // namespace drawlyze::http
