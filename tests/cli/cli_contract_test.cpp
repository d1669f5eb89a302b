// drawlyze-cli as scripts see it: exact output, messages on stderr, exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

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

// A PNG's width and height, from its header.
std::pair<int, int> PngSize(const std::string& png) {
  if (png.size() < 24) return {0, 0};
  const auto word = [&](std::size_t at) {
    int v = 0;
    for (std::size_t i = at; i < at + 4; ++i) v = v * 256 + static_cast<unsigned char>(png[i]);
    return v;
  };
  return {word(16), word(20)};
}

TEST_F(CliTest, ScaleGivesTheWindowsChartThatManyTimesAsLarge) {
  const std::string png = (dir / "chart.png").string();
  struct Case {
    const char* scale;
    std::pair<int, int> size;
  };
  for (const Case& c : std::vector<Case>{
           {"", {535, 640}}, {"--scale 1", {535, 410}}, {"--scale 2", {1070, 820}}, {"--scale 1.5", {803, 615}}}) {
    const CliRun run = Cli("--file '" + draws + "' view Skips --png '" + png + "' " + c.scale);
    EXPECT_EQ(run.status, 0) << c.scale << run.err;
    EXPECT_EQ(PngSize(ReadAll(png)), c.size) << c.scale;
  }
  for (const char* bad : {"--scale 0.5", "--scale 9", "--scale two", "--scale"}) {
    const CliRun run = Cli("--file '" + draws + "' view Skips --png '" + png + "' " + bad);
    EXPECT_EQ(run.status, 2) << bad;
    EXPECT_NE(run.err.find("--scale needs a number from 1 to 8"), std::string::npos) << run.err;
  }
  const CliRun alone = Cli("--file '" + draws + "' view Skips --scale 2");
  EXPECT_EQ(alone.status, 2);
  EXPECT_EQ(alone.err, "drawlyze-cli: --scale needs --png\n");
}

// pdfinfo's page count of a PDF file, -1 when it cannot read one.
int PdfPages(const std::string& path) {
  const std::string out = (fs::path(path).parent_path() / "pdfinfo.txt").string();
  if (std::system(("pdfinfo '" + path + "' > '" + out + "' 2>/dev/null").c_str()) != 0) return -1;
  const std::string info = ReadAll(out);
  const auto at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

TEST_F(CliTest, PdfHoldsThePagesAWindowPrints) {
  if (std::system("command -v pdfinfo > /dev/null") != 0) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
  const std::string pdf = (dir / "out.pdf").string();
  // 102 lines (the header, a blank and 100 lines of triples) at 9 points: a page and a part.
  CliRun run = Cli("--file '" + draws + "' report 'Triples not drawn yet' --pdf '" + pdf + "'");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(PdfPages(pdf), 2);
  // The Skips view: the chart and its few lines of text on one page.
  run = Cli("--file '" + draws + "' view Skips --pdf '" + pdf + "'");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(PdfPages(pdf), 1);
  run = Cli("--file '" + draws + "' report Randomness --pdf '" + pdf + "'");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_GE(PdfPages(pdf), 1);
}

TEST_F(CliTest, PdfIsWrittenWholeOrNotAtAll) {
  const fs::path missing = dir / "missing" / "out.pdf";
  CliRun run = Cli("--file '" + draws + "' report Sum --pdf '" + missing.string() + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Error - file " + missing.string() + " cannot be written! No such file or directory\n"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(missing.parent_path()));
  const std::string pdf = (dir / "out.pdf").string();
  for (const std::string& args : {"report Sum --csv --pdf '" + pdf + "'", "view Skips --chart --pdf '" + pdf + "'",
                                  "report Randomness --csv --pdf '" + pdf + "'"}) {
    run = Cli("--file '" + draws + "' " + args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_NE(run.err.find("exclude each other"), std::string::npos) << run.err;
  }
  EXPECT_FALSE(fs::exists(pdf));
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
