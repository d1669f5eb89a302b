// The File menu's list of draw files opened last.
#include "core/files/recent_files.h"

#include <gtest/gtest.h>

namespace drawlyze {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFiles, ReadsOnePathALineWithoutEmptiesOrRepeats) {
  const struct {
    const char* text;
    Paths paths;
  } cases[] = {
      {"", {}},
      {"/a.txt\n", {"/a.txt"}},
      {"/a.txt\r\n/b b.txt\r\n", {"/a.txt", "/b b.txt"}},  // blanks belong to the name
      {"\n/a.txt\n\n/a.txt\n/b.txt", {"/a.txt", "/b.txt"}},
      {"1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n", {"1", "2", "3", "4", "5", "6", "7", "8"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadRecentFiles(c.text), c.paths) << c.text;
  EXPECT_EQ(ReadRecentFiles(RecentFilesText({"/a.txt", "/b.txt"})), (Paths{"/a.txt", "/b.txt"}));
}

TEST(RecentFiles, TheNewestComesFirstOnceAndTheOldestGoes) {
  const struct {
    Paths before;
    const char* path;
    Paths after;
  } cases[] = {
      {{}, "/a", {"/a"}},
      {{"/a", "/b"}, "/c", {"/c", "/a", "/b"}},
      {{"/a", "/b", "/c"}, "/c", {"/c", "/a", "/b"}},
      {{"1", "2", "3", "4", "5", "6", "7", "8"}, "9", {"9", "1", "2", "3", "4", "5", "6", "7"}},
      {{"/a"}, "/x\ny", {"/a"}},  // a name with a line break would come back as two
      {{"/a"}, "", {"/a"}},
  };
  for (const auto& c : cases) EXPECT_EQ(WithRecentFile(c.before, c.path), c.after) << c.path;
  EXPECT_EQ(WithoutRecentFile({"/a", "/b"}, "/a"), Paths{"/b"});
  EXPECT_EQ(WithoutRecentFile({"/a"}, "/c"), Paths{"/a"});
}

}  // namespace
}  // namespace drawlyze
