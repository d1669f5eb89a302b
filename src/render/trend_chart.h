#pragma once
// Paints the trend charts the core computes (core/trends): a series with its
// band shaded and its middle line, the pair table as a coloured grid, the
// sums' counts as bars beside their expectation; and writes them as PNG or
// SVG. The Trends window and drawlyze-cli trend share these.

#include <QPainter>
#include <QRectF>
#include <functional>
#include <string>
#include <vector>

#include "core/trends/trends.h"

namespace drawlyze {

// A chart of one or two series: a draw's own values drawn faint beneath, the
// last series (the moving average, or the only one) as the line.
struct TrendPlot {
  std::vector<trends::TrendSeries> layers;
  const trends::TrendSeries& Main() const { return layers.back(); }
  bool Empty() const { return layers.empty() || layers.back().points.empty(); }
};

// The part of the draws shown, as x values: x = -index, the newest draw right.
struct TrendRange {
  double first = 0, last = 1;
  double Width() const { return last - first; }
};
TrendRange FullRange(const TrendPlot& plot);
// Zooms by factor (below 1 zooms in) around x, cut to the full range.
TrendRange Zoomed(const TrendPlot& plot, TrendRange shown, double x, double factor);
// Moves by dx, kept inside the full range.
TrendRange Panned(const TrendPlot& plot, TrendRange shown, double dx);

// The rectangle inside area where the points stand (axes and titles outside it).
QRectF PlotArea(const QRectF& area);
// The x value at a pixel column of the plot area.
double XAt(const QRectF& area, TrendRange shown, double pixel);
// The main series' point nearest the pixel column, or null when none is shown.
const trends::TrendPoint* PointNear(const TrendPlot& plot, const QRectF& area, TrendRange shown, double pixel);

// hover: a point of the main series to mark, or null.
void PaintTrendPlot(QPainter& painter, const QRectF& area, const TrendPlot& plot, TrendRange shown,
                    const trends::TrendPoint* hover = nullptr);
void PaintPairTable(QPainter& painter, const QRectF& area, const trends::PairTable& table);
void PaintSumCounts(QPainter& painter, const QRectF& area, const trends::SumCounts& counts);

// A picture of width x height on white as PNG or SVG bytes; empty when it cannot be made.
using Painting = std::function<void(QPainter&, const QRectF&)>;
std::string PaintedPng(int width, int height, const Painting& paint);
std::string PaintedSvg(int width, int height, const std::string& title, const Painting& paint);

}  // namespace drawlyze
