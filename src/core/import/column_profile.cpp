#include "core/import/column_profile.h"

#include <algorithm>

namespace drawlyze::import {

namespace {

// Counts one non-empty cell into its column's profile.
void AddCell(Profile& p, std::string_view cell) {
  {
    ++p.filled;
    const DateParts date = ReadDateParts(cell);
    if (date.kind == DateKind::EitherOrder) {
      const bool monthFirst = MakeDayKey(date.year, date.first, date.second) != 0;
      const bool dayFirst = MakeDayKey(date.year, date.second, date.first) != 0;
      if (monthFirst || dayFirst) {
        ++p.dates;
        if (p.eitherOrder++ == 0) p.sample = date;
        p.firstAbove12 += dayFirst && !monthFirst;
        p.secondAbove12 += monthFirst && !dayFirst;
      }
    } else if (ResolveDate(date, DayOrder::Unknown) != 0) {
      if (p.dates++ == 0 && p.eitherOrder == 0) p.sample = date;
    }
    DrawTime time = DrawTime::Unknown;
    if (ReadDrawTime(cell, time)) {
      ++p.times;
      p.timesSeen |= static_cast<std::uint8_t>(1u << static_cast<unsigned>(time));
    }
    p.years += ReadYear(cell) > 0;
    if (const int part = ReadDayOrMonth(cell); part > 0) {
      ++p.dayOrMonth;
      p.above12 += part > 12;
    }
    switch (ClassifyResult(cell)) {
      case ResultShape::Three:
        ++p.three;
        break;
      case ResultShape::Short:
        ++p.shortNumbers;
        break;
      case ResultShape::LongNumber:
        ++p.longNumbers;
        break;
      case ResultShape::Money:
        ++p.money;
        break;
      case ResultShape::OtherNumber:
        ++p.otherNumbers;
        break;
      case ResultShape::None:
        break;
    }
    p.digits += ReadDigit(cell) >= 0;
  }
}

}  // namespace

std::vector<Profile> ProfileColumns(const CsvTable& table) {
  std::vector<Profile> profiles(static_cast<std::size_t>(table.Columns()));
  for (int row = 0; row < table.Rows(); ++row) {
    const int cells = std::min(table.CellCount(row), table.Columns());
    for (int c = 0; c < cells; ++c) {
      const std::string_view cell = Trim(table.Cell(row, c));
      if (!cell.empty()) AddCell(profiles[static_cast<std::size_t>(c)], cell);
    }
  }
  return profiles;
}

}  // namespace drawlyze::import
