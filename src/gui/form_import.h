#pragma once
// The import window: one results export (CSV) opened with Ctrl+O, or several
// chosen at once with "Import results…" (a lottery's yearly files), merged
// into one history, and on request into the current history too. It shows
// the first rows of the first export, the columns the importer proposes (one
// list a column, the reason as its tooltip), the day order when the dates
// need it and the summary; OK saves the history as a draw file (the file in
// place kept as a backup, as the Updater keeps it) and loads it. The work is
// the importer's; this window only feeds it the user's choices.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <vector>

#include "core/import/import_to_draw_file.h"

namespace drawlyze::gui {
class Model;
}

class TForm_import : public QDialog {
  Q_OBJECT

 public:
  // How long a reading runs before the window shows with its Cancel (tests make it 0).
  static inline int showReadingAfterMs = 300;
  explicit TForm_import(drawlyze::gui::Model& model, QWidget* parent = nullptr);

  // Reads the exports and shows the first one's rows, proposed columns and
  // the summary of them all; false (after a message) when a file cannot be
  // read, and when the user stopped the reading. A long reading shows the
  // window meanwhile; Cancel, Escape and the close box stop it at its next rows.
  bool LoadExports(const QStringList& paths);
  bool LoadExport(const QString& path) { return LoadExports({path}); }
  // True while the importer reads or converts.
  bool Converting() const { return converting_; }

  // The export whose rows and lists are shown (an empty one when none is).
  const drawlyze::import::ImportedInput& Input() const;
  const drawlyze::import::MergedHistory& History() const { return merged_; }
  const drawlyze::import::ImportSummary& Summary() const { return summary_; }
  // The list of uses of a column of the shown export (row 0 of the preview).
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
  QCheckBox* CheckBox_merge;
  QPushButton* xpButton_OK;
  QPushButton* xpButton_Cancel;

  // Handlers.
  void ColumnComboChange(int column);
  void ComboBox_day_orderChange();
  void CheckBox_mergeClick();
  void xpButton_OKClick();
  void reject() override;  // during a conversion: stops it

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void FormCreate();
  void FillPreview();
  // Runs the importer again with the choices of the lists.
  void Remap();
  // The lists, tooltips, day order, summary and OK from the mappings.
  void ShowMapping();
  // Reads one file into an input; false after a message, or when stopped.
  bool ReadFile(const QString& path, drawlyze::import::ImportedInput& input);
  // The index of the shown export in inputs_; inputs_.size() when none.
  std::size_t Shown() const;
  std::size_t FirstExport() const { return currentIncluded_ ? 1 : 0; }
  // What the importer asks between rows: the window's events run, and the
  // answer is whether the user asked to stop.
  drawlyze::import::StopCheck ConversionStop();

  drawlyze::gui::Model& model_;
  // The current history first when it is merged into, then the files chosen.
  std::vector<drawlyze::import::ImportedInput> inputs_;
  bool currentIncluded_ = false;
  drawlyze::import::ImportStatus status_ = drawlyze::import::ImportStatus::Ok;
  std::size_t statusInput_ = 0;
  std::optional<drawlyze::Error> failure_;
  drawlyze::import::MergedHistory merged_;
  drawlyze::import::ImportSummary summary_;
  std::vector<QComboBox*> combos_;
  drawlyze::import::DayOrder dayOrder_ = drawlyze::import::DayOrder::Unknown;  // as the user chose
  bool datePartsChosen_ = false;  // the user placed the month and the day of a split date
  QString savedPath_;
  bool converting_ = false;
  bool stopRequested_ = false;
};
