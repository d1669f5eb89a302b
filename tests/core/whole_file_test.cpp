#include "core/files/whole_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "core/files/save_target.h"

namespace drawlyze {
namespace {

namespace fs = std::filesystem;

class WholeFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("whole_file_test_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Read(const fs::path& p) {
    std::string text;
    EXPECT_TRUE(ReadWholeFile(p.string(), text));
    return text;
  }
  int EntryCount() { return static_cast<int>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator())); }
  fs::path dir_;
};

TEST_F(WholeFileTest, ReplacesTheTargetAndLeavesNoTemporaryFile) {
  const fs::path target = dir_ / "a.txt";
  ASSERT_TRUE(WriteFileWhole(target.string(), "old"));
  ASSERT_TRUE(WriteFileWhole(target.string(), std::string("new\0bytes", 9)));
  EXPECT_EQ(Read(target), std::string("new\0bytes", 9));
  EXPECT_EQ(EntryCount(), 1);
}

TEST_F(WholeFileTest, ALinkAtTheTargetIsReplacedNotFollowed) {
  const fs::path victim = dir_ / "victim.txt";
  ASSERT_TRUE(WriteFileWhole(victim.string(), "keep me"));
  fs::create_symlink(victim, dir_ / "link.txt");
  ASSERT_TRUE(WriteFileWhole((dir_ / "link.txt").string(), "written"));
  EXPECT_EQ(Read(victim), "keep me");
  EXPECT_FALSE(fs::is_symlink(dir_ / "link.txt"));
  EXPECT_EQ(Read(dir_ / "link.txt"), "written");
}

TEST_F(WholeFileTest, FailuresChangeNothing) {
  // A folder that does not exist, and a folder standing where the file should go.
  const Status missing = WriteFileWhole((dir_ / "missing" / "a.txt").string(), "x");
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.Failure(),
            (Error{ErrorKind::CannotWrite, (dir_ / "missing" / "a.txt").string(), "No such file or directory"}));
  fs::create_directory(dir_ / "folder");
  const Status folder = WriteFileWhole((dir_ / "folder").string(), "x");
  ASSERT_FALSE(folder);
  EXPECT_EQ(folder.Failure(), (Error{ErrorKind::NotAFile, (dir_ / "folder").string(), "it is a folder, not a file"}));
  EXPECT_TRUE(fs::is_directory(dir_ / "folder"));
  EXPECT_EQ(EntryCount(), 1);
  std::string text;
  EXPECT_FALSE(ReadWholeFile((dir_ / "folder").string(), text));
  EXPECT_FALSE(ReadWholeFile((dir_ / "none").string(), text));
}

// A read that fails says which of its failures it met.
TEST_F(WholeFileTest, AFailedReadSaysWhy) {
  fs::create_directory(dir_ / "folder");
  ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0600), 0);
  fs::create_symlink(dir_ / "none", dir_ / "dangling");
  const std::string none = (dir_ / "none").string(), folder = (dir_ / "folder").string(),
                    fifo = (dir_ / "fifo").string(), dangling = (dir_ / "dangling").string();
  const struct {
    std::string path;
    Error error;
  } cases[] = {
      {none, {ErrorKind::NotFound, none, ""}},
      {dangling, {ErrorKind::NotFound, dangling, ""}},
      {folder, {ErrorKind::CannotRead, folder, "it is a folder"}},
      {fifo, {ErrorKind::CannotRead, fifo, "it is no regular file"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const Result<std::string> read = ReadWholeFile(c.path);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.Failure(), c.error);
  }
  ASSERT_TRUE(WriteFileWhole((dir_ / "a.txt").string(), "bytes"));
  const Result<std::string> read = ReadWholeFile((dir_ / "a.txt").string());
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, "bytes");
}

// What stands at a target decides how it is saved: only a regular file, or
// nothing, is ever replaced.
TEST_F(WholeFileTest, InspectSaveTargetTellsWhatStandsThere) {
  ASSERT_TRUE(WriteFileWhole((dir_ / "file").string(), "x"));
  ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0600), 0);
  fs::create_symlink(dir_ / "file", dir_ / "to-file");
  fs::create_symlink(dir_ / "fifo", dir_ / "to-fifo");
  fs::create_symlink(dir_ / "none", dir_ / "to-none");
  fs::create_symlink("/dev/null", dir_ / "to-null");
  fs::create_directory(dir_ / "folder");
  fs::create_directory_symlink(dir_ / "folder", dir_ / "to-folder");
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strcpy(address.sun_path, (dir_ / "socket").c_str());
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  const int own = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  const struct {
    std::string path;
    SaveTargetKind kind;
    int descriptor;
  } cases[] = {
      {(dir_ / "none").string(), SaveTargetKind::Replaceable, -1},
      {(dir_ / "file").string(), SaveTargetKind::Replaceable, -1},
      {(dir_ / "to-file").string(), SaveTargetKind::Replaceable, -1},
      {(dir_ / "to-none").string(), SaveTargetKind::Replaceable, -1},
      {(dir_ / "missing/x").string(), SaveTargetKind::Replaceable, -1},
      {(dir_ / "fifo").string(), SaveTargetKind::Stream, -1},
      {(dir_ / "to-fifo").string(), SaveTargetKind::Stream, -1},
      {"/dev/null", SaveTargetKind::Stream, -1},
      {(dir_ / "to-null").string(), SaveTargetKind::Stream, -1},
      {"/dev/stdout", SaveTargetKind::Descriptor, 1},
      {"/dev/stderr", SaveTargetKind::Descriptor, 2},
      {"/dev/fd/" + std::to_string(own), SaveTargetKind::Descriptor, own},
      {"/proc/self/fd/" + std::to_string(own), SaveTargetKind::Descriptor, own},
      {"/proc/" + std::to_string(::getpid()) + "/fd/" + std::to_string(own), SaveTargetKind::Descriptor, own},
      {(dir_ / "folder").string(), SaveTargetKind::Unusable, -1},
      {(dir_ / "to-folder").string(), SaveTargetKind::Unusable, -1},
      {(dir_ / "socket").string(), SaveTargetKind::Unusable, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const SaveTarget target = InspectSaveTarget(c.path);
    EXPECT_EQ(target.kind, c.kind);
    EXPECT_EQ(target.descriptor, c.descriptor);
  }
  ::close(own);
  ::close(sock);
}

// A FIFO takes the bytes straight; it stays a FIFO and nothing else appears.
TEST_F(WholeFileTest, AFifoIsWrittenIntoNeverReplaced) {
  const fs::path fifo = dir_ / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string got;
  std::thread reader([&] {
    std::ifstream in(fifo, std::ios::binary);
    got.assign(std::istreambuf_iterator<char>(in), {});
  });
  const Status saved = WriteFileWhole(fifo.string(), "draws\r\n");
  reader.join();
  EXPECT_TRUE(saved) << ErrorText(saved.Failure());
  EXPECT_EQ(got, "draws\r\n");
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
  EXPECT_EQ(EntryCount(), 1);
  // Nobody reads it: a clear failure once the wait is over, not a hang.
  const Result<int> fd = OpenStraightTarget(fifo.string(), InspectSaveTarget(fifo.string()), 100);
  ASSERT_FALSE(fd);
  EXPECT_EQ(fd.Failure(), (Error{ErrorKind::CannotWrite, fifo.string(), "no program reads from it"}));
}

// A reader that leaves early is a failed save, never a SIGPIPE that ends the program.
TEST_F(WholeFileTest, AReaderThatLeavesIsAFailureNotASignal) {
  const fs::path fifo = dir_ / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::thread reader([&] {
    const int fd = ::open(fifo.c_str(), O_RDONLY);
    char first[16];
    EXPECT_GT(::read(fd, first, sizeof first), 0);
    ::close(fd);
  });
  const Status saved = WriteFileWhole(fifo.string(), std::string(8 << 20, 'x'));
  reader.join();
  ASSERT_FALSE(saved);
  EXPECT_EQ(saved.Failure(), (Error{ErrorKind::CannotWrite, fifo.string(), "Broken pipe"}));
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
}

// Names up to the longest a folder takes save; a long name's temporaries
// keep within it and stay its own.
TEST_F(WholeFileTest, LongNamesShortenOnlyTheirTemporaries) {
  for (const std::size_t length : {std::size_t{1}, std::size_t{200}, std::size_t{232}, std::size_t{243},
                                   std::size_t{250}, std::size_t{NAME_MAX}}) {
    SCOPED_TRACE(length);
    const fs::path target = dir_ / std::string(length, 'a');
    const std::string stem = TemporaryStem(target.string(), 4);
    EXPECT_LE(fs::path(stem).filename().string().size() + 20 + 4, std::size_t{NAME_MAX});
    EXPECT_EQ(stem == target.string(), length <= NAME_MAX - 20 - 4);
    const Status saved = WriteFileWhole(target.string(), "x");
    EXPECT_TRUE(saved) << ErrorText(saved.Failure());
    EXPECT_EQ(Read(target), "x");
    EXPECT_EQ(EntryCount(), 1);
    fs::remove(target);
  }
  // Two long names that start alike keep stems of their own.
  const std::string a = (dir_ / (std::string(250, 'a') + "1")).string();
  const std::string b = (dir_ / (std::string(250, 'a') + "2")).string();
  EXPECT_NE(TemporaryStem(a, 4), TemporaryStem(b, 4));
  // A cut never splits a UTF-8 character.
  std::string wide;
  while (wide.size() < 250) wide += "\xC3\xA9";
  const std::string leaf = fs::path(TemporaryStem((dir_ / wide).string(), 4)).filename().string();
  EXPECT_EQ(leaf.substr(0, leaf.find('~')).size() % 2, 0u);
}

// The id of a process that has ended.
long GoneProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST_F(WholeFileTest, StaleTemporariesOfGoneProcessesGoWithTheNextSave) {
  const std::string gone = std::to_string(GoneProcess());
  for (const std::string& target : {(dir_ / "a.txt").string(), (dir_ / std::string(252, 'l')).string()}) {
    SCOPED_TRACE(target.size());
    const std::string stem = TemporaryStem(target, 4);
    const std::string stale = stem + "." + gone + "-0123abcd.tmp";
    const std::string live = stem + "." + std::to_string(::getpid() == 1 ? 2 : 1) + "-0123abcd.tmp";
    for (const std::string& name : {stale, live}) std::ofstream(name) << "left";
    fs::create_symlink(dir_ / "victim", stem + "." + gone + "-fedcba98.tmp");  // a link: not a temporary
    ASSERT_TRUE(WriteFileWhole(target, "new"));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(live));  // process 1 always runs
    EXPECT_TRUE(fs::is_symlink(stem + "." + gone + "-fedcba98.tmp"));
    EXPECT_EQ(Read(target), "new");
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
}

}  // namespace
}  // namespace drawlyze
