// Printed pages: the header line, tabs in the fixed-pitch text, where the
// pages break (a full page of lines, a line too wide that wraps, blank lines
// that never start a page), the table's header row on every page it runs
// onto, and a PDF that a reader opens with the pages counted.
#include "render/print_layout.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>

#include "render/chart_files.h"

namespace drawlyze {
namespace {

PrintDocument TextDocument(const QStringList& lines) {
  return {"Sum", {"3x10.txt", 4, "2026-12-10"}, {PrintBlock::OfLines(lines)}};
}

QStringList Lines(int n, const QString& text = "000\t\t12\t\t3") {
  QStringList lines;
  for (int i = 0; i < n; ++i) lines << text;
  return lines;
}

// How many lines of text fill a page: one more starts a second.
int LinesPerPage() {
  int n = 1;
  while (CountPages(TextDocument(Lines(n + 1))) == 1) ++n;
  return n;
}

// The output of a command, empty when it cannot run.
std::string Output(const std::string& command) {
  std::string out;
  const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) out.append(buffer, n);
  return out;
}

bool HavePoppler() { return !Output("command -v pdfinfo && command -v pdftotext").empty(); }

int PdfPages(const QString& path) {
  const std::string info = Output("pdfinfo '" + path.toStdString() + "' 2>/dev/null");
  const auto at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

QString WritePdf(const QTemporaryDir& dir, const PrintDocument& document) {
  const QString path = dir.filePath("out.pdf");
  std::ofstream(path.toStdString(), std::ios::binary) << PdfBytes(document);
  return path;
}

TEST(PrintLayout, HeaderNamesTheFileTheDrawsAndTheDay) {
  struct Case {
    PrintHeader header;
    const char* text;
  };
  for (const Case& c : std::vector<Case>{
           {{"3x10.txt", 1000, "2026-12-10"}, "3x10.txt \u2014 1000 draws \u2014 2026-12-10"},
           {{"pick3.txt", 1, "2026-01-02"}, "pick3.txt \u2014 1 draw \u2014 2026-01-02"},
           {{"", 0, "2026-01-02"}, "no draw file \u2014 0 draws \u2014 2026-01-02"},
       })
    EXPECT_EQ(PrintHeaderText(c.header), QString::fromUtf8(c.text));
  EXPECT_EQ(PrintHeaderOf("/data/draws/3x10.txt", 7).fileName, "3x10.txt");
}

TEST(PrintLayout, TabsStopAtEveryEighthColumn) {
  struct Case {
    const char* line;
    const char* expanded;
  };
  for (const Case& c : std::vector<Case>{
           {"", ""},
           {"\t", "        "},
           {"1 2 5\t\t16", "1 2 5           16"},
           {"Combination\tFrequency", "Combination     Frequency"},
           {"12345678\tx", "12345678        x"},
       })
    EXPECT_EQ(ExpandTabs(c.line), c.expanded) << c.line;
}

TEST(PrintLayout, TextRunsOntoAsManyPagesAsItFills) {
  const PaintingApplication app;
  const int perPage = LinesPerPage();
  // 9-point lines on an A4 page less its margins and header: about seventy.
  EXPECT_GT(perPage, 55);
  EXPECT_LT(perPage, 80);
  EXPECT_EQ(CountPages(TextDocument({})), 1);  // the header alone
  EXPECT_EQ(CountPages(TextDocument(Lines(3 * perPage))), 3);
  EXPECT_EQ(CountPages(TextDocument(Lines(3 * perPage + 1))), 4);
  // Blank lines after a full page start no page of their own.
  EXPECT_EQ(CountPages(TextDocument(Lines(perPage) + Lines(5, ""))), 1);
  // A line wider than the page, even in the smallest size, wraps onto the next rows instead of being cut.
  EXPECT_EQ(CountPages(TextDocument({QString(20000, 'x')})), 2);
}

TEST(PrintLayout, ChartAndItsTextShareTheFirstPage) {
  const PaintingApplication app;
  Chart chart;
  chart.TextOut(2, 5, "Number/Last Skip/Skip Median:");
  const PrintDocument shown{"Skips", {}, {PrintBlock::OfChart(chart), PrintBlock::OfLines(Lines(20))}};
  EXPECT_EQ(CountPages(shown), 1);
  // The chart takes about half the page: a page of text after it runs onto a second.
  const PrintDocument longer{"Skips", {}, {PrintBlock::OfChart(chart), PrintBlock::OfLines(Lines(LinesPerPage()))}};
  EXPECT_EQ(CountPages(longer), 2);
  // On a landscape page the chart is scaled to the page's height and still fits.
  QPageLayout landscape = DefaultPageLayout();
  landscape.setOrientation(QPageLayout::Landscape);
  EXPECT_EQ(CountPages(PrintDocument{"Skips", {}, {PrintBlock::OfChart(chart)}}, landscape), 1);
}

TEST(PrintLayout, PdfOfAReportHasOnePagePerPageLaidOut) {
  if (!HavePoppler()) GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";
  const PaintingApplication app;
  const QTemporaryDir dir;
  const int perPage = LinesPerPage();
  for (int lines : {1, perPage, 2 * perPage + 1}) {
    const PrintDocument report = TextDocument(Lines(lines));
    const int expected = (lines + perPage - 1) / perPage;
    ASSERT_EQ(CountPages(report), expected) << lines << " lines";
    EXPECT_EQ(PdfPages(WritePdf(dir, report)), expected) << lines << " lines";
  }
  const QString path = WritePdf(dir, TextDocument(Lines(perPage + 1)));
  const std::string last = Output("pdftotext -layout -f 2 -l 2 '" + path.toStdString() + "' -");
  EXPECT_NE(last.find("3x10.txt \u2014 4 draws \u2014 2026-12-10"), std::string::npos) << last;
  EXPECT_NE(last.find("Sum \u2014 page 2 of 2"), std::string::npos) << last;
  EXPECT_NE(last.find("000"), std::string::npos) << last;
  // Nothing of a long line is cut off at the page's edge.
  const std::string wide =
      Output("pdftotext '" + WritePdf(dir, TextDocument({QString(400, 'y')})).toStdString() + "' -");
  EXPECT_EQ(std::count(wide.begin(), wide.end(), 'y'), 400);
}

TEST(PrintLayout, LongTableRepeatsItsHeaderRowOnEveryPage) {
  if (!HavePoppler()) GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";
  const PaintingApplication app;
  const QTemporaryDir dir;
  PrintTable table{{"Draw", "Date", "A1", "Sum"}, {}};
  for (int i = 1; i <= 300; ++i) table.rows.push_back({QString::number(i), "01.01.2011", "3", QString::number(i % 28)});
  const PrintDocument document{"Table", {"3x10.txt", 300, "2026-12-10"}, {PrintBlock::OfTable(table)}};
  const int pages = CountPages(document);
  ASSERT_GT(pages, 3);
  const QString path = WritePdf(dir, document);
  ASSERT_EQ(PdfPages(path), pages);
  int rows = 0;
  for (int page = 1; page <= pages; ++page) {
    const std::string text = Output("pdftotext -layout -f " + std::to_string(page) + " -l " + std::to_string(page) +
                                    " '" + path.toStdString() + "' -");
    EXPECT_NE(text.find("Draw"), std::string::npos) << "page " << page;
    EXPECT_NE(text.find("Sum"), std::string::npos) << "page " << page;
    for (auto at = text.find("01.01.2011"); at != std::string::npos; at = text.find("01.01.2011", at + 1)) ++rows;
  }
  EXPECT_EQ(rows, 300);  // every row once, none cut at a page break
}

TEST(PrintLayout, WideTableShrinksToThePageWidth) {
  const PaintingApplication app;
  PrintTable table;
  for (int c = 0; c < 14; ++c) table.header << QString("Column %1").arg(c);
  table.rows.push_back(table.header);
  // Fourteen wide columns still take one page: the font gets smaller, the table no taller than a page.
  EXPECT_EQ(CountPages(PrintDocument{"Table", {}, {PrintBlock::OfTable(table)}}), 1);
}

}  // namespace
}  // namespace drawlyze
