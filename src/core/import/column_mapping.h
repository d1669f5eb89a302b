#pragma once
// Which columns of an export hold the date, the draw time and the pick-3
// results: proposed from the header names and the values, with the reason for
// each column, and overridden by the user's choices.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/import/cell_values.h"
#include "core/import/column_reasons.h"
#include "core/import/csv_table.h"

namespace drawlyze::import {

// One pick-3 result a row holds: one column ("123", "1-2-3") or three
// single-digit columns, in ball order.
struct ResultSource {
  std::vector<int> columns;           // 0-based
  DrawTime time = DrawTime::Unknown;  // Unknown: the row's draw-time column says, if there is one
};

// Month, DayOfMonth and Year: the parts of a date split over three columns.
enum class ColumnRole : std::uint8_t { Unused, Date, Month, DayOfMonth, Year, Time, Result, Digit };

// What the mapping does with one column, and why; a dialog shows one combo box a column.
struct ColumnUse {
  ColumnRole role = ColumnRole::Unused;
  DrawTime time = DrawTime::Unknown;  // Result and Digit: the draw the column belongs to
  int ball = 0;                       // Digit: 1..3
  std::string reason;                 // why, worded (ReasonText)
  Reason why = {};
};

// The choice the mapping still needs from the user.
// ColumnUses: the uses given for the columns do not fit together (two dates,
// a digit without its ball), before any column is looked at.
enum class Choice : std::uint8_t { None, DateColumn, DayOrder, ResultColumns, Column, ColumnUses };

struct Mapping {
  int dateColumn = -1;  // 0-based; -1 when the date is split
  // A date split over three columns (0-based; -1 when the date is one column).
  int monthColumn = -1, dayColumn = -1, yearColumn = -1;
  DayOrder dayOrder = DayOrder::Unknown;
  int timeColumn = -1;          // -1: no draw-time column
  bool nightIsEvening = false;  // two draws a day, called day and night: night is the evening draw
  std::vector<ResultSource> results;
  std::vector<ColumnUse> columns;  // one a column of the table

  // Empty when the mapping can convert the rows; otherwise what is unclear,
  // naming the columns, and which choice settles it.
  std::string problem;
  Choice needs = Choice::None;
  bool Ready() const { return needs == Choice::None; }
  bool HasDate() const { return dateColumn >= 0 || yearColumn >= 0; }
};

// A column the user chose: by its header (any case) or its 1-based number as
// typed on a command line, or by its 0-based index as a window's list gives it.
struct ColumnName {
  ColumnName(std::string typed) : text(std::move(typed)) {}  // NOLINT: implicit, as typed
  ColumnName(const char* typed) : text(typed) {}             // NOLINT
  static ColumnName At(int index) {
    ColumnName name("");
    name.index = index;
    return name;
  }
  std::string text;
  int index = -1;
};

// The user's choices. Results are listed midday first where the headers do
// not say. A date split over three columns is named "Month+Day+Year" (any
// order: the year is the column of years; of the other two, the month is the
// one the values, then the headers or the day order say), or given as its
// columns by index in splitDate.
struct MappingChoice {
  std::optional<ColumnName> date = {};
  std::vector<ColumnName> results = {};
  // A dialog's draw time for each of results (by ball triples where three
  // single-digit columns make one); empty: from the headers, else midday first.
  std::vector<DrawTime> resultTimes = {};
  std::optional<ColumnName> time = {};
  DayOrder dayOrder = DayOrder::Unknown;
  std::vector<int> splitDate = {};  // three 0-based columns, in file order; instead of date
};

Mapping ProposeMapping(const CsvTable& table, const MappingChoice& choice = {});

// The text of a mapping's column use, for a summary: "midday result", "date (MM/DD/YYYY)".
std::string DescribeUse(const ColumnUse& use);

}  // namespace drawlyze::import
