// The backups beside a draw file: listed with what they hold, restored
// without losing the file they replace.
#include "update/updater/backups.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/files/whole_file.h"
#include "update/updater/install_files.h"

namespace drawlyze::updater {
namespace {

namespace fs = std::filesystem;

const std::string kOld = "1 01.01.2011 Sat Day 4 9 1 x\r\n";
const std::string kCurrent = "1 01.01.2011 Sat Day 4 9 1 x\r\n2 01.01.2011 Sat Eve 9 1 5 x\r\n";

class BackupsTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return (fs::path(dir.path().toStdString()) / name).string(); }
  void Write(const std::string& name, const std::string& text, std::int64_t modified = 0) const {
    std::ofstream(Path(name), std::ios::binary) << text;
    if (modified == 0) return;
    const timeval times[2] = {{modified, 0}, {modified, 0}};
    ASSERT_EQ(::utimes(Path(name).c_str(), times), 0);
  }
  std::string Read(const std::string& name) const {
    std::string text;
    EXPECT_TRUE(ReadWholeFile(Path(name), text)) << name;
    return text;
  }
  // Every file of the folder with its bytes.
  std::map<std::string, std::string> Folder() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder()))
      files[entry.path().filename().string()] = Read(entry.path().filename().string());
    return files;
  }
  std::string folder() const { return dir.path().toStdString(); }

  QTemporaryDir dir;
};

TEST(BackupName, OnlyTheChainsNames) {
  const std::pair<const char*, bool> cases[] = {
      {"3x10.txt.bak", true},     {"3x10.txt[1].bak", true},   {"3x10.txt[9999].bak", true},
      {"3x10.txt[0].bak", false}, {"3x10.txt[01].bak", false}, {"3x10.txt[10000].bak", false},
      {"3x10.txt[].bak", false},  {"3x10.txt[x].bak", false},  {"3x10.txt", false},
      {"other.txt.bak", false},   {"3x10.txt[1].bak~", false}, {"../3x10.txt.bak", false},
  };
  for (const auto& [name, ok] : cases) EXPECT_EQ(IsBackupName("3x10.txt", name), ok) << name;
}

TEST_F(BackupsTest, ListsTheBackupsNewestFirstWithTheirDraws) {
  Write("3x10.txt", kCurrent);
  Write("3x10.txt.bak", kOld, 1'600'000'000);
  Write("3x10.txt[1].bak", kCurrent, 1'700'000'000);
  Write("3x10.txt[2].bak", "", 1'700'000'000);     // empty: listed with no draws
  Write("3x10.txt[03].bak", kOld, 1'800'000'000);  // not a name the chain gives
  fs::create_directory(Path("3x10.txt[4].bak"));   // a folder is no backup
  fs::create_symlink(Path("3x10.txt.bak"), Path("3x10.txt[5].bak"));
  const std::vector<BackupFile> list = ListBackups(folder(), "3x10.txt");
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].name, "3x10.txt[2].bak");  // as recent as [1], and later in the chain
  EXPECT_EQ(list[0].draws, 0);
  EXPECT_EQ(list[0].newestDate, "");
  EXPECT_EQ(list[1].name, "3x10.txt[1].bak");
  EXPECT_EQ(list[1].draws, 2);
  EXPECT_EQ(list[1].newestDate, "01.01.2011");
  EXPECT_EQ(list[2].name, "3x10.txt.bak");
  EXPECT_EQ(list[2].modified, 1'600'000'000);
  EXPECT_TRUE(ListBackups(Path("missing"), "3x10.txt").empty());
}

TEST_F(BackupsTest, ARestoreKeepsTheReplacedFileAsABackup) {
  Write("3x10.txt", kCurrent);
  Write("3x10.txt.bak", kOld);
  const RestoredBackup r = RestoreBackup(folder(), "3x10.txt", "3x10.txt.bak");
  ASSERT_TRUE(r.restored) << r.failure;
  EXPECT_EQ(r.keptAs, "3x10.txt[1].bak");
  EXPECT_EQ(Read("3x10.txt"), kOld);
  EXPECT_EQ(Read("3x10.txt[1].bak"), kCurrent);  // the replaced file
  EXPECT_EQ(Read("3x10.txt.bak"), kOld);         // the backup stays
  // Restoring the replaced file again loses nothing either.
  const RestoredBackup back = RestoreBackup(folder(), "3x10.txt", "3x10.txt[1].bak");
  ASSERT_TRUE(back.restored) << back.failure;
  EXPECT_EQ(back.keptAs, "3x10.txt[2].bak");
  EXPECT_EQ(Read("3x10.txt"), kCurrent);
  EXPECT_EQ(Read("3x10.txt[2].bak"), kOld);
  EXPECT_EQ(Folder().size(), 4u);  // no working folder left behind
}

TEST_F(BackupsTest, WithNoDrawFileInPlaceNothingNeedsKeeping) {
  Write("3x10.txt.bak", kOld);
  const RestoredBackup r = RestoreBackup(folder(), "3x10.txt", "3x10.txt.bak");
  ASSERT_TRUE(r.restored) << r.failure;
  EXPECT_EQ(r.keptAs, "");
  EXPECT_EQ(Read("3x10.txt"), kOld);
}

TEST_F(BackupsTest, ARefusedRestoreChangesNothing) {
  Write("3x10.txt", kCurrent);
  Write("3x10.txt.bak", "no draws here\r\n");
  Write("notes.txt", kOld);
  const auto before = Folder();
  const std::pair<const char*, const char*> cases[] = {
      {"3x10.txt.bak", "3x10.txt.bak holds no valid draw; 3x10.txt stays as it is"},
      {"3x10.txt[1].bak", "3x10.txt[1].bak cannot be read in "},
      {"notes.txt", "notes.txt is no backup of 3x10.txt"},
      {"../3x10.txt.bak", "../3x10.txt.bak is no backup of 3x10.txt"},
  };
  for (const auto& [backup, failure] : cases) {
    const RestoredBackup r = RestoreBackup(folder(), "3x10.txt", backup);
    EXPECT_FALSE(r.restored) << backup;
    EXPECT_EQ(r.failure.rfind(failure, 0), 0u) << r.failure;
    EXPECT_EQ(Folder(), before) << backup;
  }
}

TEST_F(BackupsTest, AnotherUpdateInTheFolderStopsTheRestore) {
  Write("3x10.txt", kCurrent);
  Write("3x10.txt.bak", kOld);
  const FolderLock held(folder());
  ASSERT_TRUE(held.Ok());
  const RestoredBackup r = RestoreBackup(folder(), "3x10.txt", "3x10.txt.bak");
  EXPECT_FALSE(r.restored);
  EXPECT_EQ(r.failure, "another update is running in " + folder() + "; 3x10.txt stays as it is");
  EXPECT_EQ(Read("3x10.txt"), kCurrent);
}

TEST(AgeText, SaysHowLongAgo) {
  const std::int64_t now = 1'700'000'000;
  const std::pair<std::int64_t, const char*> cases[] = {
      {0, "just now"},
      {-30, "just now"},
      {59, "just now"},
      {60, "1 minute ago"},
      {3599, "59 minutes ago"},
      {3600, "1 hour ago"},
      {86399, "23 hours ago"},
      {86400, "yesterday"},
      {3 * 86400, "3 days ago"},
      {59 * 86400, "59 days ago"},
      {90 * 86400, "3 months ago"},
      {800 * 86400, "2 years ago"},
  };
  for (const auto& [ago, text] : cases) EXPECT_EQ(AgeText(now - ago, now), text) << ago;
}

}  // namespace
}  // namespace drawlyze::updater
