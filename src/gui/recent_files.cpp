#include "gui/recent_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/files/recent_files.h"
#include "core/files/whole_file.h"

namespace drawlyze::gui {
namespace {

// Empty without a data folder: then nothing is remembered.
std::string ListPath(const QString& folder) {
  if (folder.isEmpty()) return {};
  return QFile::encodeName(QDir(folder).filePath(QString::fromLatin1(kRecentFilesName))).toStdString();
}

std::vector<std::string> ReadList(const QString& folder) {
  std::string text;
  if (!ReadWholeFile(ListPath(folder), text)) return {};
  return ReadRecentFiles(text);
}

void WriteList(const QString& folder, const std::vector<std::string>& paths) {
  // A list that cannot be written costs only the menu's memory, never a message.
  if (!folder.isEmpty()) static_cast<void>(WriteFileWhole(ListPath(folder), RecentFilesText(paths)));
}

std::string Bytes(const QString& path) { return QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString(); }

}  // namespace

QStringList RecentFiles(const QString& folder) {
  QStringList paths;
  for (const std::string& path : ReadList(folder)) paths << QFile::decodeName(QByteArray::fromStdString(path));
  return paths;
}

void NoteRecentFile(const QString& folder, const QString& path) {
  const std::vector<std::string> before = ReadList(folder);
  const std::vector<std::string> after = WithRecentFile(before, Bytes(path));
  if (after != before) WriteList(folder, after);
}

void ForgetRecentFile(const QString& folder, const QString& path) {
  const std::vector<std::string> before = ReadList(folder);
  const std::vector<std::string> after = WithoutRecentFile(before, Bytes(path));
  if (after != before) WriteList(folder, after);
}

}  // namespace drawlyze::gui
