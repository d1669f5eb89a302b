#include "update/http/download_error.h"

#include <string_view>

#include "update/http/http_cli.h"
#include "update/http/http_url.h"

namespace drawlyze::http {

namespace {

// The client's words for a host name that did not resolve, and for one it could not even look up.
constexpr std::string_view kLookupFailed = "can't resolve hostname to IP address";
constexpr std::string_view kNoHostName = "DNS lookup: invalid host name.";

}  // namespace

Error DownloadError(const THttpCli& cli, const EHttpException& e, const std::string& url) {
  const std::string fetched = cli.Location().empty() ? url : cli.Location();
  Error error{ErrorKind::Network, WithoutUserInfo(fetched), e.Reason()};
  if (cli.StatusCode() >= 400 && e.Status() == cli.StatusCode()) {
    error.detail = "the server answered " + std::to_string(e.Status()) + " " + e.Reason();
  } else if (e.Reason() == kLookupFailed || e.Reason() == kNoHostName) {
    const std::string host = SplitUrl(fetched).host;
    error.detail = (host.empty() ? std::string("the address names no host") : "the host " + host + " cannot be found") +
                   " (" + e.Reason() + ")";
  }
  return error;
}

}  // namespace drawlyze::http
