#pragma once
// A results export in JSON, as a table of cells like the CSV reader's: an
// array of records (or an object that holds exactly one such array) gives one
// row a record and one column a field. Nested objects name their fields by
// path ("results[0].primary"); an array of plain values is one cell, its
// values joined by "-" ("1-2-3"); .NET dates ("/Date(1593662400000)/") and
// timestamps in milliseconds under a field that names a date or a time become
// days ("2020-07-02"). Each row's line is the line on which its record opens.
// A shape that is not such an array, or nesting past kMaxJsonDepth, is
// refused with the reason and gives no rows.

#include <optional>
#include <string>
#include <string_view>

#include "core/import/csv_table.h"

namespace drawlyze::import {

// Objects and arrays nested deeper than this are refused: no hostile file
// runs the reader out of stack or memory.
inline constexpr int kMaxJsonDepth = 32;

// Where the clock of a timestamp stands: the day of a draw is the day where
// it was drawn. A lottery's draws late in the evening fall on the next day in UTC.
enum class JsonTimeZone : std::uint8_t { Utc, UsEastern };

struct JsonOptions {
  JsonTimeZone zone = JsonTimeZone::Utc;
};

// True when the first character that is no blank (after a byte-order mark)
// opens a JSON array or object.
bool LooksLikeJson(std::string_view text);

struct JsonTable {
  CsvTable table;
  // Why the text gives no table: not JSON, nested too deep, no array of
  // records or two of them. Empty when the table stands.
  std::string problem;
};

JsonTable ReadJsonTable(std::string_view text, const JsonOptions& options = {}, const StopCheck& stop = {});

// The day of a moment in milliseconds since 1970 (UTC) where zone keeps its
// clocks, as "YYYY-MM-DD"; US Eastern with the daylight-saving rules in force
// in each year since 1967.
std::string DayOfTimestamp(long long milliseconds, JsonTimeZone zone);

}  // namespace drawlyze::import
