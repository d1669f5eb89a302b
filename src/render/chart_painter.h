#pragma once
// Paints a chart the way the main window shows it: texts on their opaque
// background, lines in their pen colour, on the white chart surface.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <string>

#include "core/chart/chart.h"
#include "core/error/error.h"

namespace drawlyze {

// The chart font: narrow enough that number texts at the 14-pixel pitch never touch.
QFont ChartFont(bool bold = false);
// A white surface of kChartWidth x kChartHeight with the chart drawn on it.
QImage PaintChart(const Chart& chart);
void PaintChart(const Chart& chart, QImage& surface);
// The chart's texts and lines, in drawing order, onto any paint device (an
// image, an SVG). lineOffset moves the lines: (0.5, 0.5) puts a one-pixel
// line of a vector image on the pixels the image's line covers, not across two.
void PaintChartItems(const Chart& chart, QPainter& painter, QPointF lineOffset = {});
// Needs a QGuiApplication; creates an offscreen one when none runs.
Status SaveChartPng(const Chart& chart, const std::string& path);

}  // namespace drawlyze
