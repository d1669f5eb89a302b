#pragma once
// What the values of each column of an export look like: counts of dates,
// draw times, date parts and result shapes over every data row.

#include <cstdint>
#include <vector>

#include "core/import/cell_values.h"
#include "core/import/csv_table.h"

namespace drawlyze::import {

// What the values of one column look like, counted over every data row.
struct Profile {
  int filled = 0;
  int dates = 0, eitherOrder = 0, firstAbove12 = 0, secondAbove12 = 0;
  DateParts sample;
  int times = 0;
  std::uint8_t timesSeen = 0;                  // a bit for each DrawTime named
  int years = 0, dayOrMonth = 0, above12 = 0;  // the parts of a split date
  int three = 0, shortNumbers = 0, digits = 0, longNumbers = 0, money = 0, otherNumbers = 0;
};

// The profiles of every column, row by row over the cells each row holds:
// the work is the cells' (at most kMaxColumns a row), never rows times columns.
std::vector<Profile> ProfileColumns(const CsvTable& table);

// More than half.
inline bool Mostly(int part, int whole) { return part * 2 > whole; }
// All but one value in fifty: a column of numbers that only look like a
// year, a month or a day here and there is none.
inline bool Nearly(int part, int whole) { return whole > 0 && part * 50 >= whole * 49; }

}  // namespace drawlyze::import
