#pragma once
// The folder that holds the program's files: the draw file, the State
// settings, the draw-file backups and temp.zip.
//
// A copy run from a folder it may write (a build folder, a portable copy)
// keeps them beside its executable. An installed copy keeps them in the
// user's data folder (QStandardPaths::AppDataLocation, ~/.local/share/drawlyze)
// and, the first time that folder is made, copies the installed sample
// history into it. A copy counts as installed when it cannot write its own
// folder, or when the sample history sits where the install rules put it
// (../share/drawlyze beside bin): root may write /usr/bin, and a copy
// installed under a writable prefix should not fill its bin folder either.

#include <string>
#include <vector>

namespace drawlyze::platform {

struct DataFolderChoice {
  std::string folder;     // where the files live
  bool personal = false;  // the user's data folder, not the executable's
  std::string sample;     // the installed sample history (personal only; may be missing)
};

// Decides from the executable's folder and the file system; changes nothing.
// Needs SetApplicationNames() first, which names the personal folder.
DataFolderChoice LocateDataFolder();

// Makes a personal folder that does not exist yet (mode 0700) and copies the
// sample history into it. Returns a message when it cannot (empty: done, or
// nothing to do); a failed copy removes the folder again, so the next start
// tries anew.
std::string PrepareDataFolder(const DataFolderChoice& choice);

// The folder of this run: located and prepared on the first call, the same
// answer afterwards. A preparation failure is printed on stderr; the folder
// is still returned, so reads and writes fail later with their own messages.
const std::string& DataFolder();

// Where the prize table that prices plays is looked for, first found first:
// prizes.csv in folder (the data folder, where the user edits it), then the
// one installed beside the sample history. None there: the bundled default.
std::vector<std::string> PrizeTablePaths(const std::string& folder);

}  // namespace drawlyze::platform
