#pragma once
// The chart area of the Trends window: a trend series with its band (zoomed
// with the wheel or + and -, moved by dragging or the arrow keys, Home shows
// every draw, a tip for the draw under the mouse), the pair table, or the
// sums' counts. It paints what the render layer paints into files.

#include <QWidget>
#include <variant>

#include "render/trend_chart.h"

namespace drawlyze::gui {

class TrendChartView : public QWidget {
  Q_OBJECT

 public:
  explicit TrendChartView(QWidget* parent = nullptr);

  // A new series keeps the zoom when the same draws stay in sight, else shows them all.
  void ShowPlot(TrendPlot plot);
  void ShowPairs(const trends::PairTable& table);
  void ShowSumCounts(const trends::SumCounts& counts);

  const TrendRange& Shown() const { return shown_; }
  void SetShown(TrendRange range);
  const TrendPlot* Plot() const { return std::get_if<TrendPlot>(&content_); }
  // What a tip says about the draw under the pixel column, empty where no draw stands.
  QString TipAt(double x) const;
  // The chart as the window paints it, into a picture (PNG or SVG) of its size.
  Painting Painter() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  std::variant<TrendPlot, trends::PairTable, trends::SumCounts> content_;
  TrendRange shown_;
  const trends::TrendPoint* hover_ = nullptr;
  bool dragging_ = false;
  double dragX_ = 0;
};

}  // namespace drawlyze::gui
