// drawlyze-cli as scripts see it: exact output, messages on stderr, exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;

using drawlyze::testing::CliRun;
using drawlyze::testing::ReadAll;

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("drawlyze-cli-test-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    draws = Write("draws.txt",
                  "1 01.01.2011 a b 3 1 4 x\r\n"
                  "2 01.01.2011 a b 5 9 2 x\r\n"
                  "3 02.01.2011 a b 3 5 8 x\r\n"
                  "4 02.01.2011 a b 9 7 9 x\r\n");
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Write(const std::string& name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
    return (dir / name).string();
  }

  CliRun Cli(const std::string& args) { return drawlyze::testing::RunCli(DRAWLYZE_CLI, args, dir); }

  fs::path dir;
  std::string draws;
};

TEST_F(CliTest, ViewPrintsTheCopyTextWithCrLf) {
  const CliRun run = Cli("--file '" + draws + "' --last 4 view Skips");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const std::string start = "Number/Last Skip/Skip Median:\r\n\r\n01 04 02 03 05 08 00 06 07 09 \r\n03 03 02 01 01 01 ";
  EXPECT_EQ(run.out.substr(0, start.size()), start);
  // The option may be named by index or by caption in any case.
  EXPECT_EQ(Cli("--file '" + draws + "' view 0").out, run.out);
  EXPECT_EQ(Cli("view 'cold numbers' --file '" + draws + "'").out, Cli("--file '" + draws + "' view 2").out);
}

TEST_F(CliTest, ChartListsTextsAndLinesInDrawingOrder) {
  const CliRun run = Cli("--file '" + draws + "' --row 2 --grid 20:0 view Skips --chart");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "text 2 5 #000000 #FFFFFF normal Number/Last Skip/Skip Median:");
  EXPECT_NE(run.out.find("#FF0000 #FFFF00 normal 09 "), std::string::npos);  // 9 is in the next draw
  EXPECT_NE(run.out.find("line 1 0 1 640 #00FF00\nline 281 0 281 640 #00FF00\n"), std::string::npos);
}

TEST_F(CliTest, StatusesAndMessages) {
  const struct {
    std::string args;
    int status;
    std::string errStart;
  } cases[] = {
      {"", 2, "drawlyze-cli: no command given"},
      {"frobnicate", 2, "drawlyze-cli: unknown command frobnicate"},
      {"--file '" + draws + "' view Nothing", 2, "drawlyze-cli: no view is called \"Nothing\""},
      {"--file '" + draws + "' --row 5 view Skips", 2, "drawlyze-cli: --row 5 is past the last row (4)"},
      {"--file '" + draws + "' --row 0 view Skips", 2, "drawlyze-cli: --row needs a row number from 1"},
      {"--file '" + draws + "' --grid 21:0 view Skips", 2, "drawlyze-cli: --grid needs STEP:BIAS"},
      {"--bogus view Skips", 2, "drawlyze-cli: unknown option --bogus"},
      {"--file '" + (dir / "missing.txt").string() + "' view Skips", 1, "Error - file "},
      {"--file '" + draws + "' view Skips --chart --svg x.svg", 2,
       "drawlyze-cli: --chart and --svg exclude each other"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err.substr(0, c.errStart.size()), c.errStart);
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(CliTest, IncorrectLinesAreReportedAndLoadingGoesOn) {
  const std::string file = Write("mixed.txt", "1 01.01.2011 a b 1 2 3 x\nnot a draw\n3 01.01.2011 a b 4 5 6 x\n");
  const CliRun run = Cli("--file '" + file + "' view Frequency");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "Error - incorrect lines: 2 \n");
  EXPECT_NE(run.out.find("Average: 0.60"), std::string::npos);
}

TEST_F(CliTest, EveryViewAndReportRunsOnAnEmptyHistory) {
  const std::string empty = Write("empty.txt", "");
  for (int option = 0; option <= 12; ++option) {
    const CliRun run = Cli("--file '" + empty + "' view " + std::to_string(option));
    EXPECT_EQ(run.status, 0) << "option " << option << ": " << run.err;
  }
  for (const char* name :
       {"Triples not drawn yet", "Exact Pairs", "Free Pairs", "Exact Pairs' Skips", "Free Pairs' Skips",
        "Exact Triples", "Free Triples", "Exact Triples' Skips", "Free Triples' Skips", "Common Four", "Sum", "Find"}) {
    std::string quoted = name;
    std::string escaped;
    for (char c : quoted) escaped += c == '\'' ? std::string("'\\''") : std::string(1, c);
    const CliRun run = Cli("--file '" + empty + "' report '" + escaped + "'");
    EXPECT_EQ(run.status, 0) << name << ": " << run.err;
  }
  EXPECT_EQ(Cli("--file '" + empty + "' table").status, 0);
}

TEST_F(CliTest, PngIsWritten) {
  const std::string png = (dir / "chart.png").string();
  const CliRun run = Cli("--file '" + draws + "' view Skips --png '" + png + "'");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadAll(png).substr(1, 3), "PNG");
}

TEST_F(CliTest, SvgIsWrittenWholeOrNotAtAll) {
  const std::string svg = (dir / "chart.svg").string();
  CliRun run = Cli("--file '" + draws + "' view Skips --svg '" + svg + "'");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadAll(svg).substr(0, 5), "<?xml");
  const fs::path missing = dir / "missing" / "chart.svg";
  run = Cli("--file '" + draws + "' view Skips --svg '" + missing.string() + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Error - file " + missing.string() + " cannot be written! No such file or directory\n"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(missing.parent_path()));
}

}  // namespace
