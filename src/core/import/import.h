#pragma once
// Turns results exports (CSV) and draw files into one history of draws in the
// draw file's own grammar: oldest first, midday before evening, exact
// duplicates dropped, conflicting results kept and reported.
//
// A window or the Updater uses it in four steps:
//   ReadInput     one file's text: a draw file, or a CSV with its table and
//                 proposed mapping (Mapping::columns gives a role and a reason
//                 for each column, Mapping::problem what is unclear);
//   Convert       again after the user changed the choice (ReadInput with a
//                 MappingChoice, or an edited Mapping);
//   MergeDraws    all inputs into one history;
//   FormatDrawFile / SummaryLines   the file to save and what to tell the user.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/error/error.h"
#include "core/import/cell_values.h"
#include "core/import/column_mapping.h"
#include "core/import/csv_table.h"
#include "core/import/detect_input.h"
#include "core/import/json_table.h"

namespace drawlyze::import {

struct ImportedDraw {
  DayKey day = 0;
  DrawTime time = DrawTime::Unknown;
  DrawNumbers numbers{};
  std::uint16_t input = 0;  // index of its input, set by MergeDraws
  int line = 0;             // 1-based line of its row in its input
};

struct SkippedRow {
  int line = 0;
  std::string reason;
};

struct ImportedInput {
  std::string name;                 // for messages: the file's name
  InputKind kind = InputKind::Csv;  // Zip and Binary are refused (failure); Empty reads as a table
  CsvTable table;                   // CSV only
  Mapping mapping;                  // CSV only; draws are read only when mapping.Ready()
  int rows = 0;                     // data rows or draw-file lines read
  std::vector<ImportedDraw> draws;  // in file order
  std::vector<SkippedRow> skipped;  // ascending lines
  // Why the reading ended before the end of the input: Stopped (the stop
  // check said so) or TooLarge (more draws than a draw file may hold).
  std::optional<Error> failure;
};

// Reads one input, in time linear in its bytes. A CSV gets the mapping
// proposed under choice and, when it is ready, its rows converted. A draw
// file is read line by line by the draw-file loader's own rules. A draw dated
// after tomorrow (LatestDrawDay) is an unreadable row. stop is asked between
// rows; when it says yes the input ends with failure Stopped.
// A JSON export is read into the same table (json says where its timestamps
// were taken); a shape it cannot read is the input's failure (Unreadable).
ImportedInput ReadInput(std::string name, std::string_view text, const MappingChoice& choice = {},
                        const StopCheck& stop = {}, const JsonOptions& json = {});
// Converts a CSV input's rows again under input.mapping (which must be ready).
void Convert(ImportedInput& input, const StopCheck& stop = {});

struct Conflict {
  std::vector<ImportedDraw> draws;  // same day and draw time, different results
};

struct MergedHistory {
  std::vector<ImportedDraw> draws;  // oldest first
  int duplicatesDropped = 0;
  std::vector<Conflict> conflicts;
};

// Sorts by date and draw time (midday first), keeping the inputs' order
// among draws of the same date and time.
MergedHistory MergeDraws(const std::vector<ImportedInput>& inputs);

// Draw-file lines, numbered from 1, each ended by CR LF:
// "1 02.09.1980 Tue Eve 1 2 3 x"; "-" stands for an unknown draw time.
std::string FormatDrawFile(const std::vector<ImportedDraw>& draws);
// The bytes FormatDrawFile writes for draws, counted without writing them.
std::uint64_t DrawFileBytes(const std::vector<ImportedDraw>& draws);
// TooLarge when the history would make a draw file above kMaxDrawFileBytes:
// checked before it is written.
Status CheckDrawFileSize(const std::vector<ImportedDraw>& draws);
// The draw time token a written line carries: "Mor", "Mid", "Eve", "Ngt" or "-".
std::string_view TimeToken(DrawTime time);

}  // namespace drawlyze::import
