#pragma once
// RunUpdate: downloads the results archive into "temp.zip", lists it,
// extracts the chosen member into a private working folder, checks it with
// the draw-file loader, keeps the current draw file under the next free
// backup name and puts the new one in its place with one atomic rename.
// Whatever stops it (a failure, Escape, a killed process), the folder holds
// the complete old draw file or the complete new one; a failure leaves
// nothing else behind and says why.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "update/zip/zip.h"

namespace drawlyze::updater {

inline constexpr const char* kTempArchiveName = "temp.zip";
// The largest archive the Updater downloads.
inline constexpr long long kMaxDownloadBytes = 64LL << 20;
// The longest a download may take, however steadily the server drips.
inline constexpr int kUpdateDeadlineMs = 10 * 60 * 1000;

// The steps InstallDownloadedArchive reports, in order (RunUpdate reports
// "archive saved" after the first). Tests stop the process at each of them.
inline constexpr std::array<std::string_view, 9> kInstallSteps = {
    "working folder made", "member extracted", "new draw file checked",  "new draw file flushed", "backup made",
    "draw file replaced",  "folder flushed",   "working folder removed", "archive removed"};

// Where the Updater looks for the results archive unless told otherwise: the
// environment variable DRAWLYZE_RESULTS_DIR when it is set and not empty,
// else the program's own default. Ends with "/".
std::string DefaultResultsDirectory();

struct UpdateSettings {
  std::string url;                 // exactly as typed
  std::string mask = "loto*.txt";  // the chosen member must match it
  std::string folder;              // the program's folder, which holds the draw file
  std::string drawName = "3x10.txt";
  int timeoutMs = 30000;  // silence after which the download fails
  int deadlineMs = kUpdateDeadlineMs;
  long long maxDownloadBytes = kMaxDownloadBytes;
};

// How the procedure reaches the windows (or the command line); each optional.
struct UpdateCallbacks {
  std::function<void()> clearList;
  std::function<void(int, const ZipReport&)> onArchiveEntry;  // every report of the listing
  std::function<void(const std::string& text)> showMessage;
  std::function<void(const std::string& path)> loadDrawFile;
  std::function<void()> processEvents;  // between the extraction's input blocks
  std::function<bool()> escapeHeld;     // stops the extraction
  // Asked when the new draw file is older than the current one or has fewer
  // than half its draws; true replaces it. Absent: such a file is refused.
  std::function<bool(const std::string& question)> confirmReplace;
  std::function<void(std::string_view step)> onStep;  // after each step (tests stop the process there)
};

struct UpdateResult {
  bool installed = false;
  std::vector<std::string> members;  // as listed, in directory order
  std::string chosen;                // the member meant to become the draw file
  std::string backupName;            // empty when no draw file had to be kept
  std::string failure;               // the message shown; empty on success
  bool needsConfirmation = false;    // refused as older or shorter, with nobody to ask or a "No"
};

UpdateResult RunUpdate(const UpdateSettings& settings, const UpdateCallbacks& callbacks);

// The part of RunUpdate after the download: installs from folder + "temp.zip"
// as it is (settings.url serves messages only).
UpdateResult InstallDownloadedArchive(const UpdateSettings& settings, const UpdateCallbacks& callbacks);

}  // namespace drawlyze::updater
