#include "gui/form_memo.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>

#include "gui/form_backtest_chart.h"
#include "gui/key_preview.h"
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
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);  // a line wider than the window scrolls
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
  Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Memo1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu* menu = Memo1->createStandardContextMenu(at);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    menu->addAction(SaveAs1);
    menu->popup(Memo1->viewport()->mapToGlobal(at));
  });
  // The text fills the whole client area: the pages show no tab bar and no
  // frame while the report is their only page.
  Splitter1 = new QSplitter(Qt::Horizontal);
  Splitter1->setObjectName("Splitter1");
  Splitter1->setChildrenCollapsible(false);
  Splitter1->addWidget(Memo1);
  Chart1 = new TForm_backtest_chart;
  Chart1->hide();
  Splitter1->addWidget(Chart1);
  Splitter1->setStretchFactor(0, 0);
  Splitter1->setStretchFactor(1, 1);  // a wider window widens the chart
  Pages1 = new QTabWidget(this);
  Pages1->setObjectName("Pages1");
  Pages1->setDocumentMode(true);
  Pages1->setTabBarAutoHide(true);
  Pages1->addTab(Splitter1, "Report");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Pages1);
  FormCreate();
}

void TForm_memo::FormCreate() { drawlyze::gui::PlaceAtTop(this, 600, 100); }

void TForm_memo::SetLines(const std::vector<std::string>& lines, Tabs tabs) {
  drawlyze::gui::ColumnLayout columns;
  if (tabs == Tabs::Columns) columns = drawlyze::gui::LayOutColumns(lines, QFontMetricsF(Memo1->font()));
  QTextOption option = Memo1->document()->defaultTextOption();
  option.setTabs(columns.tabs);
  Memo1->document()->setDefaultTextOption(option);
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

namespace {

// The height the text needs to show its lines down to its table's last row.
int HeightToTableEnd(const QPlainTextEdit* text) {
  int last = 0;
  for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next())
    if (block.text().contains('\t')) last = block.blockNumber();
  return (last + 2) * QFontMetrics(text->font()).lineSpacing() +
         2 * static_cast<int>(text->document()->documentMargin()) + 2 * text->frameWidth() +
         text->horizontalScrollBar()->sizeHint().height();
}

}  // namespace

void TForm_memo::ShowChart(const drawlyze::BacktestResult& result) {
  Chart1->SetResult(result);
  if (!chartShown_) alone_ = geometry();
  chartShown_ = true;
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  constexpr int kFrameGuess = 8;  // a frame's left and right edges, before the first showing
  const int frame = std::max(frameGeometry().width() - width(), kFrameGuess);
  const int report = width();
  const int room = area.width() - frame - report - Splitter1->handleWidth();
  Chart1->setMinimumHeight(0);
  if (room >= TForm_backtest_chart::kMinWidth) {  // beside the text, the window widened
    const int chart = std::min(room, TForm_backtest_chart::kMaxWidth);
    Splitter1->setOrientation(Qt::Horizontal);
    Splitter1->addWidget(Chart1);
    Chart1->show();
    resize(report + Splitter1->handleWidth() + chart, height());
    Splitter1->setSizes({report, chart});
    move(area.x() + (area.width() - frame - width()) / 2, y());  // centred, as the report alone
  } else if (const int table = HeightToTableEnd(Memo1);
             height() - Splitter1->handleWidth() >= table + TForm_backtest_chart::kMinHeight) {  // below the table
    Splitter1->setOrientation(Qt::Vertical);
    Splitter1->addWidget(Chart1);
    Chart1->setMinimumHeight(TForm_backtest_chart::kMinHeight);
    Chart1->show();
    Splitter1->setSizes({table, height() - Splitter1->handleWidth() - table});
  } else {  // on a tab of its own, the report's shown first
    Pages1->addTab(Chart1, Chart1->windowTitle());
    Pages1->setCurrentIndex(0);
  }
}

void TForm_memo::HideChart() {
  if (!chartShown_) return;
  chartShown_ = false;
  if (const int tab = Pages1->indexOf(Chart1); tab >= 0) Pages1->removeTab(tab);
  Chart1->hide();
  if (!isMaximized() && !isFullScreen()) setGeometry(alone_);
}

void TForm_memo::SaveAs1Click() { drawlyze::gui::SaveReportAs(windowTitle(), Memo1->toPlainText(), this); }

bool TForm_memo::FormKeyDown(QKeyEvent* event) {
  if (event->key() == Qt::Key_S && (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
    SaveAs1Click();
    return true;
  }
  if (event->key() != Qt::Key_Escape) return false;
  // With the chart open Esc closes the report and its chart.
  if (chartShown_)
    reject();
  else
    drawlyze::gui::ToggleMaximised(this);
  return true;
}
