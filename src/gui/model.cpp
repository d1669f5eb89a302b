#include "gui/model.h"

#include <QCoreApplication>
#include <QDir>

#include "core/files/whole_file.h"
#include "gui/latin1.h"
#include "gui/message_box.h"

namespace drawlyze::gui {

Model::Model(QObject* parent) : QObject(parent) {}

QString Model::Folder() const { return folder_.isEmpty() ? QCoreApplication::applicationDirPath() : folder_; }

QString Model::DrawFilePath() const { return QDir(Folder()).filePath(QString::fromStdString(DrawFileName())); }

bool Model::LoadDrawFile(const QString& path, QWidget* messageParent) {
  std::string text;
  if (!ReadWholeFile(path.toLocal8Bit().toStdString(), text)) {
    ShowMessage("Error - file " + path + " not found!", messageParent);
    return false;
  }
  const LoadResult result = ParseDrawFile(text);
  for (const std::string& message : result.Messages()) ShowMessage(Latin1(message), messageParent);
  Load(result.draws, path.toStdString());
  emit drawsLoaded();
  return true;
}

}  // namespace drawlyze::gui
