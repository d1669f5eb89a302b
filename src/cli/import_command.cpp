// drawlyze-cli import INPUT... [--out FILE] [--date COLUMN] [--result COLUMN]...
//                              [--time COLUMN] [--day-first|--month-first]
#include <csignal>
#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "cli/stop_signals.h"
#include "core/files/whole_file.h"
#include "core/import/import_to_draw_file.h"
#include "update/updater/install_files.h"

namespace drawlyze::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kImportUsage =
    "usage: drawlyze-cli import INPUT... [--out FILE] [--date COLUMN] [--result COLUMN]... [--time COLUMN]"
    " [--day-first|--month-first]\n";

const char* Hint(import::Choice needs) {
  switch (needs) {
    case import::Choice::DateColumn:
      return "choose the date column with --date COLUMN";
    case import::Choice::DayOrder:
      return "give --day-first or --month-first";
    case import::Choice::ResultColumns:
      return "choose the result columns with --result COLUMN (the midday one first)";
    case import::Choice::Column:
      return "name a column by its header or its number";
    case import::Choice::ColumnUses:
    case import::Choice::None:
      break;
  }
  return "";
}

// A line may not begin with "import::": clang-format reads it as a module import.
using import::MappingChoice;

MappingChoice ChoiceOf(const Options& o) {
  MappingChoice choice;
  choice.date = o.date;
  for (const std::string& result : o.results) choice.results.emplace_back(result);
  choice.time = o.time;
  if (o.dayFirst) choice.dayOrder = *o.dayFirst ? import::DayOrder::DayFirst : import::DayOrder::MonthFirst;
  return choice;
}

// A stop signal ends the conversion at its next rows; the command then
// leaves everything as it was and the process stops by that signal.
volatile std::sig_atomic_t g_importStopSignal = 0;

void NoteImportStop(int sig) { g_importStopSignal = sig; }

bool StopNoted() { return g_importStopSignal != 0; }

// Every line of the import's messages reaches the terminal escaped: headers
// and cells are the export's bytes.
void Say(Context& ctx, const std::string& line) { ctx.err << EscapeControls(line) << '\n'; }

// A history in place is replaced as the Updater replaces the draw file: under
// the folder's lock, the old file kept as the next backup. Any other target
// (a new file, a device, a FIFO) takes the text as a whole-file write.
int Save(Context& ctx, const std::string& target, const std::string& text) {
  std::error_code ec;
  if (fs::is_regular_file(fs::symlink_status(target, ec))) {
    const fs::path path = fs::absolute(target, ec);
    const updater::SavedDrawFile saved =
        updater::SaveDrawFile(path.parent_path().string(), path.filename().string(), text);
    if (!saved.saved) {
      if (saved.error)
        SayError(ctx, *saved.error);
      else
        Say(ctx, "Error - " + saved.failure);
      return kFailure;
    }
    if (!saved.backupName.empty()) Say(ctx, "the previous " + target + " is kept as " + saved.backupName);
    return kOk;
  }
  // A FIFO or a device takes the text straight; a folder or a socket is refused.
  if (const Status saved = WriteFileWhole(target, text); !saved) {
    SayError(ctx, saved.Failure());
    return kFailure;
  }
  return kOk;
}

int Import(Context& ctx) {
  import::ImportOptions options;
  options.choice = ChoiceOf(ctx.options);
  options.stop = StopNoted;
  const import::ImportRun run = import::ImportToDrawFile(
      ctx.args, [](const std::string& path, std::string& text) { return ReadWholeFile(path, text); }, options);
  const std::string& path = ctx.args[run.input];
  switch (run.status) {
    case import::ImportStatus::NotRead:
      Say(ctx, "Error - file " + path + " not found!");
      return kFailure;
    case import::ImportStatus::Stopped:
      return kFailure;
    case import::ImportStatus::Failed:
      Say(ctx, ErrorText(*run.failure));
      return kFailure;
    case import::ImportStatus::Unclear: {
      const import::ImportedInput& input = run.inputs.back();
      Say(ctx, "drawlyze-cli: " + path + ": " + input.mapping.problem + "; " + Hint(input.mapping.needs));
      for (const std::string& line : import::ColumnLines(input)) Say(ctx, line);
      return kUsage;
    }
    case import::ImportStatus::NoDraws:
    case import::ImportStatus::TooLarge:
    case import::ImportStatus::Ok:
      break;
  }
  for (const std::string& line : import::SummaryLines(run.summary)) Say(ctx, line);
  if (run.status == import::ImportStatus::NoDraws) {
    Say(ctx, "drawlyze-cli: no readable draw in the input");
    return kFailure;
  }
  if (run.status == import::ImportStatus::TooLarge) {
    Say(ctx, ErrorText(*run.failure));
    return kFailure;
  }
  if (!ctx.options.out) {
    ctx.out << run.drawFile;
    ctx.out.flush();
    return ctx.out ? kOk : kFailure;
  }
  return Save(ctx, *ctx.options.out, run.drawFile);
}

}  // namespace

int RunImportCommand(Context& ctx) {
  if (ctx.args.empty()) {
    ctx.err << "drawlyze-cli: import needs at least one input file\n" << kImportUsage;
    return kUsage;
  }
  int status = kFailure;
  {
    const StopHandler handler(NoteImportStop);
    status = Import(ctx);
  }
  if (g_importStopSignal != 0) ::raise(g_importStopSignal);  // the default action again: it stops the process
  return status;
}

}  // namespace drawlyze::cli
