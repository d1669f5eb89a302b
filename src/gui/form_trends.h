#pragma once
// The Trends window: a chart per kind (a digit's skip and frequency, the sum,
// spread and root sum, the pair table, the sums' counts), each value beside
// the band a fair draw keeps it inside. It follows the main window's selected
// row and "Use Last Draws" while it is open (it is not modal); the numbers
// all come from core/trends.

#include <QDialog>

#include "core/trends/trends.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabBar;

namespace drawlyze::gui {
class PrintActions;
class Model;
class TrendChartView;
}  // namespace drawlyze::gui

class TForm_trends : public QDialog {
  Q_OBJECT

 public:
  // Print..., Print preview... and Export PDF... of the chart as shown and its series.
  drawlyze::gui::PrintActions* Printing = nullptr;
  // The tabs, in order.
  enum Tab { Skip, Frequency, Sum, Spread, RootSum, Pairs, SumCounts, TabCount };

  explicit TForm_trends(drawlyze::gui::Model& model, QWidget* parent = nullptr);

  // Shows the window (or raises it) and draws the chart for the model's selection.
  void ShowTrends();
  // Draws the chosen tab's chart again from the model and the controls.
  void Recompute();
  int CurrentTab() const;
  void SelectTab(int tab);
  // What the chart shows, for the tests: the series (empty for the tables),
  // the text Copy puts on the clipboard, the legend.
  const drawlyze::trends::TrendSeries* Series() const;
  QString CopyText() const { return copyText_; }
  QString LegendText() const;

  // Handlers.
  void Button_saveClick();
  void Button_copyClick();

  QTabBar* TabBar_kind = nullptr;
  QComboBox* ComboBox_digit = nullptr;
  QComboBox* ComboBox_position = nullptr;
  QComboBox* ComboBox_pairs = nullptr;
  QSpinBox* SpinBox_window = nullptr;
  QPushButton* Button_all = nullptr;
  QPushButton* Button_save = nullptr;
  QPushButton* Button_copy = nullptr;
  drawlyze::gui::TrendChartView* Chart = nullptr;
  QLabel* Label_legend = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The window N of the tab: the frequency's own, the averages' shared.
  int& WindowOf(int tab);
  void ShowControlsOfTab();
  // The first time it shows: beside the main window where the screen has room
  // for both, so that the rows stay in reach; over it on a small screen.
  void PlaceBesideMain();

  drawlyze::gui::Model& model_;
  int frequencyWindow_ = drawlyze::trends::kDefaultFrequencyWindow;
  int averageWindow_ = drawlyze::trends::kDefaultAverageWindow;
  bool placed_ = false;
  bool showingControls_ = false;  // the controls are being set: no recompute for each
  QString copyText_;
};
