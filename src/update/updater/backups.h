#pragma once
// The backups an update or a save keeps beside the draw file (3x10.txt.bak,
// 3x10.txt[1].bak, ...): listed with what they hold, and put back. Putting
// one back keeps the draw file in place as the next backup first, the way an
// update does, so that no history is ever lost.

#include <cstdint>
#include <string>
#include <vector>

namespace drawlyze::updater {

struct BackupFile {
  std::string name;           // "3x10.txt[2].bak"
  long long draws = 0;        // valid lines
  std::string newestDate;     // the date of its last valid line; empty without draws
  std::int64_t modified = 0;  // its last modification, in seconds since 1970
};

// Whether name is one of drawName's backup names: drawName + ".bak", or
// drawName + "[n].bak" with n from 1 to 9999 written plainly.
bool IsBackupName(const std::string& drawName, const std::string& name);

// The regular files among drawName's backup names in folder, the most
// recently modified first (among equal times, the later number first).
std::vector<BackupFile> ListBackups(const std::string& folder, const std::string& drawName);

struct RestoredBackup {
  bool restored = false;
  std::string keptAs;   // the backup name the replaced draw file now has; empty when there was none
  std::string failure;  // why nothing changed
};

// Writes a copy of folder/backup as folder/drawName, under the folder's lock,
// the file there kept first under the next free backup name; the backup
// itself stays. A backup that holds no draw is refused, as an update refuses
// such a file. On failure the folder is as it was.
RestoredBackup RestoreBackup(const std::string& folder, const std::string& drawName, const std::string& backup);

// How long ago a file was modified, for a list: "just now", "5 minutes ago",
// "2 hours ago", "yesterday", "3 days ago"; a time after now is "just now".
std::string AgeText(std::int64_t modified, std::int64_t now);

}  // namespace drawlyze::updater
