#include "gui/trend_chart_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

namespace drawlyze::gui {

TrendChartView::TrendChartView(QWidget* parent) : QWidget(parent) {
  setObjectName("TrendChartView");
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(480, 320);
  setAccessibleName("Trend chart");
}

void TrendChartView::ShowPlot(TrendPlot plot) {
  const TrendPlot* before = Plot();
  const bool keep = before && !before->Empty() && !plot.Empty() && FullRange(*before).first == FullRange(plot).first &&
                    FullRange(*before).last == FullRange(plot).last;
  content_ = std::move(plot);
  hover_ = nullptr;
  shown_ = keep ? Panned(*Plot(), shown_, 0) : FullRange(*Plot());
  update();
}

void TrendChartView::ShowPairs(const trends::PairTable& table) {
  content_ = table;
  hover_ = nullptr;
  update();
}

void TrendChartView::ShowSumCounts(const trends::SumCounts& counts) {
  content_ = counts;
  hover_ = nullptr;
  update();
}

void TrendChartView::SetShown(TrendRange range) {
  if (const TrendPlot* plot = Plot()) shown_ = Panned(*plot, range, 0);
  update();
}

QString TrendChartView::TipAt(double x) const {
  const TrendPlot* plot = Plot();
  if (!plot) return {};
  const trends::TrendPoint* p = PointNear(*plot, QRectF(rect()), shown_, x);
  return p ? QString::fromStdString(trends::PointTip(plot->Main(), *p)) : QString();
}

Painting TrendChartView::Painter() const {
  return [content = content_, shown = shown_](QPainter& painter, const QRectF& area) {
    if (const auto* plot = std::get_if<TrendPlot>(&content)) PaintTrendPlot(painter, area, *plot, shown);
    if (const auto* pairs = std::get_if<trends::PairTable>(&content)) PaintPairTable(painter, area, *pairs);
    if (const auto* sums = std::get_if<trends::SumCounts>(&content)) PaintSumCounts(painter, area, *sums);
  };
}

void TrendChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (const TrendPlot* plot = Plot())
    PaintTrendPlot(painter, QRectF(rect()), *plot, shown_, hover_);
  else
    Painter()(painter, QRectF(rect()));
}

void TrendChartView::wheelEvent(QWheelEvent* event) {
  const TrendPlot* plot = Plot();
  if (!plot || plot->Empty()) return;
  const double steps = event->angleDelta().y() / 120.0;
  const double x = XAt(QRectF(rect()), shown_, event->position().x());
  shown_ = Zoomed(*plot, shown_, x, std::pow(0.8, steps));
  update();
  event->accept();
}

void TrendChartView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  dragX_ = event->position().x();
  setCursor(Qt::ClosedHandCursor);
}

void TrendChartView::mouseMoveEvent(QMouseEvent* event) {
  const TrendPlot* plot = Plot();
  if (!plot) return;
  const QRectF area(rect());
  if (dragging_) {
    const double dx = XAt(area, shown_, dragX_) - XAt(area, shown_, event->position().x());
    dragX_ = event->position().x();
    shown_ = Panned(*plot, shown_, dx);
  }
  hover_ = PointNear(*plot, area, shown_, event->position().x());
  if (hover_ && PlotArea(area).contains(event->position()))
    QToolTip::showText(event->globalPosition().toPoint(),
                       QString::fromStdString(trends::PointTip(plot->Main(), *hover_)), this);
  else
    hover_ = nullptr, QToolTip::hideText();
  update();
}

void TrendChartView::mouseReleaseEvent(QMouseEvent*) {
  dragging_ = false;
  unsetCursor();
}

void TrendChartView::leaveEvent(QEvent*) {
  hover_ = nullptr;
  update();
}

void TrendChartView::keyPressEvent(QKeyEvent* event) {
  const TrendPlot* plot = Plot();
  if (!plot || plot->Empty()) return QWidget::keyPressEvent(event);
  const double middle = shown_.first + shown_.Width() / 2;
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      shown_ = Zoomed(*plot, shown_, middle, 0.8);
      break;
    case Qt::Key_Minus:
      shown_ = Zoomed(*plot, shown_, middle, 1.25);
      break;
    case Qt::Key_Left:
      shown_ = Panned(*plot, shown_, -shown_.Width() / 10);
      break;
    case Qt::Key_Right:
      shown_ = Panned(*plot, shown_, shown_.Width() / 10);
      break;
    case Qt::Key_Home:
      shown_ = FullRange(*plot);
      break;
    default:
      return QWidget::keyPressEvent(event);
  }
  update();
}

}  // namespace drawlyze::gui
