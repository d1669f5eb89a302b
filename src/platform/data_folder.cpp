#include "platform/data_folder.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "core/files/whole_file.h"
#include "core/history/draw_history.h"
#include "core/plays/prize_table.h"

namespace drawlyze::platform {
namespace {

namespace fs = std::filesystem;

// Empty when the system does not say (no /proc): then the copy is treated as
// installed, the safe side.
fs::path ExecutableFolder() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : self.parent_path();
}

bool MayWrite(const fs::path& folder) { return !folder.empty() && ::access(folder.c_str(), W_OK) == 0; }

bool IsAbsolute(const char* path) { return path && path[0] == '/'; }

}  // namespace

std::string PersonalDataFolder(const char* xdgDataHome, const char* home, std::string& problem) {
  problem.clear();
  if (IsAbsolute(xdgDataHome)) return (fs::path(xdgDataHome) / "drawlyze").lexically_normal().string();
  // HOME "/" (a system account's) is no home either: its data would land in /.local/share.
  if (IsAbsolute(home) && fs::path(home).lexically_normal() != "/")
    return (fs::path(home) / ".local/share/drawlyze").lexically_normal().string();
  problem =
      std::string("there is no home folder to keep the draw file in: HOME is ") +
      (home && *home ? "\"" + std::string(home) + "\", not a home folder" : "not set") +
      (xdgDataHome && *xdgDataHome ? " and XDG_DATA_HOME \"" + std::string(xdgDataHome) + "\" is not an absolute path"
                                   : " and XDG_DATA_HOME is not set") +
      "; set HOME (the files then go to $HOME/.local/share/drawlyze) or an absolute XDG_DATA_HOME (to "
      "$XDG_DATA_HOME/drawlyze), or name the draw file on the command line";
  return {};
}

DataFolderChoice LocateDataFolder() {
  const fs::path exe = ExecutableFolder();
  const fs::path sample =
      exe.empty() ? fs::path() : (exe / DRAWLYZE_SAMPLE_FROM_BIN / DrawFileName()).lexically_normal();
  std::error_code ec;
  const bool installedLayout = !sample.empty() && fs::is_regular_file(sample, ec);
  DataFolderChoice choice;
  if (MayWrite(exe) && !installedLayout) {
    choice.folder = exe.string();
    return choice;
  }
  choice.personal = true;
  choice.folder = PersonalDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), choice.problem);
  if (installedLayout) choice.sample = sample.string();
  return choice;
}

std::string PrepareDataFolder(const DataFolderChoice& choice) {
  if (!choice.personal) return {};
  if (choice.folder.empty()) return choice.problem;
  const fs::path folder = choice.folder;
  std::error_code ec;
  if (fs::exists(folder, ec) || ec) return {};  // not the first start
  fs::create_directories(folder, ec);
  if (ec) return "cannot create the folder " + folder.string() + ": " + ec.message();
  fs::permissions(folder, fs::perms::owner_all, ec);  // as XDG asks of new data folders
  if (choice.sample.empty()) return {};
  std::string text;
  if (!ReadWholeFile(choice.sample, text)) return {};  // no sample installed: start empty
  const fs::path target = folder / DrawFileName();
  if (WriteFileWhole(target.string(), text)) return {};
  fs::remove(folder, ec);
  return "cannot copy the sample history " + choice.sample + " to " + target.string();
}

const std::string& DataFolder() {
  static const std::string folder = [] {
    const DataFolderChoice choice = LocateDataFolder();
    const std::string error = PrepareDataFolder(choice);
    if (!error.empty()) std::cerr << program_invocation_short_name << ": " << error << '\n';
    return choice.folder;
  }();
  return folder;
}

std::vector<std::string> PrizeTablePaths(const std::string& folder) {
  const std::string name(plays::kPrizeTableFileName);
  std::vector<std::string> paths = {(fs::path(folder) / name).string()};
  const DataFolderChoice choice = LocateDataFolder();
  if (!choice.sample.empty()) paths.push_back((fs::path(choice.sample).parent_path() / name).string());
  return paths;
}

}  // namespace drawlyze::platform
