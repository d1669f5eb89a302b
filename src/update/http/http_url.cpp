#include "update/http/http_url.h"

#include <algorithm>
#include <cctype>

namespace drawlyze::http {

namespace {

// Host and port of the authority after its user information.
void SplitHostPort(std::string_view hostPort, UrlParts& parts) {
  if (!hostPort.empty() && hostPort.front() == '[') {
    const auto close = hostPort.find(']');
    if (close != std::string_view::npos) {
      parts.host = std::string(hostPort.substr(1, close - 1));
      if (close + 1 < hostPort.size() && hostPort[close + 1] == ':') {
        parts.port = std::string(hostPort.substr(close + 2));
        parts.hasPort = true;
      }
      return;
    }
  }
  const auto colon = hostPort.rfind(':');
  if (colon == std::string_view::npos) {
    parts.host = std::string(hostPort);
    return;
  }
  parts.host = std::string(hostPort.substr(0, colon));
  parts.port = std::string(hostPort.substr(colon + 1));
  parts.hasPort = true;
}

}  // namespace

bool IsSecureScheme(std::string_view scheme) { return LowerCase(scheme) == "https"; }

std::string DefaultPort(std::string_view scheme) { return IsSecureScheme(scheme) ? "443" : "80"; }

UrlParts SplitUrl(std::string_view url) {
  UrlParts parts;
  std::string_view rest = url;
  if (const auto sep = url.find("://"); sep != std::string_view::npos) {
    parts.scheme = std::string(url.substr(0, sep));
    rest = url.substr(sep + 3);
  }
  parts.port = DefaultPort(parts.scheme);

  std::string_view authority = rest;
  if (const auto slash = rest.find('/'); slash != std::string_view::npos) {
    authority = rest.substr(0, slash);
    parts.path = std::string(rest.substr(slash));
  }

  if (const auto at = authority.rfind('@'); at != std::string_view::npos) {
    const std::string_view userInfo = authority.substr(0, at);
    parts.hasUserInfo = true;
    if (const auto colon = userInfo.find(':'); colon != std::string_view::npos) {
      parts.user = std::string(userInfo.substr(0, colon));
      parts.password = std::string(userInfo.substr(colon + 1));
    } else {
      parts.user = std::string(userInfo);
    }
    authority = authority.substr(at + 1);
  }
  SplitHostPort(authority, parts);
  return parts;
}

std::string WithoutUserInfo(std::string_view url) {
  const auto sep = url.find("://");
  const std::size_t begin = sep == std::string_view::npos ? 0 : sep + 3;
  const std::size_t end = std::min(url.find_first_of("/?#", begin), url.size());
  const auto at = url.substr(begin, end - begin).rfind('@');
  if (at == std::string_view::npos) return std::string(url);
  return std::string(url.substr(0, begin)) + std::string(url.substr(begin + at + 1));
}

std::string JoinUrl(const UrlParts& parts) {
  std::string url = parts.scheme + "://";
  url += parts.host.find(':') != std::string::npos ? "[" + parts.host + "]" : parts.host;
  if (parts.port != DefaultPort(parts.scheme)) url += ":" + parts.port;
  return url + parts.path;
}

UrlParts ResolveLocation(const UrlParts& current, std::string_view value) {
  UrlParts next = current;
  next.user.clear();
  next.password.clear();
  next.hasUserInfo = false;
  if (!value.empty() && value.front() == '/' && !(value.size() > 1 && value[1] == '/')) {
    next.path = std::string(value);
    return next;
  }
  if (value.rfind("//", 0) == 0) return SplitUrl(current.scheme + ":" + std::string(value));
  if (value.find("://") != std::string_view::npos) {
    next = SplitUrl(value);
    if (next.host.empty()) {
      next.host = current.host;
      if (!next.hasPort && LowerCase(next.scheme) == LowerCase(current.scheme)) next.port = current.port;
    }
    return next;
  }
  // A relative reference replaces the last segment of the current path.
  const auto slash = current.path.rfind('/');
  next.path = (slash == std::string::npos ? std::string("/") : current.path.substr(0, slash + 1)) + std::string(value);
  return next;
}

}  // namespace drawlyze::http
