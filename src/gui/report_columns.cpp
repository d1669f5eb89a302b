#include "gui/report_columns.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <algorithm>

namespace drawlyze::gui {
namespace {

// "6660", "0.6611", "-0.72", "3.7e-79", "<1e-300", and "-" for no value.
bool LooksNumeric(const QString& cell) {
  if (cell == "-") return true;
  bool digit = false;
  for (const QChar c : cell) {
    if (c.isDigit())
      digit = true;
    else if (!QStringLiteral(".-+e<").contains(c))
      return false;
  }
  return digit;
}

}  // namespace

ColumnLayout LayOutColumns(const std::vector<std::string>& lines, const QFontMetricsF& metrics) {
  std::vector<QStringList> rows;
  ColumnLayout layout;
  for (const std::string& line : lines) {
    const QString text = QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
    if (text.contains('\t'))
      rows.push_back(text.split('\t'));
    else
      layout.width = std::max(layout.width, metrics.horizontalAdvance(text));
  }
  std::size_t columns = 0;
  for (const QStringList& row : rows) columns = std::max(columns, static_cast<std::size_t>(row.size()));
  std::vector<qreal> widths(columns, 0);
  std::vector<bool> numeric(columns, rows.size() > 1);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (qsizetype c = 0; c < rows[r].size(); ++c) {
      const auto j = static_cast<std::size_t>(c);
      widths[j] = std::max(widths[j], metrics.horizontalAdvance(rows[r][c]));
      if (r > 0 && !LooksNumeric(rows[r][c])) numeric[j] = false;
    }
  // Three blanks between columns; the first column is never right-aligned.
  const qreal gap = 3 * metrics.horizontalAdvance(' ');
  qreal start = 0;
  std::vector<qreal> ends(columns, 0);
  for (std::size_t j = 0; j < columns; ++j) {
    if (j > 0) {
      start = ends[j - 1] + gap;
      layout.tabs.append(numeric[j] ? QTextOption::Tab(start + widths[j], QTextOption::RightTab)
                                    : QTextOption::Tab(start, QTextOption::LeftTab));
    }
    ends[j] = start + widths[j];
  }
  if (columns > 0) layout.width = std::max(layout.width, ends.back());
  return layout;
}

void WidenOnScreen(QWidget* window, int width) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
  const int frame = window->frameGeometry().width() - window->width();
  width = std::min(width, area.width() - frame);
  if (width <= window->width()) return;
  window->resize(width, window->height());
  const int overhang = window->x() + width + frame - (area.x() + area.width());
  if (overhang > 0) window->move(std::max(area.x(), window->x() - overhang), window->y());
}

}  // namespace drawlyze::gui
