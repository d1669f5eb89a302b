#pragma once
// The mapping from a use chosen for each column, as the import window's lists
// give them: which column is the date (or its month, day and year), the draw
// time and each result, checked to fit together and then proposed as a
// mapping the way a command line's choices are.

#include <vector>

#include "core/import/column_mapping.h"

namespace drawlyze::import {

// What a column's list offers, in its order: the common uses first.
const std::vector<ColumnUse>& OfferedUses();
// The place of use among OfferedUses() (its role, draw time and ball); 0 when none.
int OfferedIndex(const ColumnUse& use);

struct ColumnUses {
  std::vector<ColumnUse> columns;  // one a column of the table
  // The order of day and month chosen apart from the columns' uses.
  DayOrder dayOrder = DayOrder::Unknown;
  // The user placed the month and the day of a split date: their order is
  // then where they stand, not the values'.
  bool datePartsPlaced = false;
};

// needs == Choice::ColumnUses (with the problem, and no column reasons) when
// the uses do not fit together; otherwise the mapping they choose.
Mapping ProposeMapping(const CsvTable& table, const ColumnUses& uses);

}  // namespace drawlyze::import
