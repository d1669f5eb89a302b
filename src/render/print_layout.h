#pragma once
// Printing without a window: what the windows show (a chart, a report's
// lines, a table) laid out on pages, each page headed by the draw file's
// name, the number of draws, the day printed and "page N of M". The windows
// print and preview through it (QPrinter is a paged device), and
// drawlyze-cli writes its PDF files with it.

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "core/chart/chart.h"

namespace drawlyze {

struct PrintHeader {
  QString fileName;  // the draw file's name, without its folder; empty: none loaded
  int drawCount = 0;
  QString date;  // the day printed, "2026-12-10"
};

// "3x10.txt — 1000 draws — 2026-12-10".
QString PrintHeaderText(const PrintHeader& header);
// The header of today, for a draw file path (its folder is left out).
PrintHeader PrintHeaderOf(const QString& drawFilePath, int drawCount);

struct PrintTable {
  QStringList header;             // repeated at the top of every page the table runs onto
  std::vector<QStringList> rows;  // a row shorter than the header leaves its last cells empty
};

// One part of a document, printed below the one before it.
struct PrintBlock {
  enum class Kind { Chart, Text, Table, Picture };
  Kind kind = Kind::Text;
  Chart chart;                            // Chart: its top chartHeight rows, as wide as the page
  int chartHeight = kChartVisibleHeight;  // (less tall pages take it smaller)
  QStringList lines;                      // Text: in a fixed-pitch font, tabs at every eighth column
  PrintTable table;                       // Table
  // Picture: painted into a size-shaped rectangle, scaled to the page's width
  std::function<void(QPainter&, const QRectF&)> paint;
  QSize pictureSize;
  static PrintBlock OfChart(const Chart& chart, int height = kChartVisibleHeight);
  static PrintBlock OfLines(const QStringList& lines);
  static PrintBlock OfTable(const PrintTable& table);
  static PrintBlock OfPicture(QSize size, std::function<void(QPainter&, const QRectF&)> paint);
};

struct PrintDocument {
  QString title;  // what is printed, at the right of every page's header: "Skips", "Table"
  PrintHeader header;
  std::vector<PrintBlock> blocks;
};

// A4 upright with margins of 15 millimetres.
QPageLayout DefaultPageLayout();

// Paints the document on the device's pages (its page layout set) and returns
// the number of pages. A document with nothing in it is one page, its header.
int PaintDocument(const PrintDocument& document, QPagedPaintDevice& device);
// The number of pages the document takes on pages of that layout, nothing painted.
int CountPages(const PrintDocument& document, const QPageLayout& layout = DefaultPageLayout());
// The document as a PDF file's bytes. Needs a QGuiApplication (PaintingApplication).
std::string PdfBytes(const PrintDocument& document, const QPageLayout& layout = DefaultPageLayout());

// Text lines in the fixed-pitch layout the pages use: tabs expanded to the
// next multiple of eight columns.
QString ExpandTabs(const QString& line);

}  // namespace drawlyze
