#include "update/http/http_request.h"

#include <cstdio>

namespace drawlyze::http {

std::string Base64Encode(std::string_view bytes) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 | static_cast<unsigned char>(bytes[i + 1]) << 8 |
                       static_cast<unsigned char>(bytes[i + 2]);
    out += kAlphabet[v >> 18 & 63];
    out += kAlphabet[v >> 12 & 63];
    out += kAlphabet[v >> 6 & 63];
    out += kAlphabet[v & 63];
  }
  if (i + 1 == bytes.size()) {
    const unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
    out += kAlphabet[v >> 18 & 63];
    out += kAlphabet[v >> 12 & 63];
    out += "==";
  } else if (i + 2 == bytes.size()) {
    const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 | static_cast<unsigned char>(bytes[i + 1]) << 8;
    out += kAlphabet[v >> 18 & 63];
    out += kAlphabet[v >> 12 & 63];
    out += kAlphabet[v >> 6 & 63];
    out += '=';
  }
  return out;
}

std::string HttpDate(std::time_t time) {
  static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm tm{};
#ifdef _WIN32
  gmtime_s(&tm, &time);
#else
  gmtime_r(&time, &tm);
#endif
  char text[40];
  std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d", kDays[tm.tm_wday % 7], tm.tm_mday,
                kMonths[tm.tm_mon % 12], tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec);
  return text;
}

std::string RequestTarget(std::string_view target) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  target = target.substr(0, target.find('#'));
  std::string out;
  out.reserve(target.size());
  for (const char c : target) {
    const auto b = static_cast<unsigned char>(c);
    if (b > 0x20 && b < 0x7F) {
      out += c;
    } else {
      out += '%';
      out += kHex[b >> 4];
      out += kHex[b & 15];
    }
  }
  return out;
}

std::vector<std::string> BuildRequestLines(const RequestHead& head) {
  const bool post = head.method == "POST";
  std::vector<std::string> lines;
  lines.push_back(head.method + " " + RequestTarget(head.target) + " HTTP/1.0");
  if (!head.sender.empty()) lines.push_back("From: " + head.sender);
  if (!head.accept.empty()) lines.push_back("Accept: " + head.accept);
  if (!head.reference.empty()) lines.push_back("Referer: " + head.reference);
  if (post) lines.push_back("Content-Type: " + head.contentTypePost);
  if (!head.agent.empty()) lines.push_back("User-Agent: " + head.agent);
  lines.push_back("Host: " + (head.host.find(':') != std::string::npos ? "[" + head.host + "]" : head.host));
  if (head.noCache) lines.push_back("Pragma: no-cache");
  if (post) lines.push_back("Content-Length: " + std::to_string(head.contentLength.value_or(0)));
  if (head.modifiedSince != 0) lines.push_back("If-Modified-Since: " + HttpDate(head.modifiedSince) + " GMT");
  if (!head.username.empty())
    lines.push_back("Authorization: Basic " + Base64Encode(head.username + ":" + head.password));
  if (head.viaProxy && !head.proxyUsername.empty())
    lines.push_back("Proxy-Authorization: Basic " + Base64Encode(head.proxyUsername + ":" + head.proxyPassword));
  if (!head.cookie.empty()) lines.push_back("Cookie: " + head.cookie);
  if (!head.rangeBegin.empty() || !head.rangeEnd.empty())
    lines.push_back("Range: bytes=" + head.rangeBegin + "-" + head.rangeEnd);
  lines.emplace_back();
  return lines;
}

std::string JoinRequestLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

}  // namespace drawlyze::http
