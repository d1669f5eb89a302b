// Where drawlyze-cli saves: a target that is no regular file (a FIFO, a
// device, a folder, a socket, a link to one, one of its own descriptors) is
// written straight into or refused, never replaced; a name near the longest
// a folder takes still saves; temporaries a killed run left behind go with
// the next run of the same command; and the data folder follows XDG.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;

using drawlyze::testing::CliRun;
using drawlyze::testing::ReadAll;

std::string Quote(const fs::path& p) { return "'" + p.string() + "'"; }

class SaveTargets : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("drawlyze-save-targets-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir / "runs");
  }
  void TearDown() override { fs::remove_all(dir); }

  // A shell command line (run in dir) with drawlyze-cli as $CLI; stdout and
  // stderr caught.
  CliRun Shell(const std::string& line, const std::string& env = "") {
    const fs::path out = dir / "runs/stdout", err = dir / "runs/stderr";
    const std::string command = "cd " + Quote(dir) + " && " + env + " CLI='" + DRAWLYZE_CLI + "' sh -c " +
                                Quoted(line) + " > " + Quote(out) + " 2> " + Quote(err) + " < /dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(out), ReadAll(err)};
  }
  static std::string Quoted(const std::string& text) {
    std::string q = "'";
    for (const char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
  }
  static std::string Fixture() { return std::string("'") + DRAWLYZE_FIXTURES + "/balls.csv'"; }
  static std::string Draws() { return std::string("'") + DRAWLYZE_SOURCE_DIR + "/data/3x10.txt'"; }

  // Every entry of dir but the runs folder, sorted.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
      if (e.path().filename() != "runs") names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir;
};

// The saves of drawlyze-cli, each with its output option at the end.
struct Save {
  const char* what;
  std::string command;  // the target follows
  std::string start;    // the first bytes it writes
};

std::vector<Save> Saves() {
  const std::string draws = std::string("--file '") + DRAWLYZE_SOURCE_DIR + "/data/3x10.txt' ";
  return {
      {"import --out", std::string("$CLI import '") + DRAWLYZE_FIXTURES + "/balls.csv' --out ", "1 29.03.2020"},
      {"view --png", "$CLI " + draws + "view Skips --png ", "\x89PNG"},
      {"view --svg", "$CLI " + draws + "view Skips --svg ", "<?xml"},
  };
}

TEST_F(SaveTargets, AFifoOrALinkToOneIsWrittenStraightInto) {
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  fs::create_symlink(dir / "fifo", dir / "link");
  for (const Save& save : Saves())
    for (const char* target : {"fifo", "link"}) {
      SCOPED_TRACE(std::string(save.what) + " " + target);
      const CliRun run =
          Shell("timeout 20 cat fifo > sink & " + save.command + target + "; status=$?; wait; exit $status");
      EXPECT_EQ(run.status, 0) << run.err;
      EXPECT_EQ(ReadAll(dir / "sink").rfind(save.start, 0), 0u);
      EXPECT_TRUE(fs::is_fifo(fs::symlink_status(dir / "fifo")));
      EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link")));
      EXPECT_EQ(Entries(), (std::vector<std::string>{"fifo", "link", "sink"}));
      fs::remove(dir / "sink");
    }
}

TEST_F(SaveTargets, ItsOwnStandardOutputIsWrittenIntoNotReplaced) {
  // /dev/stdout leads to the same place; these two are safe to try even
  // where a program would wrongly rename over them.
  for (const Save& save : Saves())
    for (const char* target : {"/dev/fd/1", "/proc/self/fd/1"}) {
      SCOPED_TRACE(std::string(save.what) + " " + target);
      const CliRun run = Shell(save.command + target);
      EXPECT_EQ(run.status, 0) << run.err;
      EXPECT_EQ(run.out.rfind(save.start, 0), 0u);
      EXPECT_EQ(Entries(), std::vector<std::string>{});
    }
  // Appended to, as the shell's >> asked.
  std::ofstream(dir / "log") << "before\n";
  const CliRun run = Shell(Saves()[0].command + "/dev/fd/3 3>> log");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadAll(dir / "log").rfind("before\n1 29.03.2020", 0), 0u);
}

TEST_F(SaveTargets, DevicesAreWrittenIntoAndStayDevices) {
  // Private copies of /dev/null and /dev/full: a program that renames over
  // its target can only hurt these.
  if (::mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
      ::mknod((dir / "full").c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
    GTEST_SKIP() << "making device nodes needs root";
  for (const Save& save : Saves()) {
    SCOPED_TRACE(save.what);
    CliRun run = Shell(save.command + "null");
    EXPECT_EQ(run.status, 0) << run.err;
    run = Shell(save.command + "full");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("No space left on device"), std::string::npos) << run.err;
    for (const char* name : {"null", "full"}) EXPECT_TRUE(fs::is_character_file(fs::symlink_status(dir / name)));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"full", "null"}));
  }
}

TEST_F(SaveTargets, WhatCannotTakeAFileIsRefusedAndStays) {
  fs::create_directories(dir / "folder/inside");
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = (dir / "socket").string();
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, socketPath.c_str());
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  fs::create_directory_symlink(dir / "folder", dir / "folder-link");
  const struct {
    const char* target;
    const char* why;
  } cases[] = {
      {"folder", "it is a folder, not a file"},
      {"folder-link", "it is a folder, not a file"},
      {"socket", "it is a socket, which cannot take a file"},
  };
  for (const Save& save : Saves())
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(save.what) + " " + c.target);
      const CliRun run = Shell(save.command + c.target);
      EXPECT_EQ(run.status, 1);
      EXPECT_NE(run.err.find(c.why), std::string::npos) << run.err;
      EXPECT_TRUE(fs::is_directory(dir / "folder/inside"));
      EXPECT_TRUE(fs::is_socket(fs::symlink_status(dir / "socket")));
      EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "folder-link")));
      EXPECT_EQ(Entries(), (std::vector<std::string>{"folder", "folder-link", "socket"}));
    }
  ::close(sock);
}

// A name of 243 to 255 bytes left no room for the temporary's mark.
TEST_F(SaveTargets, NamesUpToTheLongestSave) {
  for (const Save& save : Saves())
    for (const std::size_t length : {std::size_t{200}, std::size_t{243}, std::size_t{250}, std::size_t{255}}) {
      SCOPED_TRACE(std::string(save.what) + " " + std::to_string(length));
      const std::string name(length, 'n');
      const CliRun run = Shell(save.command + name);
      EXPECT_EQ(run.status, 0) << run.err;
      EXPECT_EQ(ReadAll(dir / name).rfind(save.start, 0), 0u);
      EXPECT_EQ(Entries(), std::vector<std::string>{name});
      fs::remove(dir / name);
    }
}

// The id of a process that has ended.
long GoneProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

// What a run killed while saving leaves: TARGET.PID-XXXXXXXX.tmp (get:
// .part). The next run on the same target removes those of gone processes,
// nothing else.
TEST_F(SaveTargets, TheNextRunRemovesItsOwnStaleTemporaries) {
  const std::string gone = std::to_string(GoneProcess());
  const std::string live = std::to_string(::getpid());
  const std::vector<std::string> stale = {
      "out.txt." + gone + "-0123abcd.tmp",
      "out.txt." + gone + "-fedcba98.tmp",
  };
  const std::vector<std::string> kept = {
      "out.txt." + live + "-0123abcd.tmp",    // its process still runs
      "out.txt.0123abcd.tmp",                 // no process id: not recognisably ours
      "other.txt." + gone + "-0123abcd.tmp",  // another target's
      "out.txt." + gone + "-0123abcd.part",   // get's, not import's
      "out.txt." + gone + "-0123ABCD.tmp",    // not the pattern
      "out.txt." + gone + "-0123abcd.tmp~",
  };
  for (const auto& names : {stale, kept})
    for (const std::string& name : names) std::ofstream(dir / name) << "left";
  CliRun run = Shell(Saves()[0].command + "out.txt");
  EXPECT_EQ(run.status, 0) << run.err;
  std::vector<std::string> expected = kept;
  expected.push_back("out.txt");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Entries(), expected);

  // get's .part, even when the download then fails.
  std::ofstream(dir / ("page." + gone + "-0123abcd.part")) << "left";
  run = Shell("$CLI get http://127.0.0.1:1/x page");
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(fs::exists(dir / ("page." + gone + "-0123abcd.part")));
  EXPECT_FALSE(fs::exists(dir / "page"));
}

// An installed copy (its sample history under ../share/drawlyze) keeps its
// files in the XDG data folder: an absolute XDG_DATA_HOME, else
// $HOME/.local/share. A relative XDG_DATA_HOME is ignored; with no home at
// all nothing is made, under "/" or the current folder, and it says why.
TEST_F(SaveTargets, TheDataFolderFollowsXdg) {
  fs::create_directories(dir / "prefix/bin");
  fs::create_directories(dir / "prefix/share/drawlyze");
  fs::copy_file(DRAWLYZE_CLI, dir / "prefix/bin/drawlyze-cli");
  fs::copy_file(std::string(DRAWLYZE_SOURCE_DIR) + "/data/3x10.txt", dir / "prefix/share/drawlyze/3x10.txt");
  fs::create_directories(dir / "work");
  const std::string cli = (dir / "prefix/bin/drawlyze-cli").string();
  const std::string home = (dir / "home").string();
  const std::string xdg = (dir / "xdg").string();
  const bool rootHadIt = fs::exists("/.local/share/drawlyze");
  const struct {
    const char* what;
    std::string env;
    std::string folder;  // where the sample lands; empty: nowhere
  } cases[] = {
      {"absolute XDG_DATA_HOME", "env HOME='" + home + "' XDG_DATA_HOME='" + xdg + "'", xdg + "/drawlyze"},
      {"relative XDG_DATA_HOME is ignored", "env HOME='" + home + "' XDG_DATA_HOME=rel",
       home + "/.local/share/drawlyze"},
      {"empty XDG_DATA_HOME", "env HOME='" + home + "' XDG_DATA_HOME=", home + "/.local/share/drawlyze"},
      {"no HOME, relative XDG_DATA_HOME", "env -u HOME XDG_DATA_HOME=rel", ""},
      {"no HOME, no XDG_DATA_HOME", "env -u HOME -u XDG_DATA_HOME", ""},
      {"relative HOME", "env -u XDG_DATA_HOME HOME=rel", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(dir / "home");
    fs::remove_all(dir / "xdg");
    const CliRun run = Shell("cd work && '" + cli + "' --last 5 view Skips", c.env);
    EXPECT_TRUE(fs::is_empty(dir / "work"));
    if (!c.folder.empty()) {
      EXPECT_EQ(run.status, 0) << run.err;
      EXPECT_TRUE(fs::is_regular_file(c.folder + "/3x10.txt"));
    } else {
      EXPECT_EQ(run.status, 1);
      EXPECT_NE(run.err.find("drawlyze-cli: there is no home folder to keep the draw file in: HOME is "),
                std::string::npos)
          << run.err;
      EXPECT_NE(run.err.find("$HOME/.local/share/drawlyze"), std::string::npos) << run.err;
      EXPECT_FALSE(fs::exists(dir / "home"));
      EXPECT_EQ(fs::exists("/.local/share/drawlyze"), rootHadIt);
    }
  }
}

}  // namespace
