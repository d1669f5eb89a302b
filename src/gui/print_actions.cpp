#include "gui/print_actions.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTableWidget>

#include "gui/message_box.h"
#include "gui/model.h"
#include "gui/save_actions.h"

namespace drawlyze::gui {

std::function<bool(QPrinter&)> g_printDialogHook;
std::function<void(QPrintPreviewDialog&)> g_printPreviewHook;

namespace {

QAction* MakeAction(QWidget* window, const char* name, const QString& text, std::function<void()> handler) {
  auto* action = new QAction(text, window);
  action->setObjectName(name);
  QObject::connect(action, &QAction::triggered, window, [handler = std::move(handler)] { handler(); });
  window->addAction(action);
  return action;
}

void SetUp(QPrinter& printer, const PrintDocument& document) {
  printer.setPageLayout(DefaultPageLayout());
  printer.setDocName(document.title);
  printer.setCreator("Drawlyze Pick 3");
}

}  // namespace

PrintActions::PrintActions(QWidget* window, Source source, Actions actions)
    : QObject(window), window_(window), source_(std::move(source)) {
  if (actions == Actions::None) return;
  Print1 = MakeAction(window, "Print1", "&Print\u2026", [this] { Print(); });
  Print1->setShortcuts(QKeySequence::Print);
  Print1->setShortcutContext(Qt::WindowShortcut);
  PrintPreview1 = MakeAction(window, "PrintPreview1", "Print pre&view\u2026", [this] { Preview(); });
  ExportPdf1 = MakeAction(window, "ExportPdf1", "E&xport PDF\u2026", [this] { ExportPdf(); });
  window->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void PrintActions::Print() const {
  const PrintDocument document = source_();
  QPrinter printer(QPrinter::HighResolution);
  SetUp(printer, document);
  const bool accepted =
      g_printDialogHook ? g_printDialogHook(printer) : QPrintDialog(&printer, window_).exec() == QDialog::Accepted;
  if (accepted && PaintDocument(document, printer) == 0) ShowMessage("Error - the pages cannot be printed!", window_);
}

void PrintActions::Preview() const {
  const PrintDocument document = source_();
  QPrinter printer(QPrinter::HighResolution);
  SetUp(printer, document);
  QPrintPreviewDialog dialog(&printer, window_);
  dialog.setObjectName("PrintPreviewDialog1");
  dialog.setWindowTitle("Print preview \u2014 " + document.title);
  connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
          [&document](QPrinter* pages) { PaintDocument(document, *pages); });
  if (g_printPreviewHook)
    g_printPreviewHook(dialog);
  else
    dialog.exec();
}

void PrintActions::ExportPdf() const {
  const PrintDocument document = source_();
  const SaveTarget target = AskSaveTarget(document.title, {"PDF (*.pdf)"}, 0, window_);
  if (!target.path.isEmpty()) WriteSavedFile(target.path, PdfBytes(document), window_, false);
}

PrintHeader PrintHeaderOf(const Model& model) {
  return drawlyze::PrintHeaderOf(QString::fromStdString(model.drawFile), model.history.Count());
}

PrintTable PrintTableOf(const QTableWidget* table) {
  PrintTable out;
  for (int c = 0; c < table->columnCount(); ++c) {
    const QTableWidgetItem* item = table->horizontalHeaderItem(c);
    out.header << (item ? item->text() : QString());
  }
  for (int r = 0; r < table->rowCount(); ++r) {
    QStringList row;
    for (int c = 0; c < table->columnCount(); ++c) {
      const QTableWidgetItem* item = table->item(r, c);
      row << (item ? item->text() : QString());
    }
    out.rows.push_back(row);
  }
  return out;
}

QStringList PrintLinesOf(const QString& text) {
  QStringList lines = text.split('\n');
  for (QString& line : lines)
    if (line.endsWith('\r')) line.chop(1);
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace drawlyze::gui
