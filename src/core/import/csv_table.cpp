#include "core/import/csv_table.h"

#include <algorithm>

#include "core/history/escaped_text.h"
#include "core/import/cell_values.h"

namespace drawlyze::import {

std::string_view CsvTable::CellOf(const Row& row, int column) const {
  if (column < 0 || static_cast<std::uint32_t>(column) >= row.cellCount) return {};
  const std::uint32_t k = row.firstCell + static_cast<std::uint32_t>(column);
  const std::uint32_t begin = k == 0 ? 0 : ends_[k - 1];
  return std::string_view(text_).substr(begin, ends_[k] - begin);
}

std::string_view CsvTable::Header(int column) const { return hasHeader ? CellOf(header_, column) : std::string_view(); }

std::string_view CsvTable::Cell(int row, int column) const {
  return CellOf(rows_[static_cast<std::size_t>(row)], column);
}

std::string CsvTable::ColumnName(int column) const {
  const std::string_view header = Header(column);
  if (!header.empty()) return '"' + Excerpt(header) + '"';
  return "column " + std::to_string(column + 1);
}

std::string_view StripByteOrderMark(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return text;
}

bool IsUtf16(std::string_view text) { return text.substr(0, 2) == "\xFF\xFE" || text.substr(0, 2) == "\xFE\xFF"; }

std::string NarrowUtf16(std::string_view text) {
  const bool little = text.substr(0, 2) == "\xFF\xFE";
  std::string out;
  out.reserve(text.size() / 2);
  for (std::size_t i = 2; i + 1 < text.size(); i += 2) {
    const unsigned lo = static_cast<unsigned char>(text[little ? i : i + 1]);
    const unsigned hi = static_cast<unsigned char>(text[little ? i + 1 : i]);
    const unsigned unit = hi << 8 | lo;
    if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else if (unit < 0x800) {
      out += static_cast<char>(0xC0 | unit >> 6);
      out += static_cast<char>(0x80 | (unit & 0x3F));
    } else if (unit >= 0xD800 && unit < 0xE000) {
      out += '?';  // half of a pair: outside anything a results export needs
    } else {
      out += static_cast<char>(0xE0 | unit >> 12);
      out += static_cast<char>(0x80 | (unit >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return out;
}

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Three cells that read as a day, a month and a year in some order
// ("6,10,2019", "2019,6,10"): the date of a headerless row split over three columns.
bool IsSplitDate(std::string_view a, std::string_view b, std::string_view c) {
  if (ReadYear(c) > 0) {
    const int first = ReadDayOrMonth(a), second = ReadDayOrMonth(b);
    return first > 0 && second > 0 && (first <= 12 || second <= 12);
  }
  return ReadYear(a) > 0 && ReadDayOrMonth(b) > 0 && ReadDayOrMonth(b) <= 12 && ReadDayOrMonth(c) > 0;
}

// The separator the first line uses most, counted outside quotes; ties go to
// tab, then semicolon, so that decimal commas in a European export never win.
char SniffSeparator(std::string_view text) {
  int tabs = 0, semicolons = 0, commas = 0;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (IsLineEnd(c)) break;
    tabs += c == '\t';
    semicolons += c == ';';
    commas += c == ',';
  }
  if (tabs > 0 && tabs >= semicolons && tabs >= commas) return '\t';
  if (semicolons > 0 && semicolons >= commas) return ';';
  return ',';
}

// A line of the text (without its end) that reads as a row of its own: it
// holds the separator and a date among its fields.
bool LooksLikeRow(std::string_view line, char sep) {
  if (line.find(sep) == std::string_view::npos) return false;
  for (std::size_t from = 0; from <= line.size();) {
    std::size_t to = line.find(sep, from);
    if (to == std::string_view::npos) to = line.size();
    std::string_view field = Trim(line.substr(from, to - from));
    while (!field.empty() && field.front() == '"') field.remove_prefix(1);
    while (!field.empty() && field.back() == '"') field.remove_suffix(1);
    if (ReadDateParts(field).kind != DateKind::None) return true;
    from = to + 1;
  }
  return false;
}

// One pass over the bytes; each cell's unquoted text is appended to the table.
class Reader {
 public:
  Reader(std::string_view text, char separator, CsvTable::Row& header, std::vector<CsvTable::Row>& rows,
         std::string& cells, std::vector<std::uint32_t>& ends, std::vector<RefusedRow>& refused)
      : s_(text), sep_(separator), header_(header), rows_(rows), cells_(cells), ends_(ends), refused_(refused) {}

  // False when stop ended it.
  bool Run(int firstLine, bool& haveHeader, const StopCheck& stop) {
    line_ = firstLine;
    for (std::size_t read = 0; pos_ < s_.size(); ++read) {
      if (stop && read % 4096 == 4095 && stop()) return false;
      const int rowLine = line_;
      const auto first = static_cast<std::uint32_t>(ends_.size());
      const std::size_t firstByte = cells_.size();
      bool anyText = false;
      bool unbalanced = false;
      std::uint32_t fields = 0;
      for (;;) {
        keep_ = fields < static_cast<std::uint32_t>(kMaxColumns);
        ++fields;
        const Field field = ReadField();
        if (field == Field::Unbalanced) {
          unbalanced = true;
          break;
        }
        anyText |= field == Field::Text;
        if (pos_ < s_.size() && s_[pos_] == sep_) {
          ++pos_;
          continue;
        }
        EndLine();
        break;
      }
      const auto count = static_cast<std::uint32_t>(ends_.size()) - first;
      if (unbalanced || !anyText) {  // a blank line, separators only, or a row taken back
        ends_.resize(first);
        cells_.resize(firstByte);
        if (unbalanced)
          refused_.push_back({quoteLine_, "a quote opened on line " + std::to_string(quoteLine_) +
                                              " is not closed before the next row"});
        continue;
      }
      if (!haveHeader) {
        header_ = {first, count, rowLine, fields};
        haveHeader = true;
      } else {
        rows_.push_back({first, count, rowLine, fields});
      }
    }
    return true;
  }

 private:
  enum class Field { Empty, Text, Unbalanced };

  bool IsPad(char c) const { return c == ' ' || (c == '\t' && sep_ != '\t'); }

  void EndLine() {
    if (pos_ >= s_.size()) return;
    if (s_[pos_] == '\r' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
  }

  // Past the end of the line that starts at or before from.
  void SkipToNextLine(std::size_t from) {
    pos_ = from;
    while (pos_ < s_.size() && !IsLineEnd(s_[pos_])) ++pos_;
    EndLine();
  }

  void Append(std::string_view text) {
    if (keep_) cells_.append(text);
  }

  // Reads one field up to (not past) its separator or line end.
  Field ReadField() {
    while (pos_ < s_.size() && IsPad(s_[pos_])) ++pos_;
    const std::size_t start = cells_.size();
    if (pos_ < s_.size() && s_[pos_] == '"') {
      if (!ReadQuoted()) return Field::Unbalanced;
    }
    // Text after the closing quote ("a"b) is kept as it stands, as spreadsheets do.
    const std::size_t from = pos_;
    while (pos_ < s_.size() && s_[pos_] != sep_ && !IsLineEnd(s_[pos_])) ++pos_;
    Append(s_.substr(from, pos_ - from));
    if (!keep_) return from == pos_ ? Field::Empty : Field::Text;
    while (cells_.size() > start && IsPad(cells_.back())) cells_.pop_back();
    if (cells_.size() - start > kMaxCellBytes) {
      std::size_t cut = start + kMaxCellBytes;
      while (cut > start && (static_cast<unsigned char>(cells_[cut]) & 0xC0) == 0x80) --cut;  // not inside a character
      cells_.resize(cut);
      cells_ += "\xE2\x80\xA6";  // U+2026, in UTF-8
    }
    ends_.push_back(static_cast<std::uint32_t>(cells_.size()));
    return cells_.size() > start ? Field::Text : Field::Empty;
  }

  // The quoted part of a field, unquoted. False, with the reading moved to
  // the line after the quote's, when the quote does not close before a line
  // that reads as a row, the kMaxQuotedLineBreaks-th line end or the end of the text.
  bool ReadQuoted() {
    const std::size_t open = pos_;
    quoteLine_ = line_;
    int breaks = 0;
    std::size_t i = pos_ + 1;
    const std::size_t firstByte = cells_.size();
    for (; i < s_.size(); ++i) {
      const char c = s_[i];
      if (c == '"') {
        if (i + 1 < s_.size() && s_[i + 1] == '"') {
          ++i;  // a doubled quote stands for one
        } else {
          pos_ = i + 1;
          return true;
        }
      } else if (IsLineEnd(c)) {
        if (c == '\r' && i + 1 < s_.size() && s_[i + 1] == '\n') {
          if (keep_) cells_ += c;
          ++i;
        }
        std::size_t next = i + 1, end = next;
        while (end < s_.size() && !IsLineEnd(s_[end])) ++end;
        if (++breaks > kMaxQuotedLineBreaks || LooksLikeRow(s_.substr(next, end - next), sep_)) break;
        ++line_;
      }
      if (keep_) cells_ += s_[i];
    }
    cells_.resize(firstByte);
    line_ = quoteLine_;
    SkipToNextLine(open);
    return false;
  }

  std::string_view s_;
  char sep_;
  CsvTable::Row& header_;
  std::vector<CsvTable::Row>& rows_;
  std::string& cells_;
  std::vector<std::uint32_t>& ends_;
  std::vector<RefusedRow>& refused_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int quoteLine_ = 0;
  bool keep_ = true;  // false past kMaxColumns: the field is read over
};

}  // namespace

CsvTable ReadCsv(std::string_view text, const StopCheck& stop) {
  CsvTable table;
  text = StripByteOrderMark(text);
  int firstLine = 1;
  // Excel's hint line "sep=;" names the separator and is no part of the table.
  if (text.size() >= 5 && text.substr(0, 4) == "sep=" && (text.size() == 5 || IsLineEnd(text[5]))) {
    table.separator = text[4];
    text.remove_prefix(5);
    if (text.substr(0, 2) == "\r\n") text.remove_prefix(1);
    if (!text.empty()) text.remove_prefix(1);
    firstLine = 2;
  } else {
    table.separator = SniffSeparator(text);
  }
  bool haveHeader = false;
  Reader reader(text, table.separator, table.header_, table.rows_, table.text_, table.ends_, table.refused_);
  table.stopped_ = !reader.Run(firstLine, haveHeader, stop);

  if (haveHeader) {
    const auto hasDate = [&](const CsvTable::Row& row) {
      for (std::uint32_t c = 0; c < row.cellCount; ++c)
        if (ReadDateParts(table.CellOf(row, static_cast<int>(c))).kind != DateKind::None) return true;
      for (std::uint32_t c = 0; c + 2 < row.cellCount; ++c)
        if (IsSplitDate(table.CellOf(row, static_cast<int>(c)), table.CellOf(row, static_cast<int>(c + 1)),
                        table.CellOf(row, static_cast<int>(c + 2))))
          return true;
      return false;
    };
    const auto filled = [&](const CsvTable::Row& row) {
      int n = 0;
      for (std::uint32_t c = 0; c < row.cellCount; ++c) n += !table.CellOf(row, static_cast<int>(c)).empty();
      return n;
    };
    // Title lines above the header hold one cell each and no date.
    std::size_t titles = 0;
    while (titles < table.rows_.size() && filled(titles == 0 ? table.header_ : table.rows_[titles - 1]) <= 1 &&
           !hasDate(titles == 0 ? table.header_ : table.rows_[titles - 1]) && !hasDate(table.rows_[titles]))
      ++titles;
    if (titles > 0) {
      table.header_ = table.rows_[titles - 1];
      table.rows_.erase(table.rows_.begin(), table.rows_.begin() + static_cast<std::ptrdiff_t>(titles));
    }
    // Without a header the first row is a draw: it holds a date.
    if (hasDate(table.header_)) {
      table.hasHeader = false;
      table.rows_.insert(table.rows_.begin(), table.header_);
    }
    table.headerLine_ = table.hasHeader ? table.header_.line : 0;

    // A row with far more fields than the header is no row of this table.
    const std::uint32_t headerFields = table.hasHeader ? table.header_.fields : table.rows_.front().fields;
    const std::uint32_t limit = FieldLimit(headerFields);
    std::size_t kept = 0;
    bool refusedWide = false;
    std::uint32_t widest = table.hasHeader ? table.header_.fields : 0;
    for (const CsvTable::Row& row : table.rows_) {
      if (row.fields > limit) {
        table.refused_.push_back({row.line, std::to_string(row.fields) + " fields, far more than the " +
                                                std::to_string(headerFields) + " of the header"});
        refusedWide = true;
        continue;
      }
      widest = std::max(widest, row.fields);
      table.rows_[kept++] = row;
    }
    table.rows_.resize(kept);
    if (refusedWide)
      std::stable_sort(table.refused_.begin(), table.refused_.end(),
                       [](const RefusedRow& a, const RefusedRow& b) { return a.line < b.line; });
    table.columns_ = static_cast<int>(std::min<std::uint32_t>(widest, kMaxColumns));
    table.columnsNotRead_ = static_cast<int>(widest - static_cast<std::uint32_t>(table.columns_));
  }
  return table;
}

}  // namespace drawlyze::import
