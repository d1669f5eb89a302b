#include "app/app_help.h"

#include "platform/help_text.h"
#include "platform/program_info.h"

using drawlyze::platform::HelpEntry;
using drawlyze::platform::WrapText;

std::string AppHelpText() {
  return "Usage: drawlyze [DRAWFILE]\n"
         "  or:  drawlyze --screenshot FILE [--option N] [--row R] [DRAWFILE]\n" +
         WrapText(std::string(drawlyze::platform::kProductName) +
                  " is a desktop analyser for pick-3 lottery draws. It loads the history of draws from DRAWFILE, "
                  "or from 3x10.txt in its data folder (see Files), and shows thirteen chart views of it on the "
                  "main window, twelve reports of pairs, triples and sums in the Statistics window, a table of "
                  "every draw with derived columns and their run counts, a Sieve pattern editor, and an Updater "
                  "that downloads new results and keeps the old draw file as a backup.") +
         "\nOptions:\n" +
         HelpEntry("--screenshot FILE",
                   "paint the main window into the PNG file FILE and exit; needs no display and waits on no "
                   "dialog: the messages the windows would show go to standard error") +
         HelpEntry("--option N", "with --screenshot: the view to show, 0..12 in the order of the option group") +
         HelpEntry("--row R", "with --screenshot: the selected row of the table, 1-based") +
         HelpEntry("--help", "print this help and exit") + HelpEntry("--version", "print the version and exit") +
         "\nEnvironment:\n" +
         HelpEntry("DRAWLYZE_RESULTS_DIR",
                   "the results directory the Updater proposes (default https://drawlyze.github.io/results/)") +
         HelpEntry("XDG_DATA_HOME", "the folder of users' data folders (default ~/.local/share)") + "\n" +
         drawlyze::platform::FilesHelp() + "\n" +
         WrapText(
             "Without a display, drawlyze-cli prints every view, report and table as text; see "
             "drawlyze-cli --help.");
}
