#include "gui/form_trends.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSpinBox>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/model.h"
#include "gui/print_actions.h"
#include "gui/save_actions.h"
#include "gui/styled_controls.h"
#include "gui/trend_chart_view.h"

using namespace drawlyze;

namespace {

const char* const kTabCaptions[] = {"Skip", "Frequency", "Sum", "Spread", "Root sum", "Pairs", "Sum counts"};

QString Joined(const std::vector<std::string>& lines) {
  QString text;
  for (const std::string& line : lines) text += QString::fromStdString(line) + "\n";
  return text;
}

trends::TrendKind KindOf(int tab) {
  switch (tab) {
    case TForm_trends::Skip:
      return trends::TrendKind::Skip;
    case TForm_trends::Frequency:
      return trends::TrendKind::Frequency;
    case TForm_trends::Spread:
      return trends::TrendKind::Spread;
    case TForm_trends::RootSum:
      return trends::TrendKind::RootSum;
    default:
      return trends::TrendKind::Sum;
  }
}

}  // namespace

TForm_trends::TForm_trends(gui::Model& model, QWidget* parent) : QDialog(parent), model_(model) {
  setObjectName("Form_trends");
  setWindowTitle("Trends");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setModal(false);  // the main window's row and "Use Last Draws" stay in reach: the charts follow them
  // The chart as shown, then its series with their bands as text.
  Printing = new gui::PrintActions(this, [this] {
    return PrintDocument{
        "Trends " + TabBar_kind->tabText(CurrentTab()),
        gui::PrintHeaderOf(model_),
        {PrintBlock::OfPicture(Chart->size(), Chart->Painter()), PrintBlock::OfLines(copyText_.split('\n'))}};
  });
  setSizeGripEnabled(true);
  gui::FillBackground(this);

  TabBar_kind = new QTabBar(this);
  TabBar_kind->setObjectName("TabBar_kind");
  for (const char* caption : kTabCaptions) TabBar_kind->addTab(caption);
  TabBar_kind->setAccessibleName("Chart");

  ComboBox_digit = new QComboBox(this);
  ComboBox_digit->setObjectName("ComboBox_digit");
  for (int d = 0; d < 10; ++d) ComboBox_digit->addItem(QString::number(d));
  ComboBox_position = new QComboBox(this);
  ComboBox_position->setObjectName("ComboBox_position");
  ComboBox_position->addItems({"anywhere", "A1", "A2", "A3"});
  ComboBox_pairs = new QComboBox(this);
  ComboBox_pairs->setObjectName("ComboBox_pairs");
  ComboBox_pairs->addItems({"front A1 A2", "back A2 A3", "split A1 A3", "any two"});
  ComboBox_pairs->setCurrentIndex(3);
  SpinBox_window = new QSpinBox(this);
  SpinBox_window->setObjectName("SpinBox_window");
  SpinBox_window->setRange(1, MAX_DRAWS);
  SpinBox_window->setToolTip("The draws of the moving window, or of the moving average (1: each draw's own value)");
  Button_all = new QPushButton("Show all", this);
  Button_all->setObjectName("Button_all");
  Button_all->setToolTip("Every draw again (Home); the wheel or + and - zoom, dragging or the arrows move");
  Button_save = new QPushButton("Save image\u2026", this);
  Button_save->setObjectName("Button_save");
  Button_copy = new QPushButton("Copy text", this);
  Button_copy->setObjectName("Button_copy");
  gui::StyleButtons({Button_all, Button_save, Button_copy});

  Chart = new gui::TrendChartView(this);
  Label_legend = new QLabel(this);
  Label_legend->setObjectName("Label_legend");
  Label_legend->setWordWrap(true);
  Label_legend->setTextInteractionFlags(Qt::TextSelectableByMouse);

  const auto label = [this](const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, this);
    l->setBuddy(buddy);
    return l;
  };
  auto* controls = new QHBoxLayout;
  controls->addWidget(label("&Digit", ComboBox_digit));
  controls->addWidget(ComboBox_digit);
  controls->addWidget(label("&Position", ComboBox_position));
  controls->addWidget(ComboBox_position);
  controls->addWidget(label("P&airs", ComboBox_pairs));
  controls->addWidget(ComboBox_pairs);
  controls->addWidget(label("&Window N", SpinBox_window));
  controls->addWidget(SpinBox_window);
  controls->addStretch(1);
  controls->addWidget(Button_all);
  // Below the chart, how to read it beside what to do with it: narrow enough
  // that the window fits beside the main window on a 1920-pixel screen.
  auto* below = new QHBoxLayout;
  below->addWidget(Label_legend, 1);
  below->addWidget(Button_save, 0, Qt::AlignTop);
  below->addWidget(Button_copy, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TabBar_kind);
  layout->addLayout(controls);
  layout->addWidget(Chart, 1);
  layout->addLayout(below);
  resize(1000, 700);

  ShowControlsOfTab();
  connect(TabBar_kind, &QTabBar::currentChanged, this, [this] {
    ShowControlsOfTab();
    Recompute();
  });
  for (QComboBox* combo : {ComboBox_digit, ComboBox_position, ComboBox_pairs})
    connect(combo, &QComboBox::currentIndexChanged, this, [this] { Recompute(); });
  connect(SpinBox_window, &QSpinBox::valueChanged, this, [this](int n) {
    if (showingControls_) return;
    WindowOf(CurrentTab()) = n;
    Recompute();
  });
  connect(Button_all, &QPushButton::clicked, this, [this] {
    if (const TrendPlot* plot = Chart->Plot()) Chart->SetShown(FullRange(*plot));
  });
  connect(Button_save, &QPushButton::clicked, this, [this] { Button_saveClick(); });
  connect(Button_copy, &QPushButton::clicked, this, [this] { Button_copyClick(); });
  connect(&model_, &gui::Model::selectionChanged, this, [this] {
    if (isVisible()) Recompute();
  });
  connect(&model_, &gui::Model::drawsLoaded, this, [this] {
    if (isVisible()) Recompute();
  });
}

int TForm_trends::CurrentTab() const { return TabBar_kind->currentIndex(); }

void TForm_trends::SelectTab(int tab) { TabBar_kind->setCurrentIndex(tab); }

int& TForm_trends::WindowOf(int tab) { return tab == Frequency ? frequencyWindow_ : averageWindow_; }

void TForm_trends::ShowControlsOfTab() {
  const QScopedValueRollback setting(showingControls_, true);
  const int tab = CurrentTab();
  const bool digit = tab == Skip || tab == Frequency;
  ComboBox_digit->setEnabled(digit);
  ComboBox_position->setEnabled(digit);
  ComboBox_pairs->setEnabled(tab == Pairs);
  const bool window = tab == Frequency || tab == Sum || tab == Spread || tab == RootSum;
  SpinBox_window->setEnabled(window);
  if (window) {
    SpinBox_window->setMaximum(tab == Frequency ? MAX_DRAWS : trends::kMaxAverageWindow);
    SpinBox_window->setValue(WindowOf(tab));
  }
  Button_all->setEnabled(tab < Pairs);
}

void TForm_trends::PlaceBesideMain() {
  constexpr int kMinWidth = 640, kMaxWidth = 1000, kHeight = 700;
  const QWidget* main = parentWidget();
  const QScreen* screen = main && main->screen() ? main->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  // The frame's size once shown; before that, a guess at a border and a title bar.
  const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(8, 30);
  int width = std::min(kMaxWidth, area.width() - frame.width());
  int x = area.right() - width - frame.width();
  if (main) {
    const QRect m = main->frameGeometry();
    const int left = m.left() - area.left() - frame.width(), right = area.right() - m.right() - frame.width();
    if (std::max(left, right) >= std::max(kMinWidth, minimumSizeHint().width())) {
      width = std::min(kMaxWidth, std::max(left, right));
      x = right >= left ? m.right() + 1 : m.left() - width - frame.width();
    }
  }
  resize(width, std::min(kHeight, area.height() - frame.height()));
  move(std::max(x, area.left()), area.top());
}

void TForm_trends::ShowTrends() {
  if (!placed_) PlaceBesideMain();
  placed_ = true;
  show();
  raise();
  activateWindow();
}

void TForm_trends::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Recompute();
}

void TForm_trends::Recompute() {
  if (showingControls_) return;
  const trends::TrendSelection selection{model_.selection.row, model_.selection.lastDraws};
  const DrawHistory& history = model_.history;
  const int tab = CurrentTab();
  if (tab == Pairs) {
    const trends::PairTable table =
        trends::PairCounts(history, selection, static_cast<trends::PairKind>(ComboBox_pairs->currentIndex()));
    Chart->ShowPairs(table);
    Label_legend->setText(QString::fromStdString(table.legend));
    copyText_ = Joined(trends::PairTableText(table));
    return;
  }
  if (tab == SumCounts) {
    const trends::SumCounts counts = trends::SumHistogram(history, selection);
    Chart->ShowSumCounts(counts);
    Label_legend->setText(
        "Each bar: the draws whose digits add up to the sum. The red mark is what a fair game expects (the "
        "draws times the sum's ways out of 1,000) and the thin line the range its count keeps to 95% of the "
        "time (exact binomial). The Statistics window's Sum report lists the same draws.");
    copyText_ = Joined(trends::SumCountsText(counts));
    return;
  }
  trends::TrendOptions options;
  options.digit = ComboBox_digit->currentIndex();
  options.position = ComboBox_position->currentIndex();
  options.window = tab == Skip ? 1 : WindowOf(tab);
  const trends::TrendKind kind = KindOf(tab);
  TrendPlot plot;
  plot.layers.push_back(trends::SeriesOf(kind, history, selection, options));
  if (kind != trends::TrendKind::Skip && kind != trends::TrendKind::Frequency && options.window > 1) {
    trends::TrendOptions each = options;
    each.window = 1;
    plot.layers.insert(plot.layers.begin(), trends::SeriesOf(kind, history, selection, each));
  }
  Label_legend->setText(QString::fromStdString(plot.Main().legend));
  copyText_ = Joined(trends::TrendText(plot.Main()));
  Chart->ShowPlot(std::move(plot));
}

const trends::TrendSeries* TForm_trends::Series() const {
  const TrendPlot* plot = Chart->Plot();
  return plot && !plot->layers.empty() ? &plot->Main() : nullptr;
}

QString TForm_trends::LegendText() const { return Label_legend->text(); }

void TForm_trends::Button_saveClick() {
  const QString caption = "Trends " + TabBar_kind->tabText(CurrentTab());
  const gui::SaveTarget target = gui::AskSaveTarget(caption, {"PNG image (*.png)", "SVG image (*.svg)"}, 0, this);
  if (target.path.isEmpty()) return;
  const QSize size = Chart->size();
  const std::string bytes = target.type == 1
                                ? PaintedSvg(size.width(), size.height(), caption.toStdString(), Chart->Painter())
                                : PaintedPng(size.width(), size.height(), Chart->Painter());
  gui::WriteSavedFile(target.path, bytes, this, false);
}

void TForm_trends::Button_copyClick() { QGuiApplication::clipboard()->setText(copyText_); }
