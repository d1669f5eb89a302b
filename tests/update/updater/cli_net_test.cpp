// drawlyze-cli get and update, run as a user runs them, against the local server.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "../http/test_server.h"

namespace drawlyze {
namespace {

struct CliRun {
  int status;
  QString out;
  QString err;
};

CliRun Cli(const QStringList& args) {
  QProcess p;
  p.start(QCoreApplication::applicationDirPath() + "/drawlyze-cli", args);
  p.waitForFinished(60000);
  return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()),
          QString::fromLocal8Bit(p.readAllStandardError())};
}

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class CliNetTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testing::EnsureCoreApp();
    served_ = new QTemporaryDir;
    QFile f(served_->filePath("loto3.txt"));
    f.open(QIODevice::WriteOnly);
    f.write("1 01.01.2011 Sat Day 4 9 1 x\r\n2 01.01.2011 Sat Eve 9 1 5 x\r\n");
    f.close();
    QFile r(served_->filePath("readme.txt"));
    r.open(QIODevice::WriteOnly);
    r.write("results\r\n");
    r.close();
    server_ = new testing::TestServer({"--root", served_->path()});
  }
  static void TearDownTestSuite() {
    delete server_;
    delete served_;
  }
  void SetUp() override { ASSERT_TRUE(server_->Ok()); }
  QString Url(const std::string& path) const { return QString::fromStdString(server_->Url(path)); }

  static inline QTemporaryDir* served_ = nullptr;
  static inline testing::TestServer* server_ = nullptr;
  QTemporaryDir dir;
};

TEST_F(CliNetTest, GetSavesTheBodyOrNothing) {
  const QString out = dir.filePath("out.bin");
  CliRun r = Cli({"get", Url("/nolength"), out});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(Read(out), "first part\r\nsecond part\r\n");

  r = Cli({"get", Url("/notfound"), dir.filePath("missing.bin")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.toStdString(), "drawlyze-cli: get: " + server_->Url("/notfound") + ": Not Found (status 404)\n");
  EXPECT_FALSE(QFile::exists(dir.filePath("missing.bin")));

  EXPECT_EQ(Cli({"get", Url("/echo")}).status, 2);
}

TEST_F(CliNetTest, UpdateInstallsAndReports) {
  QFile old(dir.filePath("3x10.txt"));
  old.open(QIODevice::WriteOnly);
  old.write("1 01.01.2011 Sat Day 4 9 1 x\r\n");
  old.close();

  CliRun r = Cli({"update", Url("/zip/readme.txt,loto3.txt"), "--folder", dir.path()});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, "readme.txt\nloto3.txt\n");
  EXPECT_TRUE(r.err.endsWith("loto3.txt installed as 3x10.txt, the previous draw file kept as 3x10.txt.bak\n"))
      << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("2 draws loaded from ")) << r.err.toStdString();

  r = Cli({"update", Url("/zip/readme.txt,loto3.txt"), "--mask", "*.dat", "--folder", dir.path()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Error - update failed: loto3.txt does not match the mask \"*.dat\" and was not extracted\n");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"3x10.txt", "3x10.txt.bak"}));

  EXPECT_EQ(Cli({"update"}).status, 2);
}

}  // namespace
}  // namespace drawlyze
