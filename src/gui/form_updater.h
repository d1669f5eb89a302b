#pragma once
// The Updater: downloads the results archive (or a lottery's results export,
// picked from the source list), lists its members, installs the results file
// as the draw file and has the model reload it (the main window follows). The
// work itself is RunUpdate; this window only feeds it and shows what it
// reports. Close and Escape stop a running update at once.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "update/updater/run_update.h"

namespace drawlyze::gui {
class Model;
}

class TForm_updater : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_updater(drawlyze::gui::Model& model, QWidget* parent = nullptr);

  // The archive the default URL names.
  QString ArchiveName;

  // The folder that holds the draw file: the model's folder unless set
  // (tests and tools point it elsewhere).
  QString ProgramFolder() const;
  void SetProgramFolder(const QString& folder) { programFolder_ = folder; }
  // What the last update did.
  const drawlyze::updater::UpdateResult& LastResult() const { return lastResult_; }
  bool Running() const { return running_; }

  // Controls, named as in the design.
  QLabel* Label1;
  QListWidget* ListBox1;
  QLabel* Label2;
  QLineEdit* Edit1_url;
  QLabel* Label3;
  QLineEdit* Edit2_mask;
  QPushButton* xpButton_Update;
  QPushButton* xpButton_Close;
  QLabel* Label4;
  QComboBox* ComboBox_source;  // the sources; choosing one fills Edit1_url

  // Handlers.
  void xpButton_UpdateClick();
  void xpButton_CloseClick();
  void ComboBox_sourceChange();
  // Chooses a source by its place in UpdateSources(), and tells which is chosen (-1: none).
  void SelectSource(int source);
  int CurrentSource() const;
  // The listing's report callback: every member goes into the list.
  void OnArchiveEntry(int argument, const drawlyze::ZipReport& report);

 public slots:
  void reject() override;  // Escape and the close box stop a running update, then close

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;  // proposes the source the history came from
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FillSources();
  static constexpr int kSourceRole = Qt::UserRole + 1;  // an item's place in UpdateSources()
  void RunUpdate();
  void StopAndClose();

  drawlyze::gui::Model& model_;
  QString programFolder_;
  drawlyze::updater::UpdateResult lastResult_;
  drawlyze::updater::UpdateStop stop_;
  bool running_ = false;
  bool closePending_ = false;
  bool escapeHeld_ = false;
  std::string proposedSource_;  // the remembered source last proposed: the user's later choice stands
};
