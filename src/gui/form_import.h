#pragma once
// The import window: a results export (CSV) opened with Ctrl+O. It shows the
// first rows, the columns the importer proposes (one list a column, the
// reason as its tooltip), the day order when the dates need it and the
// summary; OK saves the history as a draw file (the file in place kept as a
// backup, as the Updater keeps it) and loads it. The work is the importer's;
// this window only feeds it the user's choices.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <vector>

#include "core/import/import.h"

namespace drawlyze::gui {
class Model;
}

class TForm_import : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_import(drawlyze::gui::Model& model, QWidget* parent = nullptr);

  // Reads the export and shows its rows, proposed columns and summary; false
  // (after a message) when the file cannot be read, and when the user stopped
  // the reading. A long reading shows the window meanwhile; Cancel, Escape
  // and the close box stop it at its next rows.
  bool LoadExport(const QString& path);
  // True while the importer reads or converts.
  bool Converting() const { return converting_; }

  const drawlyze::import::ImportedInput& Input() const { return input_; }
  const drawlyze::import::MergedHistory& History() const { return merged_; }
  // The list of uses of a column of the export (row 0 of the preview).
  QComboBox* ColumnCombo(int column) const;
  // Where OK saved the history; empty until it did.
  const QString& SavedPath() const { return savedPath_; }

  // The rows shown below the lists of uses.
  static constexpr int kPreviewRows = 10;

  // Controls.
  QLabel* Label1;
  QLabel* Label_file;
  QTableWidget* StringGrid_preview;
  QLabel* Label2;
  QComboBox* ComboBox_day_order;
  QPlainTextEdit* Memo_summary;
  QPushButton* xpButton_OK;
  QPushButton* xpButton_Cancel;

  // Handlers.
  void ColumnComboChange(int column);
  void ComboBox_day_orderChange();
  void xpButton_OKClick();
  void reject() override;  // during a conversion: stops it

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void FormCreate();
  void FillPreview();
  // Runs the importer again with the choices of the lists.
  void Remap();
  // The lists, tooltips, day order, summary and OK from the mapping.
  void ShowMapping();
  // What the importer asks between rows: the window's events run, and the
  // answer is whether the user asked to stop.
  drawlyze::import::StopCheck ConversionStop();

  drawlyze::gui::Model& model_;
  drawlyze::import::ImportedInput input_;
  drawlyze::import::MergedHistory merged_;
  std::vector<QComboBox*> combos_;
  drawlyze::import::DayOrder dayOrder_ = drawlyze::import::DayOrder::Unknown;  // as the user chose
  bool datePartsChosen_ = false;  // the user placed the month and the day of a split date
  QString choiceProblem_;         // what the lists leave unclear before the importer can run
  QString savedPath_;
  bool converting_ = false;
  bool stopRequested_ = false;
};
