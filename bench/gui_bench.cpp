// The program as a user meets it: start-up to the first painted view, a click
// on each option at the store's full size, and the resident memory.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTableWidget>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "bench_util.h"
#include "core/backtest/backtest.h"
#include "core/reports/reports.h"
#include "core/views/views.h"
#include "gui/form1.h"
#include "gui/form_backtest_chart.h"
#include "gui/form_memo.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/model.h"

namespace drawlyze {
namespace {

QApplication& App() {
  static int argc = 3;
  static char a0[] = "gui_bench", a1[] = "-platform", a2[] = "offscreen";
  static char* argv[] = {a0, a1, a2, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// A 10,000-draw file that lives as long as the benchmark.
const std::string& FullDrawFile() {
  static QTemporaryDir dir;
  static const std::string path = [] {
    const std::string p = dir.filePath("3x10.txt").toStdString();
    std::ofstream(p, std::ios::binary) << bench::RandomDrawFile(MAX_DRAWS);
    return p;
  }();
  return path;
}

double ResidentMiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      double kib = 0;
      status >> kib;
      return kib / 1024.0;
    }
  }
  return 0;
}

void BM_StartUpToFirstPaintedView(benchmark::State& state) {
  App();
  gui::g_messageHook = [](const QString&) {};
  for (auto _ : state) {
    gui::Model model;
    const gui::Forms forms(model, FullDrawFile().c_str());
    forms.Form1->show();
    const QPixmap shown = forms.Form1->grab();
    benchmark::DoNotOptimize(shown.width());
  }
  gui::Model model;
  const gui::Forms forms(model, FullDrawFile().c_str());
  forms.Form1->show();
  QApplication::processEvents();
  state.counters["rss_MiB"] = ResidentMiB();
}
BENCHMARK(BM_StartUpToFirstPaintedView)->Unit(benchmark::kMillisecond)->Iterations(10);

// Loading the 10,000-draw file again (Ctrl+O): the model's draws replaced,
// then the table of draws (a model reset), the "Use Last Draws" list and the view.
void BM_ReloadDrawFile(benchmark::State& state) {
  App();
  gui::g_messageHook = [](const QString&) {};
  gui::Model model;
  const gui::Forms forms(model, FullDrawFile().c_str());
  forms.Form1->show();
  const QString path = QString::fromStdString(FullDrawFile());
  for (auto _ : state) {
    forms.Form1->LoadDrawFile(path);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_ReloadDrawFile)->Unit(benchmark::kMillisecond);

// The yardstick of the table of draws as a model: what a load cost when the
// table held an item per cell, 10,000 rows of seven items filled anew.
void BM_ItemTableRefill(benchmark::State& state) {
  App();
  QTableWidget table(1, 7);
  const DrawHistory history = [] {
    DrawHistory h;
    h.Assign(ParseDrawFile(bench::RandomDrawFile(MAX_DRAWS)).draws);
    return h;
  }();
  for (auto _ : state) {
    table.clearContents();
    table.setRowCount(history.Count());
    for (int k = 0; k < history.Count(); ++k) {
      const DrawNumbers a = history.GetDraw(k);
      const QString texts[7] = {QString::fromStdString(history.NumberText(k)),
                                QString::fromStdString(history.DateText(k)),
                                QString::number(a[0]),
                                QString::number(a[1]),
                                QString::number(a[2]),
                                QString(),
                                QString::number(a[0] + a[1] + a[2])};
      for (int c = 0; c < 7; ++c) table.setItem(k, c, new QTableWidgetItem(texts[c]));
    }
  }
}
BENCHMARK(BM_ItemTableRefill)->Unit(benchmark::kMillisecond);

// A click on an option: the dispatcher, the view, painting the chart surface.
void BM_OptionClick(benchmark::State& state) {
  App();
  gui::g_messageHook = [](const QString&) {};
  gui::Model model;
  const gui::Forms forms(model, FullDrawFile().c_str());
  forms.Form1->show();
  forms.Form1->SelectRow(2);
  const int option = static_cast<int>(state.range(0));
  for (auto _ : state) {
    forms.Form1->SelectOption(option);
    QApplication::processEvents();
  }
  state.SetLabel(OptionCaption(option));
}
BENCHMARK(BM_OptionClick)->DenseRange(0, 12)->Unit(benchmark::kMicrosecond);

// A click on a row redraws the view and the table's colouring.
void BM_RowClick(benchmark::State& state) {
  App();
  gui::g_messageHook = [](const QString&) {};
  gui::Model model;
  const gui::Forms forms(model, FullDrawFile().c_str());
  forms.Form1->show();
  int row = 1;
  for (auto _ : state) {
    row = row % 50 + 1;
    forms.Form1->SelectRow(row);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_RowClick)->Unit(benchmark::kMicrosecond);

// The largest report shown in the report window, and the memory it takes.
void BM_LargestReportShown(benchmark::State& state) {
  App();
  gui::g_messageHook = [](const QString&) {};
  gui::Model model;
  const gui::Forms forms(model, FullDrawFile().c_str());
  const ReportLines lines = ExactTriplesSkipsReport(model.history, 1, std::nullopt);
  for (auto _ : state) {
    forms.Form_memo->SetLines(lines);
    forms.Form_memo->show();
    QApplication::processEvents();
    forms.Form_memo->hide();
  }
  state.counters["lines"] = static_cast<double>(lines.size());
  state.counters["rss_MiB"] = ResidentMiB();
}
BENCHMARK(BM_LargestReportShown)->Unit(benchmark::kMillisecond);

// The Backtest button's work over the full store: every rule over 9,900
// tested draws, the table laid out in columns, the three charts built and
// both windows painted.
void BM_BacktestShown(benchmark::State& state) {
  App();
  gui::g_messageHook = [](const QString&) {};
  gui::Model model;
  const gui::Forms forms(model, FullDrawFile().c_str());
  for (auto _ : state) {
    const BacktestResult result = RunBacktest(model.history, StatisticsBacktestOptions(1, std::nullopt));
    forms.Form_memo->SetLines(BacktestReport(result), TForm_memo::Tabs::Columns);
    forms.Form_backtest_chart->SetResult(result);
    forms.Form_memo->show();
    forms.Form_backtest_chart->show();
    QApplication::processEvents();
    forms.Form_backtest_chart->hide();
    forms.Form_memo->hide();
  }
}
BENCHMARK(BM_BacktestShown)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drawlyze

BENCHMARK_MAIN();
