// The trend chart's zoom and pan stay inside the draws, the tip finds the
// nearest draw, and the pictures come out as PNG and SVG.
#include "render/trend_chart.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "render/chart_files.h"

namespace drawlyze {
namespace {

// A series of the draws at indexes 99 (oldest) .. 0 (newest).
TrendPlot HundredDraws() {
  trends::TrendSeries s;
  for (int i = 99; i >= 0; --i) s.points.push_back({i, std::to_string(100 - i), "d", "t", double(i % 7), 0, 5});
  TrendPlot plot;
  plot.layers.push_back(s);
  return plot;
}

TEST(TrendChart, ZoomAndPanKeepInsideTheDraws) {
  const TrendPlot plot = HundredDraws();
  const TrendRange all = FullRange(plot);
  EXPECT_EQ(all.first, -99);
  EXPECT_EQ(all.last, 0);
  // Zooming in around the newest draw keeps it at the right edge.
  const TrendRange in = Zoomed(plot, all, 0, 0.5);
  EXPECT_NEAR(in.Width(), 49.5, 1e-9);
  EXPECT_NEAR(in.last, 0, 1e-9);
  // Never narrower than ten draws, never wider than all of them.
  EXPECT_NEAR(Zoomed(plot, in, -20, 0.001).Width(), 10, 1e-9);
  EXPECT_NEAR(Zoomed(plot, in, -20, 100).Width(), all.Width(), 1e-9);
  // Panning stops at either end.
  EXPECT_NEAR(Panned(plot, in, 1000).last, 0, 1e-9);
  EXPECT_NEAR(Panned(plot, in, -1000).first, -99, 1e-9);
}

TEST(TrendChart, TheTipFindsTheNearestDraw) {
  const TrendPlot plot = HundredDraws();
  const QRectF area(0, 0, 1000, 600);
  const QRectF box = PlotArea(area);
  const TrendRange all = FullRange(plot);
  EXPECT_EQ(PointNear(plot, area, all, box.left())->index, 99);
  EXPECT_EQ(PointNear(plot, area, all, box.right())->index, 0);
  EXPECT_EQ(PointNear(plot, area, all, box.left() + box.width() * 0.25)->number, "26");
  EXPECT_EQ(PointNear(plot, area, all, box.right() + 200), nullptr);
  EXPECT_EQ(PointNear(TrendPlot{}, area, all, box.left()), nullptr);
}

TEST(TrendChart, PicturesOfEveryKind) {
  PaintingApplication app;
  const TrendPlot plot = HundredDraws();
  const std::string png =
      PaintedPng(400, 300, [&](QPainter& p, const QRectF& r) { PaintTrendPlot(p, r, plot, FullRange(plot)); });
  EXPECT_EQ(png.substr(1, 3), "PNG");
  trends::PairTable table;
  const std::string svg =
      PaintedSvg(400, 300, "pairs", [&](QPainter& p, const QRectF& r) { PaintPairTable(p, r, table); });
  EXPECT_NE(svg.find("<title>pairs</title>"), std::string::npos);
  trends::SumCounts counts;
  EXPECT_FALSE(PaintedPng(400, 300, [&](QPainter& p, const QRectF& r) { PaintSumCounts(p, r, counts); }).empty());
  // An empty series paints without a point.
  TrendPlot none;
  none.layers.emplace_back();
  EXPECT_FALSE(
      PaintedPng(400, 300, [&](QPainter& p, const QRectF& r) { PaintTrendPlot(p, r, none, FullRange(none)); }).empty());
}

}  // namespace
}  // namespace drawlyze
