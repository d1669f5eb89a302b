#include "core/table/table_text.h"

#include "core/history/text_helpers.h"

namespace drawlyze {

namespace {
constexpr std::string_view kSeparator = " \t";
constexpr std::string_view kLineEnd = "\r\n";
constexpr int kDateColumn = 1;
constexpr int kEvenMoreColumn = 7;  // "Even > Odd"
}  // namespace

std::vector<TableRow> BuildTableRows(const DrawHistory& history, std::string_view numberHeader,
                                     std::string_view dateHeader) {
  std::vector<TableRow> rows(static_cast<std::size_t>(history.Count()) + 1);
  TableRow& header = rows.front();
  header[0] = numberHeader;
  header[1] = dateHeader;
  for (int k = 0; k < kDerivedColumnCount; ++k) header[kFirstDerivedColumn + k] = DerivedHeaders()[k];
  for (int index = 0; index < history.Count(); ++index) {
    TableRow& row = rows[static_cast<std::size_t>(index) + 1];
    row[0] = history.NumberText(index);
    row[1] = history.DateText(index);
    const DerivedValues values = DeriveColumns(history.GetDraw(index));
    for (int k = 0; k < kDerivedColumnCount; ++k) row[kFirstDerivedColumn + k] = std::to_string(values[k]);
  }
  return rows;
}

std::string ColumnCopyText(const std::vector<TableRow>& rows, int column) {
  std::string text;
  for (const TableRow& row : rows) {
    text += Trim(row[static_cast<std::size_t>(column)]);
    text += kLineEnd;
  }
  return text;
}

std::string CopyAllText(const std::vector<TableRow>& rows) {
  std::string text;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (int c = 0; c < kTableColumnCount; ++c) {
      text += Trim(rows[r][static_cast<std::size_t>(c)]);
      if (c < kTableColumnCount - 1) text += kSeparator;
      if (c == kDateColumn && r == 0) text += kSeparator;
      if (c == kEvenMoreColumn && r > 0) text += kSeparator;
    }
    text += kLineEnd;
  }
  return text;
}

}  // namespace drawlyze
