#pragma once
// THttpCli: an HTTP/1.0 client on the event-driven TWSocket. It resolves the
// host, connects (TLS for https), sends one request, reads the header,
// follows redirections and writes the body into ReceiveStream until the
// server closes. The synchronous calls keep the event loop running while
// they wait and raise EHttpException for every failure.

#include <QObject>
#include <QTimer>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "update/http/http_exception.h"
#include "update/http/http_response_parser.h"
#include "update/http/http_url.h"

class QIODevice;

namespace drawlyze::http {

class TWSocket;

enum class THttpState {
  httpReady,
  httpNotConnected,
  httpConnected,
  httpDnsLookup,
  httpConnecting,
  httpWaitingHeader,
  httpWaitingBody,
  httpAborting,
};

enum class THttpRequest { httpGET, httpPOST, httpHEAD };

inline constexpr int kHttpAborted = 3;
inline constexpr int kMaxRedirections = 20;

class THttpCli : public QObject {
 public:
  explicit THttpCli(QObject* parent = nullptr);
  ~THttpCli() override;

  // What the request says.
  std::string URL;
  std::string Proxy;
  std::string ProxyPort = "80";
  std::string Sender;
  std::string Agent = "Mozilla/3.0 (compatible)";
  std::string Accept = "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";
  std::string Reference;
  std::string Username;  // replaced by the URL's user information when it has one
  std::string Password;
  std::string ProxyUsername;
  std::string ProxyPassword;
  bool NoCache = false;
  std::time_t ModifiedSince = 0;  // 0: none
  std::string Cookie;
  std::string ContentTypePost = "application/x-www-form-urlencoded";
  std::string ContentRangeBegin;  // both cleared once a request is sent
  std::string ContentRangeEnd;
  std::string AcceptRanges;    // from the response
  bool MultiThreaded = false;  // the wait then leaves user input waiting
  QIODevice* ReceiveStream = nullptr;
  QIODevice* SendStream = nullptr;  // what a POST sends, from its current position
  int TimeoutMs = 30000;            // silence that ends a request with a failure
  int DeadlineMs = 0;               // the longest a whole request may take; 0: no limit
  long long MaxBodySize = 0;        // the largest body taken; 0: no limit

  // Notifications, each optional.
  std::function<void()> OnStateChange;
  std::function<void()> OnSessionConnected;
  std::function<void()> OnRequestHeaderBegin;
  std::function<void()> OnRequestHeaderEnd;
  std::function<void(std::string& line)> OnCommand;  // may rewrite a request line
  std::function<void()> OnHeaderBegin;
  std::function<void()> OnHeaderData;  // after each header line
  std::function<void()> OnHeaderEnd;
  std::function<void()> OnDocBegin;
  std::function<void(std::string_view data)> OnDocData;
  std::function<void()> OnDocEnd;
  std::function<void()> OnSendBegin;
  std::function<void(long long bytes)> OnSendData;
  std::function<void()> OnSendEnd;
  std::function<void()> OnLocationChange;
  std::function<void(const std::string& value)> OnCookie;
  std::function<void(THttpRequest request, int error)> OnRequestDone;

  // Synchronous: return when the client is ready again; raise EHttpException
  // on any failure or a final status of 400 or more. A response succeeds only
  // whole: an HTTP/1.x status line, a complete header, a 2xx status (206 only
  // when a range was asked for) and at least Content-Length bytes of body.
  // The user information of URL and the Username and Password go only to the
  // scheme, host and port the URL names, never to those of a redirection;
  // redirections are followed to http and https only.
  void Get();
  void Post();
  void Head();
  // Asynchronous: start and return; OnRequestDone tells the end.
  void GetASync();
  void PostASync();
  void HeadASync();
  // Stops the running request; it ends with "Request aborted".
  void Abort();

  // Results of the last request.
  THttpState State() const { return state_; }
  int StatusCode() const { return parser_.header().status; }
  const std::string& ReasonPhrase() const { return parser_.header().reason; }
  long long ContentLength() const { return parser_.header().contentLength; }
  const std::string& ContentType() const { return parser_.header().contentType; }
  const std::vector<std::string>& RcvdHeader() const { return parser_.header().lines; }
  const std::vector<std::string>& AuthChallenges() const { return parser_.header().authChallenges; }
  const std::string& Location() const { return location_; }
  long long RcvdCount() const { return rcvdCount_; }
  int RedirectionCount() const { return redirections_; }

 private:
  struct Failure {
    std::string reason;
    int status;
  };

  void StartRequest(THttpRequest request);
  void WaitUntilReady();
  void Connect();
  void SetState(THttpState state);
  void DnsLookupDone(int error);
  void SessionConnected(int error);
  void DataAvailable();
  void SessionClosed(int error);
  void SendRequest();
  void Feed(std::string_view bytes);
  void TakeBody(std::string_view data);
  void FollowRedirection();
  void CheckWholeResponse();
  bool SameOriginAsUrl() const;
  void Fail(const std::string& reason, int status);
  void Finish();
  void ResetResponse();

  TWSocket* socket_;
  QTimer silence_;
  QTimer deadline_;
  THttpState state_ = THttpState::httpReady;
  THttpRequest request_ = THttpRequest::httpGET;
  UrlParts target_;
  UrlParts origin_;  // what URL names: credentials go there only
  std::string location_;
  std::string postData_;
  ResponseParser parser_;  // also holds the header received
  std::optional<Failure> failure_;
  long long rcvdCount_ = 0;
  int redirections_ = 0;
  bool headerBegun_ = false;
  bool docBegun_ = false;
  bool stopReading_ = false;
  bool finishing_ = false;
  bool rangeAsked_ = false;  // the request sent a Range line: a 206 answers it
};

}  // namespace drawlyze::http
