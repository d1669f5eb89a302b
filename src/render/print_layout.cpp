#include "render/print_layout.h"

#include <QBuffer>
#include <QDate>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "render/chart_painter.h"

namespace drawlyze {
namespace {

constexpr qreal kTextPointsMax = 9;  // a report's lines at most this large
constexpr qreal kTextPointsMin = 6;  // and at least: longer lines wrap
constexpr qreal kTablePoints = 8;
constexpr qreal kTablePointsMin = 5;
constexpr qreal kHeaderPoints = 8;

QFont SansFont(qreal points, bool bold = false) {
  QFont font("DejaVu Sans");
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QFont FixedFont(qreal points) {
  QFont font("DejaVu Sans Mono");
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(points);
  return font;
}

// One pass over the document: with a painter it paints, without one it only
// counts the pages. Both passes break the pages at the same places, since
// they measure on the same device.
class PageWriter {
 public:
  PageWriter(const PrintDocument& document, QPagedPaintDevice& device, QPainter* painter, int total)
      : document_(document), device_(device), painter_(painter), total_(total) {
    width_ = device.width();
    height_ = device.height();
  }

  int Run() {
    StartPage();
    for (std::size_t i = 0; i < document_.blocks.size(); ++i) {
      if (i > 0) y_ += Gap();
      const PrintBlock& block = document_.blocks[i];
      switch (block.kind) {
        case PrintBlock::Kind::Chart:
          ChartBlock(block);
          break;
        case PrintBlock::Kind::Text:
          TextBlock(block.lines);
          break;
        case PrintBlock::Kind::Table:
          TableBlock(block.table);
          break;
        case PrintBlock::Kind::Picture:
          PictureBlock(block);
          break;
      }
    }
    return pages_;
  }

 private:
  qreal Gap() const { return QFontMetricsF(SansFont(kHeaderPoints), &device_).lineSpacing(); }

  void StartPage() {
    if (pages_ > 0 && painter_) device_.newPage();
    ++pages_;
    const QFont font = SansFont(kHeaderPoints);
    const QFontMetricsF metrics(font, &device_);
    if (painter_) {
      painter_->setFont(font);
      painter_->setPen(Qt::black);
      const QRectF line(0, 0, width_, metrics.lineSpacing());
      const QString right = (document_.title.isEmpty() ? QString() : document_.title + QString::fromUtf8(" \u2014 ")) +
                            QString("page %1 of %2").arg(pages_).arg(total_);
      painter_->drawText(line, Qt::AlignLeft | Qt::AlignVCenter, PrintHeaderText(document_.header));
      painter_->drawText(line, Qt::AlignRight | Qt::AlignVCenter, right);
      const qreal rule = metrics.lineSpacing() * 1.25;
      painter_->setPen(QPen(Qt::black, std::max(1.0, device_.logicalDpiY() / 200.0)));
      painter_->drawLine(QPointF(0, rule), QPointF(width_, rule));
    }
    y_ = metrics.lineSpacing() * 2;
    pageEmpty_ = true;
  }

  // Room for h more device pixels on this page, or a new page.
  void Need(qreal h) {
    if (y_ + h > height_ && !pageEmpty_) StartPage();
    pageEmpty_ = false;
  }

  void ChartBlock(const PrintBlock& block) {
    const qreal body = height_ - y_;
    qreal scale = width_ / kChartWidth;
    const qreal fullBody = height_ - QFontMetricsF(SansFont(kHeaderPoints), &device_).lineSpacing() * 2;
    if (block.chartHeight * scale > fullBody) scale = fullBody / block.chartHeight;  // a landscape page
    const qreal h = block.chartHeight * scale;
    if (h > body) Need(h);
    pageEmpty_ = false;
    if (painter_) {
      painter_->save();
      painter_->translate(0, y_);
      painter_->scale(scale, scale);
      const QRectF paper(0, 0, kChartWidth, block.chartHeight);
      painter_->setClipRect(paper);
      painter_->fillRect(paper, Qt::white);
      PaintChartItems(block.chart, *painter_, QPointF(0.5, 0.5));
      painter_->restore();
    }
    y_ += h;
  }

  // A picture as wide as the page, keeping its shape, on white paper.
  void PictureBlock(const PrintBlock& block) {
    if (!block.paint || block.pictureSize.isEmpty()) return;
    const qreal w = block.pictureSize.width();
    const qreal ph = block.pictureSize.height();
    qreal scale = width_ / w;
    const qreal fullBody = height_ - QFontMetricsF(SansFont(kHeaderPoints), &device_).lineSpacing() * 2;
    if (ph * scale > fullBody) scale = fullBody / ph;
    const qreal h = ph * scale;
    if (h > height_ - y_) Need(h);
    pageEmpty_ = false;
    if (painter_) {
      painter_->save();
      painter_->translate(0, y_);
      painter_->scale(scale, scale);
      const QRectF paper(0, 0, w, ph);
      painter_->setClipRect(paper);
      painter_->fillRect(paper, Qt::white);
      block.paint(*painter_, paper);
      painter_->restore();
    }
    y_ += h;
  }

  void TextBlock(const QStringList& lines) {
    QStringList expanded;
    qsizetype widest = 1;
    for (const QString& line : lines) {
      expanded << ExpandTabs(line);
      widest = std::max(widest, expanded.back().size());
    }
    // The largest size that holds the widest line, down to the least; longer lines wrap.
    QFont font = FixedFont(kTextPointsMax);
    for (qreal points = kTextPointsMax; points >= kTextPointsMin; points -= 0.5) {
      font = FixedFont(points);
      if (QFontMetricsF(font, &device_).horizontalAdvance(QChar('0')) * static_cast<qreal>(widest) <= width_) break;
    }
    const QFontMetricsF metrics(font, &device_);
    const qsizetype perLine =
        std::max<qsizetype>(1, static_cast<qsizetype>(std::floor(width_ / metrics.horizontalAdvance(QChar('0')))));
    for (const QString& line : expanded) {
      for (qsizetype from = 0; from == 0 || from < line.size(); from += perLine) {
        const QString piece = line.mid(from, perLine);
        // A page never starts with empty lines.
        if (piece.isEmpty() && y_ + metrics.lineSpacing() > height_) break;
        if (piece.isEmpty() && pageEmpty_) break;
        Need(metrics.lineSpacing());
        if (painter_) {
          painter_->setFont(font);
          painter_->setPen(Qt::black);
          painter_->drawText(QPointF(0, y_ + metrics.ascent()), piece);
        }
        y_ += metrics.lineSpacing();
      }
    }
  }

  void TableBlock(const PrintTable& table) {
    const int columns = static_cast<int>(table.header.size());
    if (columns == 0) return;
    // Each column as wide as its widest text; a table wider than the page in a smaller font.
    qreal points = kTablePoints;
    std::vector<qreal> widths;
    for (int pass = 0; pass < 2; ++pass) {
      const QFontMetricsF normal(SansFont(points), &device_);
      const QFontMetricsF bold(SansFont(points, true), &device_);
      const qreal pad = normal.horizontalAdvance(QChar('0'));
      widths.assign(static_cast<std::size_t>(columns), 0);
      for (int c = 0; c < columns; ++c) {
        qreal w = bold.horizontalAdvance(table.header[c]);
        for (const QStringList& row : table.rows)
          if (c < row.size()) w = std::max(w, normal.horizontalAdvance(row[c]));
        widths[static_cast<std::size_t>(c)] = w + pad;
      }
      qreal total = 0;
      for (qreal w : widths) total += w;
      if (total <= width_ || pass == 1) break;
      points = std::max(kTablePointsMin, points * width_ / total);
    }
    const QFont normalFont = SansFont(points);
    const QFont boldFont = SansFont(points, true);
    const QFontMetricsF metrics(normalFont, &device_);
    const qreal rowHeight = metrics.lineSpacing() * 1.35;
    const qreal pad = metrics.horizontalAdvance(QChar('0')) / 2;

    const auto drawRow = [&](const QStringList& cells, bool header) {
      if (!painter_) return;
      painter_->save();
      painter_->setClipRect(QRectF(0, 0, width_, height_));
      qreal x = 0;
      if (header) painter_->fillRect(QRectF(0, y_, std::min(width_, Sum(widths)), rowHeight), QColor(0xE0, 0xE0, 0xE0));
      painter_->setFont(header ? boldFont : normalFont);
      for (int c = 0; c < columns && x < width_; ++c) {
        const qreal w = widths[static_cast<std::size_t>(c)];
        const QRectF cell(x, y_, w, rowHeight);
        painter_->setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 0));
        painter_->drawRect(cell);
        painter_->setPen(Qt::black);
        if (c < cells.size())
          painter_->drawText(cell.adjusted(pad, 0, -pad / 2, 0), Qt::AlignLeft | Qt::AlignVCenter, cells[c]);
        x += w;
      }
      painter_->restore();
    };

    // The header and at least one row together.
    Need(rowHeight * (table.rows.empty() ? 1 : 2));
    drawRow(table.header, true);
    y_ += rowHeight;
    for (const QStringList& row : table.rows) {
      if (y_ + rowHeight > height_) {
        StartPage();
        pageEmpty_ = false;
        drawRow(table.header, true);
        y_ += rowHeight;
      }
      drawRow(row, false);
      y_ += rowHeight;
    }
  }

  static qreal Sum(const std::vector<qreal>& values) {
    qreal sum = 0;
    for (qreal v : values) sum += v;
    return sum;
  }

  const PrintDocument& document_;
  QPagedPaintDevice& device_;
  QPainter* painter_;
  int total_;
  qreal width_ = 0, height_ = 0;
  qreal y_ = 0;
  bool pageEmpty_ = true;
  int pages_ = 0;
};

}  // namespace

QString PrintHeaderText(const PrintHeader& header) {
  const QString dash = QString::fromUtf8(" \u2014 ");
  const QString file = header.fileName.isEmpty() ? QString("no draw file") : header.fileName;
  const QString draws = header.drawCount == 1 ? QString("1 draw") : QString("%1 draws").arg(header.drawCount);
  return file + dash + draws + (header.date.isEmpty() ? QString() : dash + header.date);
}

PrintHeader PrintHeaderOf(const QString& drawFilePath, int drawCount) {
  return {drawFilePath.isEmpty() ? QString() : QFileInfo(drawFilePath).fileName(), drawCount,
          QDate::currentDate().toString(Qt::ISODate)};
}

PrintBlock PrintBlock::OfChart(const Chart& chart, int height) {
  PrintBlock block;
  block.kind = Kind::Chart;
  block.chart = chart;
  block.chartHeight = height;
  return block;
}

PrintBlock PrintBlock::OfPicture(QSize size, std::function<void(QPainter&, const QRectF&)> paint) {
  PrintBlock block;
  block.kind = Kind::Picture;
  block.pictureSize = size;
  block.paint = std::move(paint);
  return block;
}

PrintBlock PrintBlock::OfLines(const QStringList& lines) {
  PrintBlock block;
  block.kind = Kind::Text;
  block.lines = lines;
  return block;
}

PrintBlock PrintBlock::OfTable(const PrintTable& table) {
  PrintBlock block;
  block.kind = Kind::Table;
  block.table = table;
  return block;
}

QPageLayout DefaultPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                     QPageLayout::Millimeter);
}

int PaintDocument(const PrintDocument& document, QPagedPaintDevice& device) {
  const int total = PageWriter(document, device, nullptr, 0).Run();
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  PageWriter(document, device, &painter, total).Run();
  painter.end();
  return total;
}

int CountPages(const PrintDocument& document, const QPageLayout& layout) {
  QBuffer sink;
  QPdfWriter writer(&sink);
  writer.setPageLayout(layout);
  return PageWriter(document, writer, nullptr, 0).Run();
}

std::string PdfBytes(const PrintDocument& document, const QPageLayout& layout) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(layout);
    writer.setTitle(document.title);
    writer.setCreator("Drawlyze Pick 3");
    if (PaintDocument(document, writer) == 0) return {};
  }
  return bytes.toStdString();
}

QString ExpandTabs(const QString& line) {
  QString out;
  out.reserve(line.size());
  for (QChar c : line) {
    if (c != '\t') {
      out += c;
      continue;
    }
    do out += ' ';
    while (out.size() % 8 != 0);
  }
  return out;
}

}  // namespace drawlyze
