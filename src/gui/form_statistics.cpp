#include "gui/form_statistics.h"

#include <QSignalBlocker>

#include "core/backtest/backtest.h"
#include "core/backtest/randomness.h"
#include "core/model/draw_model.h"
#include "core/reports/reports.h"
#include "gui/count_combo.h"
#include "gui/form_memo.h"
#include "gui/form_table.h"
#include "gui/forms.h"
#include "gui/latin1.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "gui/styled_controls.h"

using namespace drawlyze;
using drawlyze::gui::Latin1;

TForm_statistics::TForm_statistics(gui::Model& model, const gui::Forms& forms, QWidget* parent)
    : QDialog(parent), model_(model), forms_(forms) {
  // One row taller than designed, for the Backtest and Randomness buttons.
  drawlyze::gui::MakeFixedDialog(this, "Form_statistics", "Statistics", 378, 296 + 32);

  // Two columns of buttons, x = 8 and x = 200, rows 32 pixels apart; the
  // Table button below the reports.
  const auto placeButton = [](QPushButton* button, const char* name, ButtonPlace p) {
    drawlyze::gui::PlaceControls({{button, name, 8 + 192 * p.column, 8 + 32 * p.row, 169, 25}});
    drawlyze::gui::StyleButtons({button});
  };
  for (const ReportInfo& report : AllReports()) {
    auto* button = new QPushButton(Latin1(report.caption), this);
    placeButton(button, report.buttonName, report.place);
    connect(button, &QPushButton::clicked, this, [this, &report, button] { ReportButtonClick(report, button); });
    ReportButtons.push_back(button);
  }
  xpButton_table = new QPushButton("Table", this);
  placeButton(xpButton_table, "xpButton_table", {0, 6});
  connect(xpButton_table, &QPushButton::clicked, this, [this] { xpButton_tableClick(); });
  xpButton_Backtest = new QPushButton("Backtest", this);
  placeButton(xpButton_Backtest, "xpButton_Backtest", {0, 7});
  connect(xpButton_Backtest, &QPushButton::clicked, this, [this] { xpButton_BacktestClick(); });
  xpButton_Randomness = new QPushButton("Randomness", this);
  placeButton(xpButton_Randomness, "xpButton_Randomness", {1, 7});
  connect(xpButton_Randomness, &QPushButton::clicked, this, [this] { xpButton_RandomnessClick(); });

  ComboBox_last_draws = new QComboBox(this);
  Label_last_draws = new QLabel("Use Last Draws:", this);
  drawlyze::gui::PlaceControls({
      {ComboBox_last_draws, "ComboBox_last_draws", 280, 264 + 32, 89, 22},  // kept at the bottom edge
      {Label_last_draws, "Label_last_draws", 184, 270 + 32, 90, 13},
  });
  drawlyze::gui::AcceptTypedCount(ComboBox_last_draws);
  ComboBox_last_draws->setMaxVisibleItems(20);

  FormCreate();
}

void TForm_statistics::FormCreate() {
  drawlyze::gui::FillBackground(Label_last_draws);

  // Filled from the draws loaded by then, all of them selected, and again
  // after every load: a list left at the first file's count would make the
  // reports count a part of a longer file, or more draws than a shorter one has.
  const int count = model_.history.Count();
  drawlyze::gui::FillCounts(ComboBox_last_draws, count);
  model_.selection.reportLastDraws = count;
  connect(ComboBox_last_draws, &QComboBox::currentIndexChanged, this, [this] { ComboBox_last_drawsChange(); });
  connect(&model_, &drawlyze::gui::Model::drawsLoaded, this, [this] { DrawsLoaded(); });

  drawlyze::gui::PlaceCentred(this);
}

void TForm_statistics::paintEvent(QPaintEvent* event) {
  drawlyze::gui::PaintGradient(this, drawlyze::gui::Gradient::TopDown);
  QDialog::paintEvent(event);
}

// "All draws" stays all the new draws; a smaller count the user chose stays
// while the new file has more draws than that.
void TForm_statistics::DrawsLoaded() {
  const int chosen = drawlyze::gui::SelectedCount(ComboBox_last_draws);
  const bool all = chosen == ComboBox_last_draws->count();
  const int count = model_.history.Count();
  drawlyze::gui::FillCounts(ComboBox_last_draws, count);
  if (!all && chosen >= 1 && chosen < count) {
    const QSignalBlocker quiet(ComboBox_last_draws);
    ComboBox_last_draws->setCurrentIndex(chosen - 1);
  }
  model_.selection.reportLastDraws = drawlyze::gui::SelectedCount(ComboBox_last_draws);
}

void TForm_statistics::ComboBox_last_drawsChange() {
  // An empty list (no draws at the start) counts no draw.
  model_.selection.reportLastDraws = drawlyze::gui::SelectedCount(ComboBox_last_draws);
}

void TForm_statistics::ShowReport(const QString& title) {
  forms_.Form_memo->setWindowTitle(title);
  forms_.Form_memo->exec();
}

void TForm_statistics::ReportButtonClick(const ReportInfo& report, QPushButton* button) {
  ReportInput in = MakeReportInput(model_);
  if (report.asksForNumbers) {
    const QString text =
        gui::InputBox("Find free combination", "Enter numbers", Latin1(FindDefaultText(*in.history, in.row)), this);
    in.findText = text.toLatin1().toStdString();
    const std::string error = FindTextError(in.findText);
    if (!error.empty()) {
      gui::ShowMessage(Latin1(error), this);
      return;
    }
  }
  // The button shows greyed while a long report is computed.
  if (report.greyedWhileRunning) {
    button->setEnabled(false);
    button->repaint();
  }
  forms_.Form_memo->SetLines(report.run(in));
  ShowReport(Latin1(report.caption));
  button->setEnabled(true);
}

void TForm_statistics::xpButton_tableClick() { forms_.Form_Table->exec(); }

void TForm_statistics::xpButton_BacktestClick() {
  const ReportInput in = MakeReportInput(model_);
  xpButton_Backtest->setEnabled(false);
  xpButton_Backtest->repaint();
  const BacktestResult result = RunBacktest(*in.history, StatisticsBacktestOptions(in.row, in.lastDraws));
  forms_.Form_memo->SetLines(BacktestReport(result), TForm_memo::Tabs::Columns);
  // The chart comes with its table and goes with it.
  if (result.tested > 0) forms_.Form_memo->ShowChart(result);
  ShowReport("Backtest");
  forms_.Form_memo->HideChart();
  xpButton_Backtest->setEnabled(true);
}

void TForm_statistics::xpButton_RandomnessClick() {
  const ReportInput in = MakeReportInput(model_);
  xpButton_Randomness->setEnabled(false);
  xpButton_Randomness->repaint();
  forms_.Form_memo->SetLines(RandomnessReport(*in.history, in.row, in.lastDraws), TForm_memo::Tabs::Columns);
  ShowReport("Randomness");
  xpButton_Randomness->setEnabled(true);
}
