#include "core/chart/chart.h"

#include <cstdio>

namespace drawlyze {

void Chart::TextOut(int x, int y, std::string text, const TextStyle& style) {
  ChartItem item;
  item.kind = ChartItem::Kind::Text;
  item.text = ChartText{x, y, style.font, style.brush, style.bold, std::move(text)};
  items.push_back(std::move(item));
}

void Chart::LineTo(int x1, int y1, int x2, int y2) {
  ChartItem item;
  item.kind = ChartItem::Kind::Line;
  item.line = ChartLine{x1, y1, x2, y2, pen};
  items.push_back(std::move(item));
}

std::string Chart::CopyText() const {
  std::string out;
  for (const std::string& line : copyLines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::string FormatRgb(Rgb colour) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(colour & 0xFFFFFFu));
  return buf;
}

std::string FormatChartListing(const Chart& chart) {
  std::string out;
  for (const ChartItem& item : chart.items) {
    if (item.kind == ChartItem::Kind::Text) {
      const ChartText& t = item.text;
      out += "text " + std::to_string(t.x) + ' ' + std::to_string(t.y) + ' ' + FormatRgb(t.font) + ' ' +
             FormatRgb(t.brush) + (t.bold ? " bold " : " normal ") + t.text + '\n';
    } else {
      const ChartLine& l = item.line;
      out += "line " + std::to_string(l.x1) + ' ' + std::to_string(l.y1) + ' ' + std::to_string(l.x2) + ' ' +
             std::to_string(l.y2) + ' ' + FormatRgb(l.pen) + '\n';
    }
  }
  return out;
}

}  // namespace drawlyze
