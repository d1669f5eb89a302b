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
#include "gui/message_box.h"
#include "gui/model.h"
#include "gui/replace_question.h"
#include "gui/styled_controls.h"
#include "update/updater/candidate_check.h"
#include "update/updater/install_files.h"

using namespace drawlyze;
using namespace drawlyze::import;

namespace {

// What a column's list offers, in its order: the common uses first.
const std::vector<ColumnUse>& Uses() {
  static const std::vector<ColumnUse> uses = [] {
    std::vector<ColumnUse> list = {
        {ColumnRole::Unused, DrawTime::Unknown, 0, {}}, {ColumnRole::Date, DrawTime::Unknown, 0, {}},
        {ColumnRole::Month, DrawTime::Unknown, 0, {}},  {ColumnRole::DayOfMonth, DrawTime::Unknown, 0, {}},
        {ColumnRole::Year, DrawTime::Unknown, 0, {}},   {ColumnRole::Time, DrawTime::Unknown, 0, {}}};
    const DrawTime times[] = {DrawTime::Unknown, DrawTime::Midday, DrawTime::Evening, DrawTime::Morning,
                              DrawTime::Night};
    for (DrawTime t : times) list.push_back({ColumnRole::Result, t, 0, {}});
    for (DrawTime t : times)
      for (int ball = 1; ball <= 3; ++ball) list.push_back({ColumnRole::Digit, t, ball, {}});
    return list;
  }();
  return uses;
}

int UseIndex(const ColumnUse& use) {
  const std::vector<ColumnUse>& uses = Uses();
  const bool timed = use.role == ColumnRole::Result || use.role == ColumnRole::Digit;
  for (std::size_t i = 0; i < uses.size(); ++i)
    if (uses[i].role == use.role && (!timed || uses[i].time == use.time) &&
        (use.role != ColumnRole::Digit || uses[i].ball == use.ball))
      return static_cast<int>(i);
  return 0;
}

ColumnUse RoleOnly(ColumnRole role) {
  ColumnUse use;
  use.role = role;
  return use;
}

QString Number(int column) { return QString::number(column + 1); }

// One pick-3 result the lists name: its columns (three in ball order for
// digits) and its draw time.
struct ChosenResult {
  DrawTime time;
  std::vector<int> columns;
};

// The importer's choice from the lists; problem says what the lists leave
// unclear (then the choice is not used).
MappingChoice ChoiceOf(const std::vector<QComboBox*>& combos, DayOrder dayOrder, QString& problem) {
  MappingChoice choice;
  choice.dayOrder = dayOrder;
  std::vector<int> dates, months, days, years, times;
  std::vector<ChosenResult> results;
  // Digits by draw time, then by ball.
  std::vector<std::vector<std::vector<int>>> digits(5, std::vector<std::vector<int>>(3));
  for (std::size_t c = 0; c < combos.size(); ++c) {
    const int column = static_cast<int>(c);
    const ColumnUse& use = Uses()[static_cast<std::size_t>(std::max(0, combos[c]->currentIndex()))];
    switch (use.role) {
      case ColumnRole::Date:
        dates.push_back(column);
        break;
      case ColumnRole::Month:
        months.push_back(column);
        break;
      case ColumnRole::DayOfMonth:
        days.push_back(column);
        break;
      case ColumnRole::Year:
        years.push_back(column);
        break;
      case ColumnRole::Time:
        times.push_back(column);
        break;
      case ColumnRole::Result:
        results.push_back({use.time, {column}});
        break;
      case ColumnRole::Digit:
        digits[static_cast<std::size_t>(use.time)][static_cast<std::size_t>(use.ball - 1)].push_back(column);
        break;
      case ColumnRole::Unused:
        break;
    }
  }
  const bool split = !months.empty() || !days.empty() || !years.empty();
  if (dates.size() + (split ? 1 : 0) != 1 || (split && (months.size() != 1 || days.size() != 1 || years.size() != 1))) {
    problem = "choose one date column, or one column each for the month, the day and the year of the date";
    return choice;
  }
  if (split) {
    choice.date =
        Number(months[0]).toStdString() + "+" + Number(days[0]).toStdString() + "+" + Number(years[0]).toStdString();
    choice.dayOrder = months[0] < days[0] ? DayOrder::MonthFirst : DayOrder::DayFirst;
  } else {
    choice.date = Number(dates[0]).toStdString();
  }
  if (times.size() > 1) {
    problem = "choose at most one draw-time column";
    return choice;
  }
  if (!times.empty()) choice.time = Number(times[0]).toStdString();
  for (std::size_t t = 0; t < digits.size(); ++t) {
    const auto& balls = digits[t];
    if (balls[0].empty() && balls[1].empty() && balls[2].empty()) continue;
    if (balls[0].size() != 1 || balls[1].size() != 1 || balls[2].size() != 1) {
      problem = "a result from single-digit columns takes one column for each of its digits 1, 2 and 3";
      return choice;
    }
    results.push_back({static_cast<DrawTime>(t), {balls[0][0], balls[1][0], balls[2][0]}});
  }
  if (results.empty()) {
    problem = "choose the result column (or its three digit columns)";
    return choice;
  }
  // Midday first where no list says when a result was drawn.
  std::stable_sort(results.begin(), results.end(),
                   [](const ChosenResult& a, const ChosenResult& b) { return a.time < b.time; });
  const bool timed =
      std::any_of(results.begin(), results.end(), [](const ChosenResult& r) { return r.time != DrawTime::Unknown; });
  for (const ChosenResult& r : results) {
    for (int c : r.columns) choice.results.push_back(Number(c).toStdString());
    if (timed) choice.resultTimes.push_back(r.time);
  }
  return choice;
}

}  // namespace

TForm_import::TForm_import(gui::Model& model, QWidget* parent) : QDialog(parent), model_(model) {
  Label1 = new QLabel("File:", this);
  Label_file = new QLabel(this);
  StringGrid_preview = new QTableWidget(this);
  Label2 = new QLabel("Day and month:", this);
  ComboBox_day_order = new QComboBox(this);
  Memo_summary = new QPlainTextEdit(this);
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

  connect(ComboBox_day_order, &QComboBox::activated, this, [this] { ComboBox_day_orderChange(); });
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

StopCheck TForm_import::ConversionStop() {
  QElapsedTimer started;
  started.start();
  return [this, started] {
    // A long reading shows the window, so that its Cancel can stop it.
    if (!isVisible() && started.elapsed() > 300) {
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

bool TForm_import::LoadExport(const QString& path) {
  if (converting_) return false;
  std::string text;
  if (!ReadWholeFile(QFile::encodeName(path).toStdString(), text)) {
    gui::ShowMessage("Error - file " + path + " not found!", this);
    return false;
  }
  const QString name = QFileInfo(path).fileName();
  converting_ = true;
  stopRequested_ = false;
  input_ = ReadInput(name.toStdString(), text, {}, ConversionStop());
  converting_ = false;
  text = std::string();
  if (input_.failure && input_.failure->kind == ErrorKind::Stopped) {
    input_ = {};
    hide();
    return false;
  }
  dayOrder_ = DayOrder::Unknown;
  datePartsChosen_ = false;
  choiceProblem_.clear();
  savedPath_.clear();
  Label_file->setText(path);
  ComboBox_day_order->setCurrentIndex(0);
  FillPreview();
  ShowMapping();
  return true;
}

void TForm_import::FillPreview() {
  const CsvTable& table = input_.table;
  const int columns = input_.kind == InputKind::Csv ? table.Columns() : 0;
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
    for (const ColumnUse& use : Uses()) combo->addItem(QString::fromStdString(DescribeUse(use)));
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
  const ColumnUse& use = Uses()[static_cast<std::size_t>(std::max(0, ColumnCombo(column)->currentIndex()))];
  // Placing the month or the day of a split date is the user's day order.
  if (use.role == ColumnRole::Month || use.role == ColumnRole::DayOfMonth) datePartsChosen_ = true;
  Remap();
}

void TForm_import::ComboBox_day_orderChange() {
  if (converting_) return;
  const int index = ComboBox_day_order->currentIndex();
  dayOrder_ = index == 1 ? DayOrder::DayFirst : index == 2 ? DayOrder::MonthFirst : DayOrder::Unknown;
  if (input_.mapping.yearColumn >= 0 && dayOrder_ != DayOrder::Unknown) {
    // A split date: the order names which of its two columns is the month.
    const int first = std::min(input_.mapping.monthColumn, input_.mapping.dayColumn);
    const int second = std::max(input_.mapping.monthColumn, input_.mapping.dayColumn);
    const bool monthFirst = dayOrder_ == DayOrder::MonthFirst;
    const QSignalBlocker a(ColumnCombo(first)), b(ColumnCombo(second));
    ColumnCombo(first)->setCurrentIndex(UseIndex(RoleOnly(monthFirst ? ColumnRole::Month : ColumnRole::DayOfMonth)));
    ColumnCombo(second)->setCurrentIndex(UseIndex(RoleOnly(monthFirst ? ColumnRole::DayOfMonth : ColumnRole::Month)));
    datePartsChosen_ = true;
  }
  Remap();
}

void TForm_import::Remap() {
  QString problem;
  MappingChoice choice = ChoiceOf(combos_, dayOrder_, problem);
  choiceProblem_ = problem;
  if (problem.isEmpty()) {
    // A split date's order is where the lists put its month and day once the
    // user placed them; until then, and for a single date column, it is the
    // values' (or the day order the user chose).
    if (choice.date->find('+') == std::string::npos || !datePartsChosen_) choice.dayOrder = dayOrder_;
    input_.mapping = ProposeMapping(input_.table, choice);
    converting_ = true;
    stopRequested_ = false;
    Convert(input_, ConversionStop());
    converting_ = false;
    if (stopRequested_) {  // Cancel or the close box during the conversion: the window goes
      QDialog::reject();
      return;
    }
  }
  ShowMapping();
}

void TForm_import::ShowMapping() {
  const Mapping& m = input_.mapping;
  for (std::size_t c = 0; c < combos_.size() && c < m.columns.size(); ++c) {
    const QSignalBlocker block(combos_[c]);
    if (choiceProblem_.isEmpty()) combos_[c]->setCurrentIndex(UseIndex(m.columns[c]));
    combos_[c]->setToolTip(QString::fromStdString(m.columns[c].reason));
  }
  // Only when the values and the headers cannot tell, or the user has chosen.
  const bool dayOrderShown = m.needs == Choice::DayOrder || dayOrder_ != DayOrder::Unknown;
  Label2->setVisible(dayOrderShown);
  ComboBox_day_order->setVisible(dayOrderShown);
  // The summary takes the day order's row when that is hidden.
  Memo_summary->setGeometry(dayOrderShown ? QRect(8, 258, 624, 126) : QRect(8, 230, 624, 154));

  std::vector<ImportedInput> inputs;
  inputs.push_back(std::move(input_));  // lent to the merge, not copied
  merged_ = MergeDraws(inputs);
  const std::vector<std::string> summary = SummaryLines(inputs, merged_);
  input_ = std::move(inputs.front());
  QStringList lines;
  if (!choiceProblem_.isEmpty())
    lines << "To do: " + choiceProblem_ + ".";
  else if (!m.Ready())
    lines << "To do: " + QString::fromStdString(m.problem) + "; choose in the lists above.";
  else if (input_.kind == InputKind::Csv && input_.table.Rows() == 0)
    lines << "The file holds no rows of draws.";
  else if (merged_.draws.empty())
    lines << "No readable draw: choose other columns above.";
  // The totals first (draws, dates, duplicates, conflicts), then the rows and
  // the columns of the export.
  const auto totals = std::find_if(summary.begin(), summary.end(),
                                   [](const std::string& line) { return line.rfind("draws: ", 0) == 0; });
  for (auto it = totals; it != summary.end(); ++it) lines << QString::fromStdString(*it);
  for (auto it = summary.begin(); it != totals; ++it) lines << QString::fromStdString(*it);
  Memo_summary->setPlainText(lines.join('\n'));
  xpButton_OK->setEnabled(choiceProblem_.isEmpty() && m.Ready() && !merged_.draws.empty());
}

void TForm_import::xpButton_OKClick() {
  if (!xpButton_OK->isEnabled() || converting_) return;
  const QString proposed = QDir(model_.Folder()).filePath(QString::fromStdString(DrawFileName()));
  const QString target = gui::SaveFileName(proposed, "Draw files (*.txt);;All files (*)", this);
  if (target.isEmpty()) return;
  const QFileInfo info(target);
  if (const Status size = CheckDrawFileSize(merged_.draws); !size) {
    gui::ShowMessage(QString::fromStdString(ErrorText(size.Failure())), this);
    return;
  }
  const std::string drawFile = FormatDrawFile(merged_.draws);
  // The history replaces the file there only as the Updater's download would.
  if (!gui::MayReplace(updater::JudgeReplacement(input_.name, drawFile.size(), ParseDrawFile(drawFile),
                                                 "from " + QFile::encodeName(Label_file->text()).toStdString(),
                                                 QFile::encodeName(info.absoluteFilePath()).toStdString()),
                       this))
    return;
  const updater::SavedDrawFile saved = updater::SaveDrawFile(
      QFile::encodeName(info.absolutePath()).toStdString(), QFile::encodeName(info.fileName()).toStdString(), drawFile);
  if (!saved.saved) {
    gui::ShowMessage("Error - " + QString::fromStdString(saved.failure), this);
    return;
  }
  savedPath_ = info.absoluteFilePath();
  accept();
  QWidget* owner = parentWidget();
  if (!model_.LoadDrawFile(savedPath_, owner)) return;
  QString text = QString("%1 draws saved to %2.").arg(merged_.draws.size()).arg(savedPath_);
  if (!saved.backupName.empty())
    text += "\nThe previous file is kept as " + QString::fromStdString(saved.backupName) + ".";
  gui::ShowMessage(text, owner);
}
