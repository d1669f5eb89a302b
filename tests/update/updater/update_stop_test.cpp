// drawlyze-cli update stopped (Ctrl+C, kill) while it converts a long results
// export: it ends at the importer's next rows, the folder as it was.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <iostream>

#include "../http/test_server.h"

namespace drawlyze {
namespace {

TEST(UpdateStop, AStopDuringTheConversionLeavesTheFolderAsItWas) {
  testing::EnsureCoreApp();
  QTemporaryDir served;
  {
    // Three million rows of one draw: seconds of conversion for one draw kept.
    QFile csv(served.filePath("long.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    QByteArray rows = "Draw Date,Midday Daily #\r\n";
    for (int i = 0; i < 3'000'000; ++i) rows += "01/13/2011,123\r\n";
    csv.write(rows);
  }
  testing::TestServer server({"--root", served.path()});
  ASSERT_TRUE(server.Ok());
  QTemporaryDir dir;
  const QByteArray old = "1 01.01.2011 Sat Day 4 9 1 x\r\n";
  {
    QFile f(dir.filePath("3x10.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(old);
  }
  const auto entries = [&] { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); };
  for (const int sig : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(sig);
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + "/drawlyze-cli",
            {"update", QString::fromStdString(server.Url("/files/long.csv")), "--folder", dir.path()});
    ASSERT_TRUE(p.waitForStarted());
    // The download is whole once temp.zip is there; the conversion follows.
    for (int i = 0; i < 1000 && !entries().contains("temp.zip"); ++i) QThread::msleep(5);
    ASSERT_TRUE(entries().contains("temp.zip"));
    QElapsedTimer stopping;
    stopping.start();
    ::kill(static_cast<pid_t>(p.processId()), sig);
    ASSERT_TRUE(p.waitForFinished(20000));
    std::cout << "stopped " << stopping.elapsed() << " ms after the signal\n";
    EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(entries(), QStringList{"3x10.txt"});
    QFile f(dir.filePath("3x10.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), old);
  }
}

}  // namespace
}  // namespace drawlyze
