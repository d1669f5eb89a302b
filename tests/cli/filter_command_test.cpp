// drawlyze-cli filter: its summary, list, backtest records and messages are a
// contract for scripts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli_run.h"

namespace drawlyze::testing {
namespace {

namespace fs = std::filesystem;

class FilterCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("drawlyze_filter_cli_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    std::ofstream draws(dir_ / "draws.txt", std::ios::binary);
    // Oldest first: row 1 is the last line, 5 0 5.
    const char* numbers[] = {"1 2 3", "5 5 5", "3 2 1", "0 0 0", "9 8 7", "4 5 6", "1 1 2", "5 0 5"};
    int n = 0;
    for (const char* d : numbers) {
      ++n;
      draws << n << " 0" << n << ".01.2024 wd - " << d << " x\n";
    }
  }
  void TearDown() override { fs::remove_all(dir_); }
  CliRun Run(const std::string& args) {
    return RunCli(DRAWLYZE_CLI, "--file '" + (dir_ / "draws.txt").string() + "' " + args, dir_);
  }
  fs::path dir_;
};

TEST_F(FilterCommand, SummarySaysTheCountTheRemovalsAndTheMoney) {
  const CliRun r = Run("filter --kind triples --sum 10-27");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find("Prizes:")),
            "Kept: 6 of 1,000 numbers, 0.6%\n"
            "Filter\tKeeps alone\tRemoves alone\tRemoves in the chain\tLeft after it\n"
            "kind triples\t10\t990\t990\t10\n"
            "sum 10-27\t780\t220\t4\t6\n"
            "List: 6 straight plays of 1.00, costing 6.00 a draw\n"
            "Chance of a hit: 6 of the 1,000 numbers pay the list, 0.6% a draw (1 in 166.67)\n"
            "Expected return: 3.00 a draw for 6.00 played (50.0%), an expected net of -3.00 a draw\n");
}

TEST_F(FilterCommand, ListIsOnePlayALineAscending) {
  const struct {
    const char* args;
    const char* out;
  } cases[] = {
      {"filter --position 1:1 --position 2:1,2 --position 3:2,3 --list", "112\n113\n122\n123\n"},
      {"filter --position 1:3,2 --position 2:1 --position 3:1 --bet box --list", "112\n113\n"},
      {"filter --contains-all 1,2,3 --bet box --list", "123\n"},
      // The selected draw 5 0 5 and the 7 before it: 555 and 000 are left out.
      {"filter --kind triples --not-last 8 --list", "111\n222\n333\n444\n666\n777\n888\n999\n"},
      {"--row 2 filter --kind triples --not-last 7 --list", "111\n222\n333\n444\n666\n777\n888\n999\n"},
  };
  for (const auto& c : cases) {
    const CliRun r = Run(c.args);
    EXPECT_EQ(r.status, 0) << c.args << ": " << r.err;
    EXPECT_EQ(r.out, c.out) << c.args;
  }
}

TEST_F(FilterCommand, BacktestCsvIsTheHeaderAndOneRecordATestedDraw) {
  const CliRun r = Run("filter --kind triples --backtest 5 --csv --amount 0.50");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "date,draw,drawn,kept,hit,cost,prize\r\n"
            "04.01.2024,4,000,10,1,5.00,250.00\r\n"
            "05.01.2024,5,987,10,0,5.00,0.00\r\n"
            "06.01.2024,6,456,10,0,5.00,0.00\r\n"
            "07.01.2024,7,112,10,0,5.00,0.00\r\n"
            "08.01.2024,8,505,10,0,5.00,0.00\r\n");
  const CliRun box = Run("filter --contains 1 --bet box --backtest 2 --csv");
  ASSERT_EQ(box.status, 0) << box.err;
  EXPECT_NE(box.out.find("\r\n07.01.2024,7,112,"), std::string::npos) << box.out;
  EXPECT_NE(box.out.find(",1,"), std::string::npos);
}

TEST_F(FilterCommand, BacktestReportCountsItsTestsAndIsRepeatable) {
  const CliRun once = Run("filter --sum 5-20 --not-last-box 3 --backtest 7 --seed 3");
  const CliRun twice = Run("filter --sum 5-20 --not-last-box 3 --backtest 7 --seed 3");
  ASSERT_EQ(once.status, 0) << once.err;
  EXPECT_EQ(once.out, twice.out);
  EXPECT_NE(once.out.find("Trials\t7\n"), std::string::npos) << once.out;
  EXPECT_NE(once.out.find("Tests counted\t2 ("), std::string::npos);
  EXPECT_NE(once.out.find("Verdict\t"), std::string::npos);
}

TEST_F(FilterCommand, FilterSetFileReadsAsTheOptions) {
  {
    std::ofstream set(dir_ / "set.txt");
    set << "# mine\nbet box\nposition 1:1\nposition 2:1,2\nposition 3:2,3\n";
  }
  const CliRun r = Run("filter --set '" + (dir_ / "set.txt").string() + "' --list");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "112\n113\n122\n123\n");
  const CliRun straight = Run("filter --set '" + (dir_ / "set.txt").string() + "' --bet straight --excludes 3 --list");
  EXPECT_EQ(straight.out, "112\n122\n");
}

TEST_F(FilterCommand, WhatAPlayerGetsWrongIsSaidWithUsageStatus) {
  const struct {
    const char* args;
    const char* says;
  } cases[] = {
      {"filter --sum 30-40",
       "drawlyze-cli: --sum needs a range A-B of sums 0..27 (10-17): \"30-40\" is out of bounds\n"},
      {"filter --odd-even OE",
       "drawlyze-cli: --odd-even needs patterns of three letters O and E (OEO) or counts of odd "
       "digits 0..3 (2odd), comma-separated: \"OE\" has 2 letters, not 3\n"},
      {"filter --sum 0-2 --spread 5-9 --list",
       "drawlyze-cli: no number passes: the sum filter and the spread filter exclude each other (sum 0-2, spread "
       "5-9)\n"},
      {"filter --kind triples --bet box --list",
       "drawlyze-cli: no box play: the kept numbers are all triples, which cannot be boxed\n"},
      {"filter --bet combo", "drawlyze-cli: --bet needs straight or box: a list is played as one of them\n"},
      {"filter --amount 0.30", "drawlyze-cli: --amount needs a multiple of 0.50 up to 10000.00 (1.00)\n"},
      {"filter --colour red", "drawlyze-cli: filter knows no option --colour\n"},
      {"filter --csv", "drawlyze-cli: --csv goes with --backtest M\n"},
      {"filter --sum", "drawlyze-cli: --sum needs a value\n"},
      {"--row 8 filter --backtest 3",
       "drawlyze-cli: the backtest needs a draw older than the selected one to predict "
       "it from: select a newer row or load more draws\n"},
  };
  for (const auto& c : cases) {
    const CliRun r = Run(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_EQ(r.err, c.says) << c.args;
  }
}

TEST_F(FilterCommand, AMissingSetFileIsAFileFailure) {
  const CliRun r = Run("filter --set '" + (dir_ / "none.txt").string() + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("none.txt not found"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace drawlyze::testing
