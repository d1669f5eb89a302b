#include "render/chart_files.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include "core/files/whole_file.h"
#include "render/chart_painter.h"

namespace drawlyze {

QImage VisibleChart(const QImage& surface) { return surface.copy(0, 0, kChartWidth, kChartVisibleHeight); }

std::string PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

std::string ChartSvg(const Chart& chart, const std::string& title, int height) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(kChartWidth, height));
  svg.setResolution(96);                             // one unit a CSS pixel: the image opens at the window's size
  svg.setViewBox(QRect(0, 0, kChartWidth, height));  // the guide grid's lines beyond it are cut off
  svg.setTitle(QString::fromStdString(title));
  svg.setDescription(QString());
  {
    QPainter painter(&svg);
    // Every group of the file carries the painter's font: the chart's own, not
    // the program's window font, so the window and drawlyze-cli write one file.
    painter.setFont(ChartFont(false));
    painter.fillRect(QRect(0, 0, kChartWidth, height), Qt::white);
    PaintChartItems(chart, painter, QPointF(0.5, 0.5));
  }
  return bytes.toStdString();
}

Status WriteChartFile(const std::string& path, const std::string& bytes) {
  if (bytes.empty()) return Error{ErrorKind::CannotWrite, path, "the image could not be encoded"};
  return WriteFileWhole(path, bytes);
}

PaintingApplication::PaintingApplication() {
  if (QGuiApplication::instance()) return;
  static int argc = 3;
  static char arg0[] = "drawlyze-cli", arg1[] = "-platform", arg2[] = "offscreen";
  static char* argv[] = {arg0, arg1, arg2, nullptr};
  app_ = std::make_unique<QGuiApplication>(argc, argv);
}

PaintingApplication::~PaintingApplication() = default;

}  // namespace drawlyze
