// drawlyze-cli backtest and report Randomness as scripts see them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../../cli/cli_run.h"
#include "../backtest_test_util.h"
#include "core/backtest/randomness.h"

namespace {

namespace fs = std::filesystem;

using drawlyze::testing::CliRun;
using drawlyze::testing::ReadAll;

CliRun Cli(const std::string& args) {
  const fs::path dir = fs::temp_directory_path() / ("drawlyze-backtest-cli-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  CliRun run = drawlyze::testing::RunCli(DRAWLYZE_CLI, "--file '" DRAWLYZE_SOURCE_DIR "/data/3x10.txt' " + args, dir);
  fs::remove_all(dir);
  return run;
}

TEST(BacktestCli, StatusesOutputsAndMessages) {
  const std::string png =
      (fs::temp_directory_path() / ("drawlyze-backtest-" + std::to_string(::getpid()) + ".png")).string();
  const struct {
    std::string args;
    int status;
    std::string outStart, err;
  } cases[] = {
      {"backtest --draws 500", 0, "Statistics from 6760 to 6261 draws\n\nHypothesis: ", ""},
      {"backtest --rule Most-Frequent --rule 'longest skip at the position' --top 2 --window 50 --draws 10", 0,
       "Statistics from 6760 to 6751 draws\n", ""},
      {"--row 6700 backtest --window 100", 0, "No draw to test: a tested draw needs 100 draws before it", ""},
      {"backtest --draws 100 --png '" + png + "'", 0, "Statistics from 6760 to 6661 draws", ""},
      {"report randomness --last 1000", 0, "Statistics from 6760 to 5761 draws\n\nHypothesis: the draws are fair.", ""},
      {"backtest --rule hottest", 2, "", "drawlyze-cli: no rule is called \"hottest\"; the rules are: longest-skip "},
      {"backtest --top 10", 2, "", "drawlyze-cli: --top needs a number of digits from 1 to 9\n"},
      {"backtest --window 0", 2, "", "drawlyze-cli: --window needs a number from 1\n"},
      {"backtest extra", 2, "", "drawlyze-cli: backtest takes no words"},
      {"report Randomnes", 2, "", "drawlyze-cli: no report is called \"Randomnes\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out.substr(0, c.outStart.size()), c.outStart);
    EXPECT_EQ(run.err.substr(0, c.err.size()), c.err);
  }
  EXPECT_EQ(ReadAll(png).substr(1, 3), "PNG");
  fs::remove(png);
  // Two rules: the header's seven lines, three table lines, the seven lines of notes.
  const CliRun two = Cli("backtest --rule most-frequent --rule position-skip --draws 10");
  EXPECT_EQ(std::count(two.out.begin(), two.out.end(), '\n'), 7 + 3 + 8);
}

// The Statistics window's two buttons, at row R with "Use Last Draws" M,
// show what drawlyze-cli prints for the same row and count.
TEST(BacktestCli, PrintsWhatTheStatisticsWindowShows) {
  const drawlyze::DrawHistory history = drawlyze::testing::BundledHistory();
  std::string backtest, randomness;
  for (const std::string& line : BacktestReport(RunBacktest(history, drawlyze::StatisticsBacktestOptions(3, 500))))
    backtest += line + '\n';
  for (const std::string& line : drawlyze::RandomnessReport(history, 3, 500)) randomness += line + '\n';
  EXPECT_EQ(Cli("--row 3 backtest --draws 500").out, backtest);
  EXPECT_EQ(Cli("--row 3 --last 500 report Randomness").out, randomness);
}

}  // namespace
