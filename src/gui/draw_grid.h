#pragma once
// The main window's table of draws: a model over the history (row r is the
// draw at index r, newest first) and the view that shows it. Nothing is
// copied: a load resets the model, and the view asks only for the rows it
// shows, instead of refilling some 70,000 cells on every load.

#include <QAbstractTableModel>
#include <QString>
#include <QTableView>

#include "core/history/draw_history.h"

namespace drawlyze::gui {

// Columns "№", "Date", "A1", "A2", "A3", an empty one, " S" (the draw's sum
// as the Table window's Sum column has it). One empty row when there are no
// draws, as the table always kept a row below its header.
class DrawTableModel : public QAbstractTableModel {
 public:
  static constexpr int kColumns = 7;

  explicit DrawTableModel(const DrawHistory& history, QObject* parent = nullptr);

  // The history changed (a load): every view asks again.
  void HistoryReplaced();
  // The text of a cell; empty past the draws.
  QString CellText(int row, int column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const DrawHistory& history_;
};

// The view, read as the table widget it replaced: its rows, its current cell
// and its cells' texts by row and column.
class DrawGrid : public QTableView {
 public:
  // A cell's text, read as a table widget's item: grid->item(0, 6)->text().
  struct Cell {
    QString value;
    QString text() const { return value; }
    const Cell* operator->() const { return this; }
  };

  explicit DrawGrid(const DrawHistory& history, QWidget* parent = nullptr);

  DrawTableModel* Model() const { return model_; }
  int rowCount() const { return model_->rowCount(); }
  int currentRow() const { return currentIndex().row(); }
  int currentColumn() const { return currentIndex().column(); }
  void setCurrentCell(int row, int column);
  Cell item(int row, int column) const { return {model_->CellText(row, column)}; }
  Cell horizontalHeaderItem(int column) const;

 private:
  DrawTableModel* model_;
};

}  // namespace drawlyze::gui
