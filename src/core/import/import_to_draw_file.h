#pragma once
// The one road of an import, for the Updater, drawlyze-cli import and the
// import window alike: each input is read (DetectInput tells a draw file from
// an export by its bytes), its columns mapped, all of them merged, the
// summary made and the history formatted as a draw file. The road ends at
// the first input that cannot be read, is stopped or needs a choice.

#include <functional>
#include <string>
#include <vector>

#include "core/import/import.h"
#include "core/import/import_summary.h"

namespace drawlyze::import {

// Why the road ended: Ok with the draw file's text; otherwise the step that
// ended it (input names the input for NotRead, Failed and Unclear).
enum class ImportStatus : std::uint8_t {
  Ok,
  NotRead,   // the loader could not read the input's bytes
  Stopped,   // the stop check said so
  Failed,    // the input ended early or cannot be imported (ZIP, binary): failure
  Unclear,   // the input's mapping needs a choice: its mapping's problem and needs
  NoDraws,   // nothing readable in any input
  TooLarge,  // more than a draw file may hold: failure
};

// Gives an input's bytes by its name; false when they cannot be read.
using LoadText = std::function<bool(const std::string& name, std::string& text)>;

struct ImportOptions {
  MappingChoice choice = {};
  StopCheck stop = {};
  bool format = true;  // false: the road ends before the draw file's text (a window that asks first)
};

struct ImportRun {
  ImportStatus status = ImportStatus::Ok;
  std::size_t input = 0;
  std::optional<Error> failure;
  std::vector<ImportedInput> inputs;
  MergedHistory merged;   // from NoDraws on
  ImportSummary summary;  // from NoDraws on
  std::string drawFile;   // Ok (when options.format)
};

// Reads the named inputs in order, each as soon as the one before it passed.
ImportRun ImportToDrawFile(const std::vector<std::string>& names, const LoadText& load,
                           const ImportOptions& options = {});
// The rest of the road for inputs already read (a window that changed a
// mapping and converted again): merge, summary, size check, format. The
// merge and the summary are made even when an input still needs a choice.
ImportRun ImportToDrawFile(std::vector<ImportedInput> inputs, const ImportOptions& options = {});

}  // namespace drawlyze::import
