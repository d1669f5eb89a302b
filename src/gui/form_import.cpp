#include "gui/form_import.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QSignalBlocker>
#include <algorithm>
#include <string>

#include "core/files/whole_file.h"
#include "core/history/draw_history.h"
#include "core/import/column_uses.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "gui/replace_question.h"
#include "gui/styled_controls.h"
#include "update/updater/candidate_check.h"
#include "update/updater/install_files.h"

using namespace drawlyze;
using namespace drawlyze::import;

namespace {

ColumnUse RoleOnly(ColumnRole role) {
  ColumnUse use;
  use.role = role;
  return use;
}

QString Number(int column) { return QString::number(column + 1); }

QString Text(const std::string& text) { return QString::fromStdString(text); }

bool IsExport(const ImportedInput& input) { return input.kind == InputKind::Csv || input.kind == InputKind::Empty; }

}  // namespace

TForm_import::TForm_import(gui::Model& model, QWidget* parent) : QDialog(parent), model_(model) {
  Label1 = new QLabel("File:", this);
  Label_file = new QLabel(this);
  StringGrid_preview = new QTableWidget(this);
  Label2 = new QLabel("Day and month:", this);
  ComboBox_day_order = new QComboBox(this);
  Memo_summary = new QPlainTextEdit(this);
  CheckBox_merge = new QCheckBox("Merge into the current history", this);
  xpButton_OK = new QPushButton("OK", this);
  xpButton_Cancel = new QPushButton("Cancel", this);
  FormCreate();
}

void TForm_import::FormCreate() {
  gui::MakeFixedDialog(this, "Form_import", "Import", 640, 424);
  gui::PlaceCentred(this);
  gui::PlaceControls({
      {Label1, "Label1", 8, 8, 40, 16},
      {Label_file, "Label_file", 48, 8, 584, 16},
      {StringGrid_preview, "StringGrid_preview", 8, 30, 624, 192},
      {Label2, "Label2", 8, 234, 100, 16},
      {ComboBox_day_order, "ComboBox_day_order", 112, 230, 260, 21},
      {Memo_summary, "Memo_summary", 8, 258, 624, 126},
      {CheckBox_merge, "CheckBox_merge", 8, 394, 300, 21},
      {xpButton_OK, "xpButton_OK", 472, 392, 75, 25},
      {xpButton_Cancel, "xpButton_Cancel", 557, 392, 75, 25},
  });
  for (QLabel* label : {Label1, Label2}) {
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
  }
  gui::StyleButtons({xpButton_OK, xpButton_Cancel});
  xpButton_OK->setDefault(true);  // Enter takes the mapping once OK is enabled
  StringGrid_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid_preview->setSelectionMode(QAbstractItemView::NoSelection);
  StringGrid_preview->verticalHeader()->setDefaultSectionSize(20);
  Memo_summary->setReadOnly(true);
  ComboBox_day_order->addItems(
      {"from the values", "day first (03/04/2020 is 3 April)", "month first (03/04/2020 is March 4)"});
  CheckBox_merge->setToolTip("The draws of the history loaded now, with the new ones; duplicates dropped");

  connect(ComboBox_day_order, &QComboBox::activated, this, [this] { ComboBox_day_orderChange(); });
  connect(CheckBox_merge, &QCheckBox::clicked, this, [this] { CheckBox_mergeClick(); });
  connect(xpButton_OK, &QPushButton::clicked, this, [this] { xpButton_OKClick(); });
  connect(xpButton_Cancel, &QPushButton::clicked, this, [this] { reject(); });
}

void TForm_import::paintEvent(QPaintEvent* event) {
  gui::PaintGradient(this, gui::Gradient::TopDown);
  QDialog::paintEvent(event);
}

QComboBox* TForm_import::ColumnCombo(int column) const {
  return column >= 0 && column < static_cast<int>(combos_.size()) ? combos_[static_cast<std::size_t>(column)] : nullptr;
}

std::size_t TForm_import::Shown() const {
  std::size_t i = FirstExport();
  while (i < inputs_.size() && !IsExport(inputs_[i])) ++i;
  return i;
}

const ImportedInput& TForm_import::Input() const {
  static const ImportedInput none;
  const std::size_t shown = Shown();
  return shown < inputs_.size() ? inputs_[shown] : none;
}

StopCheck TForm_import::ConversionStop() {
  QElapsedTimer started;
  started.start();
  return [this, started] {
    // A long reading shows the window, so that its Cancel can stop it.
    if (!isVisible() && started.elapsed() >= showReadingAfterMs) {
      Memo_summary->setPlainText("Reading the export\u2026 Cancel stops it.");
      setWindowModality(Qt::ApplicationModal);
      show();
    }
    QCoreApplication::processEvents();
    return stopRequested_;
  };
}

void TForm_import::reject() {
  if (converting_) {
    stopRequested_ = true;
    return;
  }
  QDialog::reject();
}

bool TForm_import::ReadFile(const QString& path, ImportedInput& input) {
  std::string text;
  if (!ReadWholeFile(QFile::encodeName(path).toStdString(), text)) {
    gui::ShowMessage("Error - file " + path + " not found!", this);
    return false;
  }
  converting_ = true;
  stopRequested_ = false;
  input = ReadInput(QFileInfo(path).fileName().toStdString(), text, {}, ConversionStop());
  converting_ = false;
  return !(input.failure && input.failure->kind == ErrorKind::Stopped);
}

bool TForm_import::LoadExports(const QStringList& paths) {
  if (converting_ || paths.isEmpty()) return false;
  std::vector<ImportedInput> read(static_cast<std::size_t>(paths.size()));
  for (qsizetype i = 0; i < paths.size(); ++i) {
    if (!ReadFile(paths[i], read[static_cast<std::size_t>(i)])) {
      inputs_.clear();
      hide();
      return false;
    }
  }
  inputs_ = std::move(read);
  currentIncluded_ = false;
  dayOrder_ = DayOrder::Unknown;
  datePartsChosen_ = false;
  savedPath_.clear();
  QStringList names;
  for (const QString& path : paths) names << QFileInfo(path).fileName();
  const QString files = paths.size() == 1 ? paths[0] : names.join(", ");
  Label_file->setText(Label_file->fontMetrics().elidedText(files, Qt::ElideMiddle, Label_file->width()));
  Label_file->setToolTip(paths.join('\n'));
  CheckBox_merge->setChecked(false);
  CheckBox_merge->setEnabled(!model_.drawFile.empty());
  ComboBox_day_order->setCurrentIndex(0);
  FillPreview();
  ShowMapping();
  return true;
}

void TForm_import::FillPreview() {
  const ImportedInput& input = Input();
  const CsvTable& table = input.table;
  const int columns = IsExport(input) ? table.Columns() : 0;
  const int rows = std::min(table.Rows(), kPreviewRows);
  StringGrid_preview->clear();
  StringGrid_preview->setColumnCount(columns);
  StringGrid_preview->setRowCount(columns > 0 ? rows + 1 : 0);
  combos_.clear();
  QStringList headers, lines{"use"};
  for (int r = 0; r < rows; ++r) lines << QString::number(table.Line(r));
  StringGrid_preview->setVerticalHeaderLabels(lines);
  for (int c = 0; c < columns; ++c) {
    const std::string_view header = table.Header(c);
    headers << (header.empty() ? "column " + Number(c) : QString::fromUtf8(header.data(), header.size()));
    auto* combo = new QComboBox;
    combo->setObjectName("ComboBox_column" + Number(c));
    QFont small = combo->font();
    small.setPixelSize(11);
    combo->setFont(small);
    for (const ColumnUse& use : OfferedUses()) combo->addItem(Text(DescribeUse(use)));
    connect(combo, &QComboBox::activated, this, [this, c] { ColumnComboChange(c); });
    StringGrid_preview->setCellWidget(0, c, combo);
    combos_.push_back(combo);
    for (int r = 0; r < rows; ++r) {
      const std::string_view cell = table.Cell(r, c);
      StringGrid_preview->setItem(r + 1, c, new QTableWidgetItem(QString::fromUtf8(cell.data(), cell.size())));
    }
  }
  StringGrid_preview->setHorizontalHeaderLabels(headers);
  StringGrid_preview->resizeColumnsToContents();
  for (int c = 0; c < columns; ++c)
    StringGrid_preview->setColumnWidth(
        c, std::max(StringGrid_preview->columnWidth(c), combos_[static_cast<std::size_t>(c)]->sizeHint().width()));
}

void TForm_import::ColumnComboChange(int column) {
  if (converting_) return;
  const ColumnUse& use = OfferedUses()[static_cast<std::size_t>(std::max(0, ColumnCombo(column)->currentIndex()))];
  // Placing the month or the day of a split date is the user's day order.
  if (use.role == ColumnRole::Month || use.role == ColumnRole::DayOfMonth) datePartsChosen_ = true;
  Remap();
}

void TForm_import::ComboBox_day_orderChange() {
  if (converting_) return;
  const int index = ComboBox_day_order->currentIndex();
  dayOrder_ = index == 1 ? DayOrder::DayFirst : index == 2 ? DayOrder::MonthFirst : DayOrder::Unknown;
  const Mapping& m = Input().mapping;
  if (m.yearColumn >= 0 && dayOrder_ != DayOrder::Unknown) {
    // A split date: the order names which of its two columns is the month.
    const int first = std::min(m.monthColumn, m.dayColumn);
    const int second = std::max(m.monthColumn, m.dayColumn);
    const bool monthFirst = dayOrder_ == DayOrder::MonthFirst;
    const QSignalBlocker a(ColumnCombo(first)), b(ColumnCombo(second));
    ColumnCombo(first)->setCurrentIndex(
        OfferedIndex(RoleOnly(monthFirst ? ColumnRole::Month : ColumnRole::DayOfMonth)));
    ColumnCombo(second)->setCurrentIndex(
        OfferedIndex(RoleOnly(monthFirst ? ColumnRole::DayOfMonth : ColumnRole::Month)));
    datePartsChosen_ = true;
  }
  Remap();
}

void TForm_import::CheckBox_mergeClick() {
  if (converting_) return;
  if (CheckBox_merge->isChecked() && !currentIncluded_) {
    // The history loaded now, read again from its file: every draw of it,
    // also those past the store's.
    ImportedInput current;
    if (!ReadFile(QString::fromStdString(model_.drawFile), current)) {
      const QSignalBlocker block(CheckBox_merge);
      CheckBox_merge->setChecked(false);
      if (stopRequested_) QDialog::reject();
      return;
    }
    inputs_.insert(inputs_.begin(), std::move(current));
    currentIncluded_ = true;
  } else if (!CheckBox_merge->isChecked() && currentIncluded_) {
    inputs_.erase(inputs_.begin());
    currentIncluded_ = false;
  }
  ShowMapping();
}

void TForm_import::Remap() {
  ColumnUses uses;
  for (QComboBox* combo : combos_)
    uses.columns.push_back(OfferedUses()[static_cast<std::size_t>(std::max(0, combo->currentIndex()))]);
  uses.dayOrder = dayOrder_;
  uses.datePartsPlaced = datePartsChosen_;
  // The lists' uses hold for every export of the same columns: a lottery's
  // yearly files share them. Another export keeps its own proposal.
  const int columns = Input().table.Columns();
  converting_ = true;
  stopRequested_ = false;
  for (std::size_t i = FirstExport(); i < inputs_.size() && !stopRequested_; ++i) {
    ImportedInput& input = inputs_[i];
    if (!IsExport(input) || input.table.Rows() == 0 || input.table.Columns() != columns) continue;
    input.mapping = ProposeMapping(input.table, uses);
    Convert(input, ConversionStop());
  }
  converting_ = false;
  if (stopRequested_) {  // Cancel or the close box during the conversion: the window goes
    QDialog::reject();
    return;
  }
  ShowMapping();
}

void TForm_import::ShowMapping() {
  const Mapping& m = Input().mapping;
  for (std::size_t c = 0; c < combos_.size() && c < m.columns.size(); ++c) {
    const QSignalBlocker block(combos_[c]);
    combos_[c]->setCurrentIndex(OfferedIndex(m.columns[c]));
    combos_[c]->setToolTip(Text(m.columns[c].reason));
  }
  // Only when the values and the headers cannot tell, or the user has chosen.
  bool dayOrderNeeded = false;
  for (const ImportedInput& input : inputs_) dayOrderNeeded |= input.mapping.needs == Choice::DayOrder;
  const bool dayOrderShown = dayOrderNeeded || dayOrder_ != DayOrder::Unknown;
  Label2->setVisible(dayOrderShown);
  ComboBox_day_order->setVisible(dayOrderShown);
  // The summary takes the day order's row when that is hidden.
  Memo_summary->setGeometry(dayOrderShown ? QRect(8, 258, 624, 126) : QRect(8, 230, 624, 154));

  ImportOptions options;
  options.format = false;  // written only when OK is pressed
  ImportRun run = ImportToDrawFile(std::move(inputs_), options);
  inputs_ = std::move(run.inputs);
  merged_ = std::move(run.merged);
  summary_ = std::move(run.summary);
  status_ = run.status;
  statusInput_ = run.input;
  failure_ = run.failure;

  QStringList lines;
  const ImportedInput* concerned = statusInput_ < inputs_.size() ? &inputs_[statusInput_] : nullptr;
  // The input a line is about, named when there are several.
  const QString about = inputs_.size() > 1 && concerned ? Text(concerned->name) + ": " : QString();
  const bool noRows = std::all_of(inputs_.begin(), inputs_.end(),
                                  [](const ImportedInput& i) { return IsExport(i) && i.table.Rows() == 0; });
  switch (status_) {
    case ImportStatus::Unclear:
      if (concerned->mapping.needs == Choice::ColumnUses)
        lines << "To do: " + about + Text(concerned->mapping.problem) + ".";
      else
        lines << "To do: " + about + Text(concerned->mapping.problem) + "; choose in the lists above.";
      break;
    case ImportStatus::Failed:
    case ImportStatus::TooLarge:
      lines << Text(ErrorText(*failure_));
      break;
    case ImportStatus::NoDraws:
      lines << (noRows ? "The file holds no rows of draws." : "No readable draw: choose other columns above.");
      break;
    case ImportStatus::Ok:
    case ImportStatus::NotRead:
    case ImportStatus::Stopped:
      break;
  }
  // The totals first (draws, dates, duplicates, conflicts, what the store
  // keeps), then the rows and the columns of each input.
  for (const std::string& line : TotalLines(summary_)) lines << Text(line);
  if (summary_.storeLimit) lines << Text(StoreLimitLine(summary_));
  for (const std::string& line : InputLines(summary_)) lines << Text(line);
  Memo_summary->setPlainText(lines.join('\n'));
  xpButton_OK->setEnabled(status_ == ImportStatus::Ok);
}

void TForm_import::xpButton_OKClick() {
  if (!xpButton_OK->isEnabled() || converting_) return;
  const QString proposed = QDir(model_.Folder()).filePath(QString::fromStdString(DrawFileName()));
  const QString target = gui::SaveFileName(proposed, "Draw files (*.txt);;All files (*)", this);
  if (target.isEmpty()) return;
  const QFileInfo info(target);
  ImportRun run = ImportToDrawFile(std::move(inputs_));
  inputs_ = std::move(run.inputs);
  if (run.status != ImportStatus::Ok) {
    gui::ShowMessage(Text(run.failure ? ErrorText(*run.failure) : "Error"), this);
    return;
  }
  const std::string& drawFile = run.drawFile;
  // The history replaces the file there only as the Updater's download would.
  const std::string name = inputs_.empty() ? DrawFileName() : inputs_.front().name;
  if (!gui::MayReplace(updater::JudgeReplacement(name, drawFile.size(), ParseDrawFile(drawFile),
                                                 "from " + QFile::encodeName(Label_file->text()).toStdString(),
                                                 QFile::encodeName(info.absoluteFilePath()).toStdString()),
                       this))
    return;
  const updater::SavedDrawFile saved = updater::SaveDrawFile(
      QFile::encodeName(info.absolutePath()).toStdString(), QFile::encodeName(info.fileName()).toStdString(), drawFile);
  if (!saved.saved) {
    gui::ShowMessage("Error - " + Text(saved.failure), this);
    return;
  }
  savedPath_ = info.absoluteFilePath();
  accept();
  QWidget* owner = parentWidget();
  if (!model_.LoadDrawFile(savedPath_, owner)) return;
  QString text = QString("%1 draws saved to %2.").arg(run.merged.draws.size()).arg(savedPath_);
  if (!saved.backupName.empty()) text += "\nThe previous file is kept as " + Text(saved.backupName) + ".";
  gui::ShowMessage(text, owner);
}
