#pragma once
// The Table window's cells as text, and the two clipboard copies made of them:
// one column, or the whole table.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/history/draw_history.h"
#include "core/table/draw_columns.h"

namespace drawlyze {

using TableRow = std::array<std::string, kTableColumnCount>;

// The headers of the number and date columns of the main window's table of
// draws, which the Table window repeats (UTF-8).
inline constexpr std::string_view kNumberHeader = "\xE2\x84\x96";  // the numero sign
inline constexpr std::string_view kDateHeader = "Date";

// Row 0 is the header row (the two given headers, then "First" ... "Max Even");
// row r >= 1 is the draw at index r - 1, newest first.
std::vector<TableRow> BuildTableRows(const DrawHistory& history, std::string_view numberHeader,
                                     std::string_view dateHeader);

// One cell of the column per line, header first; every line ends with CR LF.
std::string ColumnCopyText(const std::vector<TableRow>& rows, int column);

// Every row as one line of fields separated by " \t", with an extra empty
// field after the date header and after each row's "Even > Odd" value, so
// header and data fields do not line up. Every line ends with CR LF.
std::string CopyAllText(const std::vector<TableRow>& rows);

}  // namespace drawlyze
