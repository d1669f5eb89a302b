#pragma once
// The model the windows share: the plain DrawModel (draws, their file, the
// Sieve patterns, the selection) with the signals that tell the windows it
// changed. The program's main owns one; every window receives it.

#include <QObject>
#include <QString>

#include "core/model/draw_model.h"

class QWidget;

namespace drawlyze::gui {

class Model : public QObject, public DrawModel {
  Q_OBJECT

 public:
  explicit Model(QObject* parent = nullptr);

  // The program's folder for data: the draw file, the State settings and the
  // update's files live there. Beside the executable, or the user's data
  // folder for an installed copy, unless set.
  QString Folder() const;
  void SetFolder(const QString& folder) { folder_ = folder; }
  // 3x10.txt in the folder.
  QString DrawFilePath() const;

  // Reads the file, shows its load messages and replaces the draws; false
  // (after a message) when it cannot be read, the draws then stay as they were.
  bool LoadDrawFile(const QString& path, QWidget* messageParent);
  // Of the file loaded last: "10,000 newest of 25,027 draws, from 26.12.2011"
  // when the store kept only its newest draws, else empty.
  const QString& StoreLimit() const { return storeLimit_; }
  // What the status bar says of it: the store's limit, or that it holds no draws.
  const QString& LoadNote() const { return loadNote_; }
  // Tells the windows that the Sieve patterns changed.
  void PatternsEdited() { emit patternsChanged(); }
  // Tells the windows that follow the main window's selection that it was shown anew.
  void SelectionShown() { emit selectionChanged(); }

 signals:
  void drawsLoaded();       // the history and the file were replaced
  void patternsChanged();   // the Sieve editor parsed new patterns
  void selectionChanged();  // the main window drew its view for a row, "Use Last Draws" or option

 private:
  // Loading goes through LoadDrawFile, so that the windows hear of it.
  using DrawModel::Load;

  QString folder_;
  QString storeLimit_;
  QString loadNote_;
};

}  // namespace drawlyze::gui
