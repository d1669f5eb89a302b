#include "gui/form_table.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

#include "gui/form_stat.h"
#include "gui/forms.h"
#include "gui/key_preview.h"
#include "gui/model.h"
#include "gui/save_actions.h"
#include "gui/styled_controls.h"

using namespace drawlyze;

namespace {

constexpr int kRowHeight = 20;
constexpr int kDesignWidth = 756;
constexpr int kDesignHeight = 502;
// Width of each of the fourteen columns, as designed.
constexpr int kColumnWidths[kTableColumnCount] = {40, 70, 30, 30, 30, 30, 30, 70, 70, 60, 60, 60, 60, 60};

QString Text(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

void PutOnClipboard(const std::string& text) { QGuiApplication::clipboard()->setText(Text(text)); }

}  // namespace

TForm_Table::TForm_Table(gui::Model& model, const gui::Forms& forms, QWidget* parent)
    : QDialog(parent), model_(model), forms_(forms) {
  setObjectName("Form_Table");
  xpButton_Stat = new QPushButton("State", this);
  StringGrid1 = new QTableWidget(this);
  PopupMenu1 = new QMenu(this);
  CopyAll1 = PopupMenu1->addAction("Copy All");
  SaveAsCsv1 = PopupMenu1->addAction("Save As CSV\u2026");
  FormCreate();
}

void TForm_Table::FormCreate() {
  setWindowTitle("Table");
  drawlyze::gui::FillBackground(this);

  xpButton_Stat->setObjectName("xpButton_Stat");
  xpButton_Stat->setGeometry(8, 6, 97, 25);
  drawlyze::gui::StyleButtons({xpButton_Stat});

  StringGrid1->setObjectName("StringGrid1");
  StringGrid1->setAccessibleName("Table");
  PopupMenu1->setObjectName("PopupMenu1");
  CopyAll1->setObjectName("CopyAll1");
  SaveAsCsv1->setObjectName("SaveAsCsv1");
  SaveAsCsv1->setShortcut(QKeySequence::Save);  // shown in the menu; keyPressEvent takes the key
  SaveAsCsv1->setShortcutContext(Qt::WidgetShortcut);
  StringGrid1->verticalHeader()->hide();
  StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
  StringGrid1->horizontalHeader()->setDefaultSectionSize(40);
  StringGrid1->horizontalHeader()->setMinimumSectionSize(10);
  StringGrid1->horizontalHeader()->setFixedHeight(kRowHeight);
  StringGrid1->horizontalHeader()->setSectionsClickable(false);
  StringGrid1->horizontalHeader()->setStyleSheet(
      QString("QHeaderView::section { background-color: %1; padding: 0 1px; border: 1px solid #A0A0A0; }")
          .arg(drawlyze::gui::kBackgroundStart.name()));
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
  // The State dialog reads the headers even before the first showing.
  StringGrid1->setColumnCount(kTableColumnCount);
  StringGrid1->setHorizontalHeaderLabels([] {
    QStringList headers{QString(), QString()};
    for (std::string_view h : DerivedHeaders()) headers << QString::fromLatin1(h.data(), qsizetype(h.size()));
    return headers;
  }());

  connect(xpButton_Stat, &QPushButton::clicked, this, [this] { xpButton_StatClick(); });
  connect(CopyAll1, &QAction::triggered, this, [this] { CopyAll1Click(); });
  connect(SaveAsCsv1, &QAction::triggered, this, [this] { SaveAsCsv1Click(); });
  connect(StringGrid1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu1->popup(StringGrid1->viewport()->mapToGlobal(at)); });
  connect(StringGrid1->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, [this] { StringGrid1DblClick(); });
  StringGrid1->viewport()->installEventFilter(this);
  StringGrid1->installEventFilter(this);

  resize(kDesignWidth, kDesignHeight);
  drawlyze::gui::PlaceAtTop(this, kDesignWidth, 100);
  FormResize();
}

void TForm_Table::showEvent(QShowEvent* event) {
  // A window restored from the task bar is not a new showing.
  if (!event->spontaneous()) FormShow();
  QDialog::showEvent(event);
}

void TForm_Table::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  FormResize();
}

void TForm_Table::keyPressEvent(QKeyEvent* event) {
  // Escape belongs to the grid (maximise and restore); it never closes the window.
  if (event->key() == Qt::Key_Escape) return;
  // Ctrl+S from the grid (which passes it on) or the button.
  if (event->key() == Qt::Key_S && (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
    SaveAsCsv1Click();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool TForm_Table::eventFilter(QObject* watched, QEvent* event) {
  if (watched == StringGrid1 && event->type() == QEvent::KeyPress)
    return StringGrid1KeyDown(static_cast<const QKeyEvent*>(event));
  // The first click of a double click has already made its cell current.
  if (watched == StringGrid1->viewport() && event->type() == QEvent::MouseButtonDblClick) StringGrid1DblClick();
  return QDialog::eventFilter(watched, event);
}

void TForm_Table::FormResize() {
  // The grid stays docked to the bottom, as tall as the window less 70 pixels.
  const int below = xpButton_Stat->geometry().bottom() + 6;
  const int gridHeight = std::clamp(frameGeometry().height() - 70, 0, std::max(0, height() - below));
  StringGrid1->setGeometry(0, height() - gridHeight, width(), gridHeight);
  WidenColumns();
}

void TForm_Table::WidenColumns() {
  // As designed up to the designed width; a wider window widens every column
  // in proportion, so that the grid's cells take the room.
  for (int c = 0; c < kTableColumnCount && c < static_cast<int>(baseWidths_.size()); ++c)
    StringGrid1->setColumnWidth(
        c, baseWidths_[static_cast<std::size_t>(c)] * std::max(width(), kDesignWidth) / kDesignWidth);
}

void TForm_Table::FormShow() {
  // The number and date columns head as in the main window's table of draws.
  const std::vector<TableRow> rows = BuildTableRows(model_.history, kNumberHeader, kDateHeader);

  StringGrid1->setUpdatesEnabled(false);
  StringGrid1->clearContents();
  StringGrid1->setColumnCount(kTableColumnCount);
  StringGrid1->setRowCount(static_cast<int>(rows.size()) - 1);
  for (int c = 0; c < kTableColumnCount; ++c) {
    StringGrid1->setColumnWidth(c, kColumnWidths[c]);
    StringGrid1->setHorizontalHeaderItem(c, new QTableWidgetItem(Text(rows[0][static_cast<std::size_t>(c)])));
  }
  for (std::size_t r = 1; r < rows.size(); ++r)
    for (int c = 0; c < kTableColumnCount; ++c)
      StringGrid1->setItem(static_cast<int>(r) - 1, c,
                           new QTableWidgetItem(Text(rows[r][static_cast<std::size_t>(c)])));
  // Numbers and dates come from the file as typed: their columns grow to the widest.
  for (int c : {0, 1}) drawlyze::gui::FitColumnToTexts(StringGrid1, c, kColumnWidths[c]);
  baseWidths_.clear();
  for (int c = 0; c < kTableColumnCount; ++c) baseWidths_.push_back(StringGrid1->columnWidth(c));
  WidenColumns();
  StringGrid1->setUpdatesEnabled(true);
}

QString TForm_Table::HeaderText(int column) const {
  const QTableWidgetItem* item = StringGrid1->horizontalHeaderItem(column);
  return item ? item->text() : QString();
}

std::vector<TableRow> TForm_Table::Cells() const {
  std::vector<TableRow> rows(static_cast<std::size_t>(StringGrid1->rowCount()) + 1);
  const int columns = std::min(StringGrid1->columnCount(), kTableColumnCount);
  for (int c = 0; c < columns; ++c) {
    rows[0][static_cast<std::size_t>(c)] = HeaderText(c).toStdString();
    for (int r = 0; r < StringGrid1->rowCount(); ++r) {
      const QTableWidgetItem* item = StringGrid1->item(r, c);
      if (item) rows[static_cast<std::size_t>(r) + 1][static_cast<std::size_t>(c)] = item->text().toStdString();
    }
  }
  return rows;
}

void TForm_Table::StringGrid1DblClick() {
  const int column = std::max(StringGrid1->currentColumn(), 0);
  setWindowTitle(HeaderText(column));
  PutOnClipboard(ColumnCopyText(Cells(), column));
}

void TForm_Table::CopyAll1Click() { PutOnClipboard(CopyAllText(Cells())); }

void TForm_Table::SaveAsCsv1Click() { drawlyze::gui::SaveTableAsCsv(Cells(), this); }

void TForm_Table::xpButton_StatClick() { forms_.Form_Stat->exec(); }

bool TForm_Table::StringGrid1KeyDown(const QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) return false;
  if (event->modifiers() == Qt::NoModifier) drawlyze::gui::ToggleMaximised(this);
  return true;  // Escape with a modifier does nothing, and never closes the window
}
