#pragma once
// The chart as files: the rows of the surface the main window shows, PNG
// bytes, and an SVG vector image painted from the display list. Shared by the
// main window's Copy Image and Save Image and by drawlyze-cli view --png/--svg.

#include <QImage>
#include <memory>
#include <string>

#include "core/chart/chart.h"
#include "core/error/error.h"

class QGuiApplication;

namespace drawlyze {

// The top kChartVisibleHeight rows of a chart surface: what the window shows.
QImage VisibleChart(const QImage& surface);
// An image as PNG bytes.
std::string PngBytes(const QImage& image);
// The chart as an SVG image of kChartWidth x height on white: its texts as
// text, its lines as lines, so it scales without blur. title names the view.
std::string ChartSvg(const Chart& chart, const std::string& title, int height = kChartVisibleHeight);

// Writes bytes whole (never half a file), or straight into a device or FIFO.
// No bytes (the encoder gave none) are a failure too, never an empty file.
Status WriteChartFile(const std::string& path, const std::string& bytes);

// Painting text needs a QGuiApplication: this makes an offscreen one when
// none runs (drawlyze-cli) and ends it with the scope.
class PaintingApplication {
 public:
  PaintingApplication();
  ~PaintingApplication();

 private:
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace drawlyze
