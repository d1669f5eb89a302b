// Printing from the windows: the main window, the report window, the Table,
// Plays and Filters windows each print, preview and export what they show;
// the PDF written or printed opens with the pages the layout counted, and the
// preview shows as many.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>
#include <cstdio>
#include <memory>

#include "core/model/draw_model.h"
#include "core/reports/reports.h"
#include "forms_test.h"
#include "gui/form_filters.h"
#include "gui/form_memo.h"
#include "gui/form_plays.h"
#include "gui/form_table.h"
#include "gui/form_trends.h"

namespace drawlyze {
namespace {

using testing::kFourDraws;

std::string Output(const std::string& command) {
  std::string out;
  const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) out.append(buffer, n);
  return out;
}

bool HavePdfInfo() { return !Output("command -v pdfinfo").empty(); }

int PdfPages(const QString& path) {
  const std::string info = Output("pdfinfo '" + path.toStdString() + "' 2>/dev/null");
  const auto at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

class PrintActionsTest : public testing::FormsTest {
 protected:
  void SetUp() override { OpenForms(kFourDraws); }

  // Export PDF... into the folder; the file's path.
  QString Export(gui::PrintActions* printing, const QString& name) {
    const QString pdf = dir.filePath(name);
    proposed.clear();
    gui::g_saveFileTypeHook = [&, pdf](const QString& offered, const QStringList& types, int&) {
      proposed = QFileInfo(offered).fileName() + ":" + types.join(',');
      return pdf;
    };
    printing->ExportPdf();
    return pdf;
  }
  // The pages the preview dialog shows.
  int PreviewPages(gui::PrintActions* printing) {
    int pages = -1;
    gui::g_printPreviewHook = [&](QPrintPreviewDialog& dialog) {
      auto* preview = dialog.findChild<QPrintPreviewWidget*>();
      if (!preview) return;
      preview->updatePreview();
      pages = preview->pageCount();
    };
    printing->Preview();
    return pages;
  }

  QString proposed;
};

TEST_F(PrintActionsTest, MainWindowPrintsTheChartAndItsText) {
  if (!HavePdfInfo()) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
  const PrintDocument document = main->PrintedDocument();
  ASSERT_EQ(document.blocks.size(), 2u);
  EXPECT_EQ(document.blocks[0].kind, PrintBlock::Kind::Chart);
  EXPECT_EQ(document.title, "Skips");
  EXPECT_EQ(document.header.fileName, "3x10.txt");
  EXPECT_EQ(document.header.drawCount, 4);
  EXPECT_EQ(document.blocks[1].lines.join("\r\n") + "\r\n", main->CopyText());
  ASSERT_EQ(CountPages(document), 1);

  // Print... on a printer writing a PDF file, as a print dialog set to a file would leave it.
  const QString printed = dir.filePath("printed.pdf");
  gui::g_printDialogHook = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    return true;
  };
  main->MenuBar1->findChild<QAction*>("Print1")->trigger();
  EXPECT_EQ(PdfPages(printed), 1);

  const QString exported = Export(main->Printing, "chart.pdf");
  EXPECT_EQ(proposed, "Skips.pdf:PDF (*.pdf)");
  EXPECT_EQ(PdfPages(exported), 1);
  EXPECT_EQ(PreviewPages(main->Printing), 1);
}

TEST_F(PrintActionsTest, ReportRunsOntoThePagesItFills) {
  if (!HavePdfInfo()) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
  TForm_memo* memo = forms->Form_memo;
  memo->setWindowTitle("Exact Triples");
  const ReportInfo* report = FindReportByName("Exact Triples");
  ASSERT_NE(report, nullptr);
  memo->SetLines(report->run(MakeReportInput(model, "")));
  const PrintDocument document = PrintDocument{
      "Exact Triples", gui::PrintHeaderOf(model), {PrintBlock::OfLines(gui::PrintLinesOf(memo->Memo1->toPlainText()))}};
  const int pages = CountPages(document);
  // Two tables of a thousand triples, about seventy lines a page.
  EXPECT_GT(pages, 20);
  EXPECT_LT(pages, 40);
  const QString pdf = Export(memo->Printing, "report.pdf");
  EXPECT_EQ(proposed, "Exact Triples.pdf:PDF (*.pdf)");
  EXPECT_EQ(PdfPages(pdf), pages);
  EXPECT_EQ(PreviewPages(memo->Printing), pages);
  // The three entries stand below "Save As..." in the text's menu; Ctrl+P prints.
  EXPECT_EQ(memo->Printing->Print1->shortcuts(), QKeySequence::keyBindings(QKeySequence::Print));
  EXPECT_EQ(memo->findChild<QAction*>("PrintPreview1"), memo->Printing->PrintPreview1);
}

TEST_F(PrintActionsTest, TablePlaysAndFiltersExportWhatTheyShow) {
  if (!HavePdfInfo()) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
  forms->Form_Table->show();   // the showing fills the grid
  forms->Form_trends->show();  // and draws the chart
  const struct {
    QWidget* window;
    gui::PrintActions* printing;
    const char* title;
  } windows[] = {{forms->Form_Table, forms->Form_Table->Printing, "Table"},
                 {forms->Form_plays, forms->Form_plays->Printing, "Plays"},
                 {forms->Form_filters, forms->Form_filters->Printing, "Filters"},
                 {forms->Form_trends, forms->Form_trends->Printing, "Trends Skip"}};
  for (const auto& w : windows) {
    SCOPED_TRACE(w.title);
    ASSERT_NE(w.printing, nullptr);
    for (const char* name : {"Print1", "PrintPreview1", "ExportPdf1"})
      EXPECT_TRUE(w.window->actions().contains(w.window->findChild<QAction*>(name))) << name;
    const QString pdf = Export(w.printing, QString(w.title) + ".pdf");
    EXPECT_EQ(proposed, QString(w.title) + ".pdf:PDF (*.pdf)");
    EXPECT_GE(PdfPages(pdf), 1);
    EXPECT_EQ(PreviewPages(w.printing), PdfPages(pdf));
    int asked = 0;
    gui::g_printDialogHook = [&](QPrinter&) {
      ++asked;
      return false;
    };
    w.printing->Print1->trigger();
    EXPECT_EQ(asked, 1);
  }
  // The Table's four draws: a header row and four rows on one page.
  EXPECT_EQ(PdfPages(dir.filePath("Table.pdf")), 1);
}

TEST_F(PrintActionsTest, CtrlPPrintsInEveryWindowThatPrints) {
  int asked = 0;
  gui::g_printDialogHook = [&](QPrinter&) {
    ++asked;
    return false;
  };
  const QKeySequence print = QKeySequence::keyBindings(QKeySequence::Print).value(0);
  ASSERT_FALSE(print.isEmpty());
  const QKeyCombination key = print[0];
  const struct {
    QWidget* window;
    QWidget* focus;  // where the keys go
  } windows[] = {{main, main->StringGrid1},
                 {forms->Form_memo, forms->Form_memo->Memo1},
                 {forms->Form_Table, forms->Form_Table->StringGrid1},
                 {forms->Form_plays, forms->Form_plays->Edit_number},
                 {forms->Form_filters, forms->Form_filters}};
  for (const auto& w : windows) {
    SCOPED_TRACE(w.window->objectName().toStdString());
    w.window->show();
    QApplication::setActiveWindow(w.window);
    w.focus->setFocus();
    const int before = asked;
    QTest::keyClick(w.focus, key.key(), key.keyboardModifiers());
    EXPECT_EQ(asked, before + 1);
    w.window->hide();
  }
}

TEST_F(PrintActionsTest, AFileThatCannotBeWrittenIsNamedAndNotLeftHalf) {
  const QString missing = dir.filePath("missing/chart.pdf");
  gui::g_saveFileTypeHook = [&](const QString&, const QStringList&, int&) { return missing; };
  messages.clear();
  main->Printing->ExportPdf();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("missing")) << messages[0].toStdString();
  EXPECT_FALSE(QFile::exists(missing));
}

}  // namespace
}  // namespace drawlyze
