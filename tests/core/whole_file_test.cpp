#include "core/files/whole_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace drawlyze {
namespace {

namespace fs = std::filesystem;

class WholeFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("whole_file_test_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Read(const fs::path& p) {
    std::string text;
    EXPECT_TRUE(ReadWholeFile(p.string(), text));
    return text;
  }
  int EntryCount() { return static_cast<int>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator())); }
  fs::path dir_;
};

TEST_F(WholeFileTest, ReplacesTheTargetAndLeavesNoTemporaryFile) {
  const fs::path target = dir_ / "a.txt";
  ASSERT_TRUE(WriteFileWhole(target.string(), "old"));
  ASSERT_TRUE(WriteFileWhole(target.string(), std::string("new\0bytes", 9)));
  EXPECT_EQ(Read(target), std::string("new\0bytes", 9));
  EXPECT_EQ(EntryCount(), 1);
}

TEST_F(WholeFileTest, ALinkAtTheTargetIsReplacedNotFollowed) {
  const fs::path victim = dir_ / "victim.txt";
  ASSERT_TRUE(WriteFileWhole(victim.string(), "keep me"));
  fs::create_symlink(victim, dir_ / "link.txt");
  ASSERT_TRUE(WriteFileWhole((dir_ / "link.txt").string(), "written"));
  EXPECT_EQ(Read(victim), "keep me");
  EXPECT_FALSE(fs::is_symlink(dir_ / "link.txt"));
  EXPECT_EQ(Read(dir_ / "link.txt"), "written");
}

TEST_F(WholeFileTest, FailuresChangeNothing) {
  // A folder that does not exist, and a folder standing where the file should go.
  EXPECT_FALSE(WriteFileWhole((dir_ / "missing" / "a.txt").string(), "x"));
  fs::create_directory(dir_ / "folder");
  EXPECT_FALSE(WriteFileWhole((dir_ / "folder").string(), "x"));
  EXPECT_TRUE(fs::is_directory(dir_ / "folder"));
  EXPECT_EQ(EntryCount(), 1);
  std::string text;
  EXPECT_FALSE(ReadWholeFile((dir_ / "folder").string(), text));
  EXPECT_FALSE(ReadWholeFile((dir_ / "none").string(), text));
}

}  // namespace
}  // namespace drawlyze
