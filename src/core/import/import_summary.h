#pragma once
// What an import tells the user, as data: per input its rows, columns and
// skipped lines; then the history's draws, dates, duplicates, conflicts and
// what the store keeps of it. The wording of each section is here too, so
// that a window shows the sections in its own order without reading text.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/import/import.h"

namespace drawlyze::import {

struct ColumnSummary {
  int number = 0;  // 1-based
  std::string header;
  std::string reason;  // the use and why: "date: 3 of 3 values are dates (YYYY-MM-DD)"
};

struct InputSummary {
  std::string name;
  InputKind kind = InputKind::Csv;
  int rows = 0;  // data rows, or draw-file lines
  std::size_t draws = 0;
  std::vector<ColumnSummary> columns;  // CSV only
  int columnsNotRead = 0;              // past kMaxColumns
  std::optional<std::string> failure;  // why the reading ended early
  std::vector<SkippedRow> skipped;
};

struct ConflictSummary {
  DayKey day = 0;
  DrawTime time = DrawTime::Unknown;
  struct Source {
    DrawNumbers numbers{};
    std::string input;
    int line = 0;
  };
  std::vector<Source> sources;
};

// A history longer than the store the program loads: the newest kept draws
// of all of them, from the day of the oldest kept.
struct StoreLimit {
  std::size_t kept = 0;
  std::size_t total = 0;
  DayKey from = 0;
};

struct ImportSummary {
  std::vector<InputSummary> inputs;
  std::size_t draws = 0;
  DayKey first = 0, last = 0;  // 0 without draws
  int duplicatesDropped = 0;
  std::size_t conflictCount = 0;
  std::vector<ConflictSummary> conflicts;  // the first kShownItems
  std::optional<StoreLimit> storeLimit;
};

// Skipped rows and conflicts listed one by one; the rest are counted.
inline constexpr std::size_t kShownItems = 10;

ImportSummary MakeSummary(const std::vector<ImportedInput>& inputs, const MergedHistory& merged);

// One line a column of a CSV input: its number, header and use with the reason.
std::vector<std::string> ColumnLines(const InputSummary& input);
std::vector<std::string> ColumnLines(const ImportedInput& input);
// Per input its rows and draws, columns, failure and skipped rows.
std::vector<std::string> InputLines(const ImportSummary& summary);
// The draws with their dates, duplicates dropped and conflicts kept.
std::vector<std::string> TotalLines(const ImportSummary& summary);
// "10,000 newest of 25,027 draws, from 26.12.2011"; empty without a limit.
std::string StoreLimitLine(const ImportSummary& summary);
// The inputs, then the totals: what drawlyze-cli and the Updater report.
std::vector<std::string> SummaryLines(const ImportSummary& summary);
std::vector<std::string> SummaryLines(const std::vector<ImportedInput>& inputs, const MergedHistory& merged);

}  // namespace drawlyze::import
