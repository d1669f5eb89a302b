#include "update/updater/install_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/files/save_target.h"
#include "core/files/whole_file.h"
#include "update/updater/update_steps.h"

namespace drawlyze::updater {

namespace fs = std::filesystem;

FolderLock::FolderLock(const std::string& folder) : folder_(folder) {
  fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  // A folder that cannot be opened or locked (a file system without locks)
  // does not stop the update; only another update's lock does.
  if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) ok_ = errno != EWOULDBLOCK;
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

StagingFolder::StagingFolder(const std::string& folder) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(kStagingPrefix, 0) == 0 && entry.is_directory(ec) && !entry.is_symlink(ec))
      fs::remove_all(entry.path(), ec);
  }
  std::string pattern = (fs::path(folder) / (std::string(kStagingPrefix) + "XXXXXX")).string();
  if (::mkdtemp(pattern.data())) path_ = pattern;
}

void StagingFolder::Remove() {
  if (path_.empty()) return;
  std::error_code ec;
  fs::remove_all(path_, ec);
  path_.clear();
}

Status KeepAsBackup(const std::string& draw, const std::string& backup) {
  if (::link(draw.c_str(), backup.c_str()) == 0) {
    SyncParentFolder(backup);
    return {};
  }
  if (errno == EEXIST) return Error{ErrorKind::CannotWrite, backup, "a file of that name is there already"};
  // No hard links on this file system: a copy, written and flushed whole.
  const Result<std::string> bytes = ReadWholeFile(draw);
  if (!bytes) return bytes.Failure();
  const Status copied = WriteFreshFile(backup, *bytes);
  if (copied) SyncParentFolder(backup);
  return copied;
}

Result<std::string> ReplaceDrawFile(const std::string& candidate, const std::string& folder,
                                    const std::string& drawName, const std::function<void(std::string_view)>& step) {
  const auto report = [&](std::string_view what) {
    if (step) step(what);
  };
  const fs::path dir(folder);
  const fs::path draw = dir / drawName;
  // A history is a regular file; whatever else stands there stays.
  if (const SaveTarget target = InspectSaveTarget(draw.string()); target.kind != SaveTargetKind::Replaceable)
    return Error{ErrorKind::NotAFile, drawName,
                 (target.kind == SaveTargetKind::Unusable ? target.what : "it is no regular file") +
                     std::string("; it stays as it is")};
  std::error_code ec;
  std::string backupName;
  fs::path backup;
  if (fs::exists(fs::symlink_status(draw, ec))) {
    backupName = BackupName(drawName, [&dir](const std::string& name) {
      std::error_code e;
      return fs::exists(fs::symlink_status(dir / name, e));
    });
    backup = dir / backupName;
    // Every backup name taken: the last one tried is there already.
    const Status kept = fs::exists(fs::symlink_status(backup, ec))
                            ? Status(Error{ErrorKind::CannotWrite, backupName, "a file of that name is there already"})
                            : KeepAsBackup(draw.string(), backup.string());
    if (!kept)
      return Error{ErrorKind::CannotWrite, backupName,
                   drawName + " cannot be kept as this backup (" + kept.Failure().detail + "); it stays in place"};
  }
  report("backup made");
  // The one step that changes the draw file: the old one or the new one,
  // each whole, whenever the program stops.
  if (std::rename(candidate.c_str(), draw.c_str()) != 0) {
    if (!backup.empty()) fs::remove(backup, ec);
    return Error{ErrorKind::CannotWrite, drawName, "the new draw file cannot take its place; it stays as it was"};
  }
  report("draw file replaced");
  SyncParentFolder(draw.string());
  report("folder flushed");
  return backupName;
}

SavedDrawFile SaveDrawFile(const std::string& folder, const std::string& drawName, std::string_view text) {
  SavedDrawFile saved;
  const auto fail = [&saved](Error error, std::string words) {
    saved.error = std::move(error);
    saved.failure = std::move(words);
    return saved;
  };
  const std::string path = (fs::path(folder) / drawName).string();
  if (const SaveTarget target = InspectSaveTarget(path); target.kind != SaveTargetKind::Replaceable) {
    const Status written = target.kind == SaveTargetKind::Unusable ? Status(NotAFileError(path, target))
                                                                   : WriteStraightInto(path, target, text);
    if (!written)
      return fail(written.Failure(), drawName + " cannot be written in " + folder + ": " + written.Failure().detail);
    saved.saved = true;
    return saved;
  }
  // An update running in the folder owns its working folder and the draw file.
  const FolderLock lock(folder);
  if (!lock.Ok())
    return fail(lock.Failure(), "another update is running in " + folder + "; " + drawName + " stays as it is");
  StagingFolder staging(folder);
  const std::string candidate = staging.Ok() ? staging / "candidate" : std::string();
  const Status written =
      staging.Ok() ? WriteFreshFile(candidate, text)
                   : Status(Error{ErrorKind::CannotWrite, folder, "no working folder can be made in this folder"});
  if (!written) return fail(written.Failure(), drawName + " cannot be written in " + folder);
  Result<std::string> backup = ReplaceDrawFile(candidate, folder, drawName);
  if (!backup) return fail(backup.Failure(), drawName + " in " + folder + ": " + backup.Failure().detail);
  saved.saved = true;
  saved.backupName = *backup;
  return saved;
}

}  // namespace drawlyze::updater
