// The Table window's work on a full store: building the cells, the two copies
// and the State dialog's twelve runs.
#include <benchmark/benchmark.h>

#include "bench_util.h"
#include "core/table/column_runs.h"
#include "core/table/table_text.h"

namespace drawlyze {
namespace {

void BM_BuildTableRows(benchmark::State& state) {
  const DrawHistory history = bench::RandomHistory(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(BuildTableRows(history, "No", "Date"));
}
BENCHMARK(BM_BuildTableRows)->Arg(1000)->Arg(MAX_DRAWS);

void BM_CopyAllText(benchmark::State& state) {
  const std::vector<TableRow> rows = BuildTableRows(bench::RandomHistory(MAX_DRAWS), "No", "Date");
  for (auto _ : state) benchmark::DoNotOptimize(CopyAllText(rows));
}
BENCHMARK(BM_CopyAllText);

void BM_ColumnCopyText(benchmark::State& state) {
  const std::vector<TableRow> rows = BuildTableRows(bench::RandomHistory(MAX_DRAWS), "No", "Date");
  for (auto _ : state) benchmark::DoNotOptimize(ColumnCopyText(rows, 4));
}
BENCHMARK(BM_ColumnCopyText);

// Calculate on a column that stays above its threshold: every run walks the whole store.
void BM_TwelveColumnRuns(benchmark::State& state) {
  const DrawHistory history = bench::RandomHistory(MAX_DRAWS);
  std::vector<std::vector<int>> columns;
  for (int c = kFirstDerivedColumn; c < kTableColumnCount; ++c) columns.push_back(DerivedColumnValues(history, c));
  for (auto _ : state)
    for (const std::vector<int>& values : columns)
      benchmark::DoNotOptimize(CountColumnRuns(values, *ParseThreshold("-1")));
}
BENCHMARK(BM_TwelveColumnRuns);

}  // namespace
}  // namespace drawlyze
BENCHMARK_MAIN();
