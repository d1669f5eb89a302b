#pragma once
// RunUpdate: downloads the results archive into "temp.zip", lists it,
// extracts the chosen member into a private working folder (a results export
// in CSV instead goes through the importer with its proposed columns), checks
// it with the draw-file loader, keeps the current draw file under the next
// free backup name and puts the new one in its place with one atomic rename.
// Whatever stops it (a failure, Escape, a killed process), the folder holds
// the complete old draw file or the complete new one; a failure leaves
// nothing else behind and says why.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/error/error.h"
#include "update/updater/candidate_check.h"
#include "update/updater/source_catalogue.h"
#include "update/zip/zip.h"

namespace drawlyze::updater {

inline constexpr const char* kTempArchiveName = "temp.zip";
// The archive a results directory holds; an address ending in "/" gets it appended.
inline constexpr const char* kArchiveName = "loto3_txt.zip";
// The largest archive the Updater downloads.
inline constexpr long long kMaxDownloadBytes = 64LL << 20;
// The longest a download may take, however steadily the server drips.
inline constexpr int kUpdateDeadlineMs = 10 * 60 * 1000;

// The steps InstallDownloadedArchive reports for an archive, in order
// (RunUpdate reports "archive saved" after the first; a results export
// reports "export converted" in the place of "member extracted"). Tests stop
// the process at each of them.
inline constexpr std::array<std::string_view, 9> kInstallSteps = {
    "working folder made", "member extracted", "new draw file checked",  "new draw file flushed", "backup made",
    "draw file replaced",  "folder flushed",   "working folder removed", "archive removed"};

// Where the Updater looks for the results archive unless told otherwise: the
// environment variable DRAWLYZE_RESULTS_DIR when it is set and not empty,
// else the program's own default. Ends with "/".
std::string DefaultResultsDirectory();

// Lets a window stop a running update at once (its Close button, Escape):
// the download ends, the extraction stops at its next block, and the update
// fails without a message, leaving the folder as it was.
class UpdateStop {
 public:
  void Request() {
    requested_ = true;
    if (abortDownload_) abortDownload_();
  }
  bool Requested() const { return requested_; }
  // Set by the update while its download runs.
  void WhileDownloading(std::function<void()> abort) { abortDownload_ = std::move(abort); }

 private:
  bool requested_ = false;
  std::function<void()> abortDownload_;
};

struct UpdateSettings {
  std::string url;                 // as typed; an address ending in "/" is a results directory
  std::string mask = "loto*.txt";  // the chosen member must match it
  std::string folder;              // the program's folder, which holds the draw file
  std::string drawName = "3x10.txt";
  int timeoutMs = 30000;  // silence after which the download fails
  int deadlineMs = kUpdateDeadlineMs;
  long long maxDownloadBytes = kMaxDownloadBytes;
  // A catalogue source: an export (CSV or JSON) is fetched part by part and
  // read with what the catalogue says of its columns (source_update.h); the
  // results directory's archive, or no source, fetches url.
  std::optional<CatalogueSource> source;
};

// How the procedure reaches the windows (or the command line); each optional.
struct UpdateCallbacks {
  std::function<void()> clearList;
  std::function<void(int, const ZipReport&)> onArchiveEntry;  // every report of the listing
  std::function<void(const Error& failure)> showFailure;      // each front end words it its own one way
  std::function<void(const std::string& path)> loadDrawFile;
  std::function<void()> processEvents;  // between the extraction's input blocks
  std::function<bool()> escapeHeld;     // stops the extraction
  // Asked when the new draw file is older than the current one or has fewer
  // than half its draws; true replaces it. Absent: such a file is refused.
  std::function<bool(const std::string& question)> confirmReplace;
  std::function<void(std::string_view step)> onStep;  // after each step (tests stop the process there)
  UpdateStop* stop = nullptr;                         // a stop the window may request
};

struct UpdateResult {
  bool installed = false;
  std::vector<std::string> members;        // as listed, in directory order
  std::string chosen;                      // the member (or the export's name) meant to become the draw file
  std::string backupName;                  // empty when no draw file had to be kept
  std::optional<Error> failure;            // why nothing was installed; none on success
  bool needsConfirmation = false;          // refused as older or shorter, with nobody to ask or a "No"
  bool stopped = false;                    // the window asked it to stop
  bool fromExport = false;                 // the download was a results export, converted by the importer
  std::vector<std::string> importSummary;  // the importer's summary of an export
  DrawFileFacts installedFacts;            // the draw file installed: all its draws and the newest date
  long long newDraws = -1;                 // its draws after the replaced file's newest day; -1: none replaced
};

UpdateResult RunUpdate(const UpdateSettings& settings, const UpdateCallbacks& callbacks);

// What the user is told after an update installed a draw file: the draws
// loaded (loaded of the file's draws) with the newest date, and the backup.
std::string SuccessMessage(const UpdateResult& result, long long loaded, const std::string& newestDate);

// The part of RunUpdate after the download: installs from folder + "temp.zip"
// as it is, an archive or an export (settings.url serves messages only).
UpdateResult InstallDownloadedArchive(const UpdateSettings& settings, const UpdateCallbacks& callbacks);

}  // namespace drawlyze::updater
