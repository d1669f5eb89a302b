#include "gui/draw_grid.h"

#include <algorithm>

#include "core/table/draw_columns.h"
#include "core/table/table_text.h"
#include "gui/latin1.h"

namespace drawlyze::gui {
namespace {

QString Utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

DrawTableModel::DrawTableModel(const DrawHistory& history, QObject* parent)
    : QAbstractTableModel(parent), history_(history) {}

void DrawTableModel::HistoryReplaced() {
  beginResetModel();
  endResetModel();
}

QString DrawTableModel::CellText(int row, int column) const {
  if (row < 0 || row >= history_.Count() || column < 0 || column >= kColumns) return {};
  const DrawNumbers a = history_.GetDraw(row);
  switch (column) {
    case 0:
      return Latin1(history_.NumberText(row));
    case 1:
      return Latin1(history_.DateText(row));
    case 2:
    case 3:
    case 4:
      return QString::number(a[static_cast<std::size_t>(column - 2)]);
    case 6:  // the Sum the Table window's columns derive
      return QString::number(DeriveColumns(a)[kSumColumn - kFirstDerivedColumn]);
    default:
      return {};
  }
}

int DrawTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(history_.Count(), 1);
}

int DrawTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant DrawTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return CellText(index.row(), index.column());
}

QVariant DrawTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
    return QAbstractTableModel::headerData(section, orientation, role);
  static const QString headers[kColumns] = {Utf8(kNumberHeader), Utf8(kDateHeader), "A1", "A2", "A3", "", " S"};
  return section >= 0 && section < kColumns ? headers[section] : QVariant();
}

DrawGrid::DrawGrid(const DrawHistory& history, QWidget* parent)
    : QTableView(parent), model_(new DrawTableModel(history, this)) {
  setModel(model_);
}

void DrawGrid::setCurrentCell(int row, int column) { setCurrentIndex(model_->index(row, column)); }

DrawGrid::Cell DrawGrid::horizontalHeaderItem(int column) const {
  return {model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()};
}

}  // namespace drawlyze::gui
