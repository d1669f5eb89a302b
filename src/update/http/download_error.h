#pragma once
// A failed download as the program's error value: the address last fetched
// (a redirection's, when it led elsewhere; never with a password), and what
// went wrong there, the server's answer or the host a lookup failed for.
// EHttpException stays the client's own way to fail; this is what its
// callers (the Updater, drawlyze-cli get) tell the user.

#include <string>

#include "core/error/error.h"
#include "update/http/http_exception.h"

namespace drawlyze::http {

class THttpCli;

// url: the address the request was started with.
Error DownloadError(const THttpCli& cli, const EHttpException& e, const std::string& url);

}  // namespace drawlyze::http
