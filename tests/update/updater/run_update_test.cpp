// RunUpdate end to end: a local server serves ZIP archives built from the
// files below; the program's folder is a fresh temporary folder per test.
#include "update/updater/run_update.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>

#include "../http/test_server.h"

namespace drawlyze::updater {
namespace {

using drawlyze::testing::TestServer;
namespace fs = std::filesystem;

const char kOldDraws[] = "1 01.01.2011 Sat Day 4 9 1 x\r\n";
const char kNewDraws[] = "1 01.01.2011 Sat Day 4 9 1 x\r\n2 01.01.2011 Sat Eve 9 1 5 x\r\n";
const char kNewerDraws[] =
    "1 01.01.2011 Sat Day 4 9 1 x\r\n2 01.01.2011 Sat Eve 9 1 5 x\r\n3 02.01.2011 Sun Day 0 2 0 x\r\n";

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class RunUpdateTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    drawlyze::testing::EnsureCoreApp();
    served_ = new QTemporaryDir;
    WriteFile(served_->filePath("readme.txt"), "Pick 3 results, oldest draw first.\r\n");
    WriteFile(served_->filePath("loto3.txt"), kNewDraws);
    WriteFile(served_->filePath("loto3_new.txt"), kNewerDraws);
    server_ = new TestServer({"--root", served_->path()});
  }
  static void TearDownTestSuite() {
    delete server_;
    delete served_;
  }

  void SetUp() override {
    ASSERT_TRUE(server_->Ok());
    settings_.folder = folder_.path().toStdString();
    callbacks_.clearList = [this] { events_ += "clear;"; };
    callbacks_.onArchiveEntry = [this](int, const ZipReport& r) { reports_.push_back(r.status); };
    callbacks_.showMessage = [this](const std::string& text) { messages_.push_back(text); };
    callbacks_.loadDrawFile = [this](const std::string& path) { loaded_.push_back(path); };
  }

  UpdateResult Run(const std::string& path, const std::string& mask = "loto*.txt") {
    settings_.url = server_->Url(path);
    settings_.mask = mask;
    return RunUpdate(settings_, callbacks_);
  }
  QString InFolder(const QString& name) const { return folder_.filePath(name); }
  QStringList FolderFiles() const {
    QStringList names = QDir(folder_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    names.sort();
    return names;
  }

  static inline QTemporaryDir* served_ = nullptr;
  static inline TestServer* server_ = nullptr;
  QTemporaryDir folder_;
  UpdateSettings settings_;
  UpdateCallbacks callbacks_;
  std::string events_;
  std::vector<int> reports_;
  std::vector<std::string> messages_;
  std::vector<std::string> loaded_;
};

TEST_F(RunUpdateTest, InstallsTheChosenMemberAndKeepsBackups) {
  WriteFile(InFolder("3x10.txt"), kOldDraws);
  const auto before = fs::file_time_type::clock::now() - std::chrono::seconds(2);

  UpdateResult r = Run("/zip/readme.txt,loto3.txt");
  EXPECT_TRUE(r.installed);
  EXPECT_EQ(r.failure, "");
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(events_, "clear;");
  EXPECT_EQ(r.members, (std::vector<std::string>{"readme.txt", "loto3.txt"}));
  EXPECT_EQ(reports_, (std::vector<int>{kZipStatusListed, kZipStatusListed, kZipStatusEnd}));
  EXPECT_EQ(r.chosen, "loto3.txt");
  EXPECT_EQ(r.backupName, "3x10.txt.bak");
  EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kNewDraws);
  EXPECT_EQ(ReadFile(InFolder("3x10.txt.bak")), kOldDraws);
  // readme.txt does not match the mask; loto3.txt became the draw file; temp.zip is gone.
  EXPECT_EQ(FolderFiles(), (QStringList{"3x10.txt", "3x10.txt.bak"}));
  EXPECT_EQ(loaded_, (std::vector<std::string>{(fs::path(settings_.folder) / "3x10.txt").string()}));
  // The archive stores 2001; the installed file carries the time of the update.
  EXPECT_GE(fs::last_write_time(InFolder("3x10.txt").toStdString()), before);

  r = Run("/zip/readme.txt,loto3_new.txt");
  EXPECT_EQ(r.backupName, "3x10.txt[1].bak");
  EXPECT_EQ(ReadFile(InFolder("3x10.txt[1].bak")), kNewDraws);
  EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kNewerDraws);

  r = Run("/stored-zip/loto3.txt");
  EXPECT_EQ(r.backupName, "3x10.txt[2].bak");
  EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kNewDraws);
  EXPECT_EQ(FolderFiles(), (QStringList{"3x10.txt", "3x10.txt.bak", "3x10.txt[1].bak", "3x10.txt[2].bak"}));
  EXPECT_EQ(loaded_.size(), 3u);
}

TEST_F(RunUpdateTest, LaterLotoMemberWins) {
  const UpdateResult r = Run("/zip/loto3.txt,readme.txt,loto3_new.txt");
  EXPECT_EQ(r.chosen, "loto3_new.txt");
  EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kNewerDraws);
  // Both matched the mask; the one not chosen stays beside the draw file.
  EXPECT_EQ(ReadFile(InFolder("loto3.txt")), kNewDraws);
}

TEST_F(RunUpdateTest, NoDrawFileBeforeMeansNoBackup) {
  const UpdateResult r = Run("/zip/readme.txt,loto3.txt");
  EXPECT_TRUE(r.installed);
  EXPECT_EQ(r.backupName, "");
  EXPECT_EQ(FolderFiles(), (QStringList{"3x10.txt"}));
}

TEST_F(RunUpdateTest, MemberInAFolder) {
  WriteFile(InFolder("3x10.txt"), kOldDraws);
  const UpdateResult r = Run("/zip/readme.txt,data/loto3.txt", "*loto*.txt");
  EXPECT_TRUE(r.installed) << r.failure;
  EXPECT_EQ(r.chosen, "data\\loto3.txt");
  EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kNewDraws);
}

TEST_F(RunUpdateTest, EveryFailureLeavesTheDrawFile) {
  struct Case {
    std::string url;
    std::string mask;
    std::string message;
  };
  const std::string refused = "http://127.0.0.1:" + std::to_string(drawlyze::testing::RefusedPort()) + "/";
  const Case cases[] = {
      {server_->Url("/files/missing.zip"), "loto*.txt", "Error - update failed: the server answered 404 Not Found"},
      {refused, "loto*.txt", "Error - update failed: Connection refused (Error #111)"},
      {"", "loto*.txt", "Error - update failed: DNS lookup: invalid host name."},
      {server_->Url("/stall"), "loto*.txt",
       "Error - update failed: Connection timed out: the server sent nothing for 300 ms"},
      {server_->Url("/files/readme.txt"), "loto*.txt",
       "Error - update failed: the download from " + server_->Url("/files/readme.txt") +
           " is not a readable archive: the file is not a ZIP archive"},
      {server_->Url("/zip/readme.txt"), "loto*.txt",
       "Error - update failed: the archive holds no file whose name contains \"loto\""},
      {server_->Url("/zip/readme.txt,loto3.txt"), "*.dat",
       "Error - update failed: loto3.txt does not match the mask \"*.dat\" and was not extracted"},
  };
  settings_.timeoutMs = 300;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.url + " " + c.mask);
    messages_.clear();
    WriteFile(InFolder("3x10.txt"), kOldDraws);
    WriteFile(InFolder("temp.zip"), "left over from an interrupted update");
    settings_.url = c.url;
    settings_.mask = c.mask;
    const UpdateResult r = RunUpdate(settings_, callbacks_);
    EXPECT_FALSE(r.installed);
    EXPECT_EQ(r.failure, c.message);
    EXPECT_EQ(messages_, std::vector<std::string>{c.message});
    EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kOldDraws);
    EXPECT_EQ(FolderFiles(), QStringList{"3x10.txt"});
    EXPECT_TRUE(loaded_.empty());
  }
}

TEST_F(RunUpdateTest, DrawFileStaysWhenNoBackupNameIsFree) {
  WriteFile(InFolder("3x10.txt"), kOldDraws);
  WriteFile(InFolder("3x10.txt.bak"), "");
  for (int n = 1; n <= 9999; ++n) WriteFile(InFolder(QString("3x10.txt[%1].bak").arg(n)), "");
  const UpdateResult r = Run("/zip/loto3.txt");
  EXPECT_FALSE(r.installed);
  EXPECT_EQ(r.failure, "Error - update failed: 3x10.txt could not be kept as a backup; it stays in place");
  EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kOldDraws);
  EXPECT_FALSE(QFileInfo::exists(InFolder("temp.zip")));
}

}  // namespace
}  // namespace drawlyze::updater
