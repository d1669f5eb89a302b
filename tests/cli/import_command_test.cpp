// drawlyze-cli import: the history on stdout or in --out, the summary on
// stderr, exit statuses, and a target file replaced whole or not at all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;

using drawlyze::testing::CliRun;
using drawlyze::testing::ReadAll;

class ImportCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("drawlyze-import-test-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Write(const std::string& name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
    return "'" + (dir / name).string() + "'";
  }
  static std::string Fixture(const std::string& name) {
    return std::string("'") + DRAWLYZE_FIXTURES + "/" + name + "'";
  }

  CliRun Cli(const std::string& args) { return drawlyze::testing::RunCli(DRAWLYZE_CLI, args, dir); }

  fs::path dir;
};

TEST_F(ImportCommand, HistoryOnStdoutSummaryOnStderr) {
  const CliRun run = Cli("import " + Fixture("balls.csv"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "1 29.03.2020 Sun Eve 3 7 7 x\r\n"
            "2 03.04.2020 Fri Mid 2 2 8 x\r\n"
            "3 03.04.2020 Fri Eve 9 0 1 x\r\n");
  EXPECT_NE(run.err.find("balls.csv: 3 rows, 3 draws\n  column 1 \"Draw Date\": date: "), std::string::npos);
  EXPECT_NE(run.err.find("\ndraws: 3, first 29.03.2020, last 03.04.2020\nduplicates dropped: 0\nconflicts kept: 0\n"),
            std::string::npos);
}

TEST_F(ImportCommand, InputsMergeIntoTheOutFile) {
  const std::string old = Write("3x10.txt", "1 30.03.2020 Mon Day 5 5 5 x\r\n");
  const CliRun run = Cli("import " + old + " " + Fixture("balls.csv") + " --out " + old +
                         " --result 'Ball 3' "
                         "--result 'ball 2' --result 3");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(ReadAll(dir / "3x10.txt"),
            "1 29.03.2020 Sun Eve 7 7 3 x\r\n"
            "2 30.03.2020 Mon Mid 5 5 5 x\r\n"
            "3 03.04.2020 Fri Mid 8 2 2 x\r\n"
            "4 03.04.2020 Fri Eve 1 0 9 x\r\n");
}

TEST_F(ImportCommand, StatusesAndMessages) {
  const std::string ambiguous = Write("a.csv", "Date,Result\n01/04/2020,123\n");
  const std::string unreadable = Write("u.txt", "1 2007 a b 1 2 3 x\n2 2008 a b 1 2 3 x\n");
  const std::string headerOnly = Write("h.csv", "Draw Date,Midday Daily #\n");
  const struct {
    std::string args;
    int status;
    std::string errPart;
  } cases[] = {
      {"import", 2, "drawlyze-cli: import needs at least one input file\nusage: drawlyze-cli import INPUT..."},
      {"import '" + (dir / "none.csv").string() + "'", 1, "Error - file "},
      {"import " + ambiguous, 2,
       "a.csv: the dates in \"Date\" read as well day first as month first (no day above 12 tells); give "
       "--day-first or --month-first\n  column 1 \"Date\": date: 1 of 1 values are dates"},
      {"import " + ambiguous + " --month-first --day-first", 2, "give --day-first or --month-first, not both"},
      {"import " + ambiguous + " --day-first --result Nothing", 2,
       "there is no column \"Nothing\"; the columns are 1 \"Date\", 2 \"Result\"; name a column by its header"},
      {"import " + ambiguous + " --date", 2, "drawlyze-cli: --date needs a column (header or number)"},
      {"import " + unreadable, 1, "u.txt: 2 rows skipped, lines 1 2\n"},
      {"import " + headerOnly, 1, "h.csv: 0 rows, 0 draws\ndraws: 0\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const std::string target = Write("3x10.txt", "kept\r\n");
    const CliRun run = Cli("--out " + target + " " + c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadAll(dir / "3x10.txt"), "kept\r\n");  // never half-written, never emptied
  }
  EXPECT_NE(Cli("import " + unreadable).err.find("drawlyze-cli: no readable draw in the input\n"), std::string::npos);
  const CliRun unwritable =
      Cli("import " + Fixture("balls.csv") + " --out '" + (dir / "no/such/dir/x.txt").string() + "'");
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("cannot be written!"), std::string::npos);  // worded as every other failed save
}

// Headers and cells are the export's bytes: none reaches the terminal as a control.
TEST_F(ImportCommand, ControlCharactersReachTheTerminalEscaped) {
  const std::string input =
      Write("c.csv", "Date,Res\x1B[1mx\x07ult\n2020-04-01,123\n2020-04-02,1\x1B[2J3\n2020-04-03,456\n");
  const CliRun run = Cli("import " + input);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err.find('\x1B'), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find('\x07'), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("column 2 \"Res\\x1B[1mx\\x07ult\""), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("line 3: the result \"1\\x1B[2J3\""), std::string::npos) << run.err;
}

// --out over a history replaces it as the Updater replaces the draw file:
// under the folder's lock, the old file kept in the backup chain.
TEST_F(ImportCommand, OutOverAHistoryTakesTheLockAndKeepsTheOldFile) {
  const std::string target = Write("3x10.txt", "1 30.03.2020 Mon Mid 5 5 5 x\r\n");
  Write("3x10.txt.bak", "older\r\n");
  CliRun run = Cli("import " + Fixture("balls.csv") + " --out " + target);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadAll(dir / "3x10.txt[1].bak"), "1 30.03.2020 Mon Mid 5 5 5 x\r\n");
  EXPECT_EQ(ReadAll(dir / "3x10.txt.bak"), "older\r\n");
  EXPECT_NE(run.err.find(" is kept as 3x10.txt[1].bak\n"), std::string::npos) << run.err;
  const std::string imported = ReadAll(dir / "3x10.txt");
  EXPECT_EQ(imported.substr(0, 28), "1 29.03.2020 Sun Eve 3 7 7 x");

  // An update working in the folder holds its lock: the history stays as it is.
  const int folder = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ASSERT_GE(folder, 0);
  ASSERT_EQ(::flock(folder, LOCK_EX | LOCK_NB), 0);
  run = Cli("import " + Write("x.csv", "Date,Result\n2020-04-01,123\n") + " --out " + target);
  ::close(folder);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Error - another update is running in "), std::string::npos) << run.err;
  EXPECT_EQ(ReadAll(dir / "3x10.txt"), imported);
  EXPECT_FALSE(fs::exists(dir / "3x10.txt[2].bak"));
}

// SIGTERM and SIGINT end a long conversion at its next rows: nothing is
// written, nothing left beside the target, and the process ends by the signal.
TEST_F(ImportCommand, AStopSignalEndsTheConversion) {
  std::string rows = "Date,Midday,Evening\n";
  for (int i = 0; i < 2'000'000; ++i) rows += "2020-04-01,123,456\n";
  Write("big.csv", rows);
  for (const int sig : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(sig);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      const int null = ::open("/dev/null", O_WRONLY);
      ::dup2(null, 1);
      ::dup2(null, 2);
      ::execl(DRAWLYZE_CLI, DRAWLYZE_CLI, "import", (dir / "big.csv").c_str(), "--out", (dir / "out.txt").c_str(),
              static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::usleep(300'000);
    ::kill(pid, sig);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << status;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"big.csv"});
  }
}

}  // namespace
