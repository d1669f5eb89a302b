#include "core/sieve/sieve_patterns.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/sieve/sieve_pattern_file.h"

namespace drawlyze {
namespace {

using Lines = std::vector<std::string>;
using Line = SievePatterns::Line;

TEST(SievePatterns, StartPatterns) {
  const SievePatterns p = StartSievePatterns();
  EXPECT_EQ(p.more[0], (Line{1, 3, 5}));
  EXPECT_EQ(p.more[1], (Line{0, 2, 4}));
  EXPECT_EQ(p.more[2], (Line{0, 0, 0}));
  EXPECT_EQ(p.less[0], (Line{5, 7, 9}));
  EXPECT_EQ(p.less[1], (Line{4, 6, 8}));
  EXPECT_EQ(p.less[2], (Line{0, 0, 0}));
}

TEST(SievePatterns, ParsesOneMemoLine) {
  const struct {
    std::string line;
    std::string cleaned;
    Line pattern;
  } cases[] = {
      {"1,3;5x", "1 3 5", {1, 3, 5}},
      {"7", "7", {7, 0, 0}},
      {"12 3", "12 3", {12, 3, 0}},
      {"  4\t\t5   6  ", "4 5 6", {4, 5, 6}},
      {"1 2 3 4 5 6 7 8 9 10 11 12", "1 2 3 4 5 6 7 8 9 10 11 12", {1, 2, 3}},
      {"256 257 511", "256 257 511", {0, 1, 255}},
      {"2147483647 -1", "2147483647 1", {255, 1, 0}},
      {"0005", "0005", {5, 0, 0}},
      // Only the first three numbers are converted.
      {"1 2 3 99999999999", "1 2 3 99999999999", {1, 2, 3}},
  };
  for (const auto& c : cases) {
    Lines memo{c.line};
    SievePatterns::List list{};
    ASSERT_TRUE(ParsePatternMemo(memo, list).ok) << c.line;
    EXPECT_EQ(memo, Lines{c.cleaned}) << c.line;
    EXPECT_EQ(list[0], c.pattern) << c.line;
  }
}

TEST(SievePatterns, SlotsFollowTheLineIndexBeforeCleaning) {
  SievePatterns::List list{};
  list[0] = {9, 9, 9};
  Lines memo{"", "1 3 5", "x;", "0 2 4", "6 6 6"};
  ASSERT_TRUE(ParsePatternMemo(memo, list).ok);
  EXPECT_EQ(list[0], (Line{9, 9, 9}));  // the blank first line keeps slot 0
  EXPECT_EQ(list[1], (Line{1, 3, 5}));
  EXPECT_EQ(list[2], (Line{0, 0, 0}));  // "x;" is empty once cleaned
  EXPECT_EQ(memo, (Lines{"1 3 5", "0 2 4", "6 6 6"}));
  // The next parse has the cleaned memo: the lines take slots 0, 1 and 2.
  ASSERT_TRUE(ParsePatternMemo(memo, list).ok);
  EXPECT_EQ(list[0], (Line{1, 3, 5}));
  EXPECT_EQ(list[1], (Line{0, 2, 4}));
  EXPECT_EQ(list[2], (Line{6, 6, 6}));
}

TEST(SievePatterns, NumberTooLargeStopsTheParse) {
  SievePatterns patterns = StartSievePatterns();
  Lines more{"2 2 2", "1 2147483648 3", "7 7 7"};
  Lines less{"8 8 8"};
  const SieveParseResult result = ParsePatternMemos(more, less, patterns);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "'2147483648' is not a valid integer value");
  EXPECT_EQ(patterns.more[0], (Line{2, 2, 2}));  // parsed before the bad line
  EXPECT_EQ(patterns.more[1], (Line{0, 2, 4}));
  EXPECT_EQ(patterns.less[0], (Line{5, 7, 9}));  // Less never parsed
  EXPECT_EQ(more, (Lines{"2 2 2", "1 2147483648 3", "7 7 7"}));
}

class PatternFileTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) { return (dir / name).string(); }
  std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("sieve_patterns_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::filesystem::path dir;
};

TEST_F(PatternFileTest, SavedListsLoadBack) {
  const PatternLists lists{{"1 3 5", "0 2 4", "x y"}, {"5 7 9", "", "4 6 8"}};
  const std::string path = PathOf("patterns.txt");
  ASSERT_TRUE(WritePatternFile(path, lists));
  EXPECT_EQ(Read(path), "1 3 5\r\n0 2 4\r\nx y\r\n<-->\r\n5 7 9\r\n\r\n4 6 8\r\n");
  const Result<PatternLists> back = ReadPatternFile(path);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->more, lists.more);
  EXPECT_EQ(back->less, lists.less);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(PatternFile, SplitsAtTheFirstSeparatorLine) {
  const struct {
    std::string text;
    Lines more, less;
  } cases[] = {
      {"1 2 3\r\n<-->\r\n4 5 6\r\n", {"1 2 3"}, {"4 5 6"}},
      {"1 2 3\n4 5 6\n", {"1 2 3", "4 5 6"}, {"1 2 3", "4 5 6"}},  // no separator: both lists
      {"1\r\nxx<-->yy\r\n2\r\n<-->\r\n3", {"1"}, {"2", "<-->", "3"}},
      {"<-->\r\n", {}, {}},
      {"", {}, {}},
  };
  for (const auto& c : cases) {
    const PatternLists lists = SplitPatternFile(c.text);
    EXPECT_EQ(lists.more, c.more) << c.text;
    EXPECT_EQ(lists.less, c.less) << c.text;
  }
}

TEST_F(PatternFileTest, FailuresNameTheFileAndChangeNothing) {
  const PatternLists lists{{"keep"}, {"me"}};
  const std::string missing = PathOf("missing.txt");
  const Result<PatternLists> read = ReadPatternFile(missing);
  ASSERT_FALSE(read);
  EXPECT_EQ(ErrorText(read.Failure()), "Error - file " + missing + " not found!");

  const std::string target = PathOf("no_such_folder/patterns.txt");
  const Status written = WritePatternFile(target, lists);
  ASSERT_FALSE(written);
  EXPECT_EQ(ErrorText(written.Failure()), "Error - file " + target + " cannot be written! No such file or directory");
  // A folder in the way of the file: the write fails and the folder stays.
  const std::string folder = PathOf("taken");
  std::filesystem::create_directories(folder);
  EXPECT_FALSE(WritePatternFile(folder, lists));
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_FALSE(std::filesystem::exists(folder + ".tmp"));
}

}  // namespace
}  // namespace drawlyze
