#pragma once
// Tab-separated tables laid out as columns: each column starts after the
// widest cell of the column before it, and columns of numbers line up on
// their right edge, so rows whose cells differ in length still read as a table.

#include <QFontMetricsF>
#include <QList>
#include <QTextOption>
#include <string>
#include <vector>

class QWidget;

namespace drawlyze::gui {

struct ColumnLayout {
  QList<QTextOption::Tab> tabs;  // one stop for each column after the first
  qreal width = 0;               // the widest line, tables and text alike, laid out at those stops
};

// Lines without a tab are plain text; the first line with tabs is the header.
ColumnLayout LayOutColumns(const std::vector<std::string>& lines, const QFontMetricsF& metrics);

// Widens the window to the width (never narrows it), no wider than the screen,
// and moves it left as far as needed to keep it on the screen.
void WidenOnScreen(QWidget* window, int width);

}  // namespace drawlyze::gui
