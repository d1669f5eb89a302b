#pragma once
// The cells of a CSV export as lotteries and spreadsheets write it: comma,
// semicolon or tab between fields, blanks after the separator, RFC 4180
// quoting (separators, doubled quotes and line breaks inside quotes), a
// byte-order mark, CR LF or LF line ends, and a header row.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace drawlyze::import {

class CsvTable {
 public:
  // Where a row's cells lie in the table's storage.
  struct Row {
    std::uint32_t firstCell;
    std::uint32_t cellCount;
    int line;
  };

  char separator = ',';
  bool hasHeader = true;  // false when the first row already holds a date

  int Rows() const { return static_cast<int>(rows_.size()); }  // data rows, header excluded
  int Columns() const { return columns_; }                     // the widest row, header included
  // Missing cells (a short row, no header) read as empty.
  std::string_view Header(int column) const;
  std::string_view Cell(int row, int column) const;
  // 1-based line of the file on which a data row starts.
  int Line(int row) const { return rows_[static_cast<std::size_t>(row)].line; }
  int HeaderLine() const { return headerLine_; }

  // "Draw Date" when the header names it, else "column 3".
  std::string ColumnName(int column) const;

 private:
  friend CsvTable ReadCsv(std::string_view text);
  std::string_view CellOf(const Row& row, int column) const;

  std::string text_;                 // every cell's text, unquoted, one after another
  std::vector<std::uint32_t> ends_;  // cell k ends at ends_[k] and starts where cell k-1 ends
  std::vector<Row> rows_;
  Row header_{0, 0, 0};
  int headerLine_ = 0;
  int columns_ = 0;
};

// Reads the whole text (UTF-8, with or without a byte-order mark). Rows whose
// cells are all empty are left out. The separator is the one the header line
// uses most, or the one an Excel "sep=;" first line names.
CsvTable ReadCsv(std::string_view text);

// Text as UTF-8 without a byte-order mark: UTF-16 text with its mark (a
// spreadsheet's "Unicode text") is narrowed, other characters kept as they are.
std::string_view StripByteOrderMark(std::string_view text);
std::string NarrowUtf16(std::string_view text);
bool IsUtf16(std::string_view text);

}  // namespace drawlyze::import
