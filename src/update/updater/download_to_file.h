#pragma once
// One download for every update: the body of an address into a fresh file,
// which Close, Escape or a stop signal end at once.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/error/error.h"
#include "update/updater/run_update.h"

namespace drawlyze::updater {

// Where a download ended early: the file could not be made, the update was
// stopped before the request, the transfer failed, or the file could not be
// finished.
enum class DownloadStep : std::uint8_t { Create, Stopped, Transfer, Finish };

struct DownloadFailure {
  DownloadStep step = DownloadStep::Transfer;
  Error error;  // Create and Finish: the file; Transfer: the address and what the server or the net did
};

// Asked by the importer between rows while an update converts an export: the
// window's events (and drawlyze-cli's stop signals, which its event loop
// passes on) reach the update there.
std::function<bool()> ConversionStop(const UpdateCallbacks& callbacks);

// The body of url into a new file at path (a link of that name is never
// followed); nothing when the whole body is there.
std::optional<DownloadFailure> DownloadToFile(const std::string& url, const std::string& path,
                                              const UpdateSettings& settings, UpdateStop* stop,
                                              const std::function<bool()>& stopRequested);

}  // namespace drawlyze::updater
