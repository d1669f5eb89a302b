#pragma once
// Starts http_test_server.py on 127.0.0.1 for one test and stops it at the
// end; also makes the event loop and the test certificates the client needs.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <utility>

namespace drawlyze::testing {

// The client waits in the event loop, so a test needs an application object.
inline void EnsureCoreApp() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "drawlyze_test";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
}

class TestServer {
 public:
  explicit TestServer(const QStringList& extraArgs = {}) {
    const QString script = QStringLiteral(DRAWLYZE_SOURCE_DIR "/tests/update/http/http_test_server.py");
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start("python3", QStringList{script, "--lifetime", "120"} + extraArgs);
    if (!process_.waitForStarted(10000)) return;
    while (process_.canReadLine() || process_.waitForReadyRead(10000)) {
      if (!process_.canReadLine()) continue;
      const QList<QByteArray> words = process_.readLine().trimmed().split(' ');
      if (words.size() == 3 && words[0] == "PORTS") {
        port_ = words[1].toInt();
        secondPort_ = words[2].toInt();
      }
      break;
    }
  }
  ~TestServer() {
    process_.closeWriteChannel();  // the server ends when its input closes
    if (!process_.waitForFinished(5000)) process_.kill();
    process_.waitForFinished(2000);
  }
  TestServer(const TestServer&) = delete;
  TestServer& operator=(const TestServer&) = delete;

  bool Ok() const { return port_ > 0; }
  // Runs `then` each time the server has sent the start of a response and
  // stalls ("STALLED path" on its output), inside whatever event loop runs:
  // a test acts mid-download on that event instead of after a guessed time.
  template <class Then>
  QMetaObject::Connection OnStalled(QObject* context, Then then) {
    return QObject::connect(&process_, &QProcess::readyReadStandardOutput, context, [this, then] {
      while (process_.canReadLine())
        if (process_.readLine().startsWith("STALLED")) then();
    });
  }
  int Port() const { return port_; }
  int SecondPort() const { return secondPort_; }
  std::string Url(const std::string& path, const std::string& host = "127.0.0.1",
                  const std::string& scheme = "http") const {
    return scheme + "://" + host + ":" + std::to_string(port_) + path;
  }

 private:
  QProcess process_;
  int port_ = 0;
  int secondPort_ = 0;
};

// A port on 127.0.0.1 that nobody listens on (just released).
inline int RefusedPort() {
  QTcpServer server;
  if (!server.listen(QHostAddress::LocalHost, 0)) return 1;
  const int port = server.serverPort();
  server.close();
  return port;
}

inline bool RunTool(const QString& program, const QStringList& args, const QString& dir) {
  QProcess p;
  p.setWorkingDirectory(dir);
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, args);
  return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A test certificate authority and, signed by it, server.pem and server.key
// for localhost and 127.0.0.1, and other.pem and other.key for the name
// other.test alone (a certificate that does not fit the address). False when
// openssl is missing.
inline bool MakeTestCertificates(const QString& dir) {
  if (QStandardPaths::findExecutable("openssl").isEmpty()) return false;
  const QStringList ec{"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"};
  if (!RunTool("openssl",
               QStringList{"req", "-x509"} + ec +
                   QStringList{"-keyout", "ca.key", "-out", "ca.pem", "-days", "2", "-subj", "/CN=Drawlyze Test CA",
                               "-addext", "basicConstraints=critical,CA:TRUE", "-addext",
                               "keyUsage=critical,keyCertSign,cRLSign"},
               dir))
    return false;
  for (const auto& [name, names] : {std::pair<QString, QByteArray>{"server", "DNS:localhost,IP:127.0.0.1"},
                                    std::pair<QString, QByteArray>{"other", "DNS:other.test"}}) {
    QFile ext(dir + "/" + name + ".ext");
    if (!ext.open(QIODevice::WriteOnly)) return false;
    ext.write(
        "basicConstraints=CA:FALSE\nkeyUsage=digitalSignature,keyEncipherment\n"
        "extendedKeyUsage=serverAuth\nsubjectAltName=" +
        names + "\n");
    ext.close();
    if (!RunTool("openssl",
                 QStringList{"req"} + ec +
                     QStringList{"-keyout", name + ".key", "-out", name + ".csr", "-subj", "/CN=" + name},
                 dir) ||
        !RunTool("openssl",
                 {"x509", "-req", "-in", name + ".csr", "-CA", "ca.pem", "-CAkey", "ca.key", "-CAcreateserial", "-out",
                  name + ".pem", "-days", "2", "-extfile", name + ".ext"},
                 dir))
      return false;
  }
  return true;
}

}  // namespace drawlyze::testing
