#pragma once
// What a saved file holds: a report's lines as text, and a report or the Table
// window's cells as CSV (RFC 4180: fields separated by commas, a field quoted
// when it holds a comma, a quote or a line break, quotes doubled, every record
// ended by CR LF). The windows and drawlyze-cli write the same bytes.

#include <string>
#include <string_view>
#include <vector>

#include "core/table/table_text.h"

namespace drawlyze {

// A field as CSV writes it: in quotes (its quotes doubled) when it holds a
// comma, a quote, CR or LF; as it stands otherwise.
std::string CsvField(std::string_view field);
// The fields joined by commas, ended by CR LF.
std::string CsvRecord(const std::vector<std::string_view>& fields);

// The fields of a tab-separated line. A run of tabs separates two fields: the
// reports pad their columns with a second tab for the report window's tab
// stops, and a spreadsheet wants the header over its column.
std::vector<std::string_view> TabbedFields(std::string_view line);

// A report as CSV: one record a line, made of its tab-separated fields; an
// empty line stays an empty record.
std::string ReportCsv(const std::vector<std::string>& lines);
// A report as text: every line ended by LF, as drawlyze-cli prints it.
std::string ReportText(const std::vector<std::string>& lines);

// The Table window as CSV: the header row, then one record a draw with all
// fourteen columns.
std::string TableCsv(const std::vector<TableRow>& rows);

}  // namespace drawlyze
