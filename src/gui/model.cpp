#include "gui/model.h"

#include <QDir>
#include <QFile>

#include "core/files/whole_file.h"
#include "gui/error_message.h"
#include "gui/message_box.h"
#include "platform/data_folder.h"

namespace drawlyze::gui {

Model::Model(QObject* parent) : QObject(parent) {}

QString Model::Folder() const {
  return folder_.isEmpty() ? QFile::decodeName(platform::DataFolder().c_str()) : folder_;
}

QString Model::DrawFilePath() const {
  // No data folder (no home): no draw file of its own, never one in the current folder.
  if (Folder().isEmpty()) return {};
  return QDir(Folder()).filePath(QString::fromStdString(DrawFileName()));
}

bool Model::LoadDrawFile(const QString& path, QWidget* messageParent) {
  const Result<std::string> text = ReadWholeFile(QFile::encodeName(path).toStdString());
  if (!text) {
    ShowError(text.Failure(), messageParent);
    return false;
  }
  const LoadResult result = ParseDrawFile(*text);
  // UTF-8: a long list of incorrect lines ends with "… and N more"; each
  // line's number, reason and text wait behind the box's details button.
  if (const std::string incorrect = result.IncorrectLinesMessage(); !incorrect.empty())
    ShowMessage(QString::fromStdString(incorrect), QString::fromStdString(result.IncorrectLinesDetails()),
                messageParent);
  if (const std::string older = result.OlderLinesMessage(); !older.empty())
    ShowMessage(QString::fromStdString(older), messageParent);
  Load(result.draws, path.toStdString());
  emit drawsLoaded();
  return true;
}

}  // namespace drawlyze::gui
