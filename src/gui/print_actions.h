#pragma once
// "Print...", "Print preview..." and "Export PDF..." of what a window shows:
// the window hands over a document (its chart, text or table) and the render
// layer lays out the pages; the PDF goes through the save path like every
// other file (written whole, a failure named in a message).

#include <QAction>
#include <QObject>
#include <QStringList>
#include <functional>

#include "render/print_layout.h"

class QKeyEvent;
class QPrinter;
class QPrintPreviewDialog;
class QTableWidget;

namespace drawlyze::gui {

class Model;

class PrintActions : public QObject {
 public:
  using Source = std::function<PrintDocument()>;
  // With Actions::OnWindow the three entries are actions of the window, named
  // Print1, PrintPreview1 and ExportPdf1, Ctrl+P (the platform's Print key)
  // on Print1 and all three in a right click on the window; with
  // Actions::None the window puts the entries where it shows them (a menu bar)
  // and calls the handlers itself.
  enum class Actions { None, OnWindow };
  PrintActions(QWidget* window, Source source, Actions actions = Actions::OnWindow);

  QAction* Print1 = nullptr;
  QAction* PrintPreview1 = nullptr;
  QAction* ExportPdf1 = nullptr;
  // The three in order, for a context menu the window builds.
  QList<QAction*> Entries() const { return {Print1, PrintPreview1, ExportPdf1}; }

  void Print() const;
  void Preview() const;
  void ExportPdf() const;

 private:
  QWidget* window_;
  Source source_;
};

// The header of the model's draws, today.
PrintHeader PrintHeaderOf(const Model& model);
// A table widget's header texts and cells.
PrintTable PrintTableOf(const QTableWidget* table);
// A text control's text as lines.
QStringList PrintLinesOf(const QString& text);

// Test hooks: instead of the print dialog (true: print on the printer as
// set), and instead of running the preview dialog.
extern std::function<bool(QPrinter& printer)> g_printDialogHook;
extern std::function<void(QPrintPreviewDialog& dialog)> g_printPreviewHook;

}  // namespace drawlyze::gui
