#include "core/import/csv_table.h"

#include <algorithm>

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
  if (!header.empty()) return '"' + std::string(header) + '"';
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

// One pass over the bytes; each cell's unquoted text is appended to the table.
class Reader {
 public:
  Reader(std::string_view text, char separator, CsvTable::Row& header, std::vector<CsvTable::Row>& rows,
         std::string& cells, std::vector<std::uint32_t>& ends)
      : s_(text), sep_(separator), header_(header), rows_(rows), cells_(cells), ends_(ends) {}

  int Run(int firstLine, bool& haveHeader) {
    line_ = firstLine;
    int widest = 0;
    while (pos_ < s_.size()) {
      const int rowLine = line_;
      const auto first = static_cast<std::uint32_t>(ends_.size());
      bool anyText = false;
      for (;;) {
        anyText |= ReadField();
        if (pos_ < s_.size() && s_[pos_] == sep_) {
          ++pos_;
          continue;
        }
        EndLine();
        break;
      }
      const auto count = static_cast<std::uint32_t>(ends_.size()) - first;
      if (!anyText) {  // a blank line or separators only
        ends_.resize(first);
        cells_.resize(first == 0 ? 0 : ends_.back());
        continue;
      }
      widest = std::max(widest, static_cast<int>(count));
      if (!haveHeader) {
        header_ = {first, count, rowLine};
        haveHeader = true;
      } else {
        rows_.push_back({first, count, rowLine});
      }
    }
    return widest;
  }

 private:
  bool IsPad(char c) const { return c == ' ' || (c == '\t' && sep_ != '\t'); }

  void EndLine() {
    if (pos_ >= s_.size()) return;
    if (s_[pos_] == '\r' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
  }

  // Reads one field up to (not past) its separator or line end. True when it holds text.
  bool ReadField() {
    while (pos_ < s_.size() && IsPad(s_[pos_])) ++pos_;
    const std::size_t start = cells_.size();
    if (pos_ < s_.size() && s_[pos_] == '"' && ReadQuoted()) {
      // Text after the closing quote ("a"b) is kept as it stands, as spreadsheets do.
      while (pos_ < s_.size() && s_[pos_] != sep_ && !IsLineEnd(s_[pos_])) cells_ += s_[pos_++];
    } else {
      const std::size_t from = pos_;
      while (pos_ < s_.size() && s_[pos_] != sep_ && !IsLineEnd(s_[pos_])) ++pos_;
      cells_.append(s_.substr(from, pos_ - from));
    }
    while (cells_.size() > start && IsPad(cells_.back())) cells_.pop_back();
    ends_.push_back(static_cast<std::uint32_t>(cells_.size()));
    return cells_.size() > start;
  }

  // A quote that is never closed is an ordinary character: the rest of the
  // file is not swallowed into one cell. False in that case, nothing consumed.
  bool ReadQuoted() {
    const std::size_t close = FindClosingQuote(pos_ + 1);
    if (close == std::string_view::npos) return false;
    for (std::size_t i = pos_ + 1; i < close; ++i) {
      const char c = s_[i];
      if (c == '"') ++i;  // a doubled quote stands for one
      if (c == '\n' || (c == '\r' && !(i + 1 < close && s_[i + 1] == '\n'))) ++line_;
      cells_ += c;
    }
    pos_ = close + 1;
    return true;
  }

  std::size_t FindClosingQuote(std::size_t i) const {
    for (; i < s_.size(); ++i) {
      if (s_[i] != '"') continue;
      if (i + 1 < s_.size() && s_[i + 1] == '"') {
        ++i;
        continue;
      }
      return i;
    }
    return std::string_view::npos;
  }

  std::string_view s_;
  char sep_;
  CsvTable::Row& header_;
  std::vector<CsvTable::Row>& rows_;
  std::string& cells_;
  std::vector<std::uint32_t>& ends_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

CsvTable ReadCsv(std::string_view text) {
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
  table.text_.reserve(text.size());
  table.ends_.reserve(text.size() / 4 + 16);  // a cell takes at least a separator and a character
  table.rows_.reserve(text.size() / 32 + 4);
  bool haveHeader = false;
  Reader reader(text, table.separator, table.header_, table.rows_, table.text_, table.ends_);
  table.columns_ = reader.Run(firstLine, haveHeader);

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
  }
  return table;
}

}  // namespace drawlyze::import
