// The install killed (SIGKILL, in a child process) right after each of its
// steps: the folder holds the whole old draw file or the whole new one every
// time, and the next update runs as if nothing had happened.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "../zip/zip_test_util.h"
#include "update/updater/run_update.h"

namespace {

using namespace ziptest;
using namespace drawlyze::updater;

const std::string kOld = "1 01.01.2011 Sat Day 4 9 1 x\r\n";
const std::string kNew = "1 01.01.2011 Sat Day 4 9 1 x\r\n2 01.01.2011 Sat Eve 9 1 5 x\r\n";

UpdateResult Install(const TempFolder& t, std::string_view stopAt, std::vector<std::string>* steps = nullptr) {
  WriteBytes(t / "temp.zip", BuildZip({.members = {{.name = "readme.txt", .data = ToBytes("results")},
                                                   {.name = "loto3.txt", .data = ToBytes(kNew)}}}));
  UpdateSettings settings;
  settings.folder = t.path.string();
  settings.url = "http://results.test/loto3_txt.zip";
  UpdateCallbacks callbacks;
  callbacks.processEvents = [] {};
  callbacks.onStep = [&](std::string_view step) {
    if (steps) steps->emplace_back(step);
    if (step == stopAt) ::raise(SIGKILL);
  };
  return InstallDownloadedArchive(settings, callbacks);
}

TEST(InstallKill, EveryStepLeavesAWholeDrawFile) {
  {
    TempFolder t;
    std::vector<std::string> steps;
    ASSERT_TRUE(Install(t, "", &steps).installed);
    EXPECT_EQ(steps, std::vector<std::string>(kInstallSteps.begin(), kInstallSteps.end()));
  }
  bool replaced = false;
  for (const std::string_view step : kInstallSteps) {
    SCOPED_TRACE(std::string(step));
    replaced |= step == "draw file replaced";
    TempFolder t;
    WriteBytes(t / "3x10.txt", ToBytes(kOld));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      Install(t, step);
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(ReadBytes(t.path / "3x10.txt"), ToBytes(replaced ? kNew : kOld));
    if (fs::exists(t.path / "3x10.txt.bak")) {
      EXPECT_EQ(ReadBytes(t.path / "3x10.txt.bak"), ToBytes(kOld));
    }

    // The next update installs and clears what the killed one left.
    const UpdateResult next = Install(t, "");
    EXPECT_TRUE(next.installed) << (next.failure ? ErrorText(*next.failure) : "");
    EXPECT_EQ(ReadBytes(t.path / "3x10.txt"), ToBytes(kNew));
    for (const auto& entry : fs::directory_iterator(t.path)) {
      const std::string name = entry.path().filename().string();
      EXPECT_TRUE(name == "3x10.txt" || name.rfind("3x10.txt", 0) == 0) << name;
    }
  }
}

}  // namespace
