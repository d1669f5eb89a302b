// Importing a New York style export: 16,000 rows giving 25,000 draws (the
// first 7,000 days have only their evening draw), newest row first, with
// other games' columns beside, into draw-file text.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
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

// The same history as New York's JSON of the dataset: one record a day.
std::string NewYorkJson(int rows) {
  const CsvTable table = ReadCsv(NewYorkExport(rows));
  static const char* const kFields[] = {"draw_date",     "midday_daily",     "evening_daily",    "midday_win_4",
                                        "evening_win_4", "midday_daily_sum", "evening_daily_sum"};
  std::string text = "[";
  for (int r = 0; r < table.Rows(); ++r) {
    text += r ? ",\n{" : "{";
    bool first = true;
    for (int c = 0; c < 7; ++c) {
      const std::string_view cell = table.Cell(r, c);
      if (cell.empty()) continue;
      text += (first ? "\"" : ",\"") + std::string(kFields[c]) + "\":\"" + std::string(cell) + "\"";
      first = false;
    }
    text += "}";
  }
  return text + "]";
}

void BM_ImportJson16000Records(benchmark::State& state) {
  const std::string text = NewYorkJson(16000);
  std::size_t draws = 0;
  for (auto _ : state) {
    std::vector<ImportedInput> inputs;
    inputs.push_back(ReadInput("hsys-3def.json", text));
    const MergedHistory merged = MergeDraws(inputs);
    const std::string file = FormatDrawFile(merged.draws);
    draws = merged.draws.size();
    benchmark::DoNotOptimize(file.data());
  }
  state.counters["draws"] = static_cast<double>(draws);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ImportJson16000Records)->Unit(benchmark::kMillisecond);

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

// An export of rows rows and columns columns: the date, two results, and
// text columns beside them; every date a real day before today.
std::string Export(int rows, int columns) {
  std::string text = "Draw Date,Midday Daily #,Evening Daily #";
  for (int c = 3; c < columns; ++c) text += ",Note " + std::to_string(c);
  text += '\n';
  std::chrono::sys_days day = std::chrono::sys_days{std::chrono::year{1900} / 1 / 1};
  for (int r = 0; r < rows; ++r, day += std::chrono::days{1}) {
    const std::chrono::year_month_day ymd{day};
    char row[48];
    std::snprintf(row, sizeof row, "%02u/%02u/%04d,%03d,%03d", static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()), static_cast<int>(ymd.year()), r % 1000, (r * 7) % 1000);
    text += row;
    for (int c = 3; c < columns; ++c) text += ",n";
    text += '\n';
  }
  return text;
}

void ImportWhole(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    std::vector<ImportedInput> inputs;
    inputs.push_back(ReadInput("rows.csv", text));
    const MergedHistory merged = MergeDraws(inputs);
    benchmark::DoNotOptimize(FormatDrawFile(merged.draws).data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// Linear in rows: 7 columns, 1,000 to 32,000 rows.
void BM_ImportRows(benchmark::State& state) {
  ImportWhole(state, Export(static_cast<int>(state.range(0)), 7));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ImportRows)->RangeMultiplier(2)->Range(1000, 32000)->Unit(benchmark::kMillisecond)->Complexity();

// Linear in columns: 1,000 rows, 8 to 16,384 columns (those past the 256th
// are read over, never examined).
void BM_ImportColumns(benchmark::State& state) {
  ImportWhole(state, Export(1000, static_cast<int>(state.range(0))));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ImportColumns)->RangeMultiplier(4)->Range(8, 16384)->Unit(benchmark::kMillisecond)->Complexity();

// The hostile file: a header, a million rows and one row of four million
// commas (23 MB). The wide row is refused; the rest imports.
void BM_WideRowFile(benchmark::State& state) {
  std::string text = "Draw Date,Midday Daily #\n";
  text.reserve(24u << 20);
  for (int r = 0; r < 1'000'000; ++r) text += "01/13/2011,123\n";
  text += "01/14/2011,456" + std::string(4'000'000, ',') + "\n";
  std::size_t skipped = 0;
  for (auto _ : state) {
    std::vector<ImportedInput> inputs;
    inputs.push_back(ReadInput("wide.csv", text));
    skipped = inputs.front().skipped.size();
    const MergedHistory merged = MergeDraws(inputs);
    benchmark::DoNotOptimize(FormatDrawFile(merged.draws).data());
  }
  state.counters["skipped"] = static_cast<double>(skipped);
  state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_WideRowFile)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
