#include "gui/model.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/files/whole_file.h"
#include "core/history/load_notes.h"
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
  // A long history is said in the title and the status bar, not in a box at every start.
  storeLimit_ = QString::fromStdString(StoreLimitText(result));
  const QString noDraws = QString::fromStdString(NoDrawsText(QFileInfo(path).fileName().toStdString(), result));
  loadNote_ = noDraws.isEmpty() ? storeLimit_ : noDraws;
  // UTF-8: a long list of incorrect lines ends with "… and N more"; each
  // line's number, reason and text wait behind the box's details button. A
  // file without draws says so in the one message, which counts them.
  const std::string incorrect = noDraws.isEmpty() ? result.IncorrectLinesMessage() : noDraws.toStdString();
  if (!incorrect.empty())
    ShowMessage(QString::fromStdString(incorrect), QString::fromStdString(result.IncorrectLinesDetails()),
                messageParent);
  Load(result.draws, path.toStdString());
  emit drawsLoaded();
  return true;
}

}  // namespace drawlyze::gui
