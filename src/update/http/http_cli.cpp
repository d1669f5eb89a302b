#include "update/http/http_cli.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QIODevice>
#include <stdexcept>

#include "update/http/http_request.h"
#include "update/http/twsocket.h"

namespace drawlyze::http {

namespace {

std::string WithErrorNumber(const QString& text, int number) {
  return text.toStdString() + " (Error #" + std::to_string(number) + ")";
}

}  // namespace

THttpCli::THttpCli(QObject* parent) : QObject(parent), socket_(new TWSocket(this)) {
  silence_.setSingleShot(true);
  connect(&silence_, &QTimer::timeout, this, [this] {
    const std::string span =
        TimeoutMs % 1000 == 0 ? std::to_string(TimeoutMs / 1000) + " s" : std::to_string(TimeoutMs) + " ms";
    Fail("Connection timed out: the server sent nothing for " + span, kHttpTransportFailure);
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
  header_ = ResponseHeader();
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

  request_ = request;
  ResetResponse();
  failure_.reset();
  finishing_ = false;
  redirections_ = 0;
  location_ = URL;
  target_ = SplitUrl(URL);
  if (target_.hasUserInfo) {
    Username = target_.user;
    Password = target_.password;
  }
  postData_.clear();
  if (request == THttpRequest::httpPOST) postData_ = SendStream->readAll().toStdString();
  state_ = THttpState::httpNotConnected;
  try {
    Connect();
  } catch (const std::exception& e) {
    // A lookup that cannot even start fails out of the call itself.
    silence_.stop();
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
  head.reference = Reference;
  head.contentTypePost = ContentTypePost;
  head.agent = Agent;
  head.host = target_.host;
  head.noCache = NoCache;
  if (post) head.contentLength = static_cast<long long>(postData_.size());
  head.modifiedSince = ModifiedSince;
  head.username = Username;
  head.password = Password;
  head.proxyUsername = ProxyUsername;
  head.proxyPassword = ProxyPassword;
  head.cookie = Cookie;
  head.rangeBegin = ContentRangeBegin;
  head.rangeEnd = ContentRangeEnd;

  std::vector<std::string> lines = BuildRequestLines(head);
  if (OnCommand)
    for (std::string& line : lines) OnCommand(line);
  socket_->Send(QByteArray::fromStdString(JoinRequestLines(lines)));
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
  for (const ResponseEvent& event : events) {
    switch (event.kind) {
      case ResponseEvent::Kind::HeaderLine:
        if (!headerBegun_) {
          headerBegun_ = true;
          if (OnHeaderBegin) OnHeaderBegin();
        }
        header_ = parser_.header();
        if (!header_.acceptRanges.empty()) AcceptRanges = header_.acceptRanges;
        if (!header_.contentRangeBegin.empty() || !header_.contentRangeEnd.empty()) {
          ContentRangeBegin = header_.contentRangeBegin;
          ContentRangeEnd = header_.contentRangeEnd;
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
        header_ = parser_.header();
        if (OnHeaderEnd) OnHeaderEnd();
        if (parser_.phase() == ResponseParser::Phase::Body) SetState(THttpState::httpWaitingBody);
        break;
      case ResponseEvent::Kind::Body:
        header_ = parser_.header();  // a page without header sets its content type
        SetState(THttpState::httpWaitingBody);
        if (!docBegun_) {
          docBegun_ = true;
          if (OnDocBegin) OnDocBegin();
        }
        rcvdCount_ += static_cast<long long>(event.text.size());
        if (ReceiveStream) ReceiveStream->write(event.text.data(), static_cast<qint64>(event.text.size()));
        if (OnDocData) OnDocData(event.text);
        break;
      case ResponseEvent::Kind::LineTooLong:
        if (!failure_) failure_ = Failure{"HTTP line too long", kHttpLineTooLong};
        stopReading_ = true;
        break;
    }
  }
}

void THttpCli::SessionClosed(int error) {
  if (finishing_) return;
  silence_.stop();
  if (!stopReading_) {
    const QByteArray rest = socket_->Receive();
    if (!rest.isEmpty()) Feed(std::string_view(rest.constData(), static_cast<std::size_t>(rest.size())));
  }
  if (!failure_ && parser_.phase() == ResponseParser::Phase::Redirect) {
    if (++redirections_ > kMaxRedirections) {
      failure_ = Failure{"Too many redirections (more than " + std::to_string(kMaxRedirections) + ")", header_.status};
    } else {
      target_ = ResolveLocation(target_, header_.location);
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
      return;
    }
  }
  if (!failure_ && error != 0)
    failure_ = Failure{WithErrorNumber(socket_->ErrorText(), socket_->ErrorNumber()), kHttpTransportFailure};
  if (!failure_ && !headerBegun_ && !docBegun_)
    failure_ = Failure{"Connection closed without a response", kHttpTransportFailure};
  Finish();
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
  if (docBegun_ && OnDocEnd) OnDocEnd();
  const int error = failure_ ? failure_->status : (header_.status >= 400 ? header_.status : 0);
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
  if (header_.status >= 400) throw EHttpException(header_.reason, header_.status);
}

}  // namespace drawlyze::http
