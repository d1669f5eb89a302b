// https over TLS against a local server whose certificate a test authority,
// made for this run, has signed: refused while only the system's trust store
// is asked, accepted once the test authority is trusted.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QSslConfiguration>
#include <algorithm>

#include "test_server.h"
#include "update/http/http_cli.h"

namespace drawlyze::http {
namespace {

class HttpsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    drawlyze::testing::EnsureCoreApp();
    dir_ = new QTemporaryDir;
    if (!drawlyze::testing::MakeTestCertificates(dir_->path())) return;
    server_ = new drawlyze::testing::TestServer({"--tls", dir_->filePath("server.pem"), dir_->filePath("server.key")});
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
    delete dir_;
    dir_ = nullptr;
  }
  void SetUp() override {
    if (!server_) GTEST_SKIP() << "openssl is not available to make the test certificates";
    ASSERT_TRUE(server_->Ok());
    original_ = QSslConfiguration::defaultConfiguration();
    stream_.open(QIODevice::ReadWrite);
    cli_.ReceiveStream = &stream_;
  }
  void TearDown() override { QSslConfiguration::setDefaultConfiguration(original_); }

  void TrustTestAuthority() {
    QSslConfiguration conf = QSslConfiguration::defaultConfiguration();
    ASSERT_TRUE(conf.addCaCertificates(dir_->filePath("ca.pem")));
    QSslConfiguration::setDefaultConfiguration(conf);
  }

  static inline QTemporaryDir* dir_ = nullptr;
  static inline drawlyze::testing::TestServer* server_ = nullptr;
  QSslConfiguration original_;
  QBuffer stream_;
  THttpCli cli_;
};

TEST_F(HttpsTest, UnknownAuthorityIsRefused) {
  cli_.URL = server_->Url("/echo", "localhost", "https");
  try {
    cli_.Get();
    FAIL() << "a certificate from an unknown authority was accepted";
  } catch (const EHttpException& e) {
    EXPECT_EQ(e.Reason().rfind("TLS handshake failed: ", 0), 0u) << e.Reason();
    EXPECT_EQ(e.Status(), 404);
  }
  EXPECT_TRUE(stream_.data().isEmpty());
}

TEST_F(HttpsTest, TrustedCertificateByNameAndByAddress) {
  TrustTestAuthority();
  for (const char* host : {"localhost", "127.0.0.1"}) {
    SCOPED_TRACE(host);
    stream_.buffer().clear();
    stream_.seek(0);
    cli_.URL = server_->Url("/echo", host, "https");
    cli_.Get();
    EXPECT_EQ(stream_.data().toStdString(),
              "GET /echo HTTP/1.0\r\n"
              "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"
              "User-Agent: Mozilla/3.0 (compatible)\r\n"
              "Host: " +
                  std::string(host) + "\r\n\r\n");
    // Servers that host many sites pick their certificate by the name sent in the handshake.
    const auto& lines = cli_.RcvdHeader();
    const std::string sni = std::string("X-SNI: ") + (std::string(host) == "localhost" ? "localhost" : "None");
    EXPECT_NE(std::find(lines.begin(), lines.end(), sni), lines.end()) << sni;
  }
}

TEST_F(HttpsTest, CertificateForAnotherNameIsRefused) {
  TrustTestAuthority();
  drawlyze::testing::TestServer other({"--tls", dir_->filePath("other.pem"), dir_->filePath("other.key")});
  ASSERT_TRUE(other.Ok());
  cli_.URL = other.Url("/echo", "localhost", "https");
  try {
    cli_.Get();
    FAIL() << "a certificate for other.test was accepted for localhost";
  } catch (const EHttpException& e) {
    EXPECT_EQ(e.Reason().rfind("TLS handshake failed: ", 0), 0u) << e.Reason();
    EXPECT_NE(e.Reason().find("host name"), std::string::npos) << e.Reason();
  }
  EXPECT_TRUE(stream_.data().isEmpty());
}

TEST_F(HttpsTest, RedirectionOverTls) {
  TrustTestAuthority();
  cli_.URL = server_->Url("/redirect-abs", "localhost", "https");
  cli_.Get();
  EXPECT_EQ(cli_.Location(), server_->Url("/echo", "localhost", "https"));
  EXPECT_EQ(stream_.data().left(20), "GET /echo HTTP/1.0\r\n");
}

// A redirection from https to plain http is refused, naming both addresses:
// the request (with its Referer) never goes out in the clear.
TEST_F(HttpsTest, ARedirectionToPlainHttpIsRefused) {
  TrustTestAuthority();
  drawlyze::testing::TestServer plain;
  ASSERT_TRUE(plain.Ok());
  const std::string to = plain.Url("/echo");
  cli_.Reference = "https://localhost";
  const std::string from = server_->Url("/redirect-to/" + to, "localhost", "https");
  cli_.URL = from;
  try {
    cli_.Get();
    FAIL() << "followed " << from << " to " << to;
  } catch (const EHttpException& e) {
    EXPECT_EQ(e.Reason(),
              "refused to follow the redirection from " + from + " to " + to + ": it leaves https for plain http");
    EXPECT_EQ(e.Status(), 302);
  }
  EXPECT_TRUE(stream_.data().isEmpty());
  // https to https is still followed.
  cli_.URL = server_->Url("/redirect-to/" + server_->Url("/echo", "localhost", "https"), "localhost", "https");
  cli_.Get();
  EXPECT_EQ(stream_.data().left(20), "GET /echo HTTP/1.0\r\n");
}

}  // namespace
}  // namespace drawlyze::http
