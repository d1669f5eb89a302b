#include "update/http/http_cli.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QIODevice>
#include <cctype>
#include <stdexcept>

#include "update/http/http_request.h"
#include "update/http/twsocket.h"

namespace drawlyze::http {

namespace {

std::string WithErrorNumber(const QString& text, int number) {
  return text.toStdString() + " (Error #" + std::to_string(number) + ")";
}

std::string SpanText(int ms) {
  if (ms % 60000 == 0) return std::to_string(ms / 60000) + " min";
  if (ms % 1000 == 0) return std::to_string(ms / 1000) + " s";
  return std::to_string(ms) + " ms";
}

std::string SizeText(long long bytes) {
  if (bytes % (1 << 20) == 0) return std::to_string(bytes >> 20) + " MiB";
  return std::to_string(bytes) + " bytes";
}

}  // namespace

THttpCli::THttpCli(QObject* parent) : QObject(parent), socket_(new TWSocket(this)) {
  silence_.setSingleShot(true);
  connect(&silence_, &QTimer::timeout, this, [this] {
    Fail("Connection timed out: the server sent nothing for " + SpanText(TimeoutMs), kHttpTransportFailure);
  });
  deadline_.setSingleShot(true);
  connect(&deadline_, &QTimer::timeout, this, [this] {
    Fail("Connection timed out: the download took longer than " + SpanText(DeadlineMs), kHttpTransportFailure);
  });
  socket_->OnDnsLookupDone = [this](int error) { DnsLookupDone(error); };
  socket_->OnSessionConnected = [this](int error) { SessionConnected(error); };
  socket_->OnDataAvailable = [this] { DataAvailable(); };
  socket_->OnSessionClosed = [this](int error) { SessionClosed(error); };
}

THttpCli::~THttpCli() = default;

void THttpCli::Get() {
  StartRequest(THttpRequest::httpGET);
  WaitUntilReady();
}
void THttpCli::Post() {
  StartRequest(THttpRequest::httpPOST);
  WaitUntilReady();
}
void THttpCli::Head() {
  StartRequest(THttpRequest::httpHEAD);
  WaitUntilReady();
}
void THttpCli::GetASync() { StartRequest(THttpRequest::httpGET); }
void THttpCli::PostASync() { StartRequest(THttpRequest::httpPOST); }
void THttpCli::HeadASync() { StartRequest(THttpRequest::httpHEAD); }

void THttpCli::Abort() {
  if (state_ == THttpState::httpReady || finishing_) return;
  SetState(THttpState::httpAborting);
  Fail("Request aborted", kHttpAborted);
}

void THttpCli::SetState(THttpState state) {
  if (state_ == state) return;
  state_ = state;
  if (OnStateChange) OnStateChange();
}

void THttpCli::ResetResponse() {
  parser_ = ResponseParser();
  rcvdCount_ = 0;
  headerBegun_ = false;
  docBegun_ = false;
  stopReading_ = false;
}

void THttpCli::StartRequest(THttpRequest request) {
  if (state_ != THttpState::httpReady) throw EHttpException("HTTP component is busy", kHttpBusy);
  if (request == THttpRequest::httpPOST && !SendStream)
    throw EHttpException("HTTP component has nothing to post", kHttpNothingToPost);
  if (!QCoreApplication::instance())
    throw EHttpException("HTTP component needs a running application event loop", kHttpTransportFailure);

  // Only what the client speaks is fetched: an ftp:// or gopher:// address
  // sent as HTTP to port 80 would reach whatever listens there.
  if (const std::string scheme = LowerCase(SplitUrl(URL).scheme); scheme != "http" && scheme != "https")
    throw EHttpException("refused to fetch " + WithoutUserInfo(URL) + ": only http and https are fetched", kHttpBadUrl);

  request_ = request;
  ResetResponse();
  failure_.reset();
  finishing_ = false;
  redirections_ = 0;
  location_ = URL;
  target_ = SplitUrl(URL);
  origin_ = target_;
  if (target_.hasUserInfo) {
    Username = target_.user;
    Password = target_.password;
  }
  postData_.clear();
  if (request == THttpRequest::httpPOST) postData_ = SendStream->readAll().toStdString();
  state_ = THttpState::httpNotConnected;
  if (DeadlineMs > 0) deadline_.start(DeadlineMs);
  try {
    Connect();
  } catch (const std::exception& e) {
    // A lookup that cannot even start fails out of the call itself.
    silence_.stop();
    deadline_.stop();
    state_ = THttpState::httpReady;
    throw EHttpException(e.what(), kHttpTransportFailure);
  }
}

void THttpCli::Connect() {
  SetState(THttpState::httpDnsLookup);
  silence_.start(TimeoutMs);
  socket_->DnsLookup(QString::fromStdString(Proxy.empty() ? target_.host : Proxy));
}

void THttpCli::DnsLookupDone(int error) {
  if (finishing_) return;
  if (error != 0) {
    Fail("can't resolve hostname to IP address", kHttpTransportFailure);
    return;
  }
  SetState(THttpState::httpConnecting);
  const bool viaProxy = !Proxy.empty();
  try {
    socket_->Connect(socket_->DnsResult(), QString::fromStdString(viaProxy ? ProxyPort : target_.port),
                     !viaProxy && IsSecureScheme(target_.scheme), QString::fromStdString(target_.host));
  } catch (const std::exception&) {
    Fail("can't connect: " + WithErrorNumber(socket_->ErrorText(), socket_->ErrorNumber()), kHttpTransportFailure);
  }
}

void THttpCli::SessionConnected(int error) {
  if (finishing_) return;
  if (error != 0) {
    Fail(WithErrorNumber(socket_->ErrorText(), socket_->ErrorNumber()), kHttpTransportFailure);
    return;
  }
  silence_.start(TimeoutMs);
  SetState(THttpState::httpConnected);
  if (OnSessionConnected) OnSessionConnected();
  SetState(THttpState::httpWaitingHeader);
  SendRequest();
}

void THttpCli::SendRequest() {
  if (OnRequestHeaderBegin) OnRequestHeaderBegin();
  RequestHead head;
  const bool post = request_ == THttpRequest::httpPOST;
  head.method = post ? "POST" : request_ == THttpRequest::httpHEAD ? "HEAD" : "GET";
  head.viaProxy = !Proxy.empty();
  head.target = head.viaProxy ? JoinUrl(target_) : target_.path;
  head.sender = Sender;
  head.accept = Accept;
  head.reference = WithoutUserInfo(Reference);
  head.contentTypePost = ContentTypePost;
  head.agent = Agent;
  head.host = target_.host;
  head.noCache = NoCache;
  if (post) head.contentLength = static_cast<long long>(postData_.size());
  head.modifiedSince = ModifiedSince;
  if (SameOriginAsUrl()) {
    head.username = Username;
    head.password = Password;
  }
  head.proxyUsername = ProxyUsername;
  head.proxyPassword = ProxyPassword;
  head.cookie = Cookie;
  head.rangeBegin = ContentRangeBegin;
  head.rangeEnd = ContentRangeEnd;

  std::vector<std::string> lines = BuildRequestLines(head);
  if (OnCommand)
    for (std::string& line : lines) OnCommand(line);
  socket_->Send(QByteArray::fromStdString(JoinRequestLines(lines)));
  rangeAsked_ = !ContentRangeBegin.empty() || !ContentRangeEnd.empty();
  ContentRangeBegin.clear();
  ContentRangeEnd.clear();
  if (OnRequestHeaderEnd) OnRequestHeaderEnd();

  if (post) {
    if (OnSendBegin) OnSendBegin();
    socket_->Send(QByteArray::fromStdString(postData_));
    if (OnSendData) OnSendData(static_cast<long long>(postData_.size()));
    if (OnSendEnd) OnSendEnd();
  }
}

void THttpCli::DataAvailable() {
  if (finishing_ || stopReading_) return;
  const QByteArray bytes = socket_->Receive();
  if (bytes.isEmpty()) return;
  silence_.start(TimeoutMs);
  Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  // A status of 400 or more, a redirection or a broken header: read no more.
  if (stopReading_ || parser_.phase() == ResponseParser::Phase::Redirect ||
      parser_.phase() == ResponseParser::Phase::Failed) {
    stopReading_ = true;
    socket_->Abort();
  }
}

void THttpCli::Feed(std::string_view bytes) {
  std::vector<ResponseEvent> events;
  parser_.Feed(bytes, events);
  const ResponseHeader& header = parser_.header();
  for (const ResponseEvent& event : events) {
    if (finishing_) return;
    switch (event.kind) {
      case ResponseEvent::Kind::HeaderLine:
        if (!headerBegun_) {
          headerBegun_ = true;
          if (OnHeaderBegin) OnHeaderBegin();
        }
        if (!header.acceptRanges.empty()) AcceptRanges = header.acceptRanges;
        if (!header.contentRangeBegin.empty() || !header.contentRangeEnd.empty()) {
          ContentRangeBegin = header.contentRangeBegin;
          ContentRangeEnd = header.contentRangeEnd;
        }
        if (OnHeaderData) OnHeaderData();
        break;
      case ResponseEvent::Kind::Cookie:
        if (OnCookie) OnCookie(event.text);
        break;
      case ResponseEvent::Kind::StopReading:
        stopReading_ = true;
        break;
      case ResponseEvent::Kind::HeaderEnd:
        if (OnHeaderEnd) OnHeaderEnd();
        if (parser_.phase() == ResponseParser::Phase::Body) {
          SetState(THttpState::httpWaitingBody);
          if (MaxBodySize > 0 && header.contentLength > MaxBodySize && header.status < 400)
            Fail("the document is larger than " + SizeText(MaxBodySize), kHttpTooLarge);
          // A body in a transfer coding (chunked) is not the document: saved
          // as it comes, its framing would be taken for the file's bytes.
          else if (!header.transferEncoding.empty() && LowerCase(header.transferEncoding) != "identity" &&
                   request_ != THttpRequest::httpHEAD && header.status < 400)
            Fail("the server sent the document in the \"" + header.transferEncoding +
                     "\" transfer coding, which an HTTP/1.0 client does not read",
                 kHttpBadResponse);
        }
        break;
      case ResponseEvent::Kind::Body:
        TakeBody(event.text);
        break;
      case ResponseEvent::Kind::LineTooLong:
        if (!failure_) failure_ = Failure{event.text.empty() ? "HTTP line too long" : event.text, kHttpLineTooLong};
        stopReading_ = true;
        break;
      case ResponseEvent::Kind::Malformed:
        if (!failure_) failure_ = Failure{event.text, kHttpBadResponse};
        stopReading_ = true;
        break;
    }
  }
}

void THttpCli::TakeBody(std::string_view data) {
  SetState(THttpState::httpWaitingBody);
  if (!docBegun_) {
    docBegun_ = true;
    if (OnDocBegin) OnDocBegin();
  }
  const auto size = static_cast<long long>(data.size());
  if (MaxBodySize > 0 && rcvdCount_ + size > MaxBodySize && parser_.header().status < 400) {
    Fail("the document is larger than " + SizeText(MaxBodySize), kHttpTooLarge);
    return;
  }
  rcvdCount_ += size;
  // A stream that cannot take the data (a full disk) ends the request.
  if (ReceiveStream) {
    const qint64 written = ReceiveStream->write(data.data(), static_cast<qint64>(size));
    if (written != size) {
      Fail("the received data cannot be written: " +
               (written < 0 ? ReceiveStream->errorString().toStdString()
                            : "only " + std::to_string(written) + " of " + std::to_string(size) + " bytes were taken"),
           kHttpWriteFailed);
      return;
    }
  }
  if (OnDocData) OnDocData(data);
}

bool THttpCli::SameOriginAsUrl() const {
  return LowerCase(target_.scheme) == LowerCase(origin_.scheme) && LowerCase(target_.host) == LowerCase(origin_.host) &&
         target_.port == origin_.port;
}

void THttpCli::SessionClosed(int error) {
  if (finishing_) return;
  silence_.stop();
  if (!stopReading_) {
    const QByteArray rest = socket_->Receive();
    if (!rest.isEmpty()) Feed(std::string_view(rest.constData(), static_cast<std::size_t>(rest.size())));
    if (finishing_) return;
  }
  if (!failure_ && parser_.phase() == ResponseParser::Phase::Redirect) {
    FollowRedirection();
    return;
  }
  if (!failure_ && error != 0)
    failure_ = Failure{WithErrorNumber(socket_->ErrorText(), socket_->ErrorNumber()), kHttpTransportFailure};
  if (!failure_) CheckWholeResponse();
  Finish();
}

void THttpCli::FollowRedirection() {
  const ResponseHeader& header = parser_.header();
  if (++redirections_ > kMaxRedirections) {
    failure_ = Failure{"Too many redirections (more than " + std::to_string(kMaxRedirections) + ")", header.status};
    Finish();
    return;
  }
  const UrlParts next = ResolveLocation(target_, header.location);
  const std::string scheme = LowerCase(next.scheme);
  if (scheme != "http" && scheme != "https") {
    failure_ = Failure{"refused to follow the redirection to " + WithoutUserInfo(header.location) +
                           ": only http and https are followed",
                       header.status};
    Finish();
    return;
  }
  // What came over TLS never continues in the clear, where anyone on the
  // way could read the request and answer in the server's place.
  if (IsSecureScheme(target_.scheme) && !IsSecureScheme(scheme)) {
    failure_ = Failure{"refused to follow the redirection from " + WithoutUserInfo(JoinUrl(target_)) + " to " +
                           WithoutUserInfo(JoinUrl(next)) + ": it leaves https for plain http",
                       header.status};
    Finish();
    return;
  }
  target_ = next;
  location_ = JoinUrl(target_);
  if (request_ == THttpRequest::httpPOST) request_ = THttpRequest::httpGET;  // a moved form is fetched
  ResetResponse();
  if (OnLocationChange) OnLocationChange();
  try {
    Connect();
  } catch (const std::exception& e) {
    failure_ = Failure{e.what(), kHttpTransportFailure};
    Finish();
  }
}

// Only a whole response succeeds; the server's own errors (400 and more) are
// raised with their status as they are.
void THttpCli::CheckWholeResponse() {
  const ResponseHeader& header = parser_.header();
  const std::string answer =
      "the server answered " + std::to_string(header.status) + (header.reason.empty() ? "" : " " + header.reason);
  if (!headerBegun_ && !docBegun_) {
    failure_ = Failure{"Connection closed without a response", kHttpTransportFailure};
  } else if (header.status >= 400) {
    return;
  } else if (parser_.phase() == ResponseParser::Phase::Header) {
    failure_ = header.status < 200 && header.status > 0
                   ? Failure{answer + " without a final response", kHttpBadResponse}
                   : Failure{"the connection closed inside the response header", kHttpBadResponse};
  } else if (header.status == 0) {
    failure_ = Failure{"the server sent no HTTP/1.x status line", kHttpBadResponse};
  } else if (header.status >= 300 && !(header.status == 304 && ModifiedSince != 0)) {
    failure_ = Failure{answer + " without a location to follow", header.status};
  } else if (header.status == 206 && !rangeAsked_) {
    failure_ = Failure{answer + ": a part of the document only", header.status};
  } else if (request_ != THttpRequest::httpHEAD && header.status != 204 && header.status != 304 &&
             header.contentLength >= 0 && rcvdCount_ < header.contentLength) {
    failure_ = Failure{"the connection closed after " + std::to_string(rcvdCount_) + " of " +
                           std::to_string(header.contentLength) + " bytes of the document",
                       kHttpBadResponse};
  }
}

void THttpCli::Fail(const std::string& reason, int status) {
  if (finishing_) return;
  if (!failure_) failure_ = Failure{reason, status};
  stopReading_ = true;
  socket_->Abort();
  Finish();
}

void THttpCli::Finish() {
  if (finishing_) return;
  finishing_ = true;
  silence_.stop();
  deadline_.stop();
  if (docBegun_ && OnDocEnd) OnDocEnd();
  const int status = parser_.header().status;
  const int error = failure_ ? failure_->status : (status >= 400 ? status : 0);
  const THttpRequest request = request_;
  QMetaObject::invokeMethod(
      this,
      [this, request, error] {
        SetState(THttpState::httpReady);
        QMetaObject::invokeMethod(
            this,
            [this, request, error] {
              if (OnRequestDone) OnRequestDone(request, error);
            },
            Qt::QueuedConnection);
      },
      Qt::QueuedConnection);
}

void THttpCli::WaitUntilReady() {
  const QEventLoop::ProcessEventsFlags flags =
      QEventLoop::WaitForMoreEvents | (MultiThreaded ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents);
  while (state_ != THttpState::httpReady) QCoreApplication::processEvents(flags);
  if (failure_) throw EHttpException(failure_->reason, failure_->status);
  if (StatusCode() >= 400) throw EHttpException(ReasonPhrase(), StatusCode());
}

}  // namespace drawlyze::http
