#pragma once
// Restore a backup: the backups beside the draw file (the Updater's and the
// import window's 3x10.txt.bak, 3x10.txt[1].bak, ...) with their draws,
// newest date and age; Restore puts the chosen one back (the file in place
// kept as a backup first) and has the model reload it. The work is
// RestoreBackup's; this window only lists and asks.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <string>

namespace drawlyze::gui {
class Model;
}

class TForm_restore : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_restore(drawlyze::gui::Model& model, QWidget* parent = nullptr);

  // Lists the backups of the draw file at path; false (after a message that
  // says so) when there are none.
  bool ShowBackups(const QString& drawFilePath);

  // Controls.
  QLabel* Label1;
  QTreeWidget* ListView_backups;  // name, draws, newest date, age; the newest backup first
  QPushButton* xpButton_Restore;
  QPushButton* xpButton_Close;

  // Handlers.
  void xpButton_RestoreClick();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void FormCreate();

  drawlyze::gui::Model& model_;
  std::string folder_;    // of the draw file
  std::string drawName_;  // its name
  QString drawPath_;
};
