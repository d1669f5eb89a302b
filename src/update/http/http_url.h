#pragma once
// Splitting a URL into the parts a request needs, and following a "location"
// header from the URL currently requested.

#include <string>
#include <string_view>

#include "core/history/text_helpers.h"  // LowerCase: schemes, hosts and header names compare without case

namespace drawlyze::http {

struct UrlParts {
  std::string scheme = "http";  // as written; "http" when the URL names none
  std::string user;
  std::string password;
  bool hasUserInfo = false;  // an "@" stood before the host
  std::string host;          // without brackets for an IPv6 literal
  std::string port = "80";   // "443" for https when the URL names none
  bool hasPort = false;
  std::string path = "/";
};

// scheme "://" authority path, or authority path. The authority's last "@"
// ends the user information; a ":" after it starts the port.
UrlParts SplitUrl(std::string_view url);

// The URL without the user information of its authority ("user:word@"), so
// that it can be shown or sent as a referring page.
std::string WithoutUserInfo(std::string_view url);

// The port used when a URL names none: "443" for https, "80" otherwise.
std::string DefaultPort(std::string_view scheme);
bool IsSecureScheme(std::string_view scheme);

// scheme://host[:port]path, the port only when it is not the scheme's default.
std::string JoinUrl(const UrlParts& parts);

// The target of a "location" value seen while `current` was requested: an
// absolute path keeps host and port, a full URL replaces what it names, a
// relative reference is resolved against the current path's folder.
UrlParts ResolveLocation(const UrlParts& current, std::string_view value);

}  // namespace drawlyze::http
