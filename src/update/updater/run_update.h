#pragma once
// RunUpdate: downloads the results archive into "temp.zip", lists it, extracts
// the members that match the mask, keeps the current draw file under the next
// free backup name, puts the chosen member in its place and has it reloaded.
// The draw file is touched only when the chosen member was really extracted:
// any failure leaves it where it is, removes "temp.zip" and says why.

#include <functional>
#include <string>
#include <vector>

#include "update/zip/zip.h"

namespace drawlyze::updater {

inline constexpr const char* kTempArchiveName = "temp.zip";

// Where the Updater looks for the results archive unless told otherwise: the
// environment variable DRAWLYZE_RESULTS_DIR when it is set and not empty,
// else the program's own default. Ends with "/".
std::string DefaultResultsDirectory();

struct UpdateSettings {
  std::string url;                 // exactly as typed
  std::string mask = "loto*.txt";  // the members to extract
  std::string folder;              // the program's folder, which holds the draw file
  std::string drawName = "3x10.txt";
  int timeoutMs = 30000;  // silence after which the download fails
};

// How the procedure reaches the windows (or the command line); each optional.
struct UpdateCallbacks {
  std::function<void()> clearList;
  std::function<void(int, const ZipReport&)> onArchiveEntry;  // every report of the listing
  std::function<void(const std::string& text)> showMessage;
  std::function<void(const std::string& path)> loadDrawFile;
  std::function<void()> processEvents;  // between the extraction's input blocks
  std::function<bool()> escapeHeld;     // stops the extraction
};

struct UpdateResult {
  bool installed = false;
  std::vector<std::string> members;  // as listed, in directory order
  std::string chosen;                // the member meant to become the draw file
  std::string backupName;            // empty when no draw file had to be kept
  std::string failure;               // the message shown; empty on success
};

UpdateResult RunUpdate(const UpdateSettings& settings, const UpdateCallbacks& callbacks);

}  // namespace drawlyze::updater
