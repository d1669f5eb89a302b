// drawlyze-cli get and update, run as a user runs them, against the local
// server; and zip list on what a user may hand it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <functional>

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

// Waits (10 s at most) until `done` holds, woken by each change of the folder
// rather than polling it on a clock; false when it never held.
bool WaitForFolder(const QString& folder, const std::function<bool()>& done) {
  QFileSystemWatcher watcher({folder});
  QSignalSpy changed(&watcher, &QFileSystemWatcher::directoryChanged);
  const QDeadlineTimer deadline(10000);
  while (!done())
    if (deadline.hasExpired() || !changed.wait(static_cast<int>(deadline.remainingTime()))) return done();
  return true;
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
    QFile csv(served_->filePath("rows.csv"));
    csv.open(QIODevice::WriteOnly);
    csv.write("Draw Date,Midday Daily #,Evening Daily #\r\n01/13/2011,123,456\r\n");
    csv.close();
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
  EXPECT_EQ(r.err.toStdString(), "Error - " + server_->Url("/notfound") + ": the server answered 404 Not Found\n");
  EXPECT_FALSE(QFile::exists(dir.filePath("missing.bin")));

  EXPECT_EQ(Cli({"get", Url("/echo")}).status, 2);
}

// A cut or refused download never replaces the file; a full disk is a failure.
TEST_F(CliNetTest, GetFailuresLeaveTheFileAlone) {
  const QString out = dir.filePath("out.bin");
  QFile old(out);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("the previous download");
  old.close();
  for (const char* path : {"/short-body", "/cut-header", "/no-status", "/status/206"}) {
    SCOPED_TRACE(path);
    // The password of the URL is not written where logs keep it.
    const CliRun r = Cli({"get", QString::fromStdString(server_->Url(path, "name:word@127.0.0.1")), out});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.startsWith("Error - " + Url(path) + ": ")) << r.err.toStdString();
    EXPECT_EQ(Read(out), "the previous download");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.bin"});
  }
  // A disk that takes 1 KiB at most (a file size limit, its signal ignored).
  QProcess limited;
  limited.start("sh", {"-c", "ulimit -f 1; trap '' XFSZ; exec \"$0\" \"$@\"",
                       QCoreApplication::applicationDirPath() + "/drawlyze-cli", "get", Url("/endless"), out});
  ASSERT_TRUE(limited.waitForFinished(60000));
  EXPECT_EQ(limited.exitCode(), 1);
  const QByteArray err = limited.readAllStandardError();
  EXPECT_TRUE(err.contains(": the received data cannot be written: ")) << err.toStdString();
  EXPECT_EQ(Read(out), "the previous download");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.bin"});
}

// What the server says reaches the terminal escaped; a download the user
// stops (Ctrl+C, kill) leaves no partial file behind.
TEST_F(CliNetTest, GetEscapesTheServersWordsAndLeavesNothingWhenStopped) {
  const CliRun r = Cli({"get", Url("/reason-esc"), dir.filePath("out.bin")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.toStdString(),
            "Error - " + server_->Url("/reason-esc") + ": the server answered 500 Bad\\x1B]0;owned\\x07\\x1B[2J\n");

  for (const int sig : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(sig);
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + "/drawlyze-cli", {"get", Url("/drip"), dir.filePath("out.bin")});
    ASSERT_TRUE(p.waitForStarted());
    EXPECT_TRUE(
        WaitForFolder(dir.path(), [&] { return !QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty(); }));
    ::kill(static_cast<pid_t>(p.processId()), sig);
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString(), "");
  }
}

// An update the user stops (Ctrl+C, kill) ends as the window's Close ends it:
// the draw file as it was, no working folder, no temp.zip; then the process
// stops by that signal.
TEST_F(CliNetTest, AStoppedUpdateLeavesTheFolderAsItWas) {
  QFile old(dir.filePath("3x10.txt"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("1 01.01.2011 Sat Day 4 9 1 x\r\n");
  old.close();
  for (const int sig : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(sig);
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + "/drawlyze-cli", {"update", Url("/drip"), "--folder", dir.path()});
    ASSERT_TRUE(p.waitForStarted());
    const auto entries = [&] {
      return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    EXPECT_TRUE(WaitForFolder(dir.path(), [&] { return entries().size() >= 2; }));
    ::kill(static_cast<pid_t>(p.processId()), sig);
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(entries(), QStringList{"3x10.txt"});
    EXPECT_EQ(Read(dir.filePath("3x10.txt")), "1 01.01.2011 Sat Day 4 9 1 x\r\n");
  }
}

TEST_F(CliNetTest, ZipListEscapesNamesAndRefusesWhatIsNoFile) {
  QProcess python;
  python.start("python3", {"-c",
                           "import sys, zipfile\n"
                           "with zipfile.ZipFile(sys.argv[1], 'w') as z:\n"
                           "  z.writestr('evil\\x1b[2Jname.txt', 'x')\n"
                           "  z.writestr('c1\\u009b\\u00e9.txt', 'x')\n",
                           dir.filePath("esc.zip")});
  ASSERT_TRUE(python.waitForFinished(30000));
  CliRun r = Cli({"zip", "list", dir.filePath("esc.zip")});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(
      r.out.startsWith("-1001\tevil\\x1B[2Jname.txt\t1\t1\t0\t0%\n"
                       "-1001\tc1\\xC2\\x9B\u00e9.txt\t1\t1\t0\t0%\n"))
      << r.out.toStdString();

  const QString fifo = dir.filePath("fifo.zip");
  ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  for (const char* sub : {"list", "extract"}) {
    QStringList args{"zip", sub, fifo};
    if (QString(sub) == "extract") args << dir.filePath("out");
    r = Cli(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "drawlyze-cli: zip: " + fifo + " is not a regular file\n");
  }
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
  EXPECT_EQ(r.err, "Error - loto3.txt: it does not match the mask \"*.dat\" and was not extracted\n");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"3x10.txt", "3x10.txt.bak"}));

  EXPECT_EQ(Cli({"update"}).status, 2);

  // A results export goes through the importer; its summary comes first.
  r = Cli({"update", Url("/files/rows.csv?accessType=DOWNLOAD"), "--folder", dir.path()});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, "rows.csv\n");
  EXPECT_TRUE(r.err.contains("draws: 2, first 13.01.2011, last 13.01.2011\n")) << r.err.toStdString();
  EXPECT_TRUE(r.err.endsWith("rows.csv installed as 3x10.txt, the previous draw file kept as 3x10.txt[1].bak\n"));
  EXPECT_EQ(Read(dir.filePath("3x10.txt")),
            QByteArray("1 13.01.2011 Thu Mid 1 2 3 x\r\n2 13.01.2011 Thu Eve 4 5 6 x\r\n"));
}

// The command line cannot ask: an older or shorter draw file needs --force.
TEST_F(CliNetTest, UpdateInstallsAnOlderDrawFileOnlyWithForce) {
  QFile current(dir.filePath("3x10.txt"));
  ASSERT_TRUE(current.open(QIODevice::WriteOnly));
  current.write("1 01.01.2011 a b 1 1 1 x\r\n2 05.01.2011 a b 2 2 2 x\r\n");
  current.close();
  CliRun r = Cli({"update", Url("/zip/loto3.txt"), "--folder", dir.path()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "Error - loto3.txt is older than the current draw file (new: 2 draws, newest 01.01.2011; "
            "current: 2 draws, newest 05.01.2011); the current draw file is kept\n"
            "drawlyze-cli: update: --force installs it all the same\n");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"3x10.txt"});
  r = Cli({"update", Url("/zip/loto3.txt"), "--folder", dir.path(), "--force"});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.endsWith("loto3.txt installed as 3x10.txt, the previous draw file kept as 3x10.txt.bak\n"));
}

}  // namespace
}  // namespace drawlyze
