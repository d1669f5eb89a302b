// Importing a New York style export: 16,000 rows giving 25,000 draws (the
// first 7,000 days have only their evening draw), newest row first, with
// other games' columns beside, into draw-file text.
#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <string>

#include "core/import/import.h"

namespace {

using namespace drawlyze::import;

std::string NewYorkExport(int rows) {
  std::mt19937 rng(15);
  std::uniform_int_distribution<int> pick3(0, 999), win4(0, 9999);
  std::string text = "Draw Date,Midday Daily #,Evening Daily #,Midday Win 4 #,Evening Win 4 #,Midday Sum,Evening Sum\n";
  std::chrono::sys_days day = std::chrono::sys_days{std::chrono::year{1980} / 9 / 2} + std::chrono::days{rows - 1};
  for (int r = 0; r < rows; ++r, day -= std::chrono::days{1}) {
    const std::chrono::year_month_day ymd{day};
    char date[16];
    std::snprintf(date, sizeof date, "%02u/%02u/%04d", static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()), static_cast<int>(ymd.year()));
    const bool midday = r < rows - 7000;
    const int m = pick3(rng), e = pick3(rng);
    text += std::string(date) + ',' + (midday ? std::to_string(m) : "") + ',' + std::to_string(e) + ',' +
            (midday ? std::to_string(win4(rng)) : "") + ',' + std::to_string(win4(rng)) + ',' +
            (midday ? std::to_string(m / 100 + m / 10 % 10 + m % 10) : "") + ',' +
            std::to_string(e / 100 + e / 10 % 10 + e % 10) + '\n';
  }
  return text;
}

void BM_Import16000Rows(benchmark::State& state) {
  const std::string text = NewYorkExport(16000);
  std::size_t draws = 0;
  for (auto _ : state) {
    std::vector<ImportedInput> inputs;
    inputs.push_back(ReadInput("rows.csv", text));
    const MergedHistory merged = MergeDraws(inputs);
    const std::string file = FormatDrawFile(merged.draws);
    draws = merged.draws.size();
    benchmark::DoNotOptimize(file.data());
  }
  state.counters["draws"] = static_cast<double>(draws);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Import16000Rows)->Unit(benchmark::kMillisecond);

void BM_ReadCsvOnly(benchmark::State& state) {
  const std::string text = NewYorkExport(16000);
  for (auto _ : state) benchmark::DoNotOptimize(ReadCsv(text).Rows());
}
BENCHMARK(BM_ReadCsvOnly)->Unit(benchmark::kMillisecond);

void BM_ProposeMappingOnly(benchmark::State& state) {
  const CsvTable table = ReadCsv(NewYorkExport(16000));
  for (auto _ : state) benchmark::DoNotOptimize(ProposeMapping(table).results.size());
}
BENCHMARK(BM_ProposeMappingOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
