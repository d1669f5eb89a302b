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

std::string FilesHelp() {
  return "Files:\n" + HelpEntry("3x10.txt", "the draw history, one draw a line, oldest first") +
         HelpEntry("stats_pick_3.txt", "the State dialog's twelve thresholds") +
         HelpEntry("3x10.txt.bak, 3x10.txt[1].bak, ...", "the draw files that updates replaced") +
         HelpEntry("temp.zip", "the downloaded archive, while an update runs") + "\n" +
         WrapText(
             "A copy that may write its own folder (a build folder, a portable copy) keeps these files beside its "
             "executable. An installed copy keeps them in $XDG_DATA_HOME/drawlyze, by default "
             "~/.local/share/drawlyze, and when it makes that folder at its first start it copies the sample "
             "history 3x10.txt from the share/drawlyze folder of the installation into it.");
}

}  // namespace drawlyze::platform
