#pragma once
// The file work of an update: a private working folder inside the program's
// folder (one file system, so the final rename is atomic), fresh files that
// never follow a link, and the backup of the draw file.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/whole_file.h"

namespace drawlyze::updater {

// The working folders' names start with this; no archive member is ever
// written under its own name, so none can collide with one.
inline constexpr const char* kStagingPrefix = ".drawlyze-update-";

// Held while an update works in a folder, so that a second one there (the
// window and a scheduled drawlyze-cli update) is refused instead of taking
// the first one's working folder for one left by a killed update. The system
// drops it with the process, so a killed update leaves no stale lock.
class FolderLock {
 public:
  explicit FolderLock(const std::string& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // False only when another update holds the folder.
  bool Ok() const { return ok_; }
  // Why the folder is not free (when Ok() is false).
  Error Failure() const { return {ErrorKind::Busy, "", "another update is running in " + folder_}; }

 private:
  std::string folder_;
  int fd_ = -1;
  bool ok_ = true;
};

// A fresh working folder (mode 0700) in folder; removed with everything in it
// when the object goes, whatever happened. Folders left by an update that was
// killed are removed first.
class StagingFolder {
 public:
  explicit StagingFolder(const std::string& folder);
  ~StagingFolder() { Remove(); }
  StagingFolder(const StagingFolder&) = delete;
  StagingFolder& operator=(const StagingFolder&) = delete;

  bool Ok() const { return !path_.empty(); }
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& leaf) const { return path_ + "/" + leaf; }
  void Remove();

 private:
  std::string path_;
};

// Keeps draw under backup, which must not exist: a hard link when the file
// system has them, else a flushed copy. On failure no backup is left.
Status KeepAsBackup(const std::string& draw, const std::string& backup);

// Puts candidate (flushed, on the folder's file system) in the place of
// folder/drawName with one rename, after keeping the file there under the
// next free backup name (3x10.txt.bak, 3x10.txt[1].bak, ...). Whenever it
// stops, the folder holds the old file or the new one, each whole. A draw
// file that is no regular file (a FIFO, a device, a folder, a link to one)
// is never replaced (NotAFile). The backup's name (empty when there was no
// file to keep), or why the draw file stays as it was. step hears "backup
// made", "draw file replaced" and "folder flushed".
Result<std::string> ReplaceDrawFile(const std::string& candidate, const std::string& folder,
                                    const std::string& drawName,
                                    const std::function<void(std::string_view)>& step = {});

struct SavedDrawFile {
  bool saved = false;
  std::string backupName;      // empty when no file had to be kept
  std::optional<Error> error;  // why nothing changed
  std::string failure;         // the same in words, for the callers that still prepend "Error - "
};

// Writes text as folder/drawName the way an update installs a draw file:
// into a working folder, flushed, the file in place kept as a backup, then
// one rename. On failure the folder is as it was. A device or a FIFO there
// (/dev/stdout) takes the text straight, with no backup; a folder or a
// socket there is refused.
SavedDrawFile SaveDrawFile(const std::string& folder, const std::string& drawName, std::string_view text);

}  // namespace drawlyze::updater
