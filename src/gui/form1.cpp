#include "gui/form1.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleOptionGroupBox>
#include <QStyledItemDelegate>
#include <algorithm>

#include "core/chart/grid_ranges.h"
#include "core/files/whole_file.h"
#include "core/history/repeat_marks.h"
#include "core/import/date_values.h"
#include "core/import/detect_input.h"
#include "core/model/draw_model.h"
#include "core/views/views.h"
#include "gui/count_combo.h"
#include "gui/draw_grid.h"
#include "gui/error_message.h"
#include "gui/form_filters.h"
#include "gui/form_import.h"
#include "gui/form_plays.h"
#include "gui/form_sieve.h"
#include "gui/form_statistics.h"
#include "gui/form_trends.h"
#include "gui/form_updater.h"
#include "gui/forms.h"
#include "gui/key_preview.h"
#include "gui/latin1.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "gui/print_actions.h"
#include "gui/recent_files.h"
#include "gui/save_actions.h"
#include "gui/styled_controls.h"
#include "render/chart_painter.h"

using drawlyze::gui::kBackgroundStart;
using drawlyze::gui::Latin1;

using namespace drawlyze;

namespace {

const QColor kSelectedRow(0xB0, 0xDE, 0xF8);
const QColor kNextRow(0xFF, 0xFF, 0xA8);
const QColor kRepeatMark(0x6D, 0xDE, 0xF8);
constexpr int kRowHeight = 20;
constexpr int kDesignWidth = 550;
constexpr int kNumberColumnWidth = 30;
// The designed 35 pixels under the table counted the outer frame; of them only
// this margin lies inside the window.
constexpr int kBottomMargin = 8;
constexpr int kTableHeight = 296;
// The chart band: from this column of the window, this far below the menu
// bar, to this many pixels short of the window's right edge (at most the
// surface's width), kChartVisibleHeight rows high.
constexpr int kChartBandLeft = 5;
constexpr int kChartBandTop = 0;
constexpr int kChartBandRightMargin = 15;

// The row of the option group a control stands beside: the option that reads it.
int OptionRow(bool OptionControls::*control) {
  for (int option = 0; option < kOptionCount; ++option)
    if (OptionUses(option).*control) return option;
  return 0;
}

// The first row of a group box below its title, as the style draws the title.
int BelowGroupTitle(const QGroupBox* group) {
  QStyleOptionGroupBox option;
  option.initFrom(group);
  option.text = group->title();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  return group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group).bottom() + 1;
}

void SetBase(QWidget* widget, const QColor& colour) { drawlyze::gui::SetBackgroundAndText(widget, colour); }

}  // namespace

// Colours the table of draws: the selected row, the next draw's row and the
// cells of older draws that repeat the selected draw's numbers.
class TForm1::GridDelegate : public QStyledItemDelegate {
 public:
  explicit GridDelegate(TForm1* form) : QStyledItemDelegate(form), form_(form) {}

  void Refresh() {
    marks_.clear();
    const int row = form_->SelectedRow();
    const DrawHistory& history = form_->History();
    if (history.Count() == 0) return;
    marks_ = RepeatMarks(history, row, history.GetDraw(row - 1));
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const int r = index.row() + 1;  // table rows count from 1 below the header
    const int selected = form_->SelectedRow();
    const bool haveDraws = form_->History().Count() > 0;
    QColor fill = Qt::white;
    QColor pen = Qt::black;
    if (haveDraws && r == selected) {
      fill = kSelectedRow;
      pen = QColor(0, 0, 0xFF);
    } else if (haveDraws && r == selected - 1) {
      fill = kNextRow;
    } else if (index.column() >= 2 && index.column() <= 4) {
      const MarkedCell cell{index.row(), index.column() - 2};
      if (std::find(marks_.begin(), marks_.end(), cell) != marks_.end()) {
        fill = kRepeatMark;
        pen = QColor(0, 0, 0xFF);
      }
    }
    painter->fillRect(option.rect, fill);
    painter->setPen(QColor(0xC0, 0xC0, 0xC0));
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    painter->setPen(pen);
    painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, index.data().toString());
  }

 private:
  TForm1* form_;
  std::vector<MarkedCell> marks_;
};

TForm1::TForm1(gui::Model& model, const gui::Forms& forms, const char* drawFileArgument, QWidget* parent)
    : QWidget(parent), model_(model), forms_(forms) {
  setObjectName("Form1");
  StringGrid1 = new gui::DrawGrid(model_.history, this);
  RadioGroup1 = new QGroupBox("Select Option:", this);
  RadioGroup1Buttons = new QButtonGroup(this);
  Label1 = new QLabel("Use Last Draws:", this);
  ComboBox_last_draws = new QComboBox(this);
  Button_Copy = new QPushButton("Copy", this);
  Button_left_right = new QPushButton(this);  // captions drawn from the model's Separation layout
  Button_center = new QPushButton(this);
  xpCheckBox_median = new QCheckBox("Median", this);
  xpButton_Sieve = new QPushButton("Sieve", this);
  xpButton_Update = new QPushButton("Update", this);
  xpCheckBox_grid = new QCheckBox("Grid", this);
  xpComboBox_grid = new QComboBox(this);
  xpComboBox_grid_bias = new QComboBox(this);
  xpButton_statistics = new QPushButton("Statistics", this);
  xpButton_Plays = new QPushButton("Plays", this);
  xpButton_Filters = new QPushButton("Filters", this);
  xpButton_Trends = new QPushButton("Trends", this);
  ChartMenu = new gui::ChartSaveActions(this);
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->hide();  // until a load has something to say
  Printing = new gui::PrintActions(
      this, [this] { return PrintedDocument(); }, gui::PrintActions::Actions::None);
  FormCreate(drawFileArgument);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(const char* drawFileArgument) {
  surface_ = ChartSurfaceFor(devicePixelRatioF());
  ShowFileInTitle();
  BuildMenuBar();

  drawlyze::gui::FillBackground(this);

  // Object names and geometry as designed; FormResize moves them vertically.
  drawlyze::gui::PlaceControls({
      {StringGrid1, "StringGrid1", 8, 296, 225, kTableHeight},
      {RadioGroup1, "RadioGroup1", 240, 296, 185, 217},
      {Label1, "Label1", 240, 536, 90, 13},
      {ComboBox_last_draws, "ComboBox_last_draws", 336, 528, 89, 22},
      {Button_Copy, "Button_Copy", 456, 528, 43, 20},
      {Button_left_right, "Button_left_right", 432, 416, 33, 20},
      {Button_center, "Button_center", 472, 416, 33, 20},
      {xpCheckBox_median, "xpCheckBox_median", 432, 464, 65, 17},
      {xpButton_Sieve, "xpButton_Sieve", 432, 488, 43, 20},
      {xpButton_Update, "xpButton_Update", 472, 304, 57, 20},
      {xpCheckBox_grid, "xpCheckBox_grid", 240, 568, 49, 17},
      {xpComboBox_grid, "xpComboBox_grid", 296, 568, 49, 22},
      {xpComboBox_grid_bias, "xpComboBox_grid_bias", 352, 568, 49, 22},
      {xpButton_statistics, "xpButton_statistics", 448, 560, 65, 20},
      {xpButton_Plays, "xpButton_Plays", 472, 330, 57, 20},
      {xpButton_Filters, "xpButton_Filters", 472, 356, 57, 20},
      {xpButton_Trends, "xpButton_Trends", 472, 486, 57, 20},
  });
  drawlyze::gui::StyleButtons({Button_Copy, Button_left_right, Button_center, xpButton_Sieve, xpButton_Update,
                               xpButton_statistics, xpButton_Plays, xpButton_Filters, xpButton_Trends});
  xpCheckBox_grid->setToolTip("Grid ON/OFF");
  xpComboBox_grid->setToolTip("Grid's step");
  xpComboBox_grid_bias->setToolTip("Grid's bias");
  // Names read aloud where the caption is a sign or the control has none.
  StringGrid1->setAccessibleName("Draws");
  Button_left_right->setAccessibleName("Separation: sort or reverse");
  Button_center->setAccessibleName("Separation: as drawn");
  xpComboBox_grid->setAccessibleName("Grid's step");
  xpComboBox_grid_bias->setAccessibleName("Grid's bias");

  // The option group: thirteen options below its title, the model's option
  // (item 0 at the start) selected; each says what its view shows.
  const int optionHeight = RadioGroup1->height() / kOptionCount - 1;
  const int firstOption = BelowGroupTitle(RadioGroup1);
  for (int i = 0; i < kOptionCount; ++i) {
    auto* button = new QRadioButton(OptionCaption(i), RadioGroup1);
    button->setObjectName(QString("RadioGroup1_%1").arg(i));
    button->setToolTip(OptionHint(i));
    button->setGeometry(8, firstOption + i * optionHeight, RadioGroup1->width() - 12, optionHeight);
    RadioGroup1Buttons->addButton(button, i);
  }
  RadioGroup1Buttons->button(model_.selection.option)->setChecked(true);

  // Below this height the table would cover the chart's rows.
  setMinimumSize(kDesignWidth, ChartBand().bottom() + 1 + kTableHeight + kBottomMargin + StatusBarHeight());
  drawlyze::gui::PlaceAtTop(this, kDesignWidth, minimumHeight());

  // The table of draws: its model reads the model's history.
  StringGrid1->verticalHeader()->hide();
  StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
  StringGrid1->horizontalHeader()->setMinimumSectionSize(10);
  StringGrid1->horizontalHeader()->setFixedHeight(kRowHeight);
  StringGrid1->horizontalHeader()->setStyleSheet(
      "QHeaderView::section { background-color: #B0DEF8; color: black; padding: 0 1px; }");
  StringGrid1->setColumnWidth(0, kNumberColumnWidth);
  StringGrid1->setColumnWidth(1, 65);
  for (int c = 2; c < 7; ++c) StringGrid1->setColumnWidth(c, 20);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* delegate = new GridDelegate(this);
  StringGrid1->setItemDelegate(delegate);

  drawlyze::gui::AcceptTypedCount(ComboBox_last_draws);

  // Disabled until their option is chosen.
  Button_left_right->setEnabled(false);
  Button_center->setEnabled(false);
  xpCheckBox_median->setEnabled(false);
  xpButton_Sieve->setEnabled(false);

  // The controls show the model's selection: step 3, bias 0, grid and Median off.
  const Selection& selection = model_.selection;
  for (int i = kGridStepMin; i <= kGridStepMax; ++i) xpComboBox_grid->addItem(QString::number(i));
  xpComboBox_grid->setCurrentIndex(selection.grid.step - kGridStepMin);
  for (int i = kGridBiasMin; i <= kGridBiasMax; ++i) xpComboBox_grid_bias->addItem(QString::number(i));
  xpComboBox_grid_bias->setCurrentIndex(selection.grid.bias - kGridBiasMin);
  xpCheckBox_grid->setChecked(selection.grid.on);
  xpCheckBox_median->setChecked(selection.median);
  ShowSeparationCaptions();

  connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
    if (!fillingGrid_) StringGrid1Click();
  });
  connect(RadioGroup1Buttons, &QButtonGroup::idClicked, this, [this] { RadioGroup1Click(); });
  connect(ComboBox_last_draws, &QComboBox::currentIndexChanged, this, [this] { ComboBox_last_drawsChange(); });
  connect(Button_Copy, &QPushButton::clicked, this, [this] { Button_copyClick(); });
  connect(xpButton_Update, &QPushButton::clicked, this, [this] { xpButton_UpdateClick(); });
  connect(xpButton_statistics, &QPushButton::clicked, this, [this] { xpButton_statisticsClick(); });
  connect(xpButton_Filters, &QPushButton::clicked, this, [this] { xpButton_FiltersClick(); });
  connect(xpButton_Trends, &QPushButton::clicked, this, [this] { xpButton_TrendsClick(); });
  connect(xpButton_Sieve, &QPushButton::clicked, this, [this] { xpButton_SieveClick(); });
  connect(xpButton_Plays, &QPushButton::clicked, this, [this] { xpButton_PlaysClick(); });
  connect(Button_left_right, &QPushButton::clicked, this, [this] { Button_left_rightClick(); });
  connect(Button_center, &QPushButton::clicked, this, [this] { Button_centerClick(); });
  connect(xpCheckBox_median, &QCheckBox::clicked, this, [this] { xpCheckBox_medianClick(); });
  connect(xpCheckBox_grid, &QCheckBox::clicked, this, [this] { xpCheckBox_gridClick(); });
  connect(xpComboBox_grid, &QComboBox::currentIndexChanged, this, [this] { xpComboBox_gridChange(); });
  connect(xpComboBox_grid_bias, &QComboBox::currentIndexChanged, this, [this] { xpComboBox_gridChange(); });

  // The window sees keys before its controls; an open menu keeps its own keys.
  QList<QWidget*> controls;
  for (QWidget* w : findChildren<QWidget*>())
    if (w != MenuBar1 && !qobject_cast<QMenu*>(w)) controls << w;
  drawlyze::gui::PreviewKeys(this, controls, [this](QKeyEvent* event) { return FormKeyDown(event); });

  connect(&model_, &gui::Model::drawsLoaded, this, [this] { DrawsLoaded(); });
  connect(&model_, &gui::Model::patternsChanged, this, [this] { RunSelectedView(); });
  LocateDrawFile(drawFileArgument);

  for (QWidget* w : {static_cast<QWidget*>(RadioGroup1), static_cast<QWidget*>(Label1),
                     static_cast<QWidget*>(xpCheckBox_median), static_cast<QWidget*>(xpCheckBox_grid)})
    SetBase(w, kBackgroundStart);
  SetBase(xpComboBox_grid, kBackgroundStart);
  SetBase(xpComboBox_grid_bias, kBackgroundStart);
  openDialogFileName_ = QString::fromStdString(DrawFileName());
  if (History().Count() == 0) RunSelectedView();
  made_ = true;
  setMinimumHeight(ChartBand().bottom() + 1 + kTableHeight + kBottomMargin + StatusBarHeight());
  FormResize();
}

const DrawHistory& TForm1::History() const { return model_.history; }

int TForm1::SelectedRow() const { return model_.selection.row; }

int TForm1::SelectedOption() const { return model_.selection.option; }

// The status bar takes rows only while it has something to say (the store's
// limit, a file without draws), so the designed window fits a 768-row screen.
int TForm1::StatusBarHeight() const { return StatusBar1->isHidden() ? 0 : StatusBar1->sizeHint().height(); }

QRect TForm1::ChartBand() const {
  return QRect(kChartBandLeft, MenuBar1->height() + kChartBandTop,
               std::min(width() - kChartBandRightMargin, surface_.width()), kChartVisibleHeight);
}

void TForm1::SelectRow(int row) {
  StringGrid1->setCurrentCell(row - 1, StringGrid1->currentColumn() < 0 ? 0 : StringGrid1->currentColumn());
}

void TForm1::SelectOption(int option) {
  if (QAbstractButton* button = RadioGroup1Buttons->button(option)) button->setChecked(true);
  RadioGroup1Click();
}

void TForm1::LocateDrawFile(const char* drawFileArgument) {
  if (drawFileArgument && *drawFileArgument) {
    const QString path = QString::fromLocal8Bit(drawFileArgument);
    if (QFileInfo(path).isFile()) LoadDrawFile(path);
    return;
  }
  if (QFileInfo(model_.DrawFilePath()).isFile()) {
    LoadDrawFile(model_.DrawFilePath());
    return;
  }
  const QString drawFileName = QString::fromStdString(DrawFileName());
  drawlyze::gui::ShowError({drawlyze::ErrorKind::NotFound, drawlyze::DrawFileName(), {}}, this);
  const QString path = drawlyze::gui::OpenFileName(drawFileName, "*.txt (*.txt);;*.* (*)", this);
  if (!path.isEmpty()) LoadDrawFile(path);
}

bool TForm1::LoadDrawFile(const QString& path) { return model_.LoadDrawFile(path, this); }

void TForm1::DrawsLoaded() {
  FillGrid();
  FillLastDrawsCombo();
  ShowFileInTitle();
  RunSelectedView();
}

void TForm1::ShowFileInTitle() {
  const QString note = model_.LoadNote();
  StatusBar1->setHidden(note.isEmpty());
  StatusBar1->showMessage(note);
  if (made_) {  // a load while the window is being made comes before some of its controls
    setMinimumHeight(ChartBand().bottom() + 1 + kTableHeight + kBottomMargin + StatusBarHeight());
    FormResize();
  }
  const QString product = QString("Drawlyze Pick %1").arg(DRAW_SIZE);
  if (model_.drawFile.empty()) {
    setWindowTitle(product);
    return;
  }
  const int count = History().Count();
  QString draws = count == 1 ? "1 draw" : QString("%1 draws").arg(count);
  if (!model_.StoreLimit().isEmpty()) draws = model_.StoreLimit();
  if (count > 0) {
    // How fresh the history is, said where it is always in sight.
    const std::string newest = History().DateText(0);
    draws += ", newest " + Latin1(newest);
    if (const std::string ago = drawlyze::import::DaysAgo(newest); !ago.empty())
      draws += ", " + QString::fromStdString(ago);
  }
  const QString file = QFileInfo(QString::fromStdString(model_.drawFile)).fileName();
  const QString dash = QString::fromUtf8(" \u2014 ");
  setWindowTitle(file + dash + draws + dash + product);
}

void TForm1::FillGrid() {
  // The current cell moves without a click: DrawsLoaded redraws once after.
  const QScopedValueRollback filling(fillingGrid_, true);
  const int column = std::max(StringGrid1->currentColumn(), 0);
  StringGrid1->Model()->HistoryReplaced();
  drawlyze::gui::FitColumnToTexts(StringGrid1, 0, kNumberColumnWidth);  // numbers run to 25,000 and more
  // The model kept the selected row where it still exists.
  StringGrid1->setCurrentCell(model_.selection.row - 1, column);
}

void TForm1::FillLastDrawsCombo() {
  drawlyze::gui::FillCounts(ComboBox_last_draws, History().Count());  // all draws, as the model counts after a load
}

void TForm1::RunSelectedView() {
  copyText_.clear();
  const int option = model_.selection.option;

  // Only the controls the option reads are enabled; the others keep their value.
  const OptionControls uses = OptionUses(option);
  ComboBox_last_draws->setEnabled(uses.lastDraws);
  SetBase(ComboBox_last_draws, uses.lastDraws ? palette().color(QPalette::Base) : kBackgroundStart);
  Button_left_right->setEnabled(uses.separationButtons);
  Button_center->setEnabled(uses.separationButtons);
  xpCheckBox_median->setEnabled(uses.median);
  xpButton_Sieve->setEnabled(uses.sieveButton);

  if (auto* delegate = dynamic_cast<GridDelegate*>(StringGrid1->itemDelegate())) delegate->Refresh();
  StringGrid1->viewport()->update();

  chart_ = RunView(option, MakeViewInput(model_));
  if (surface_.devicePixelRatio() != devicePixelRatioF()) surface_ = ChartSurfaceFor(devicePixelRatioF());
  PaintChart(chart_, surface_);
  copyText_ = Latin1(chart_.CopyText());
  update(ChartBand());
  model_.SelectionShown();
}

void TForm1::StringGrid1Click() {
  model_.selection.row = std::max(StringGrid1->currentRow(), 0) + 1;
  RunSelectedView();
}

void TForm1::RadioGroup1Click() {
  model_.selection.option = std::max(0, RadioGroup1Buttons->checkedId());
  StringGrid1->setFocus();
  RunSelectedView();
}

void TForm1::ComboBox_last_drawsChange() {
  const int count = drawlyze::gui::SelectedCount(ComboBox_last_draws);
  model_.selection.lastDraws = count < 1 ? LastDraws() : LastDraws(count);
  RunSelectedView();
}

void TForm1::Button_copyClick() {
  QGuiApplication::clipboard()->setText(copyText_);
  StringGrid1->setFocus();
}

void TForm1::xpButton_UpdateClick() { forms_.Form_updater->exec(); }

void TForm1::xpButton_statisticsClick() { forms_.Form_statistics->exec(); }
void TForm1::xpButton_FiltersClick() { forms_.Form_filters->exec(); }
// Not modal: the charts follow the rows and "Use Last Draws" chosen here.
void TForm1::xpButton_TrendsClick() { forms_.Form_trends->ShowTrends(); }

void TForm1::xpButton_SieveClick() { forms_.Form_Sieve->exec(); }

void TForm1::xpButton_PlaysClick() { forms_.Form_plays->exec(); }

void TForm1::ShowSeparationCaptions() {
  Button_center->setText(model_.selection.separation.CenterCaption());
  Button_left_right->setText(model_.selection.separation.ArrowCaption());
}

void TForm1::Button_left_rightClick() {
  model_.selection.separation.ClickArrow();
  ShowSeparationCaptions();
  StringGrid1->setFocus();
  RunSelectedView();
}

void TForm1::Button_centerClick() {
  model_.selection.separation.ClickCenter();
  ShowSeparationCaptions();
  StringGrid1->setFocus();
  RunSelectedView();
}

void TForm1::xpCheckBox_medianClick() {
  model_.selection.median = xpCheckBox_median->isChecked();
  StringGrid1->setFocus();
  RunSelectedView();
}

void TForm1::xpCheckBox_gridClick() {
  model_.selection.grid.on = xpCheckBox_grid->isChecked();
  const QColor colour = model_.selection.grid.on ? palette().color(QPalette::Base) : kBackgroundStart;
  SetBase(xpComboBox_grid, colour);
  SetBase(xpComboBox_grid_bias, colour);
  StringGrid1->setFocus();
  RunSelectedView();
}

void TForm1::xpComboBox_gridChange() {
  model_.selection.grid.step = xpComboBox_grid->currentIndex() + 1;
  model_.selection.grid.bias = std::max(0, xpComboBox_grid_bias->currentIndex());
  RunSelectedView();
}

void TForm1::FitSurfaceToScreen() {
  if (surface_.devicePixelRatio() == devicePixelRatioF()) return;
  surface_ = ChartSurfaceFor(devicePixelRatioF());
  PaintChart(chart_, surface_);
}

void TForm1::paintEvent(QPaintEvent*) {
  // Only the top rows of the chart surface are shown; the table and controls sit below.
  FitSurfaceToScreen();  // the window moved to a screen of another scaling
  QPainter painter(this);
  const QRect band = ChartBand();
  const qreal ratio = surface_.devicePixelRatio();
  painter.drawImage(QRectF(band), surface_, QRectF(0, 0, band.width() * ratio, band.height() * ratio));
}

drawlyze::PrintDocument TForm1::PrintedDocument() const {
  return {OptionCaption(model_.selection.option),
          gui::PrintHeaderOf(model_),
          {PrintBlock::OfChart(chart_), PrintBlock::OfLines(gui::PrintLinesOf(copyText_))}};
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (forms_.Form_plays && !forms_.Form_plays->LeaveChanges(TForm_plays::Leaving::Program)) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void TForm1::FormResize() {
  const int h = RadioGroup1->height() / kOptionCount;
  const auto top = [](QWidget* w, int y) { w->move(w->x(), y); };
  MenuBar1->setGeometry(0, 0, width(), MenuBar1->sizeHint().height());
  StatusBar1->setGeometry(0, height() - StatusBarHeight(), width(), StatusBarHeight());
  // The table starts below the chart band and takes every row a taller window
  // has down to the status bar (at the designed height it is as designed); the
  // controls keep their places beside its top. Its columns fill its designed
  // width, so a wider window leaves it as wide as designed.
  const int tableTop = ChartBand().bottom() + 1;
  StringGrid1->setGeometry(StringGrid1->x(), tableTop, StringGrid1->width(),
                           std::max(kTableHeight, StatusBar1->y() - tableTop - kBottomMargin));
  top(RadioGroup1, StringGrid1->y());
  const int below = RadioGroup1->y() + RadioGroup1->height() + 10;
  top(ComboBox_last_draws, below);
  top(Label1, below + 2);
  top(Button_left_right, OptionRow(&OptionControls::separationButtons) * h + RadioGroup1->y() + 5);
  top(Button_center, OptionRow(&OptionControls::separationButtons) * h + RadioGroup1->y() + 5);
  top(Button_Copy, below);
  top(xpCheckBox_median, OptionRow(&OptionControls::median) * h + RadioGroup1->y());
  top(xpCheckBox_grid, Label1->y() + Label1->height() + 25);
  top(xpComboBox_grid, xpCheckBox_grid->y() - 2);
  top(xpComboBox_grid_bias, xpComboBox_grid->y());
  top(xpButton_Sieve, OptionRow(&OptionControls::sieveButton) * h + RadioGroup1->y() + 5);
  top(xpButton_Update, RadioGroup1->y());
  top(xpButton_Plays, xpButton_Update->y() + 26);  // below Update, above the Separation buttons
  top(xpButton_statistics, xpCheckBox_grid->y());
  top(xpButton_Filters, xpButton_Update->y() + 52);  // below Update, above the Separation buttons
  top(xpButton_Trends, RadioGroup1->y() + 190);      // beside the last options, above Copy
  update();
}

bool TForm1::FormKeyDown(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  if (event->key() == Qt::Key_Escape && mods == Qt::NoModifier) {
    drawlyze::gui::ToggleMaximised(this);
    return true;
  }
  // Ctrl+C copies without moving the focus, as the Copy button does not.
  if (mods == Qt::ControlModifier && event->key() == Qt::Key_C) {
    if (Button_Copy->isEnabled()) QGuiApplication::clipboard()->setText(copyText_);
    return true;
  }
  return MenuKeyDown(event);
}

void TForm1::OpenDrawFile1Click() {
  const QString path = drawlyze::gui::OpenFileName(
      openDialogFileName_,
      "Draw files and exports (*.txt *.csv *.json);;*.txt (*.txt);;*.csv (*.csv);;*.json (*.json);;*.* (*)", this);
  if (!path.isEmpty()) OpenFile(path);
}

void TForm1::OpenFile(const QString& path) {
  // Told by the file's bytes, not its name: an export goes to the import window.
  const bool forImport = [&path] {
    std::string text;  // gone before the import window reads the file again
    return ReadWholeFile(QFile::encodeName(path).toStdString(), text) && drawlyze::import::OpensForImport(text);
  }();
  if (forImport) {
    if (forms_.Form_import->LoadExport(path)) forms_.Form_import->exec();
    return;
  }
  if (LoadDrawFile(path)) drawlyze::gui::NoteRecentFile(model_.Folder(), path);
}
