#include "core/table/state_settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/files/whole_file.h"

namespace drawlyze {
namespace {

namespace fs = std::filesystem;

class StateSettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("drawlyze_state_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    path_ = (dir_ / std::string(kStateSettingsFileName)).string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
  std::string Read() {
    std::string text;
    EXPECT_TRUE(ReadWholeFile(path_, text));
    return text;
  }

  fs::path dir_;
  std::string path_;
};

Thresholds Typed() { return {"15", "13.5", " 0.5 ", "abc", "", "1,5", "-2", "1e1", "x y", "7", "8", "9"}; }

TEST(FormatStateSettings, TwelveLinesEachEndedByCrLf) {
  EXPECT_EQ(FormatStateSettings(DefaultThresholds()), "1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n");
}

TEST_F(StateSettingsFile, RoundTripKeepsTheTextsAsTyped) {
  ASSERT_TRUE(SaveStateSettings(path_, Typed()));
  EXPECT_EQ(Read(), "15\r\n13.5\r\n 0.5 \r\nabc\r\n\r\n1,5\r\n-2\r\n1e1\r\nx y\r\n7\r\n8\r\n9\r\n");
  Thresholds loaded = DefaultThresholds();
  ASSERT_TRUE(LoadStateSettings(path_, loaded));
  EXPECT_EQ(loaded, Typed());
  EXPECT_FALSE(fs::exists(path_ + ".new"));
}

TEST_F(StateSettingsFile, FirstThresholdStartingWithAByteOrderMarkComesBackAsTyped) {
  Thresholds typed = DefaultThresholds();
  typed[0] =
      "\xEF\xBB\xBF"
      "1";
  ASSERT_TRUE(SaveStateSettings(path_, typed));
  Thresholds loaded = DefaultThresholds();
  ASSERT_TRUE(LoadStateSettings(path_, loaded));
  EXPECT_EQ(loaded, typed);
}

TEST_F(StateSettingsFile, ShortAndLongFiles) {
  const struct {
    std::string text;
    int applied;
    Thresholds expected;
  } cases[] = {
      {"5\r\n3\r\n14\r\n", 3, {"5", "3", "14", "1", "1", "1", "1", "1", "1", "1", "1", "1"}},
      {"5\n3", 2, {"5", "3", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}},  // LF ends, no last end
      {"", 0, DefaultThresholds()},
      {"\xEF\xBB\xBF"
       "2\r\n",
       1,
       {"2", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}},
      {"a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\nk\r\nl\r\nm\r\nn\r\n",
       12,
       {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"}},
  };
  for (const auto& c : cases) {
    Write(c.text);
    Thresholds thresholds = DefaultThresholds();
    ASSERT_TRUE(LoadStateSettings(path_, thresholds));
    EXPECT_EQ(thresholds, c.expected) << c.text;
    Thresholds again = DefaultThresholds();
    EXPECT_EQ(ApplyStateSettings(c.text, again), c.applied);
  }
}

TEST_F(StateSettingsFile, MissingFileLeavesTheThresholds) {
  Thresholds thresholds = Typed();
  EXPECT_FALSE(LoadStateSettings(path_, thresholds));
  EXPECT_EQ(thresholds, Typed());
}

TEST_F(StateSettingsFile, UnwritablePlaceIsReportedAndLeavesNoFile) {
  const std::string inMissingFolder = (dir_ / "no such folder" / std::string(kStateSettingsFileName)).string();
  const Status missing = SaveStateSettings(inMissingFolder, Typed());
  ASSERT_FALSE(missing);
  EXPECT_EQ(ErrorText(missing.Failure()),
            "Error - file " + inMissingFolder + " cannot be written! No such file or directory");
  fs::create_directory(path_);  // a folder where the file should be
  EXPECT_FALSE(SaveStateSettings(path_, Typed()));
  EXPECT_FALSE(fs::exists(path_ + ".new"));
}

}  // namespace
}  // namespace drawlyze
