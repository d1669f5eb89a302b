#include "render/trend_chart.h"

#include <QBuffer>
#include <QImage>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace drawlyze {
namespace {

using trends::TrendPoint;
using trends::TrendSeries;

const QColor kBand(0xC8, 0xDC, 0xF4);
const QColor kBandEdge(0x90, 0xB0, 0xDC);
const QColor kFaintBand(0xEC, 0xEC, 0xEC);
const QColor kLine(0x10, 0x40, 0x90);
const QColor kOutside(0xC0, 0x10, 0x10);
const QColor kMiddle(0x40, 0x40, 0x40);
const QColor kAxis(0x70, 0x70, 0x70);
const QColor kGridLine(0xE4, 0xE4, 0xE4);

constexpr double kLeft = 56, kRight = 16, kTop = 58, kBottom = 40;

QFont Font(int pixels, bool bold = false) {
  QFont f("DejaVu Sans");
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

double X(const TrendPoint& p) { return -p.index; }

// A step of 1, 2 or 5 times a power of ten giving about `ticks` ticks.
double NiceStep(double range, int ticks) {
  if (range <= 0) return 1;
  const double raw = range / ticks;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double m : {1.0, 2.0, 5.0, 10.0})
    if (raw <= m * power) return m * power;
  return 10 * power;
}

// The points of a series within the shown range, as an index range.
std::pair<std::size_t, std::size_t> Shown(const TrendSeries& s, TrendRange shown) {
  const auto begin = std::lower_bound(s.points.begin(), s.points.end(), shown.first,
                                      [](const TrendPoint& p, double x) { return X(p) < x; });
  const auto end = std::upper_bound(s.points.begin(), s.points.end(), shown.last,
                                    [](double x, const TrendPoint& p) { return x < X(p); });
  return {static_cast<std::size_t>(begin - s.points.begin()), static_cast<std::size_t>(end - s.points.begin())};
}

void Title(QPainter& painter, const QRectF& area, const QString& title) {
  painter.setPen(Qt::black);
  painter.setFont(Font(15, true));
  painter.drawText(QRectF(area.left() + 8, area.top() + 4, area.width() - 16, 22), Qt::AlignLeft | Qt::AlignVCenter,
                   title);
}

// A legend entry at x: a swatch and its text; returns the x after it.
double LegendEntry(QPainter& painter, double x, double y, const QString& text,
                   const std::function<void(QRectF)>& swatch) {
  swatch(QRectF(x, y + 3, 22, 10));
  painter.setPen(Qt::black);
  painter.setFont(Font(12));
  const double w = painter.fontMetrics().horizontalAdvance(text);
  painter.drawText(QRectF(x + 26, y, w + 4, 16), Qt::AlignLeft | Qt::AlignVCenter, text);
  return x + 26 + w + 18;
}

}  // namespace

TrendRange FullRange(const TrendPlot& plot) {
  if (plot.Empty()) return {0, 1};
  const std::vector<TrendPoint>& p = plot.Main().points;
  TrendRange r{X(p.front()), X(p.back())};
  for (const TrendSeries& s : plot.layers)
    if (!s.points.empty())
      r.first = std::min(r.first, X(s.points.front())), r.last = std::max(r.last, X(s.points.back()));
  if (r.Width() < 1) r.first -= 0.5, r.last += 0.5;
  return r;
}

TrendRange Zoomed(const TrendPlot& plot, TrendRange shown, double x, double factor) {
  const TrendRange full = FullRange(plot);
  const double width = std::clamp(shown.Width() * factor, std::min(10.0, full.Width()), full.Width());
  const double share = shown.Width() > 0 ? (x - shown.first) / shown.Width() : 0.5;
  TrendRange r{x - share * width, x - share * width + width};
  return Panned(plot, r, 0);
}

TrendRange Panned(const TrendPlot& plot, TrendRange shown, double dx) {
  const TrendRange full = FullRange(plot);
  const double width = std::min(shown.Width(), full.Width());
  double first = std::clamp(shown.first + dx, full.first, full.last - width);
  return {first, first + width};
}

QRectF PlotArea(const QRectF& area) { return area.adjusted(kLeft, kTop, -kRight, -kBottom); }

double XAt(const QRectF& area, TrendRange shown, double pixel) {
  const QRectF plot = PlotArea(area);
  return shown.first + (pixel - plot.left()) / std::max(plot.width(), 1.0) * shown.Width();
}

const TrendPoint* PointNear(const TrendPlot& plot, const QRectF& area, TrendRange shown, double pixel) {
  if (plot.Empty()) return nullptr;
  const double x = XAt(area, shown, pixel);
  if (x < shown.first - 0.5 || x > shown.last + 0.5) return nullptr;
  const std::vector<TrendPoint>& p = plot.Main().points;
  const auto it = std::lower_bound(p.begin(), p.end(), x, [](const TrendPoint& q, double v) { return X(q) < v; });
  const TrendPoint* best = nullptr;
  for (auto c : {it - (it == p.begin() ? 0 : 1), it})
    if (c != p.end() && (!best || std::abs(X(*c) - x) < std::abs(X(*best) - x))) best = &*c;
  return best;
}

void PaintTrendPlot(QPainter& painter, const QRectF& area, const TrendPlot& plot, TrendRange shown,
                    const TrendPoint* hover) {
  painter.save();
  painter.fillRect(area, Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  if (plot.layers.empty()) {
    painter.restore();
    return;
  }
  const TrendSeries& main = plot.Main();
  Title(painter, area, QString::fromStdString(main.title));

  // The legend: the value, the band, the middle line.
  double lx = area.left() + 8;
  const double ly = area.top() + 30;
  lx = LegendEntry(painter, lx, ly, QString::fromStdString(main.valueName), [&](QRectF r) {
    painter.setPen(QPen(kLine, 2));
    painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
  });
  lx = LegendEntry(painter, lx, ly, QString::fromStdString(main.bandName), [&](QRectF r) {
    painter.fillRect(r, kBand);
    painter.setPen(QPen(kBandEdge, 1));
    painter.drawRect(r);
  });
  lx = LegendEntry(painter, lx, ly, QString::fromStdString(main.middleName), [&](QRectF r) {
    painter.setPen(QPen(kMiddle, 1.2, Qt::DashLine));
    painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
  });
  if (plot.layers.size() > 1)
    LegendEntry(painter, lx, ly, "each draw, with its band", [&](QRectF r) {
      painter.fillRect(r, kFaintBand);
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(0xA0, 0xA0, 0xA0));
      painter.drawEllipse(r.center(), 2.2, 2.2);
    });

  const QRectF box = PlotArea(area);
  // The value axis: the band and every shown value.
  double low = main.middle, high = main.middle;
  for (const TrendSeries& s : plot.layers) {
    const auto [b, e] = Shown(s, shown);
    for (std::size_t i = b; i < e; ++i) {
      const TrendPoint& p = s.points[i];
      low = std::min({low, p.low, p.value});
      high = std::max({high, p.high, p.value});
    }
  }
  if (high - low < 1) high = low + 1;
  const double pad = (high - low) * 0.05;
  low = low >= 0 && low - pad < 0 ? 0 : low - pad;
  high += pad;
  const auto px = [&](double x) {
    return box.left() + (x - shown.first) / std::max(shown.Width(), 1e-9) * box.width();
  };
  const auto py = [&](double v) { return box.bottom() - (v - low) / (high - low) * box.height(); };

  painter.setFont(Font(11));
  const double step = NiceStep(high - low, 6);
  for (double v = std::ceil(low / step) * step; v <= high + 1e-9; v += step) {
    painter.setPen(QPen(kGridLine, 1));
    painter.drawLine(QPointF(box.left(), py(v)), QPointF(box.right(), py(v)));
    painter.setPen(kAxis);
    painter.drawText(QRectF(area.left(), py(v) - 8, kLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(v, 'g', 6));
  }

  painter.setClipRect(box.adjusted(-1, -4, 1, 4));
  // Bands first, the faint one of each draw beneath the main one.
  for (std::size_t layer = 0; layer < plot.layers.size(); ++layer) {
    const TrendSeries& s = plot.layers[layer];
    const auto [b, e] = Shown(s, shown);
    if (b >= e) continue;
    QPolygonF band;
    for (std::size_t i = b; i < e; ++i) band << QPointF(px(X(s.points[i])), py(s.points[i].high));
    for (std::size_t i = e; i-- > b;) band << QPointF(px(X(s.points[i])), py(s.points[i].low));
    if (e - b == 1) band = QPolygonF(QRectF(band[0].x() - 3, band[0].y(), 6, band[1].y() - band[0].y()));
    const bool faint = layer + 1 < plot.layers.size();
    painter.setPen(faint ? Qt::NoPen : QPen(kBandEdge, 1));
    painter.setBrush(faint ? kFaintBand : kBand);
    painter.drawPolygon(band);
  }
  painter.setPen(QPen(kMiddle, 1.2, Qt::DashLine));
  painter.drawLine(QPointF(box.left(), py(main.middle)), QPointF(box.right(), py(main.middle)));

  for (std::size_t layer = 0; layer < plot.layers.size(); ++layer) {
    const TrendSeries& s = plot.layers[layer];
    const auto [b, e] = Shown(s, shown);
    const bool faint = layer + 1 < plot.layers.size();
    const double dot = std::clamp(box.width() / std::max<double>(double(e - b), 1) / 3, 1.2, 3.0);
    if (faint) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(0xA0, 0xA0, 0xA0));
      for (std::size_t i = b; i < e; ++i)
        painter.drawEllipse(QPointF(px(X(s.points[i])), py(s.points[i].value)), dot, dot);
      continue;
    }
    QPolygonF line;
    for (std::size_t i = b; i < e; ++i) line << QPointF(px(X(s.points[i])), py(s.points[i].value));
    painter.setPen(QPen(kLine, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
    // Values outside the band stand out in red.
    const double outside = double(e - b) > box.width() ? 1.5 : std::max(dot + 0.8, 2.6);  // dense: small
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOutside);
    for (std::size_t i = b; i < e; ++i) {
      const TrendPoint& p = s.points[i];
      if (p.value > p.high + 1e-9 || p.value < p.low - 1e-9)
        painter.drawEllipse(QPointF(px(X(p)), py(p.value)), outside, outside);
    }
  }
  if (hover) {
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1, Qt::DotLine));
    painter.drawLine(QPointF(px(X(*hover)), box.top()), QPointF(px(X(*hover)), box.bottom()));
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(px(X(*hover)), py(hover->value)), 4, 4);
  }
  painter.setClipping(false);

  // The draws' axis: draw numbers at about eight places.
  painter.setPen(kAxis);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(box);
  painter.setFont(Font(11));
  const auto [b, e] = Shown(main, shown);
  if (b < e) {
    const std::size_t stride = std::max<std::size_t>(1, (e - b) / 8);
    for (std::size_t i = b; i < e; i += stride) {
      const double x = px(X(main.points[i]));
      painter.drawLine(QPointF(x, box.bottom()), QPointF(x, box.bottom() + 4));
      painter.drawText(QRectF(x - 50, box.bottom() + 5, 100, 14), Qt::AlignHCenter | Qt::AlignTop,
                       QString::fromStdString(main.points[i].number));
    }
  }
  painter.drawText(QRectF(box.left(), box.bottom() + 20, box.width(), 16), Qt::AlignHCenter | Qt::AlignTop,
                   "draw number, oldest left");
  painter.restore();
}

void PaintPairTable(QPainter& painter, const QRectF& area, const trends::PairTable& table) {
  painter.save();
  painter.fillRect(area, Qt::white);
  Title(painter, area, QString::fromStdString(table.title));
  painter.setFont(Font(12));
  painter.setPen(Qt::black);
  const QString beyond = QString("Cells beyond \u00b1%1: %2 seen, %3 expected by chance")
                             .arg(table.scaleEnd)
                             .arg(table.observedBeyond)
                             .arg(table.expectedBeyond, 0, 'f', 2);
  painter.drawText(QRectF(area.left() + 8, area.top() + 30, area.width() - 16, 16), Qt::AlignLeft, beyond);

  const double top = area.top() + 58, left = area.left() + 40;
  const double scaleWidth = 70;
  const double cell =
      std::max(8.0, std::min((area.width() - 40 - scaleWidth - 30) / 10, (area.height() - 58 - 30) / 10));
  const auto colour = [&](double z) {
    const double t = std::clamp(std::abs(z) / table.scaleEnd, 0.0, 1.0);
    const QColor end = z >= 0 ? QColor(0xD0, 0x20, 0x20) : QColor(0x20, 0x50, 0xD0);
    return QColor(int(255 + (end.red() - 255) * t), int(255 + (end.green() - 255) * t),
                  int(255 + (end.blue() - 255) * t));
  };
  painter.setFont(Font(11));
  for (int d = 0; d < 10; ++d) {
    painter.setPen(kAxis);
    painter.drawText(QRectF(left + d * cell, top - 16, cell, 14), Qt::AlignCenter, QString::number(d));
    painter.drawText(QRectF(left - 24, top + d * cell, 20, cell), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(d));
  }
  painter.setFont(Font(std::clamp(int(cell / 3.2), 8, 13)));
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) {
      const trends::PairCell& c = table.cells[x][y];
      const QRectF r(left + y * cell, top + x * cell, cell, cell);
      painter.fillRect(r, colour(c.z));
      painter.setPen(QPen(c.beyond ? Qt::black : QColor(0xD0, 0xD0, 0xD0), c.beyond ? 2 : 1));
      painter.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
      painter.setPen(std::abs(c.z) > table.scaleEnd * 0.7 ? Qt::white : Qt::black);
      painter.drawText(r, Qt::AlignCenter, QString::number(c.count));
    }
  // The colour scale, -end .. +end.
  const QRectF scale(left + 10 * cell + 24, top, 16, 10 * cell);
  for (int i = 0; i < 100; ++i) {
    const double z = table.scaleEnd * (1 - 2 * (i + 0.5) / 100);
    painter.fillRect(
        QRectF(scale.left(), scale.top() + scale.height() * i / 100, scale.width(), scale.height() / 100 + 0.5),
        colour(z));
  }
  painter.setPen(kAxis);
  painter.drawRect(scale);
  painter.setFont(Font(11));
  for (const double z : {table.scaleEnd, 0.0, -table.scaleEnd}) {
    const double y = scale.top() + scale.height() * (1 - (z + table.scaleEnd) / (2 * table.scaleEnd));
    painter.drawText(QRectF(scale.right() + 4, y - 8, 40, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     (z > 0 ? "+" : "") + QString::number(z) + (z == 0 ? "" : " sd"));
  }
  // How to read it, in the room right of the scale.
  const QRectF note(scale.right() + 56, top, area.right() - scale.right() - 64, 10 * cell);
  if (note.width() > 160) {
    painter.setPen(Qt::black);
    painter.setFont(Font(12));
    painter.drawText(note, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromStdString(table.legend));
  }
  painter.restore();
}

void PaintSumCounts(QPainter& painter, const QRectF& area, const trends::SumCounts& counts) {
  painter.save();
  painter.fillRect(area, Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  Title(painter, area, QString("Sums of the digits in %1 draws").arg(counts.draws));
  double lx = area.left() + 8;
  const double ly = area.top() + 30;
  lx = LegendEntry(painter, lx, ly, "draws with the sum", [&](QRectF r) { painter.fillRect(r, kLine); });
  lx = LegendEntry(painter, lx, ly, "expected (ways of 1,000)", [&](QRectF r) {
    painter.setPen(QPen(kOutside, 2));
    painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
  });
  LegendEntry(painter, lx, ly, "95% range of chance", [&](QRectF r) {
    painter.setPen(QPen(kMiddle, 1));
    painter.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
  });
  const QRectF box = PlotArea(area);
  double high = 1;
  for (std::size_t s = 0; s < 28; ++s) high = std::max({high, double(counts.counts[s]), double(counts.high[s])});
  high *= 1.05;
  const double w = box.width() / 28;
  const auto py = [&](double v) { return box.bottom() - v / high * box.height(); };
  painter.setFont(Font(11));
  const double step = NiceStep(high, 6);
  for (double v = 0; v <= high; v += step) {
    painter.setPen(QPen(kGridLine, 1));
    painter.drawLine(QPointF(box.left(), py(v)), QPointF(box.right(), py(v)));
    painter.setPen(kAxis);
    painter.drawText(QRectF(area.left(), py(v) - 8, kLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(v));
  }
  for (std::size_t s = 0; s < 28; ++s) {
    const double x = box.left() + w * static_cast<double>(s);
    painter.fillRect(QRectF(x + w * 0.18, py(counts.counts[s]), w * 0.64, box.bottom() - py(counts.counts[s])), kLine);
    painter.setPen(QPen(kMiddle, 1));
    painter.drawLine(QPointF(x + w / 2, py(counts.low[s])), QPointF(x + w / 2, py(counts.high[s])));
    painter.setPen(QPen(kOutside, 2));
    painter.drawLine(QPointF(x + w * 0.08, py(counts.expected[s])), QPointF(x + w * 0.92, py(counts.expected[s])));
    painter.setPen(kAxis);
    painter.drawText(QRectF(x, box.bottom() + 4, w, 14), Qt::AlignHCenter | Qt::AlignTop, QString::number(s));
  }
  painter.setPen(kAxis);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(box);
  painter.drawText(QRectF(box.left(), box.bottom() + 20, box.width(), 16), Qt::AlignHCenter | Qt::AlignTop,
                   "sum of the three digits");
  painter.restore();
}

std::string PaintedPng(int width, int height, const Painting& paint) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    paint(painter, QRectF(0, 0, width, height));
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return {};
  return bytes.toStdString();
}

std::string PaintedSvg(int width, int height, const std::string& title, const Painting& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(width, height));
  svg.setResolution(96);
  svg.setViewBox(QRect(0, 0, width, height));
  svg.setTitle(QString::fromStdString(title));
  svg.setDescription(QString());
  {
    QPainter painter(&svg);
    paint(painter, QRectF(0, 0, width, height));
  }
  return bytes.toStdString();
}

}  // namespace drawlyze
