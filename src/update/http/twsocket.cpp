#include "update/http/twsocket.h"

#include <QHostInfo>
#include <QSslSocket>
#include <QTcpSocket>
#include <cerrno>
#include <stdexcept>

namespace drawlyze::http {

namespace {

// The usual short English text and error number of a socket failure.
void DescribeError(QAbstractSocket::SocketError error, const QString& qtText, QString& text, int& number) {
  switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
      text = "Connection refused";
      number = ECONNREFUSED;
      return;
    case QAbstractSocket::RemoteHostClosedError:
      text = "Connection reset by peer";
      number = ECONNRESET;
      return;
    case QAbstractSocket::HostNotFoundError:
      text = "Host not found";
      number = EHOSTUNREACH;
      return;
    case QAbstractSocket::SocketTimeoutError:
      text = "Connection timed out";
      number = ETIMEDOUT;
      return;
    case QAbstractSocket::NetworkError:
      text = "Network is unreachable";
      number = ENETUNREACH;
      return;
    case QAbstractSocket::SocketAccessError:
      text = "Permission denied";
      number = EACCES;
      return;
    default:
      text = qtText;
      number = static_cast<int>(error);
      return;
  }
}

constexpr qint64 kReadBufferSize = 256 * 1024;

// An IPv4 address first: local servers often listen on 127.0.0.1 only,
// while "localhost" may resolve to ::1 before it.
QHostAddress PreferredAddress(const QList<QHostAddress>& addresses) {
  for (const QHostAddress& a : addresses)
    if (a.protocol() == QAbstractSocket::IPv4Protocol) return a;
  return addresses.isEmpty() ? QHostAddress() : addresses.front();
}

}  // namespace

TWSocket::TWSocket(QObject* parent) : QObject(parent) {}

TWSocket::~TWSocket() { ReleaseSocket(); }

void TWSocket::DnsLookup(const QString& host) {
  ReleaseSocket();
  const unsigned serial = ++lookupSerial_;
  if (host.trimmed().isEmpty()) throw std::runtime_error("DNS lookup: invalid host name.");
  QHostAddress numeric;
  if (numeric.setAddress(host)) {
    address_ = numeric;
    QMetaObject::invokeMethod(
        this,
        [this, serial] {
          if (serial == lookupSerial_ && OnDnsLookupDone) OnDnsLookupDone(0);
        },
        Qt::QueuedConnection);
    return;
  }
  QHostInfo::lookupHost(host, this, [this, serial](const QHostInfo& info) {
    if (serial != lookupSerial_) return;
    if (info.error() != QHostInfo::NoError || info.addresses().isEmpty()) {
      errorText_ = "Host not found";
      errorNumber_ = info.error() == QHostInfo::NoError ? static_cast<int>(QHostInfo::HostNotFound) : info.error();
      if (OnDnsLookupDone) OnDnsLookupDone(errorNumber_);
      return;
    }
    address_ = PreferredAddress(info.addresses());
    if (OnDnsLookupDone) OnDnsLookupDone(0);
  });
}

void TWSocket::Connect(const QHostAddress& address, const QString& port, bool tls, const QString& peerName) {
  ReleaseSocket();
  bool ok = false;
  const uint number = port.toUInt(&ok);
  if (!ok || number == 0 || number > 65535 || address.isNull()) {
    errorText_ = "Invalid argument";
    errorNumber_ = EINVAL;
    throw std::runtime_error(errorText_.toStdString());
  }
  if (tls && !QSslSocket::supportsSsl()) {
    errorText_ = "TLS is not available on this system";
    errorNumber_ = EPROTONOSUPPORT;
    throw std::runtime_error(errorText_.toStdString());
  }
  errorText_.clear();
  errorNumber_ = 0;
  sslErrors_.clear();
  connected_ = false;
  closedSent_ = false;

  QTcpSocket* socket = tls ? new QSslSocket : new QTcpSocket;
  socket_.reset(socket);
  // A bounded buffer: a fast server then waits for us (TCP flow control)
  // instead of filling the memory while the body is written to disk.
  socket->setReadBufferSize(kReadBufferSize);
  auto sessionUp = [this] {
    connected_ = true;
    if (OnSessionConnected) OnSessionConnected(0);
  };
  if (auto* ssl = qobject_cast<QSslSocket*>(socket)) {
    connect(ssl, &QSslSocket::encrypted, this, sessionUp);
    connect(ssl, &QSslSocket::sslErrors, this, [this](const QList<QSslError>& errors) {
      for (const QSslError& e : errors) sslErrors_ += (sslErrors_.isEmpty() ? "" : "; ") + e.errorString();
    });
  } else {
    connect(socket, &QTcpSocket::connected, this, sessionUp);
  }
  connect(socket, &QTcpSocket::readyRead, this, [this] {
    if (OnDataAvailable) OnDataAvailable();
  });
  connect(socket, &QTcpSocket::errorOccurred, this, [this] { OnSocketError(); });
  connect(socket, &QTcpSocket::disconnected, this, [this] { OnDisconnected(); });

  const quint16 port16 = static_cast<quint16>(number);
  if (auto* ssl = qobject_cast<QSslSocket*>(socket))
    ssl->connectToHostEncrypted(address.toString(), port16, peerName);
  else
    socket->connectToHost(address, port16);
}

void TWSocket::Send(const QByteArray& bytes) {
  if (socket_) socket_->write(bytes);
}

QByteArray TWSocket::Receive() { return socket_ ? socket_->readAll() : QByteArray(); }

void TWSocket::Abort() {
  const bool wasOpen = socket_ != nullptr;
  ReleaseSocket();
  closedSent_ = false;  // a close posted for the released socket was just dropped
  if (wasOpen) PostClosed(0);
}

void TWSocket::OnSocketError() {
  const QAbstractSocket::SocketError error = socket_->error();
  if (connected_) {
    // A close by the server is the normal end of a response.
    if (error == QAbstractSocket::RemoteHostClosedError) return;
    DescribeError(error, socket_->errorString(), errorText_, errorNumber_);
    if (socket_->state() == QAbstractSocket::UnconnectedState) PostClosed(errorNumber_);
    return;
  }
  if (closedSent_) return;
  closedSent_ = true;  // the failed connect is the only notification
  if (error == QAbstractSocket::SslHandshakeFailedError) {
    errorText_ = "TLS handshake failed: " + (sslErrors_.isEmpty() ? socket_->errorString() : sslErrors_);
    errorNumber_ = static_cast<int>(error);
  } else {
    DescribeError(error, socket_->errorString(), errorText_, errorNumber_);
  }
  const int number = errorNumber_;
  const unsigned session = session_;
  QMetaObject::invokeMethod(
      this,
      [this, number, session] {
        if (session == session_ && OnSessionConnected) OnSessionConnected(number == 0 ? -1 : number);
      },
      Qt::QueuedConnection);
}

void TWSocket::OnDisconnected() {
  if (!connected_) return;
  PostClosed(errorNumber_);
}

void TWSocket::PostClosed(int error) {
  if (closedSent_) return;
  closedSent_ = true;
  const unsigned session = session_;
  QMetaObject::invokeMethod(
      this,
      [this, error, session] {
        if (session == session_ && OnSessionClosed) OnSessionClosed(error);
      },
      Qt::QueuedConnection);
}

void TWSocket::ReleaseSocket() {
  ++session_;
  if (!socket_) return;
  QTcpSocket* socket = socket_.release();
  QObject::disconnect(socket, nullptr, this, nullptr);
  socket->abort();
  socket->deleteLater();
}

}  // namespace drawlyze::http
