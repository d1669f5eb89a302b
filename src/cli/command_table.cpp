#include "cli/command_table.h"

#include "platform/help_text.h"
#include "platform/program_info.h"

namespace drawlyze::cli {
namespace {

using platform::HelpEntry;
using platform::WrapText;

// The options every command that reads the draw file understands.
const std::vector<OptionHelp>& SharedOptions() {
  static const std::vector<OptionHelp> options = {
      {"--file PATH", "the draw file (default: 3x10.txt in the data folder, see Files)"},
      {"--row R", "the selected row of the table of draws, 1-based (default 1, the newest draw)"},
      {"--last N",
       "\"Use Last Draws\": how many draws from the selected one back the view or report counts "
       "(default: all)"},
      {"--median", "the Median box of the Skips view"},
      {"--layout positional|ascending|descending",
       "the Separation view's layout: the draw's numbers as drawn, or sorted (default positional)"},
      {"--sieve PATTERNFILE", "the Sieve editor's patterns, from a file it saved"},
      {"--grid STEP:BIAS", "the chart's guide grid on, STEP 1..20 and BIAS 0..19 as the lists beside \"Grid\""},
      {"--find TEXT", "the numbers the Find report looks for (default: the selected draw's)"},
  };
  return options;
}

// Kept exactly as scripts have always seen it.
constexpr const char* kUsageOptions =
    "OPTIONS: --file PATH (default: 3x10.txt in the program's folder) --row R (selected row, 1-based, default 1)\n"
    "  --last N (\"Use Last Draws\", default all draws) --median --layout positional|ascending|descending\n"
    "  --sieve PATTERNFILE --grid STEP:BIAS (grid on) --find TEXT\n";

std::string Synopses(const CommandEntry& command, std::string_view separator) {
  std::string out;
  for (const char* synopsis : command.synopses) {
    std::string_view s = synopsis;
    if (s.rfind("[OPTIONS] ", 0) == 0) s.remove_prefix(10);
    out += (out.empty() ? "" : std::string(separator)) + std::string(s);
  }
  return out;
}

}  // namespace

const std::vector<CommandEntry>& Commands() {
  static const std::vector<CommandEntry> commands = {
      {"view",
       {"[OPTIONS] view OPTION [--chart | --png FILE | --svg FILE]"},
       "Prints one of the main window's thirteen views as the Copy button would copy it, each line ended by CR LF. "
       "OPTION is a caption of the option group (\"Cold Numbers\"), in any case, or its index 0..12.",
       {"--file", "--row", "--last", "--median", "--layout", "--sieve", "--grid"},
       {{"--chart",
         "print the display list instead: one item a line in drawing order, \"text X Y #RRGGBB #RRGGBB "
         "normal|bold TEXT\" and \"line X1 Y1 X2 Y2 #RRGGBB\""},
        {"--png FILE", "paint the whole 535 x 640 chart surface into a PNG file"},
        {"--svg FILE",
         "write the chart as the window shows it (535 x 410) into an SVG vector image, as the main window's "
         "\"Save Image...\" does; with --png both files are written"}},
       RunViewCommand},
      {"report",
       {"[OPTIONS] report NAME [--csv]"},
       "Prints one of the Statistics window's twelve reports, each line ended by LF. NAME is a report button's "
       "caption (\"Exact Pairs' Skips\", \"Find\"), in any case, its trailing blank optional. \"Randomness\" "
       "prints the randomness tests of the draws in the window.",
       {"--file", "--row", "--last", "--find"},
       {{"--csv",
         "print the report as CSV (RFC 4180, records ended by CR LF), as the report window's \"Save As...\" "
         "writes it: a run of tabs separates two fields"}},
       RunReportOrRandomnessCommand},
      {"backtest",
       {"[OPTIONS] backtest [--rule NAME]... [--top K] [--window N] [--draws M] [--png FILE]"},
       "Backtests the digit rankings the views show: for each tested draw, takes the top K digits a rule ranks "
       "from the N draws before it and scores the draw that followed, then prints per rule the trials, hits, hit "
       "rate, chance rate, lift, 95% Wilson interval, exact binomial p-value and a verdict, tab-separated. "
       "\"report Randomness\" prints the randomness tests of the draws.",
       {"--file", "--row"},
       {{"--rule NAME",
         "a rule to test, repeatable (default: every rule): longest-skip, lowest-median, most-frequent, "
         "least-frequent, longest-since-hit, random, position-skip, position-frequent, position-random"},
        {"--top K", "how many top-ranked digits a pick takes (default 3)"},
        {"--window N", "how many older draws a rule ranks from (default 100)"},
        {"--draws M", "how many of the newest draws to test (default: every draw that has N older draws)"},
        {"--png FILE", "also save the chart of the running hit rates"}},
       RunBacktestCommand},
      {"filter",
       {"[OPTIONS] filter [FILTER OPTIONS] [--bet straight|box] [--amount A] [--list] [--backtest M [--csv]] "
        "[--set FILE]"},
       "Narrows the 1,000 numbers with filters, AND-combined, as the Filters window does. Without --list or "
       "--backtest it prints how many numbers are kept, what each filter removes alone and in the chain, and the "
       "list's cost a draw, its exact chance of a hit and its expected return under the prize table (prizes.csv in "
       "the data folder, else the installed one, else the bundled default), as plays reads it. History-based filters "
       "read the draw at --row and older draws "
       "only; a ranking's window is its own or --last. Lists and patterns are comma-separated, a range A-B is "
       "inclusive.",
       {"--file", "--row", "--last", "--sieve"},
       {{"--sum A-B", "the sum of the digits in A..B (0..27)"},
        {"--root-sum LIST", "the digital root of the sum (0 for 0, else 1..9) one of LIST"},
        {"--spread A-B", "the largest digit minus the smallest in A..B (0..9)"},
        {"--odd-even PATTERNS", "odd/even by position (OEO) or a count of odd digits (2odd), one of PATTERNS"},
        {"--high-low PATTERNS", "high (5..9) / low by position (HLH) or a count of high digits (1high)"},
        {"--contains DIGITS", "at least one of the digits"},
        {"--contains-all DIGITS", "every one of the digits"},
        {"--excludes DIGITS", "none of the digits"},
        {"--position P:DIGITS", "the digit at A1, A2 or A3 (P = 1, 2, 3) one of DIGITS; repeatable"},
        {"--pair KIND:PAIRS", "contains one of the pairs at the front (A1 A2), back (A2 A3) or any two positions"},
        {"--no-pair KIND:PAIRS", "contains none of the pairs, KIND front, back or any"},
        {"--kind LIST", "singles (three different digits), doubles, triples"},
        {"--not-last N", "not among the last N draws, the selected one included, as drawn"},
        {"--not-last-box N", "not among the last N draws in any order"},
        {"--near MATCH", "the selected draw's digits and their neighbours (+/-1): any, all or none of the number's"},
        {"--near-position MATCH", "the same, each position against the selected draw's digit at that position"},
        {"--sieve-digits MATCH", "the Sieve view's candidates for the selected draw: any, all or none"},
        {"--sieve-position MATCH", "the same, each position against its own three candidates"},
        {"--hot RULE:K[:N][:MATCH]",
         "the first K digits of a view's ranking (longest-skip, lowest-median, most-frequent, least-frequent, "
         "longest-since-hit, position-skip, position-frequent) over its last N draws (or all)"},
        {"--cold RULE:K[:N][:MATCH]", "the last K digits of that ranking"},
        {"--bet straight|box", "play the list straight (default) or boxed: one play a set of digits, no triple"},
        {"--amount A", "the amount a play, a multiple of 0.50 (default 1.00)"},
        {"--list", "print the kept plays, one a line, ascending (box plays: digits ascending)"},
        {"--backtest M",
         "play the list on the M draws up to the selected one, each predicted from the draws older than it, "
         "beside random lists of the same size; prints hits, the exact p-value, money and the verdict"},
        {"--csv", "with --backtest: the header date,draw,drawn,kept,hit,cost,prize and one record a tested draw"},
        {"--set FILE", "read filters (and bet, amount) from a filter set file the Filters window saved"},
        {"--seed S", "the random lists' seed (default 1)"},
        {"--lists R", "how many random lists (default 1000)"}},
       RunFilterCommand},
      {"table",
       {"[OPTIONS] table [--csv]"},
       "Prints the Table window's \"Copy All\" text: every draw with its derived columns.",
       {"--file"},
       {{"--csv",
         "print a header row and every draw with all fourteen columns as CSV (RFC 4180, UTF-8, records ended by "
         "CR LF), as the Table window's \"Save As CSV...\" writes it"}},
       RunTableCommand},
      {"state",
       {"[OPTIONS] state T2 T3 ... T13"},
       "Counts, as the State dialog does, the runs of draws above and below a threshold in each of the Table "
       "window's columns 2 to 13 (First ... Max Even), and prints one line a column: HEADER, ABOVE and BELOW "
       "separated by tabs, N for a threshold that is not a number.",
       {"--file"},
       {{"--save",
         "also keep the thresholds in stats_pick_3.txt in the data folder, as closing the State dialog "
         "does, for the dialog to show next time"}},
       RunStateCommand},
      {"zip",
       {"zip list ARCHIVE [MASK]", "zip extract ARCHIVE FOLDER [MASK]"},
       "Lists the members of a ZIP archive that match MASK (default *.*), one line a member: status, name, size, "
       "compressed size, method and ratio; or extracts them into FOLDER and says how many it extracted, or the "
       "error code and its meaning.",
       {},
       {},
       RunZipCommand},
      {"get",
       {"get URL OUTFILE"},
       "Downloads URL (http or https) into OUTFILE, written whole or not at all.",
       {},
       {},
       RunGetCommand},
      {"update",
       {"update URL [--mask MASK] [--folder DIR] [--force]"},
       "Runs the Updater: downloads the results archive at URL (an address ending in \"/\" is a results directory: "
       "loto3_txt.zip is appended), extracts the member whose name contains \"loto\" into a private working folder "
       "(a download that is a results export in CSV, such as New York's "
       "https://data.ny.gov/api/views/hsys-3def/rows.csv?accessType=DOWNLOAD, goes through the importer with the "
       "columns it proposes), checks it as a draw file (refused with no valid draw, more incorrect lines than draws, "
       "or over 64 MiB), keeps the old draw file as 3x10.txt.bak (then 3x10.txt[1].bak, ...) and puts the new one in "
       "its place in one step. On any failure the old draw file stays and nothing is left behind.",
       {},
       {{"--mask MASK", "the member to install (default loto*.txt)"},
        {"--folder DIR", "the folder of the draw file (default: the data folder, see Files)"},
        {"--force", "install a draw file that is older than the current one or has fewer than half its draws"}},
       RunUpdateCommand},
      {"import",
       {"import INPUT... [--out FILE] [--date COLUMN] [--result COLUMN]... [--time COLUMN] "
        "[--day-first|--month-first]"},
       "Turns results exports (CSV, as lotteries and open-data portals publish them) and draw files into one draw "
       "file: oldest draw first, midday before evening, exact duplicates dropped, conflicting results kept and "
       "reported. The columns are proposed from the header names and the values, each with its reason; a summary "
       "on stderr gives the draws, the first and last dates and the rows skipped. The history goes to stdout, or "
       "to --out written whole or not at all.",
       {},
       {{"--out FILE", "write the history into FILE instead of stdout"},
        {"--date COLUMN",
         "the date column, by header name or 1-based number; a date split over three columns as "
         "MONTH+DAY+YEAR"},
        {"--result COLUMN", "a result column, repeatable (the first midday, the second evening)"},
        {"--time COLUMN", "the draw-time column (midday or evening)"},
        {"--day-first", "dates like 03/04/2020 are day first (3 April)"},
        {"--month-first", "dates like 03/04/2020 are month first (4 March)"}},
       RunImportCommand},
      {"plays",
       {"[OPTIONS] plays check PLAYSFILE [--prizes FILE] [--csv]", "plays odds [--prizes FILE]"},
       "Checks the player's plays against the draws: PLAYSFILE is CSV with the header "
       "date,draw,bet,number,amount,draws, one play a row (bet straight, box, straight/box, combo, front pair or "
       "back pair). Prints each play with the draws it covers, won, lost or pending, then the cost, the winnings, "
       "the net and the return per 1.00 beside their exact expectation, and how lucky the result is against "
       "chance; rows that cannot be read are listed on stderr with their line and reason and the others are "
       "checked. \"plays odds\" prints every bet's exact chance and expected return under the prize table. "
       "Prize tables differ between lotteries and some pay pari-mutuel: check yours.",
       {"--file"},
       {{"--prizes FILE",
         "the prize table, CSV bet,match,prize for a 1.00 play (default: prizes.csv in the data folder, else the "
         "installed one, else the New York, Ohio, Maryland and Florida schedule)"},
        {"--csv",
         "plays check: print the header play,date,draw,bet,number,amount,drawn,prize and one record per covered "
         "draw, pending ones included (date, draw and drawn empty, prize 0.00); play is the row's line in "
         "PLAYSFILE"}},
       RunPlaysCommand},
  };
  return commands;
}

const CommandEntry* FindCommand(std::string_view name) {
  for (const CommandEntry& command : Commands())
    if (name == command.name) return &command;
  return nullptr;
}

std::string UsageText() {
  std::string out = "usage:\n";
  for (const CommandEntry& command : Commands())
    for (const char* synopsis : command.synopses) out += std::string("  drawlyze-cli ") + synopsis + '\n';
  return out + kUsageOptions;
}

std::string HelpText() {
  std::string out =
      "Usage: drawlyze-cli [OPTIONS] COMMAND [ARGUMENTS]\n"
      "  or:  drawlyze-cli help [COMMAND]\n" +
      WrapText(std::string("Prints what the windows of ") + platform::kProductName +
               " show for a history of pick-3 draws: the main window's views, the Statistics window's reports, "
               "the Table window and its State counts; and lists, extracts and downloads results archives as the "
               "Updater does.") +
      "\nCommands:\n";
  for (const CommandEntry& command : Commands()) out += HelpEntry(Synopses(command, " | "), command.description);
  out += "\n" +
         WrapText(
             "\"drawlyze-cli help COMMAND\" or \"drawlyze-cli COMMAND --help\" shows the options a command "
             "reads.") +
         "\nExit status:\n" + HelpEntry("0", "done") + HelpEntry("1", "a file or network failure") +
         HelpEntry("2", "a usage error; the message and the usage are on stderr") + "\nOptions:\n";
  for (const OptionHelp& option : SharedOptions()) out += HelpEntry(option.name, option.text);
  for (const CommandEntry& command : Commands())
    for (const OptionHelp& option : command.options)
      out += HelpEntry(option.name, std::string(command.name) + ": " + option.text);
  out += HelpEntry("--help", "print this help, or with a command that command's, and exit") +
         HelpEntry("--version", "print the version and exit") + "\n" + platform::FilesHelp() +
         "\nExamples:\n"
         "  $ drawlyze-cli --row 2 --last 100 view Skips\n"
         "  $ drawlyze-cli view Separation --layout ascending --chart\n"
         "  $ drawlyze-cli --last 500 report \"Exact Pairs' Skips\"\n"
         "  $ drawlyze-cli --find \"1 2 3\" report Find\n";
  return out;
}

std::string CommandHelpText(const CommandEntry& command) {
  std::string out;
  for (const char* synopsis : command.synopses)
    out += std::string(out.empty() ? "Usage: " : "  or:  ") + "drawlyze-cli " + synopsis + '\n';
  out += WrapText(command.description);
  if (command.sharedOptions.empty() && command.options.empty()) return out;
  out += "\nOptions:\n";
  for (const OptionHelp& option : SharedOptions()) {
    const std::string_view name = option.name;
    for (const char* wanted : command.sharedOptions)
      if (name.substr(0, name.find(' ')) == wanted) out += HelpEntry(option.name, option.text);
  }
  for (const OptionHelp& option : command.options) out += HelpEntry(option.name, option.text);
  return out;
}

}  // namespace drawlyze::cli
