#pragma once
// drawlyze-cli: the program's core behind a command line. main.cpp reads the
// options and hands the subcommand to one of the Run*Command functions below,
// each in a file of its own.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "core/chart/view_helpers.h"
#include "core/error/error.h"
#include "core/history/draw_history.h"
#include "core/history/escaped_text.h"
#include "core/model/draw_model.h"

namespace drawlyze::cli {

// Exit statuses.
inline constexpr int kOk = 0;
inline constexpr int kFailure = 1;  // file or network failure
inline constexpr int kUsage = 2;    // usage error

struct Options {
  std::optional<std::string> file;    // --file; default: 3x10.txt in the data folder
  int row = 1;                        // --row R, 1-based
  std::optional<int> last;            // --last N; default: all draws
  bool median = false;                // --median
  std::string layout = "positional";  // --layout positional|ascending|descending
  std::optional<std::string> sieve;   // --sieve PATTERNFILE
  std::optional<GridSettings> grid;   // --grid STEP:BIAS
  std::optional<std::string> find;    // --find TEXT
  std::optional<std::string> mask;    // --mask M (update)
  std::optional<std::string> folder;  // --folder DIR (update)
  bool force = false;                 // --force (update): install an older or shorter draw file
  bool chart = false;                 // --chart (view)
  std::optional<std::string> png;     // --png FILE (view, backtest)
  std::optional<std::string> svg;     // --svg FILE (view)
  bool csv = false;                   // --csv (report, table)
  bool save = false;                  // --save (state)
  bool help = false;                  // --help, -h
  bool version = false;               // --version
  std::vector<std::string> rules;     // --rule NAME, repeatable (backtest)
  std::optional<int> top;             // --top K (backtest)
  std::optional<int> window;          // --window N (backtest)
  std::optional<int> draws;           // --draws M (backtest)
  // import: --out FILE, --date COLUMN, --result COLUMN (repeatable), --time COLUMN,
  // --day-first (true) or --month-first (false)
  std::optional<std::string> out, date, time;
  std::vector<std::string> results;
  std::optional<bool> dayFirst;
  std::optional<std::string> prizes;  // --prizes FILE (plays): the prize table
};

struct Context {
  Options options;
  std::string command;            // "view", "report", ...
  std::vector<std::string> args;  // the words after the command
  std::ostream& out;
  std::ostream& err;
  std::string programDir;  // the data folder: the draw file's and the settings' (platform/data_folder.h)
};

// Loads the draw file named by --file (or the default) into the model, printing
// the load messages on stderr, and sets the model's selection from the options
// (--row, --last, --grid, --median, --layout) as the windows would hold it.
// Returns false (after a message) when the file cannot be read.
bool LoadModel(Context& ctx, DrawModel& model);
// The same for the draws alone.
bool LoadHistory(Context& ctx, DrawHistory& history);

// Names from archives and cells of exports as a terminal may show them:
// the core's one escaping of control characters.
using drawlyze::EscapeControls;

// How drawlyze-cli words a failure: the core's error value on stderr, in the
// windows' words ("Error - file X not found!"), no control byte escaping it.
void SayError(Context& ctx, const Error& error);

int RunViewCommand(Context& ctx);
int RunReportCommand(Context& ctx);
int RunTableCommand(Context& ctx);
int RunStateCommand(Context& ctx);
int RunZipCommand(Context& ctx);
int RunGetCommand(Context& ctx);
int RunUpdateCommand(Context& ctx);
int RunBacktestCommand(Context& ctx);
// "report": the Statistics window's reports, and "Randomness" besides them.
int RunReportOrRandomnessCommand(Context& ctx);
int RunImportCommand(Context& ctx);
// "filter": the Filters window's count, list and backtest.
int RunFilterCommand(Context& ctx);
// "plays check PLAYSFILE" and "plays odds".
int RunPlaysCommand(Context& ctx);
// A report's lines, each ended by LF, or with --csv as CSV.
void PrintReport(Context& ctx, const std::vector<std::string>& lines);

}  // namespace drawlyze::cli

namespace drawlyze::cli {
// False (after a usage message) when --row names no row of the table.
bool CheckRow(Context& ctx, const DrawHistory& history);
}  // namespace drawlyze::cli

namespace drawlyze::plays {
struct PrizeTable;
}  // namespace drawlyze::plays

namespace drawlyze::cli {
// The prize table that prices plays, for plays and filter alike: --prizes
// FILE, else prizes.csv of the data folder or of the installation
// (platform::PrizeTablePaths), else the bundled default. False (after a
// message) when a file that is there cannot be read or is no prize table.
bool LoadPrizes(Context& ctx, plays::PrizeTable& table);
}  // namespace drawlyze::cli

namespace drawlyze::cli {
// Reads --sieve PATTERNFILE into the model's patterns as the Sieve editor
// would. Returns false (after a message) when the file cannot be read.
bool LoadSieveOption(Context& ctx, DrawModel& model);
}  // namespace drawlyze::cli
