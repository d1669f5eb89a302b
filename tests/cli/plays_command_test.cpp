// drawlyze-cli plays check and plays odds as scripts see them: the CSV record
// for record, bad rows on stderr by line, the prize table given, exit statuses.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;

using drawlyze::testing::CliRun;

// Two draws a day, with their draw times, as the importer writes them.
constexpr const char* kDraws =
    "1 01.04.2020 Wed Mid 1 2 3 x\r\n"
    "2 01.04.2020 Wed Eve 4 5 6 x\r\n"
    "3 02.04.2020 Thu Mid 3 2 1 x\r\n"
    "4 02.04.2020 Thu Eve 1 1 2 x\r\n"
    "5 03.04.2020 Fri Mid 7 7 7 x\r\n"
    "6 03.04.2020 Fri Eve 0 4 3 x\r\n";

// A win, a box over three evenings, a front pair over two middays (the names
// as a player types them), a straight running past the history, and two bad rows.
constexpr const char* kPlays =
    "date,draw,bet,number,amount,draws\r\n"
    "2020-04-01,Mid,straight,123,1.00,1\r\n"
    "2020-04-01,Eve,box,211,0.50,3\r\n"
    "02.04.2020,Midday,Front Pair,32,1,2\r\n"
    "2020-04-03,eve,straight,043,1.00,2\r\n"
    "2020-04-01,Mid,box,777,1.00,1\r\n"
    "2020-13-01,Eve,box,12,0.3,0\r\n";

class PlaysCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("drawlyze-plays-cli-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    draws = Write("draws.txt", kDraws);
    plays = Write("plays.csv", kPlays);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Write(const std::string& name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
    return (dir / name).string();
  }
  CliRun Cli(const std::string& args) { return drawlyze::testing::RunCli(DRAWLYZE_CLI, args, dir); }
  CliRun Check(const std::string& more = "") {
    return Cli("--file '" + draws + "' plays check '" + plays + "'" + (more.empty() ? "" : " " + more));
  }

  fs::path dir;
  std::string draws, plays;
};

TEST_F(PlaysCliTest, CsvHasOneRecordPerCoveredDrawPendingOnesIncluded) {
  const CliRun run = Check("--csv");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "play,date,draw,bet,number,amount,drawn,prize\r\n"
            "2,2020-04-01,Mid,straight,123,1.00,123,500.00\r\n"
            "3,2020-04-01,Eve,box,211,0.50,456,0.00\r\n"
            "3,2020-04-02,Eve,box,211,0.50,112,80.00\r\n"  // a 3-way box of 0.50 pays half of 160
            "3,2020-04-03,Eve,box,211,0.50,043,0.00\r\n"
            "4,2020-04-02,Mid,front pair,32,1.00,321,50.00\r\n"
            "4,2020-04-03,Mid,front pair,32,1.00,777,0.00\r\n"
            "5,2020-04-03,Eve,straight,043,1.00,043,500.00\r\n"
            "5,,,straight,043,1.00,,0.00\r\n");
  // The bad rows by line with the reason, on stderr only: the CSV stays clean.
  EXPECT_EQ(run.err.substr(0, run.err.find('\n')),
            "drawlyze-cli: " + plays + " line 6: a triple cannot be boxed (777)");
  EXPECT_NE(run.err.find(plays + " line 7: the date \"2020-13-01\" is not a day"), std::string::npos);
  EXPECT_NE(run.err.find("the amount \"0.3\" is not a multiple of 0.50"), std::string::npos);
}

TEST_F(PlaysCliTest, TextReportGivesEachPlayItsDrawsAndTheTotalsBesideTheirExpectation) {
  const CliRun run = Check();
  EXPECT_EQ(run.status, 0);
  for (const std::string& line : std::vector<std::string>{
           "Plays: " + plays + ", 4 plays (2 bad rows left out, listed at the end)\n",
           std::string("History: ") + draws + ", 6 draws, 01.04.2020 Mid to 03.04.2020 Eve\n",
           std::string("Prize tables differ between lotteries and some pay pari-mutuel: check yours.\n"),
           std::string("Line 3: box 211 (3-way), 0.50 a draw for 3 Eve draws from 2020-04-01; expected 0.24 of 0.50 "
                       "a draw\n  2020-04-01 Eve  drawn 456  lost\n  2020-04-02 Eve  drawn 112  won 80.00\n"),
           std::string("  cost 1.00, won 500.00 (expected 0.50), net +499.00; 1 draw pending, 1.00 at stake\n"),
           std::string("  Cost 5.50, won 1130.00 (expected 2.72), net +1124.50 (expected -2.78)\n"),
           std::string("  Return per 1.00 played: 205.45 (expected 0.49)\n"),
           std::string("Bad rows (left out):\n  line 6: a triple cannot be boxed (777)\n"),
       })
    EXPECT_NE(run.out.find(line), std::string::npos) << line;
  EXPECT_NE(run.out.find("As lucky as 1 player in "), std::string::npos);
}

TEST_F(PlaysCliTest, AnEditedPrizeTablePricesTheWinsAndTheOdds) {
  // A lottery paying 600 for a straight; every other line as the default.
  std::ifstream bundled(fs::path(DRAWLYZE_SOURCE_DIR) / "data" / "prizes.csv", std::ios::binary);
  std::string table((std::istreambuf_iterator<char>(bundled)), std::istreambuf_iterator<char>());
  const std::string from = "straight,exact order,500.00";
  ASSERT_NE(table.find(from), std::string::npos);
  table.replace(table.find(from), from.size(), "straight,exact order,600.00");
  const std::string prizes = Write("prizes.csv", table);

  const CliRun run = Check("--csv --prizes '" + prizes + "'");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("2,2020-04-01,Mid,straight,123,1.00,123,600.00\r\n"), std::string::npos);
  EXPECT_NE(run.out.find("4,2020-04-02,Mid,front pair,32,1.00,321,50.00\r\n"), std::string::npos);

  const CliRun odds = Cli("plays odds --prizes '" + prizes + "'");
  EXPECT_EQ(odds.status, 0);
  EXPECT_EQ(
      odds.out.substr(0, odds.out.find('\n')),
      "Prize table: " + prizes + ". Prize tables differ between lotteries and some pay pari-mutuel: check yours.");
  EXPECT_NE(odds.out.find("\nstraight\tany\t1.00\t1\t1 in 1,000\t600.00 exact order (1)\t0.60\n"), std::string::npos);
}

TEST_F(PlaysCliTest, OddsAreCountedFromTheBundledTable) {
  const CliRun run =
      Cli("plays odds --prizes '" + (fs::path(DRAWLYZE_SOURCE_DIR) / "data" / "prizes.csv").string() + "'");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  for (const char* line : {
           "Bet\tNumber\tCost\tWinning numbers\tChance\tPrizes\tExpected return per 1.00\n",
           "straight\tany\t1.00\t1\t1 in 1,000\t500.00 exact order (1)\t0.50\n",
           "box\t6-way (123)\t1.00\t6\t1 in 166.67\t80.00 6-way (6)\t0.48\n",
           "box\t3-way (112)\t1.00\t3\t1 in 333.33\t160.00 3-way (3)\t0.48\n",
           "combo\t6-way (123)\t6.00\t6\t1 in 166.67\t500.00 order drawn (6)\t0.50\n",
           "back pair\tany pair\t1.00\t10\t1 in 100\t50.00 exact order (10)\t0.50\n",
       })
    EXPECT_NE(run.out.find(line), std::string::npos) << line;
}

TEST_F(PlaysCliTest, StatusesAndMessages) {
  struct Case {
    std::string args;
    int status;
    std::string errStart;
  };
  const std::string file = "--file '" + draws + "' ";
  const std::string header = Write("header.csv", "when,what\r\n2020-04-01,123\r\n");
  const std::string badPrizes = Write("badprizes.csv", "bet,match,prize\r\nstraight,exact order,abc\r\n");
  const Case cases[] = {
      {"plays", 2, "drawlyze-cli: plays needs check or odds\nusage: drawlyze-cli [--file PATH] plays check"},
      {"plays list", 2, "drawlyze-cli: plays needs check or odds, not list\n"},
      {file + "plays check", 2, "drawlyze-cli: plays check needs exactly one PLAYSFILE\n"},
      {file + "plays check a.csv b.csv", 2, "drawlyze-cli: plays check needs exactly one PLAYSFILE\n"},
      {"plays odds extra", 2, "drawlyze-cli: plays odds takes no file\n"},
      {"plays odds --prizes", 2, "drawlyze-cli: --prizes needs a prize table file\n"},
      {file + "plays check missing.csv", 1, "Error - file missing.csv not found!\n"},
      {file + "plays check '" + header + "'", 1,
       "Error - " + header + ": not a plays file: its first line must be the header "},
      {file + "plays check '" + plays + "' --prizes '" + badPrizes + "'", 1,
       "drawlyze-cli: " + plays + " line 6"},  // the bad rows first, then the table's failure
      {"plays odds --prizes '" + badPrizes + "'", 1,
       "Error - " + badPrizes + ": not a prize table: line 2: the prize must be an amount such as 500.00"},
      {"plays odds --prizes missing.csv", 1, "Error - file missing.csv not found!\n"},
      {"--file missing.txt plays check '" + plays + "'", 1, "drawlyze-cli: " + plays + " line 6"},
  };
  for (const Case& c : cases) {
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args;
    EXPECT_EQ(run.err.substr(0, c.errStart.size()), c.errStart) << c.args;
  }
  EXPECT_NE(Cli(file + "plays check '" + plays + "' --prizes '" + badPrizes + "'")
                .err.find("Error - " + badPrizes + ": not a prize table"),
            std::string::npos);
  EXPECT_NE(Cli("--file missing.txt plays check '" + plays + "'").err.find("Error - file missing.txt not found!\n"),
            std::string::npos);
}

TEST_F(PlaysCliTest, HelpListsTheCommand) {
  const CliRun help = Cli("help plays");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.substr(0, help.out.find('\n')),
            "Usage: drawlyze-cli [OPTIONS] plays check PLAYSFILE [--prizes FILE] [--csv]");
  EXPECT_NE(Cli("--help").out.find("plays check PLAYSFILE [--prizes FILE] [--csv] | plays odds [--prizes FILE]"),
            std::string::npos);
}

}  // namespace
