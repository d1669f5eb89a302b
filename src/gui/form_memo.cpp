#include "gui/form_memo.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>

#include "gui/key_preview.h"
#include "gui/print_actions.h"
#include "gui/report_columns.h"
#include "gui/save_actions.h"
#include "gui/styled_controls.h"

TForm_memo::TForm_memo(QWidget* parent) : QDialog(parent) {
  setObjectName("Form_memo");
  setWindowTitle("Statistics");
  // A sizeable window that can be maximised, not a fixed dialog.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setAccessibleName("Report");
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);  // a long line runs off to the right
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Tab stops every eight average characters, as a plain edit control has them.
  Memo1->setTabStopDistance(8 * QFontMetrics(Memo1->font()).averageCharWidth());
  // The window sees keys before its text control; Esc toggles the size
  // instead of closing the dialog.
  drawlyze::gui::PreviewKeys(this, {Memo1}, [this](QKeyEvent* event) { return FormKeyDown(event); });
  SaveAs1 = new QAction("Save As\u2026", this);
  SaveAs1->setObjectName("SaveAs1");
  SaveAs1->setShortcut(QKeySequence::Save);  // shown in the menu; FormKeyDown takes the key
  SaveAs1->setShortcutContext(Qt::WidgetShortcut);
  connect(SaveAs1, &QAction::triggered, this, [this] { SaveAs1Click(); });
  Printing = new drawlyze::gui::PrintActions(this, [this] {
    return drawlyze::PrintDocument{windowTitle(),
                                   PrintHeaderSource ? PrintHeaderSource() : drawlyze::PrintHeader{},
                                   {drawlyze::PrintBlock::OfLines(drawlyze::gui::PrintLinesOf(Memo1->toPlainText()))}};
  });
  Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Memo1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu* menu = Memo1->createStandardContextMenu(at);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    menu->addAction(SaveAs1);
    menu->addSeparator();
    menu->addActions(Printing->Entries());
    menu->popup(Memo1->viewport()->mapToGlobal(at));
  });
  auto* layout = new QVBoxLayout(this);  // the text fills the whole client area
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Memo1);
  FormCreate();
}

void TForm_memo::FormCreate() { drawlyze::gui::PlaceAtTop(this, 600, 100); }

void TForm_memo::SetLines(const std::vector<std::string>& lines, Tabs tabs) {
  drawlyze::gui::ColumnLayout columns;
  if (tabs == Tabs::Columns) columns = drawlyze::gui::LayOutColumns(lines, QFontMetricsF(Memo1->font()));
  QTextOption option = Memo1->document()->defaultTextOption();
  option.setTabs(columns.tabs);
  Memo1->document()->setDefaultTextOption(option);
  Memo1->setHorizontalScrollBarPolicy(tabs == Tabs::Columns ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  if (tabs == Tabs::Columns) {
    const int margins = 2 * static_cast<int>(Memo1->document()->documentMargin()) + 2 * Memo1->frameWidth() +
                        Memo1->verticalScrollBar()->sizeHint().width();
    drawlyze::gui::WidenOnScreen(this, static_cast<int>(std::ceil(columns.width)) + margins + 4);
  }

  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 1;
  std::string text;
  text.reserve(size);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines[i];
  }
  Memo1->setPlainText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void TForm_memo::SaveAs1Click() { drawlyze::gui::SaveReportAs(windowTitle(), Memo1->toPlainText(), this); }

bool TForm_memo::FormKeyDown(QKeyEvent* event) {
  if (event->key() == Qt::Key_S && (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
    SaveAs1Click();
    return true;
  }
  if (event->key() != Qt::Key_Escape) return false;
  drawlyze::gui::ToggleMaximised(this);
  return true;
}
