// The twelve reports over 10,000 draws, and the report window showing the
// longest of them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <random>

#include "core/reports/reports.h"
#include "gui/form_memo.h"

namespace drawlyze {
namespace {

const DrawHistory& TenThousandDraws() {
  static const DrawHistory history = [] {
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> digit(0, 9);
    std::vector<DrawNumbers> draws(MAX_DRAWS);
    for (DrawNumbers& d : draws)
      for (auto& n : d) n = static_cast<std::uint8_t>(digit(rng));
    return DrawHistory::FromOldestFirst(draws);
  }();
  return history;
}

void Report(benchmark::State& state, const ReportInfo* report) {
  const DrawHistory& history = TenThousandDraws();
  const ReportInput in{&history, 1, std::nullopt, "3 0 7"};
  for (auto _ : state) benchmark::DoNotOptimize(report->run(in));
}

// Fills the report window with the 6,000 lines of "Exact Triples' Skips" and
// lets it paint.
void ReportWindowShowsExactTriplesSkips(benchmark::State& state) {
  const DrawHistory& history = TenThousandDraws();
  const ReportLines lines = ExactTriplesSkipsReport(history, 1, std::nullopt);
  TForm_memo memo;
  for (auto _ : state) {
    memo.Memo1->clear();
    memo.SetLines(lines);
    memo.show();
    memo.repaint();
    QApplication::processEvents();
    state.PauseTiming();
    memo.hide();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(ReportWindowShowsExactTriplesSkips)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drawlyze

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  for (const drawlyze::ReportInfo& report : drawlyze::AllReports())
    benchmark::RegisterBenchmark((std::string("Report/") + report.caption).c_str(), drawlyze::Report, &report)
        ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
