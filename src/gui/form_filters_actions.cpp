// The Filters window's buttons: the backtest with its chart, "Add to plays",
// and the list and the filter set saved and opened.
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLayout>
#include <QLineEdit>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QValueAxis>

#include "core/files/whole_file.h"
#include "core/filters/filter_set.h"
#include "core/import/cell_values.h"
#include "gui/error_message.h"
#include "gui/form_filters.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "gui/save_actions.h"
#include "platform/data_folder.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

void SayFailure(const drawlyze::Error& error, QWidget* parent) { drawlyze::gui::ShowError(error, parent); }

}  // namespace

void TForm_filters::LoadPrizes() {
  // Where the Plays window looks too: the data folder's prizes.csv, then the installed one.
  drawlyze::Result<drawlyze::plays::PrizeTable> table = drawlyze::plays::LoadPrizeTable(
      drawlyze::platform::PrizeTablePaths(QFile::encodeName(model_.Folder()).toStdString()));
  tableProblem_.clear();
  if (table) {
    table_ = *table;
    return;
  }
  table_ = drawlyze::plays::DefaultPrizeTable();
  tableProblem_ = drawlyze::gui::ErrorMessage(table.Failure()) + " The bundled prize table is used.";
}

void TForm_filters::Button_backtestClick() {
  Recount();
  if (list_.plays.empty()) return;
  drawlyze::filters::FilterBacktestOptions options;
  options.draws = SpinBox_backtest_draws->value();
  options.row = model_.selection.row;
  options.bet = list_.bet;
  options.amount = list_.amount;
  options.seed = static_cast<std::uint64_t>(SpinBox_seed->value());
  options.sieve = &model_.sieve;
  drawlyze::Result<drawlyze::filters::FilterBacktestResult> result =
      drawlyze::filters::RunFilterBacktest(model_.history, filters_, options, table_);
  if (!result) {
    drawlyze::gui::ShowMessage("The backtest " + Q(result.Failure().detail), this);
    return;
  }
  ShowBacktest(*result);
}

void TForm_filters::ShowBacktest(const drawlyze::filters::FilterBacktestResult& r) {
  QString report, verdict;
  for (const std::string& line : drawlyze::filters::FilterBacktestReport(r, table_)) {
    QString l = Q(line);
    l.replace('\t', ": ");
    report += l + "\n";
    if (l.startsWith("Verdict: ")) verdict = l;
  }
  // The verdict first, where the eye lands; the report says how it was reached.
  report = verdict + QString(" (%1 tests counted)\n\n").arg(r.testNames.size()) + report;
  Memo_backtest->setPlainText(report);

  // The list's running net beside the middle 90% of the random lists'.
  auto* chart = new QChart;
  chart->setTitle("Running net beside random lists of the same size");
  chart->legend()->setAlignment(Qt::AlignBottom);
  auto* low = new QLineSeries;
  auto* high = new QLineSeries;
  for (const drawlyze::filters::NetBand& b : r.band) {
    low->append(b.draw + 1, b.low / 100.0);
    high->append(b.draw + 1, b.high / 100.0);
  }
  auto* band = new QAreaSeries(high, low);
  band->setName("random lists, middle 90%");
  band->setColor(QColor(0xC8, 0xD8, 0xF0));
  band->setBorderColor(QColor(0x90, 0xA8, 0xD0));
  auto* net = new QLineSeries;
  net->setName("the list");
  for (std::size_t i = 0; i < r.runningNet.size(); ++i) net->append(double(i + 1), double(r.runningNet[i]) / 100.0);
  QPen pen(QColor(0xC0, 0x00, 0x00));
  pen.setWidth(2);
  net->setPen(pen);
  chart->addSeries(band);
  chart->addSeries(net);
  auto* x = new QValueAxis;
  x->setTitleText("tested draws, oldest first");
  x->setLabelFormat("%d");
  x->setRange(1, std::max<int>(2, static_cast<int>(r.runningNet.size())));
  auto* y = new QValueAxis;
  y->setTitleText("net");
  y->setLabelFormat("%.0f");
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (QAbstractSeries* s : chart->series()) {
    s->attachAxis(x);
    s->attachAxis(y);
  }
  double lowest = 0, highest = 0;
  for (const drawlyze::filters::NetBand& b : r.band) {
    lowest = std::min(lowest, b.low / 100.0);
    highest = std::max(highest, b.high / 100.0);
  }
  for (const drawlyze::plays::Cents c : r.runningNet) {
    lowest = std::min(lowest, double(c) / 100.0);
    highest = std::max(highest, double(c) / 100.0);
  }
  y->setRange(lowest, highest > lowest ? highest : lowest + 1);
  y->applyNiceNumbers();
  QLayout* layout = Chart_backtest->layout();
  while (QLayoutItem* item = layout->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  auto* view = new QChartView(chart);
  view->setObjectName("ChartView_backtest");
  view->setRenderHint(QPainter::Antialiasing);
  layout->addWidget(view);
}

void TForm_filters::Button_add_playsClick() {
  Recount();
  if (!playsTarget_ || list_.plays.empty()) return;
  const QDate d = DateEdit_plays->date();
  drawlyze::Result<drawlyze::plays::DrawTime> time =
      drawlyze::plays::ReadPlayTime(ComboBox_play_time->currentText().toStdString());
  const drawlyze::plays::DayKey day = drawlyze::import::MakeDayKey(d.year(), d.month(), d.day());
  playsTarget_(drawlyze::filters::ListAsPlays(list_, day, time ? *time : drawlyze::plays::DrawTime::Unknown,
                                              SpinBox_play_draws->value()));
}

void TForm_filters::Button_save_listClick() {
  Recount();
  if (list_.plays.empty()) return;
  int type = 0;
  const QString path =
      drawlyze::gui::SaveFileNameOfType("filter_list.txt", {"Text (*.txt)", "CSV (*.csv)"}, type, this);
  if (path.isEmpty()) return;
  const std::string text = type == 1 ? drawlyze::filters::ListCsv(list_) : drawlyze::filters::ListText(list_);
  drawlyze::gui::WriteSavedFile(path, text, this);
}

void TForm_filters::Button_save_setClick() {
  Recount();
  const QString path = drawlyze::gui::SaveFileName("filters.txt", "Filter sets (*.txt);;All files (*)", this);
  if (path.isEmpty()) return;
  drawlyze::gui::WriteSavedFile(path, drawlyze::filters::FormatFilterSet(CurrentFilterSet()), this);
}

void TForm_filters::Button_open_setClick() {
  const QString path = drawlyze::gui::OpenFileName("filters.txt", "Filter sets (*.txt);;All files (*)", this);
  if (path.isEmpty()) return;
  const drawlyze::Result<std::string> text = drawlyze::ReadWholeFile(QFile::encodeName(path).toStdString());
  if (!text) {
    SayFailure(text.Failure(), this);
    return;
  }
  drawlyze::Result<drawlyze::filters::FilterSet> set =
      drawlyze::filters::ReadFilterSet(*text, path.toStdString(), model_.selection.lastDraws);
  if (!set) {
    SayFailure(set.Failure(), this);
    return;
  }
  const QString left = ShowFilterSet(*set);
  if (!left.isEmpty())
    drawlyze::gui::ShowMessage(
        "The window has one line for each kind of filter; these filters of the set are not "
        "shown: " +
            left,
        this);
}
