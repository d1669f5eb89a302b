#include "gui/form_stat.h"

#include <QDir>
#include <QFile>
#include <QHideEvent>
#include <QShowEvent>
#include <QStringDecoder>

#include "core/table/column_runs.h"
#include "core/table/state_settings.h"
#include "gui/error_message.h"
#include "gui/latin1.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "gui/styled_controls.h"

using namespace drawlyze;
using drawlyze::gui::kBackgroundEnd;
using drawlyze::gui::kBackgroundStart;
using drawlyze::gui::Latin1;

namespace {

constexpr int kEvenMoreColumn = 7;  // "Even > Odd"
constexpr int kEvenLessColumn = 8;  // "Even < Odd"
const QString kNotCalculated = "N";

std::size_t Slot(int column) { return static_cast<std::size_t>(column - kFirstDerivedColumn); }

// Each label keeps to its block, so that neighbouring names never run together.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QColor& colour, int x, int y,
                  int width) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  drawlyze::gui::FillBackground(label, colour);
  label->setGeometry(x, y, width, label->sizeHint().height());
  label->show();
  return label;
}

void SetCount(QLabel* label, const QString& text) { label->setText(text); }

// The distance from a column's block to the next one in its row.
int BlockPitch(int column) { return column < kEvenMoreColumn ? 50 : column <= kEvenLessColumn ? 100 : 60; }

// The file is written in UTF-8; a hand-made file in a single-byte code page still reads.
QString ThresholdText(const std::string& bytes) {
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  const QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  return utf8.hasError() ? QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())) : text;
}

std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

TForm_Stat::TForm_Stat(gui::Model& model, QWidget* parent) : QDialog(parent), model_(model) {
  xpButton_Calculate = new QPushButton("Calculate", this);
  FormCreate();
}

void TForm_Stat::FormCreate() {
  drawlyze::gui::MakeFixedDialog(this, "Form_Stat", "State", 312, 306);
  drawlyze::gui::PlaceCentred(this);
  drawlyze::gui::FillBackground(this);

  xpButton_Calculate->setObjectName("xpButton_Calculate");
  xpButton_Calculate->setGeometry(224, 146, 73, 25);
  // Not a default button: Enter in a threshold edit does not calculate, only the button does.
  drawlyze::gui::StyleButtons({xpButton_Calculate});
  connect(xpButton_Calculate, &QPushButton::clicked, this, [this] { Button_CalculateClick(); });

  // Without a data folder there is no settings file (never one in the current folder).
  if (!model_.Folder().isEmpty()) settingsPath_ = QDir(model_.Folder()).filePath(Latin1(kStateSettingsFileName));
  remembered_.fill(Latin1(kDefaultThreshold));
}

void TForm_Stat::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();
  QDialog::showEvent(event);
}

void TForm_Stat::hideEvent(QHideEvent* event) {
  // Minimising the desktop's windows is not closing the dialog.
  if (!event->spontaneous()) FormHide();
  QDialog::hideEvent(event);
}

void TForm_Stat::FormShow() {
  BuildColumnBlocks();
  Button_LoadClick();
}

void TForm_Stat::FormHide() {
  if (!Edit_threshold[kFirstDerivedColumn]) return;  // never shown
  if (const Status saved = Button_SaveClick(); !saved) gui::ShowError(saved.Failure(), parentWidget());
  for (int c = kFirstDerivedColumn; c < kTableColumnCount; ++c) remembered_[Slot(c)] = Edit_threshold[c]->text();
  DiscardColumnBlocks();
}

void TForm_Stat::BuildColumnBlocks() {
  DiscardColumnBlocks();
  int x = 10;
  int y = 0;
  for (int c = kFirstDerivedColumn; c < kTableColumnCount; ++c) {
    const QString header = Latin1(DerivedHeaders()[Slot(c)]);
    const QColor nameColour = c < kEvenMoreColumn ? kBackgroundStart : kBackgroundEnd;
    const int width = BlockPitch(c) - 4;
    Label_column[c] = MakeLabel(this, QString("Label_column_%1").arg(c), header, nameColour, x, y + 10, width);
    Label_above[c] =
        MakeLabel(this, QString("Label_above_%1").arg(c), kNotCalculated, kBackgroundStart, x, y + 30, width);
    Edit_threshold[c] = new QLineEdit(remembered_[Slot(c)], this);
    Edit_threshold[c]->setObjectName(QString("Edit_threshold_%1").arg(c));
    Edit_threshold[c]->setAccessibleName(header + " threshold");
    Edit_threshold[c]->setGeometry(x, y + 50, 40, Edit_threshold[c]->sizeHint().height());
    Edit_threshold[c]->show();
    Label_below[c] =
        MakeLabel(this, QString("Label_below_%1").arg(c), kNotCalculated, kBackgroundStart, x, y + 80, width);
    // With three digits the two comparisons never tie, so one count says it all.
    if (c == kEvenMoreColumn || c == kEvenLessColumn) Label_below[c]->hide();

    if (c == 6 || c == 7)
      x += 100;
    else if (c < 8)
      x += 50;
    else
      x += 60;
    if (c == 6 || c == 8) {
      x = 10;
      y += 100;
    }
  }
  // Tab visits the thresholds and Calculate in reading order (keyboard_access).
}

void TForm_Stat::DiscardColumnBlocks() {
  for (auto* controls : {&Label_column, &Label_above, &Label_below}) {
    for (QLabel*& label : *controls) {
      if (!label) continue;
      label->hide();
      label->deleteLater();  // the hiding may come from a key pressed in one of them
      label = nullptr;
    }
  }
  for (QLineEdit*& edit : Edit_threshold) {
    if (!edit) continue;
    edit->hide();
    edit->deleteLater();
    edit = nullptr;
  }
}

void TForm_Stat::Button_LoadClick() {
  if (!Edit_threshold[kFirstDerivedColumn]) return;
  Thresholds thresholds;
  for (int c = kFirstDerivedColumn; c < kTableColumnCount; ++c)
    thresholds[Slot(c)] = Edit_threshold[c]->text().toStdString();
  if (LoadStateSettings(PathBytes(settingsPath_), thresholds)) {
    for (int c = kFirstDerivedColumn; c < kTableColumnCount; ++c)
      Edit_threshold[c]->setText(ThresholdText(thresholds[Slot(c)]));
  }
  for (int c = kFirstDerivedColumn; c < kTableColumnCount; ++c) {
    SetCount(Label_above[c], kNotCalculated);
    SetCount(Label_below[c], kNotCalculated);
  }
}

void TForm_Stat::Button_CalculateClick() {
  if (!Edit_threshold[kFirstDerivedColumn]) return;
  for (int c = kFirstDerivedColumn; c < kTableColumnCount; ++c) {
    const std::optional<double> threshold = ParseThreshold(Edit_threshold[c]->text().toStdString());
    if (!threshold) {
      SetCount(Label_above[c], kNotCalculated);
      SetCount(Label_below[c], kNotCalculated);
      continue;
    }
    const ColumnRuns runs = CountColumnRuns(DerivedColumnValues(model_.history, c), *threshold);
    SetCount(Label_above[c], QString::number(runs.above));
    SetCount(Label_below[c], QString::number(runs.below));
  }
}

Status TForm_Stat::Button_SaveClick() {
  if (!Edit_threshold[kFirstDerivedColumn]) return {};
  Thresholds thresholds;
  for (int c = kFirstDerivedColumn; c < kTableColumnCount; ++c)
    thresholds[Slot(c)] = Edit_threshold[c]->text().toStdString();
  return SaveStateSettings(PathBytes(settingsPath_), thresholds);
}
