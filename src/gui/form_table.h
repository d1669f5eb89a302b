#pragma once
// The Table window: every loaded draw in one row with its twelve derived
// columns; copies one column or the whole table and opens the State dialog.

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <vector>

#include "core/table/table_text.h"

namespace drawlyze::gui {
class Forms;
class Model;
}  // namespace drawlyze::gui

class TForm_Table : public QDialog {
  Q_OBJECT

 public:
  // Opens the State dialog of forms.
  TForm_Table(drawlyze::gui::Model& model, const drawlyze::gui::Forms& forms, QWidget* parent = nullptr);

  // The grid's cells as text, row 0 the headers: what the copies take.
  std::vector<drawlyze::TableRow> Cells() const;
  QString HeaderText(int column) const;

  // Controls, named as in the design.
  QPushButton* xpButton_Stat;
  QTableWidget* StringGrid1;
  QMenu* PopupMenu1;
  QAction* CopyAll1;
  QAction* SaveAsCsv1;  // "Save As CSV...", also Ctrl+S

  // Handlers.
  void StringGrid1DblClick();
  void CopyAll1Click();
  void SaveAsCsv1Click();
  void xpButton_StatClick();

 protected:
  void showEvent(QShowEvent* event) override;      // FormShow
  void resizeEvent(QResizeEvent* event) override;  // FormResize
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void FormResize();
  void WidenColumns();
  bool StringGrid1KeyDown(const QKeyEvent* event);

  drawlyze::gui::Model& model_;
  const drawlyze::gui::Forms& forms_;
  std::vector<int> baseWidths_;  // as designed, or as wide as the numbers and dates need
};
