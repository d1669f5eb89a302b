#pragma once
// The File menu's "Open recent" list, kept in the program's data folder.

#include <QString>
#include <QStringList>

namespace drawlyze::gui {

// The draw files opened last, newest first; none when the list's file is missing.
QStringList RecentFiles(const QString& folder);
// Puts path (made absolute) first; a list that cannot be written stays as it was.
void NoteRecentFile(const QString& folder, const QString& path);
// Takes path off the list (a file that is gone).
void ForgetRecentFile(const QString& folder, const QString& path);

}  // namespace drawlyze::gui
