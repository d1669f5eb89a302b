#pragma once
// The cells of a CSV export as lotteries and spreadsheets write it: comma,
// semicolon or tab between fields, blanks after the separator, RFC 4180
// quoting (separators, doubled quotes and line breaks inside quotes), a
// byte-order mark, CR LF or LF line ends, and a header row.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace drawlyze::import {

// The most columns a table keeps and the importer examines; fields past them
// are read over and counted, never stored.
inline constexpr int kMaxColumns = 256;
// The most bytes a cell keeps: a longer one is cut and ends in "…", which no
// date, result or digit holds.
inline constexpr std::size_t kMaxCellBytes = 256;
// The most line ends a quoted field may run over.
inline constexpr int kMaxQuotedLineBreaks = 8;

// Asked between rows, every few thousand of them: true stops the reading.
using StopCheck = std::function<bool()>;

// A row the reader could not take apart: its line and why.
struct RefusedRow {
  int line = 0;
  std::string reason;
};

// Fields a row may hold beside a header of headerFields: more is no row of this table.
constexpr std::uint32_t FieldLimit(std::uint32_t headerFields) { return 2 * headerFields + 16; }

class CsvTable {
 public:
  // Where a row's cells lie in the table's storage.
  struct Row {
    std::uint32_t firstCell;
    std::uint32_t cellCount;  // cells kept: at most kMaxColumns
    int line;
    std::uint32_t fields;  // fields the row holds, those past kMaxColumns included
  };

  char separator = ',';
  bool hasHeader = true;  // false when the first row already holds a date

  int Rows() const { return static_cast<int>(rows_.size()); }  // data rows, header excluded
  int Columns() const { return columns_; }                     // the widest row, header included, at most kMaxColumns
  // Columns past kMaxColumns that some row holds: read over, never examined.
  int ColumnsNotRead() const { return columnsNotRead_; }
  // Rows the reader refused (a quote that never closes, far more fields than
  // the header), ascending lines.
  const std::vector<RefusedRow>& Refused() const { return refused_; }
  // True when the stop check ended the reading: the table holds the rows before it.
  bool Stopped() const { return stopped_; }
  // Missing cells (a short row, no header) read as empty.
  std::string_view Header(int column) const;
  std::string_view Cell(int row, int column) const;
  // The cells a data row holds (at most kMaxColumns); the others read as empty.
  int CellCount(int row) const { return static_cast<int>(rows_[static_cast<std::size_t>(row)].cellCount); }
  // 1-based line of the file on which a data row starts.
  int Line(int row) const { return rows_[static_cast<std::size_t>(row)].line; }
  int HeaderLine() const { return headerLine_; }

  // "Draw Date" when the header names it, else "column 3".
  std::string ColumnName(int column) const;

 private:
  friend CsvTable ReadCsv(std::string_view text, const StopCheck& stop);
  friend class TableBuilder;  // the JSON reader's rows (json_table.cpp)
  std::string_view CellOf(const Row& row, int column) const;

  std::string text_;                 // every cell's text, unquoted, one after another
  std::vector<std::uint32_t> ends_;  // cell k ends at ends_[k] and starts where cell k-1 ends
  std::vector<Row> rows_;
  Row header_{0, 0, 0, 0};
  int headerLine_ = 0;
  int columns_ = 0;
  int columnsNotRead_ = 0;
  std::vector<RefusedRow> refused_;
  bool stopped_ = false;
};

// Reads the whole text (UTF-8, with or without a byte-order mark) in one pass,
// linear in its bytes. Rows whose cells are all empty are left out. The
// separator is the one the header line uses most, or the one an Excel "sep=;"
// first line names. A quoted field that is not closed on its line may run
// over the next lines only while none of them reads as a row of its own (a
// date among its fields), and over kMaxQuotedLineBreaks line ends at most;
// otherwise its row is refused and the reading goes on at the next line.
CsvTable ReadCsv(std::string_view text, const StopCheck& stop = {});

// Text as UTF-8 without a byte-order mark: UTF-16 text with its mark (a
// spreadsheet's "Unicode text") is narrowed, other characters kept as they are.
std::string_view StripByteOrderMark(std::string_view text);
std::string NarrowUtf16(std::string_view text);
bool IsUtf16(std::string_view text);

}  // namespace drawlyze::import
