#pragma once
// A thin event-driven socket: asynchronous host lookup, connect (plain TCP or
// TLS checked against the system's trust store), send, and notifications of
// arriving data and of closing, all delivered on the thread's event loop.

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QTcpSocket;

namespace drawlyze::http {

class TWSocket : public QObject {
 public:
  explicit TWSocket(QObject* parent = nullptr);
  ~TWSocket() override;

  // Notifications; error 0 means success.
  std::function<void(int error)> OnDnsLookupDone;
  std::function<void(int error)> OnSessionConnected;
  std::function<void()> OnDataAvailable;
  std::function<void(int error)> OnSessionClosed;

  // Starts a lookup; a dotted numeric address resolves at once, but its
  // notification is still posted. Throws std::runtime_error for an empty name.
  void DnsLookup(const QString& host);
  QHostAddress DnsResult() const { return address_; }

  // Connects to the address; `tls` wraps the connection and checks the
  // server's certificate for `peerName`. Throws std::runtime_error when the
  // port is not a number from 1 to 65535.
  void Connect(const QHostAddress& address, const QString& port, bool tls, const QString& peerName);
  void Send(const QByteArray& bytes);
  QByteArray Receive();  // everything that has arrived
  // Stops at once; OnSessionClosed is posted, never called from inside.
  void Abort();

  // The last failure: a short English text and its error number.
  const QString& ErrorText() const { return errorText_; }
  int ErrorNumber() const { return errorNumber_; }

 private:
  void OnSocketError();
  void OnDisconnected();
  void ReleaseSocket();
  void PostClosed(int error);

  std::unique_ptr<QTcpSocket> socket_;
  QHostAddress address_;
  QString errorText_;
  int errorNumber_ = 0;
  QString sslErrors_;  // certificate problems seen during the handshake
  bool connected_ = false;
  bool closedSent_ = false;
  unsigned lookupSerial_ = 0;  // answers of abandoned lookups are dropped
  unsigned session_ = 0;       // notifications posted for a released socket are dropped
};

}  // namespace drawlyze::http
