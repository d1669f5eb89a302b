#pragma once
// The State dialog: for each derived column of the Table window, the run of
// newest draws above and below a threshold the user types, counted on the
// model's draws. The thresholds persist in stats_pick_3.txt in the program's
// folder.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "core/error/error.h"
#include "core/table/draw_columns.h"

namespace drawlyze::gui {
class Model;
}

class TForm_Stat : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_Stat(drawlyze::gui::Model& model, QWidget* parent = nullptr);

  // Where the thresholds are kept; fixed at creation, replaceable by tests and tools.
  const QString& SettingsPath() const { return settingsPath_; }
  void SetSettingsPath(const QString& path) { settingsPath_ = path; }
  // The thresholds the edits start from when the settings file has no line for them.
  const std::array<QString, drawlyze::kDerivedColumnCount>& RememberedThresholds() const { return remembered_; }

  // Controls, named as in the design.
  QPushButton* xpButton_Calculate;
  // Built at every showing and discarded at hiding (null while hidden),
  // indexed by the Table column 2..13.
  std::array<QLabel*, drawlyze::kTableColumnCount> Label_column{};
  std::array<QLabel*, drawlyze::kTableColumnCount> Label_above{};
  std::array<QLabel*, drawlyze::kTableColumnCount> Label_below{};
  std::array<QLineEdit*, drawlyze::kTableColumnCount> Edit_threshold{};

  // Handlers. Load and Save have no buttons: showing loads, hiding saves.
  void Button_LoadClick();
  void Button_CalculateClick();
  drawlyze::Status Button_SaveClick();  // why the settings file cannot be written, if it cannot

 protected:
  void showEvent(QShowEvent* event) override;  // FormShow
  void hideEvent(QHideEvent* event) override;  // FormHide

 private:
  void FormCreate();
  void FormShow();
  void FormHide();
  void BuildColumnBlocks();
  void DiscardColumnBlocks();

  drawlyze::gui::Model& model_;
  QString settingsPath_;
  std::array<QString, drawlyze::kDerivedColumnCount> remembered_;
};
