// RunUpdate end to end: a local server serves ZIP archives built from the
// files below; the program's folder is a fresh temporary folder per test.
#include "update/updater/run_update.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "../http/test_server.h"
#include "../zip/zip_test_util.h"
#include "update/updater/install_files.h"

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

// A crafted archive in the served folder.
void WriteArchive(const QTemporaryDir& dir, const char* name, const std::vector<ziptest::Member>& members) {
  ziptest::WriteBytes((dir.path() + "/" + name).toStdString(), ziptest::BuildZip({.members = members}));
}

ziptest::Member Stored(const std::string& name, const std::string& text) {
  return {.name = name, .data = ziptest::ToBytes(text), .method = 0};
}

// A New York style export of days evening draws from 02.09.1980 on (with a
// midday draw too on every day past the first third), newest row first.
QByteArray LongExport(int days) {
  QByteArray text = "Draw Date,Midday Daily #,Evening Daily #,Midday Win 4 #\r\n";
  const QDate first(1980, 9, 2);
  for (int k = days - 1; k >= 0; --k) {
    const QString midday = k >= days / 3 ? QString::number((k * 7) % 1000) : QString();
    text += first.addDays(k).toString("MM/dd/yyyy").toLatin1() + ',' + midday.toLatin1() + ',' +
            QByteArray::number((k * 13) % 1000) + ",1234\r\n";
  }
  return text;
}

// The failure as both front ends word it; empty on success.
std::string Text(const UpdateResult& r) { return r.failure ? ErrorText(*r.failure) : std::string(); }

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
    // Archives that no tool would make, or whose draw file is none.
    WriteArchive(*served_, "intruders.zip",
                 {Stored("3x10.txt", "garbage"), Stored("3x10.txt.bak", "garbage"), Stored("loto3.txt", kNewDraws)});
    WriteArchive(*served_, "folder.zip", {Stored("loto3.txt", kNewDraws), Stored("loto3.txt/", "")});
    WriteArchive(*served_, "empty.zip", {Stored("loto3.txt", "")});
    WriteArchive(*served_, "random.zip", {{.name = "loto3.txt", .data = ziptest::RandomText(5000, 7)}});
    WriteArchive(*served_, "oneline.zip", {Stored("loto3.txt", "Pick 3 results will be back soon\r\n")});
    WriteArchive(*served_, "mostly_bad.zip",
                 {Stored("loto3.txt", "1 01.01.2011 Sat Day 4 9 1 x\r\nnot a draw\r\nnor this\r\n")});
    // Results exports, the one shape the Updater meets most.
    WriteFile(served_->filePath("ny.csv"),
              "Draw Date,Midday Daily #,Evening Daily #,Midday Win 4 #\r\n"
              "01/13/2021,7,945,0123\r\n01/12/2021,812,120,5555\r\n");
    WriteFile(served_->filePath("long.csv"), LongExport(15000));
    WriteFile(served_->filePath("header_only.csv"), "Draw Date,Midday Daily #,Evening Daily #\r\n");
    WriteFile(served_->filePath("no_dates.csv"), "Name,Result\r\nBob,123\r\n");
    WriteFile(served_->filePath("unclear.csv"), "Date,First,Second\r\n2020-04-03,123,456\r\n");
    WriteArchive(*served_, "loto3_txt.zip", {Stored("loto3.txt", kNewDraws)});
    WriteArchive(*served_, "newlines.zip",
                 {{.name = "loto3.txt", .data = ziptest::Bytes((64u << 20) + 1, '\n')}});  // 65 KiB packed
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
    callbacks_.showFailure = [this](const Error& failure) { messages_.push_back(ErrorText(failure)); };
    callbacks_.loadDrawFile = [this](const std::string& path) { loaded_.push_back(path); };
  }

  UpdateResult Run(const std::string& path, const std::string& mask = "loto*.txt") {
    settings_.url = server_->Url(path);
    settings_.mask = mask;
    return RunUpdate(settings_, callbacks_);
  }
  QString InFolder(const QString& name) const { return folder_.filePath(name); }
  // Everything in the folder, hidden working folders included.
  QStringList FolderFiles() const {
    QStringList names =
        QDir(folder_.path()).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
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
  EXPECT_EQ(Text(r), "");
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

  // Older than the draw file now in place: installed once the user agrees.
  std::vector<std::string> questions;
  callbacks_.confirmReplace = [&](const std::string& question) {
    questions.push_back(question);
    return true;
  };
  r = Run("/stored-zip/loto3.txt");
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_EQ(r.backupName, "3x10.txt[2].bak");
  EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kNewDraws);
  EXPECT_EQ(FolderFiles(), (QStringList{"3x10.txt", "3x10.txt.bak", "3x10.txt[1].bak", "3x10.txt[2].bak"}));
  EXPECT_EQ(loaded_.size(), 3u);
}

TEST_F(RunUpdateTest, LaterLotoMemberWins) {
  const UpdateResult r = Run("/zip/loto3.txt,readme.txt,loto3_new.txt");
  EXPECT_EQ(r.chosen, "loto3_new.txt");
  EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kNewerDraws);
  // Both matched the mask; only the chosen one is installed, nothing else is left.
  EXPECT_EQ(FolderFiles(), QStringList{"3x10.txt"});
}

// Members named like the draw file or a backup, with a mask that matches
// them all: they never reach the folder; the real history becomes the backup.
TEST_F(RunUpdateTest, NoMemberButTheChosenOneReachesTheFolder) {
  WriteFile(InFolder("3x10.txt"), kOldDraws);
  WriteFile(InFolder("3x10.txt.bak"), "an older backup");
  const UpdateResult r = Run("/files/intruders.zip", "*.*");
  EXPECT_TRUE(r.installed) << Text(r);
  EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kNewDraws);
  EXPECT_EQ(ReadFile(InFolder("3x10.txt.bak")), "an older backup");
  EXPECT_EQ(ReadFile(InFolder("3x10.txt[1].bak")), kOldDraws);
  EXPECT_EQ(FolderFiles(), (QStringList{"3x10.txt", "3x10.txt.bak", "3x10.txt[1].bak"}));
}

// A "temp.zip" that is a link is replaced, never written through.
TEST_F(RunUpdateTest, ATempZipLinkIsNotFollowed) {
  QTemporaryDir elsewhere;
  WriteFile(elsewhere.filePath("victim"), "not yours");
  ASSERT_TRUE(QFile::link(elsewhere.filePath("victim"), InFolder("temp.zip")));
  const UpdateResult r = Run("/zip/loto3.txt");
  EXPECT_TRUE(r.installed) << Text(r);
  EXPECT_EQ(ReadFile(elsewhere.filePath("victim")), "not yours");
  EXPECT_EQ(FolderFiles(), QStringList{"3x10.txt"});
}

// Older than the current draw file, or fewer than half its draws: only the
// user's "Yes" installs it; without anybody to ask it is refused.
TEST_F(RunUpdateTest, AnOlderOrShorterDrawFileNeedsTheUsersYes) {
  const std::string source = "from " + server_->Url("/zip/loto3.txt");
  const std::string currentFile = InFolder("3x10.txt").toStdString();
  const std::string question =
      "loto3.txt is older than the current draw file and has fewer than half the draws of the current draw file.\n"
      "new: 2 draws of 01.01.2011, " +
      source +
      "\n"
      "current: 5 draws from 01.01.2011 to 03.01.2011, " +
      currentFile +
      "\n"
      "Replace the current draw file with it?";
  const QByteArray current = QByteArray(kNewerDraws) + "4 02.01.2011 a b 1 1 1 x\r\n5 03.01.2011 a b 2 2 2 x\r\n";
  struct Case {
    int answer;  // -1: nobody to ask
    bool installed;
    std::string failure;
    std::vector<std::string> messages;
  };
  const std::string refused =
      "Error - loto3.txt is older than the current draw file and has fewer than half the draws of the "
      "current draw file (new: 2 draws of 01.01.2011, " +
      source + "; current: 5 draws from 01.01.2011 to 03.01.2011, " + currentFile + "); the current draw file is kept";
  const Case cases[] = {
      {-1, false, refused, {refused}},
      {0, false, "Error - the current draw file is kept", {}},
      {1, true, "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    WriteFile(InFolder("3x10.txt"), current);
    QFile::remove(InFolder("3x10.txt.bak"));
    messages_.clear();
    std::vector<std::string> asked;
    callbacks_.confirmReplace = nullptr;
    if (c.answer >= 0)
      callbacks_.confirmReplace = [&](const std::string& q) {
        asked.push_back(q);
        return c.answer == 1;
      };
    const UpdateResult r = Run("/zip/loto3.txt");
    EXPECT_EQ(r.installed, c.installed);
    EXPECT_EQ(Text(r), c.failure);
    EXPECT_EQ(r.needsConfirmation, !c.installed);
    EXPECT_EQ(messages_, c.messages);
    EXPECT_EQ(asked, c.answer >= 0 ? std::vector<std::string>{question} : std::vector<std::string>{});
    EXPECT_EQ(ReadFile(InFolder("3x10.txt")), c.installed ? QByteArray(kNewDraws) : current);
    const QStringList left = c.installed ? QStringList{"3x10.txt", "3x10.txt.bak"} : QStringList{"3x10.txt"};
    EXPECT_EQ(FolderFiles(), left);
  }
}

// Newer and longer, but other digits on the day both hold: another game's
// history, installed only with a Yes; a No leaves every file as it was.
TEST_F(RunUpdateTest, AnotherGamesHistoryNeedsTheUsersYes) {
  const QByteArray current = "1 01.01.2011 Sat Day 1 2 3 x\r\n2 01.01.2011 Sat Eve 4 5 6 x\r\n";
  WriteFile(InFolder("3x10.txt"), current);
  WriteFile(InFolder("3x10.txt.bak"), kOldDraws);
  const auto snapshot = [this] {
    std::vector<std::pair<QString, QByteArray>> files;
    for (const QString& name : FolderFiles()) files.emplace_back(name, ReadFile(InFolder(name)));
    return files;
  };
  const auto before = snapshot();
  std::vector<std::string> asked;
  bool answer = false;
  callbacks_.confirmReplace = [&](const std::string& question) {
    asked.push_back(question);
    return answer;
  };
  UpdateResult r = Run("/zip/loto3_new.txt");
  EXPECT_FALSE(r.installed);
  EXPECT_TRUE(r.needsConfirmation);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(
      asked[0],
      "loto3_new.txt disagrees with the current draw file on 2 of the 2 draws both hold (01.01.2011 Mid: 491, the "
      "current file 123): it is probably another game's history.\n"
      "new: 3 draws from 01.01.2011 to 02.01.2011, from " +
          server_->Url("/zip/loto3_new.txt") +
          "\n"
          "current: 2 draws of 01.01.2011, " +
          InFolder("3x10.txt").toStdString() +
          "\n"
          "Replace the current draw file with it?");
  EXPECT_EQ(snapshot(), before);
  EXPECT_TRUE(messages_.empty());

  answer = true;
  r = Run("/zip/loto3_new.txt");
  EXPECT_TRUE(r.installed) << Text(r);
  EXPECT_EQ(r.backupName, "3x10.txt[1].bak");
  EXPECT_EQ(ReadFile(InFolder("3x10.txt[1].bak")), current);
}

// A program folder whose name holds a "\": the working folder stays inside it.
TEST_F(RunUpdateTest, AProgramFolderWithABackslashInItsName) {
  ASSERT_TRUE(QDir(folder_.path()).mkdir("draws\\2024"));
  settings_.folder = InFolder("draws\\2024").toStdString();
  WriteFile(InFolder("draws\\2024/3x10.txt"), kOldDraws);
  const UpdateResult r = Run("/zip/loto3.txt");
  EXPECT_TRUE(r.installed) << Text(r);
  EXPECT_EQ(ReadFile(InFolder("draws\\2024/3x10.txt")), kNewDraws);
  EXPECT_EQ(FolderFiles(), QStringList{"draws\\2024"});
}

// A second update in the same folder is refused; it leaves the first one's
// working folder alone instead of removing it as a killed update's.
TEST_F(RunUpdateTest, OneUpdateAtATimeInAFolder) {
  WriteFile(InFolder("3x10.txt"), kOldDraws);
  ASSERT_TRUE(QDir(folder_.path()).mkdir(".drawlyze-update-running"));
  WriteFile(InFolder("temp.zip"), "the running update's download");
  {
    const FolderLock running(folder_.path().toStdString());
    ASSERT_TRUE(running.Ok());
    const UpdateResult r = Run("/zip/loto3.txt");
    EXPECT_FALSE(r.installed);
    EXPECT_EQ(Text(r), "Error - another update is running in " + folder_.path().toStdString());
    EXPECT_EQ(FolderFiles(), (QStringList{".drawlyze-update-running", "3x10.txt", "temp.zip"}));
    // The import window's save waits for the update too.
    const SavedDrawFile saved = SaveDrawFile(folder_.path().toStdString(), "3x10.txt", kNewDraws);
    EXPECT_FALSE(saved.saved);
    EXPECT_EQ(saved.failure,
              "another update is running in " + folder_.path().toStdString() + "; 3x10.txt stays as it is");
    EXPECT_EQ(FolderFiles(), (QStringList{".drawlyze-update-running", "3x10.txt", "temp.zip"}));
    EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kOldDraws);
  }
  const UpdateResult r = Run("/zip/loto3.txt");  // the lock went with the first update
  EXPECT_TRUE(r.installed) << Text(r);
  EXPECT_EQ(FolderFiles(), (QStringList{"3x10.txt", "3x10.txt.bak"}));
}

// A draw file that is no regular file is never replaced: the update is
// refused and it stays; the import window's save writes straight into a FIFO
// (no backup) and refuses a folder.
TEST_F(RunUpdateTest, ADrawFileThatIsNoRegularFileStays) {
  const std::string draw = InFolder("3x10.txt").toStdString();
  const struct {
    const char* what;
    std::function<void()> make;
    std::string why;
  } cases[] = {
      {"fifo", [&] { ASSERT_EQ(::mkfifo(draw.c_str(), 0600), 0); }, "it is no regular file"},
      {"folder", [&] { std::filesystem::create_directories(draw + "/inside"); }, "it is a folder, not a file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(draw);
    c.make();
    const auto kind = std::filesystem::symlink_status(draw).type();
    const UpdateResult r = Run("/zip/loto3.txt");
    EXPECT_FALSE(r.installed);
    EXPECT_EQ(Text(r), "Error - 3x10.txt: " + c.why + "; it stays as it is");
    EXPECT_EQ(std::filesystem::symlink_status(draw).type(), kind);
    EXPECT_EQ(FolderFiles(), QStringList{"3x10.txt"});
  }
  const SavedDrawFile refused = SaveDrawFile(folder_.path().toStdString(), "3x10.txt", kNewDraws);
  EXPECT_FALSE(refused.saved);
  EXPECT_EQ(refused.failure,
            "3x10.txt cannot be written in " + folder_.path().toStdString() + ": it is a folder, not a file");
  std::filesystem::remove_all(draw);
  ASSERT_EQ(::mkfifo(draw.c_str(), 0600), 0);
  std::string got;
  std::thread reader([&] {
    std::ifstream in(draw, std::ios::binary);
    got.assign(std::istreambuf_iterator<char>(in), {});
  });
  const SavedDrawFile saved = SaveDrawFile(folder_.path().toStdString(), "3x10.txt", kNewDraws);
  reader.join();
  EXPECT_TRUE(saved.saved) << saved.failure;
  EXPECT_EQ(saved.backupName, "");
  EXPECT_EQ(got, kNewDraws);
  EXPECT_TRUE(std::filesystem::is_fifo(draw));
  EXPECT_EQ(FolderFiles(), QStringList{"3x10.txt"});
}

// A results export goes through the importer with the columns it proposes,
// then the same check and install. A history longer than the 10,000 draws the
// program loads is installed whole; the check counts all its draws.
TEST_F(RunUpdateTest, InstallsAResultsExport) {
  WriteFile(InFolder("3x10.txt"), "1 12.01.2021 Tue Mid 8 1 2 x\r\n");  // the export's first draw
  UpdateResult r = Run("/files/ny.csv?accessType=DOWNLOAD");
  EXPECT_TRUE(r.installed) << Text(r);
  EXPECT_TRUE(r.fromExport);
  EXPECT_EQ(r.chosen, "ny.csv");
  EXPECT_EQ(r.members, std::vector<std::string>{"ny.csv"});
  EXPECT_EQ(r.backupName, "3x10.txt.bak");
  EXPECT_EQ(
      ReadFile(InFolder("3x10.txt")),
      QByteArray("1 12.01.2021 Tue Mid 8 1 2 x\r\n2 12.01.2021 Tue Eve 1 2 0 x\r\n3 13.01.2021 Wed Mid 0 0 7 x\r\n"
                 "4 13.01.2021 Wed Eve 9 4 5 x\r\n"));
  EXPECT_EQ(FolderFiles(), (QStringList{"3x10.txt", "3x10.txt.bak"}));
  EXPECT_EQ(loaded_.size(), 1u);

  // Other digits on the days of the four draws: installed only with a Yes.
  std::vector<std::string> asked;
  callbacks_.confirmReplace = [&asked](const std::string& question) {
    asked.push_back(question);
    return true;
  };
  r = Run("/files/long.csv");
  callbacks_.confirmReplace = nullptr;
  EXPECT_TRUE(r.installed) << Text(r);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].substr(0, asked[0].find('(')),
            "long.csv disagrees with the current draw file on 4 of the 4 draws both hold ");
  EXPECT_EQ(r.installedFacts.draws, 25000);
  EXPECT_EQ(r.installedFacts.newestDate, "26.09.2021");
  EXPECT_EQ(ParseDrawFile(ReadFile(InFolder("3x10.txt")).toStdString()).ValidLineCount(), 25000);
  EXPECT_EQ(SuccessMessage(r, 10000, "26.09.2021"),
            "Update done: 10000 draws loaded (the newest of the 25000 in the file), the newest drawn on 26.09.2021.\n"
            "512 new draws came.\n"  // after the current file's newest day
            "The previous draw file is kept as 3x10.txt[1].bak.");

  // Four draws after 25,000: older and far shorter, so only a Yes installs it.
  r = Run("/files/ny.csv");
  EXPECT_FALSE(r.installed);
  EXPECT_TRUE(r.needsConfirmation);
  EXPECT_EQ(Text(r).substr(0, Text(r).find(" (")),
            "Error - ny.csv is older than the current draw file, has fewer than half the draws of the "
            "current draw file and disagrees with the current draw file on 4 of the 4 draws both hold");
}

// An address ending in "/" is a results directory: its archive is fetched.
TEST_F(RunUpdateTest, ADirectoryAddressGetsTheArchiveName) {
  const UpdateResult r = Run("/files/");
  EXPECT_TRUE(r.installed) << Text(r);
  EXPECT_EQ(r.chosen, "loto3.txt");
  EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kNewDraws);
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
  EXPECT_TRUE(r.installed) << Text(r);
  EXPECT_EQ(r.chosen, "data\\loto3.txt");
  EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kNewDraws);
}

TEST_F(RunUpdateTest, EveryFailureLeavesTheDrawFile) {
  struct Case {
    std::string url;
    std::string mask;
    std::string message;
    int deadlineMs = kUpdateDeadlineMs;
  };
  const std::string refused = "http://127.0.0.1:" + std::to_string(drawlyze::testing::RefusedPort()) + "/";
  const Case cases[] = {
      {server_->Url("/files/missing.zip"), "loto*.txt",
       "Error - " + server_->Url("/files/missing.zip") + ": the server answered 404 Not Found"},
      // An address ending in "/" had the archive's name added: the message says so.
      {refused, "loto*.txt",
       "Error - " + refused +
           "loto3_txt.zip: Connection refused (Error #111) (loto3_txt.zip was added to the address, which ends in "
           "\"/\")"},
      {"", "loto*.txt", "Error - the address names no host (DNS lookup: invalid host name.)"},
      {server_->Url("/stall"), "loto*.txt",
       "Error - " + server_->Url("/stall") + ": Connection timed out: the server sent nothing for 300 ms"},
      {server_->Url("/files/readme.txt"), "loto*.txt",
       "Error - " + server_->Url("/files/readme.txt") +
           ": the download is neither a ZIP archive nor a results export (no rows)"},
      // The password of the URL is not shown (nor, on the command line, written to a log).
      {server_->Url("/files/readme.txt", "name:word@127.0.0.1"), "loto*.txt",
       "Error - " + server_->Url("/files/readme.txt") +
           ": the download is neither a ZIP archive nor a results export (no rows)"},
      // Results exports without a draw, or whose columns need the user.
      {server_->Url("/files/header_only.csv"), "loto*.txt",
       "Error - " + server_->Url("/files/header_only.csv") +
           ": the download is neither a ZIP archive nor a results export (no rows)"},
      {server_->Url("/files/no_dates.csv"), "loto*.txt",
       "Error - " + server_->Url("/files/no_dates.csv") +
           ": the download is neither a ZIP archive nor a results export (no column holds dates)"},
      {server_->Url("/files/unclear.csv?accessType=DOWNLOAD"), "loto*.txt",
       "Error - unclear.csv: the columns are unclear: \"First\" and \"Second\" both hold results "
       "and their headers do not say which is midday; choose the result columns in the import window (fetch the file "
       "with drawlyze-cli get '" +
           server_->Url("/files/unclear.csv?accessType=DOWNLOAD") +
           "' unclear.csv, then open it with Ctrl+O) or with drawlyze-cli import"},
      {server_->Url("/zip/readme.txt"), "loto*.txt",
       "Error - " + server_->Url("/zip/readme.txt") + ": the archive holds no file whose name contains \"loto\""},
      {server_->Url("/zip/readme.txt,loto3.txt"), "*.dat",
       "Error - loto3.txt: it does not match the mask \"*.dat\" and was not extracted"},
      // Downloads that are not whole, not a plain success, or never end.
      {server_->Url("/short-body"), "loto*.txt",
       "Error - " + server_->Url("/short-body") + ": the connection closed after 500 of 17000 bytes of the document"},
      {server_->Url("/cut-header"), "loto*.txt",
       "Error - " + server_->Url("/cut-header") + ": the connection closed inside the response header"},
      {server_->Url("/no-status"), "loto*.txt",
       "Error - " + server_->Url("/no-status") + ": the server sent no HTTP/1.x status line"},
      {server_->Url("/status/206"), "loto*.txt",
       "Error - " + server_->Url("/status/206") +
           ": the server answered 206 Custom Reason: a part of the document only"},
      {server_->Url("/status/301"), "loto*.txt",
       "Error - " + server_->Url("/status/301") +
           ": the server answered 301 Custom Reason without a location to follow"},
      {server_->Url("/continue-only"), "loto*.txt",
       "Error - " + server_->Url("/continue-only") + ": the server answered 100 Continue without a final response"},
      {server_->Url("/redirect-to/file:///etc/passwd"), "loto*.txt",
       "Error - " + server_->Url("/redirect-to/file:///etc/passwd") +
           ": refused to follow the redirection to file:///etc/passwd: only http and https are followed"},
      {server_->Url("/huge-length"), "loto*.txt",
       "Error - " + server_->Url("/huge-length") + ": the document is larger than 64 MiB"},
      {server_->Url("/endless"), "loto*.txt",
       "Error - " + server_->Url("/endless") + ": the document is larger than 64 MiB"},
      {server_->Url("/many-headers"), "loto*.txt",
       "Error - " + server_->Url("/many-headers") + ": HTTP header too long (more than 64 KiB)"},
      {server_->Url("/drip"), "loto*.txt",
       "Error - " + server_->Url("/drip") + ": Connection timed out: the download took longer than 1 s", 1000},
      // Archives whose chosen member is no draw file.
      {server_->Url("/files/folder.zip"), "loto*", "Error - loto3.txt\\: it is a folder, not a draw file"},
      {server_->Url("/files/empty.zip"), "loto*.txt", "Error - loto3.txt holds no valid draw"},
      {server_->Url("/files/random.zip"), "loto*.txt", "Error - loto3.txt holds no valid draw"},
      {server_->Url("/files/oneline.zip"), "loto*.txt", "Error - loto3.txt holds no valid draw"},
      {server_->Url("/files/mostly_bad.zip"), "loto*.txt",
       "Error - loto3.txt has more incorrect lines (2) than draws (1)"},
      {server_->Url("/files/newlines.zip"), "loto*.txt", "Error - loto3.txt is larger than 64 MiB: it is no draw file"},
  };
  settings_.timeoutMs = 300;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.url + " " + c.mask);
    messages_.clear();
    WriteFile(InFolder("3x10.txt"), kOldDraws);
    WriteFile(InFolder("temp.zip"), "left over from an interrupted update");
    settings_.url = c.url;
    settings_.mask = c.mask;
    settings_.deadlineMs = c.deadlineMs;
    const UpdateResult r = RunUpdate(settings_, callbacks_);
    EXPECT_FALSE(r.installed);
    EXPECT_EQ(Text(r), c.message);
    EXPECT_EQ(messages_, std::vector<std::string>{c.message});
    EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kOldDraws);
    EXPECT_EQ(FolderFiles(), QStringList{"3x10.txt"});
    EXPECT_TRUE(loaded_.empty());
  }
}

// Escape during the extraction: nothing changes, nothing is left.
TEST_F(RunUpdateTest, EscapeLeavesTheFolderAsItWas) {
  WriteFile(InFolder("3x10.txt"), kOldDraws);
  callbacks_.escapeHeld = [] { return true; };
  const UpdateResult r = Run("/zip/loto3.txt");
  EXPECT_EQ(Text(r), "Error - loto3.txt: it could not be extracted: aborted by the user");
  EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kOldDraws);
  EXPECT_EQ(FolderFiles(), QStringList{"3x10.txt"});
}

TEST_F(RunUpdateTest, DrawFileStaysWhenNoBackupNameIsFree) {
  WriteFile(InFolder("3x10.txt"), kOldDraws);
  WriteFile(InFolder("3x10.txt.bak"), "");
  for (int n = 1; n <= 9999; ++n) WriteFile(InFolder(QString("3x10.txt[%1].bak").arg(n)), "");
  const UpdateResult r = Run("/zip/loto3.txt");
  EXPECT_FALSE(r.installed);
  EXPECT_EQ(Text(r),
            "Error - file 3x10.txt[9999].bak cannot be written! 3x10.txt cannot be kept as this backup (a file of "
            "that name is there already); it stays in place");
  EXPECT_EQ(ReadFile(InFolder("3x10.txt")), kOldDraws);
  EXPECT_FALSE(QFileInfo::exists(InFolder("temp.zip")));
}

}  // namespace
}  // namespace drawlyze::updater
