#include "platform/program_info.h"

#include <QCoreApplication>

#include "platform/help_text.h"

namespace drawlyze::platform {

void SetApplicationNames() {
  QCoreApplication::setOrganizationName(QString());
  QCoreApplication::setApplicationName(QStringLiteral("drawlyze"));
  QCoreApplication::setApplicationVersion(QStringLiteral(DRAWLYZE_VERSION));
}

const char* Version() { return DRAWLYZE_VERSION; }

std::string VersionText(std::string_view program) {
  return std::string(program) + " (" + kProductName + ") " + Version() +
         "\n\nWritten by the Drawlyze Pick 3 developers.\n";
}

std::string AboutText() {
  // The licence paragraph is written for the Debian copyright file: its lines start with a blank.
  std::string licence = DRAWLYZE_LICENSE_TEXT;
  licence.erase(0, licence.find_first_not_of(' '));
  return std::string(kProductName) + " " + Version() +
         "\n\nAn exact analyser of pick-3 lottery draws: views, reports, backtests and randomness tests of a "
         "history, an updater and an importer of results.\n\nLicence: " +
         DRAWLYZE_LICENSE + ". " + licence;
}

std::string FilesHelp() {
  return "Files:\n" + HelpEntry("3x10.txt", "the draw history, one draw a line, oldest first") +
         HelpEntry("stats_pick_3.txt", "the State dialog's twelve thresholds") +
         HelpEntry("3x10.txt.bak, 3x10.txt[1].bak, ...", "the draw files that updates replaced") +
         HelpEntry("temp.zip", "the downloaded archive, while an update runs") +
         HelpEntry("recent_files.txt", "the draw files opened last, for the window's File menu") +
         HelpEntry("plays.csv", "the Plays window's plays: date,draw,bet,number,amount,draws") +
         HelpEntry("plays_announced.txt", "the wins the Plays window has announced, each announced once") +
         HelpEntry("prizes.csv",
                   "the prize table plays are priced by (bet,match,prize for a 1.00 play); without one in the "
                   "data folder the installed share/drawlyze/prizes.csv, else the bundled default") +
         "\n" +
         WrapText(
             "A copy that may write its own folder (a build folder, a portable copy) keeps these files beside its "
             "executable. An installed copy keeps them in $XDG_DATA_HOME/drawlyze, by default "
             "~/.local/share/drawlyze, and when it makes that folder at its first start it copies the sample "
             "history 3x10.txt from the share/drawlyze folder of the installation into it.");
}

}  // namespace drawlyze::platform
