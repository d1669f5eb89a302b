#include "render/chart_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include "render/chart_files.h"

namespace drawlyze {
namespace {

QColor ToColor(Rgb rgb) {
  return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>(rgb & 0xFF));
}

}  // namespace

QFont ChartFont(bool bold) {
  QFont font("DejaVu Sans Condensed");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(10);  // digits 5.7 px wide: "00 " fits the 14-pixel pitch
  font.setBold(bold);
  return font;
}

void PaintChart(const Chart& chart, QImage& surface) {
  surface.fill(Qt::white);
  QPainter painter(&surface);
  PaintChartItems(chart, painter);
}

void PaintChartItems(const Chart& chart, QPainter& painter, QPointF lineOffset) {
  const QFont normal = ChartFont(false);
  const QFont bold = ChartFont(true);
  const QFontMetrics normalMetrics(normal);
  const QFontMetrics boldMetrics(bold);
  for (const ChartItem& item : chart.items) {
    if (item.kind == ChartItem::Kind::Line) {
      painter.setPen(ToColor(item.line.pen));
      painter.drawLine(QPointF(item.line.x1, item.line.y1) + lineOffset,
                       QPointF(item.line.x2, item.line.y2) + lineOffset);
      continue;
    }
    const ChartText& t = item.text;
    const QFontMetrics& metrics = t.bold ? boldMetrics : normalMetrics;
    const QString text = QString::fromLatin1(t.text.data(), static_cast<qsizetype>(t.text.size()));
    const QRect box(t.x, t.y, metrics.horizontalAdvance(text), metrics.height());
    painter.fillRect(box, ToColor(t.brush));
    painter.setFont(t.bold ? bold : normal);
    painter.setPen(ToColor(t.font));
    painter.drawText(t.x, t.y + metrics.ascent(), text);
  }
}

QImage PaintChart(const Chart& chart) {
  QImage surface(kChartWidth, kChartHeight, QImage::Format_RGB32);
  PaintChart(chart, surface);
  return surface;
}

Status SaveChartPng(const Chart& chart, const std::string& path) {
  const PaintingApplication app;
  return WriteChartFile(path, PngBytes(PaintChart(chart)));
}

}  // namespace drawlyze
