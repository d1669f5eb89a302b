#include "update/updater/backups.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/files/save_target.h"
#include "core/files/whole_file.h"
#include "core/history/draw_history.h"
#include "update/updater/candidate_check.h"
#include "update/updater/install_files.h"

namespace drawlyze::updater {

namespace fs = std::filesystem;

namespace {

// The n of "3x10.txt[n].bak"; 0 for "3x10.txt.bak".
int BackupNumber(const std::string& drawName, const std::string& name) {
  if (name == drawName + ".bak") return 0;
  return std::stoi(name.substr(drawName.size() + 1));
}

std::string Plural(std::int64_t n, const char* unit) {
  return std::to_string(n) + " " + unit + (n == 1 ? "" : "s") + " ago";
}

}  // namespace

bool IsBackupName(const std::string& drawName, const std::string& name) {
  if (name == drawName + ".bak") return true;
  const std::string head = drawName + "[", tail = "].bak";
  if (name.size() <= head.size() + tail.size() || name.compare(0, head.size(), head) != 0 ||
      name.compare(name.size() - tail.size(), tail.size(), tail) != 0)
    return false;
  const std::string n = name.substr(head.size(), name.size() - head.size() - tail.size());
  return n.size() <= 4 && n[0] != '0' && n.find_first_not_of("0123456789") == std::string::npos;
}

std::vector<BackupFile> ListBackups(const std::string& folder, const std::string& drawName) {
  std::vector<BackupFile> list;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (!IsBackupName(drawName, name)) continue;
    struct stat st {};
    // A link is no backup the program made; only regular files are read.
    if (::lstat(entry.path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    BackupFile backup;
    backup.name = name;
    backup.modified = st.st_mtime;
    std::string text;
    if (st.st_size <= static_cast<off_t>(kMaxDrawFileBytes) && ReadWholeFile(entry.path().string(), text)) {
      const LoadResult load = ParseDrawFile(text);
      backup.draws = load.ValidLineCount();
      if (!load.draws.empty()) backup.newestDate = load.draws.front().date;
    }
    list.push_back(std::move(backup));
  }
  std::sort(list.begin(), list.end(), [&drawName](const BackupFile& a, const BackupFile& b) {
    if (a.modified != b.modified) return a.modified > b.modified;
    return BackupNumber(drawName, a.name) > BackupNumber(drawName, b.name);
  });
  return list;
}

RestoredBackup RestoreBackup(const std::string& folder, const std::string& drawName, const std::string& backup) {
  RestoredBackup r;
  if (!IsBackupName(drawName, backup)) {
    r.failure = backup + " is no backup of " + drawName;
    return r;
  }
  const std::string path = (fs::path(folder) / drawName).string();
  if (const SaveTarget target = InspectSaveTarget(path); target.kind != SaveTargetKind::Replaceable) {
    r.failure = drawName + " in " + folder +
                " stays as it is: " + (target.kind == SaveTargetKind::Unusable ? target.what : "it is no regular file");
    return r;
  }
  // The backup is read and the draw file replaced while no update can change either.
  const FolderLock lock(folder);
  if (!lock.Ok()) {
    r.failure = "another update is running in " + folder + "; " + drawName + " stays as it is";
    return r;
  }
  struct stat st {};
  std::string text;
  const std::string from = (fs::path(folder) / backup).string();
  if (::lstat(from.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || !ReadWholeFile(from, text)) {
    r.failure = backup + " cannot be read in " + folder;
    return r;
  }
  const CandidateDecision d =
      JudgeCandidate(backup, text.size(), FactsOf(ParseDrawFile(text)), std::nullopt, std::nullopt);
  if (d.verdict == Verdict::Refuse) {
    r.failure = d.reason + "; " + drawName + " stays as it is";
    return r;
  }
  const SavedDrawFile saved = SaveDrawFileLocked(folder, drawName, text);
  r.restored = saved.saved;
  r.keptAs = saved.backupName;
  r.failure = saved.failure;
  return r;
}

std::string AgeText(std::int64_t modified, std::int64_t now) {
  const std::int64_t seconds = now - modified;
  if (seconds < 60) return "just now";
  if (seconds < 3600) return Plural(seconds / 60, "minute");
  if (seconds < 86400) return Plural(seconds / 3600, "hour");
  const std::int64_t days = seconds / 86400;
  if (days == 1) return "yesterday";
  if (days < 60) return Plural(days, "day");
  if (days < 730) return Plural(days / 30, "month");
  return Plural(days / 365, "year");
}

}  // namespace drawlyze::updater
