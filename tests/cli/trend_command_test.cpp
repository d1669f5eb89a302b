// drawlyze-cli trend: the series as CSV, the usage errors, the images.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "cli_run.h"

namespace drawlyze::testing {
namespace {

class TrendCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() / ("trend_cli_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "3x10.txt") << "11 01.01.2011 a Day 4 5 6 x\n12 02.01.2011 a Eve 1 2 3 x\n";
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  CliRun Run(const std::string& args) {
    return RunCli(DRAWLYZE_CLI, "--file '" + (dir / "3x10.txt").string() + "' " + args, dir);
  }
  std::filesystem::path dir;
};

TEST_F(TrendCommand, CsvHasTheHeaderAndARecordADraw) {
  const CliRun sum = Run("trend sum --csv");
  EXPECT_EQ(sum.status, 0) << sum.err;
  EXPECT_EQ(sum.out, "number,date,time,value,low,high\r\n11,01.01.2011,Day,15,5,22\r\n12,02.01.2011,Eve,6,5,22\r\n");
  const CliRun skip = Run("trend skip --digit 2 --position 2 --csv");
  EXPECT_EQ(skip.out, "number,date,time,value,low,high\r\n12,02.01.2011,Eve,0,0,28\r\n");
  const CliRun frequency = Run("trend frequency --digit 5 --window 2 --csv");
  EXPECT_EQ(frequency.out, "number,date,time,value,low,high\r\n12,02.01.2011,Eve,1,0,2\r\n");
}

TEST_F(TrendCommand, TextAndPairs) {
  const CliRun text = Run("--row 2 trend spread");
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.out.substr(0, text.out.find('\n')), "Spread (largest digit minus smallest)");
  EXPECT_NE(text.out.find("\n11\t01.01.2011\tDay\t2\t"), std::string::npos) << text.out;
  const CliRun pairs = Run("trend pairs --position front --csv");
  EXPECT_EQ(pairs.status, 0);
  EXPECT_NE(pairs.out.find("\r\n1,2,1,0.02,6.96\r\n"), std::string::npos) << pairs.out;
}

TEST_F(TrendCommand, UsageErrorsSayWhat) {
  struct Row {
    const char* args;
    const char* message;
  };
  const Row rows[] = {
      {"trend", "trend needs one KIND"},
      {"trend sums", "trend needs one KIND"},
      {"trend skip --digit 10", "--digit needs a digit 0..9"},
      {"trend sum --digit 1", "--digit is for skip and frequency"},
      {"trend skip --position 4", "--position needs 1, 2, 3 or any"},
      {"trend pairs --position 12x", "--position for pairs needs front, back, split or any"},
      {"trend skip --window 5", "--window is for frequency"},
      {"trend sum --window 1001", "--window for an average needs 1..1000 draws"},
      {"trend sum --csv --png x.png", "give --csv or an image"},
      {"--row 3 trend sum", "--row"},
  };
  for (const Row& r : rows) {
    const CliRun run = Run(r.args);
    EXPECT_EQ(run.status, 2) << r.args;
    EXPECT_NE(run.err.find(r.message), std::string::npos) << r.args << ": " << run.err;
  }
}

TEST_F(TrendCommand, ImagesAreWrittenWhole) {
  const std::string png = (dir / "t.png").string(), svg = (dir / "t.svg").string();
  const CliRun run = Run("trend sum --window 2 --png '" + png + "' --svg '" + svg + "'");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadAll(png).substr(1, 3), "PNG");
  EXPECT_NE(ReadAll(svg).find("<svg"), std::string::npos);
  const CliRun bad = Run("trend pairs --png '" + (dir / "no" / "t.png").string() + "'");
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("cannot be written"), std::string::npos) << bad.err;
}

}  // namespace
}  // namespace drawlyze::testing
