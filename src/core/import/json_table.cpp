#include "core/import/json_table.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <nlohmann/json.hpp>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/history/escaped_text.h"

namespace drawlyze::import {

namespace {

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

struct Civil {
  long long year;
  unsigned month, day;
};

Civil CivilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<long long>(yoe) + era * 400 + (m <= 2), m, d};
}

long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// 0 is Sunday.
unsigned Weekday(long long days) { return static_cast<unsigned>(((days % 7) + 11) % 7); }

long long NthSunday(long long year, unsigned month, int n) {
  const long long first = DaysFromCivil(year, month, 1);
  return first + (7 - Weekday(first)) % 7 + 7 * (n - 1);
}

long long LastSunday(long long year, unsigned month) {
  const long long last = DaysFromCivil(month == 12 ? year + 1 : year, month == 12 ? 1 : month + 1, 1) - 1;
  return last - Weekday(last);
}

// Whether US Eastern clocks stand on daylight time at a moment given in
// seconds of Eastern standard time.
bool EasternDaylight(long long standardSeconds) {
  const long long year = CivilFromDays(FloorDiv(standardSeconds, 86400)).year;
  if (year < 1967) return false;
  long long start = 0, end = 0;
  if (year >= 2007) {
    start = NthSunday(year, 3, 2);
    end = NthSunday(year, 11, 1);
  } else if (year >= 1987) {
    start = NthSunday(year, 4, 1);
    end = LastSunday(year, 10);
  } else {
    start = year == 1974 ? DaysFromCivil(1974, 1, 6) : year == 1975 ? DaysFromCivil(1975, 2, 23) : LastSunday(year, 4);
    end = LastSunday(year, 10);
  }
  // From 2:00 standard time on the first day to 2:00 daylight time (1:00 standard) on the last.
  return standardSeconds >= start * 86400 + 7200 && standardSeconds < end * 86400 + 3600;
}

std::string Iso(long long days) {
  const Civil c = CivilFromDays(days);
  std::string text = std::to_string(c.year);
  text += c.month < 10 ? "-0" : "-";
  text += std::to_string(c.month);
  text += c.day < 10 ? "-0" : "-";
  text += std::to_string(c.day);
  return text;
}

// "/Date(1593662400000)/" or "/Date(1593662400000-0400)/": the milliseconds; the
// offset, which only says where the server stood, is not used.
std::optional<long long> DotNetDate(std::string_view s) {
  if (s.size() < 9 || s.substr(0, 6) != "/Date(" || s.substr(s.size() - 2) != ")/") return std::nullopt;
  s = s.substr(6, s.size() - 8);
  std::size_t i = 0;
  const bool negative = !s.empty() && s[0] == '-';
  if (negative) ++i;
  long long value = 0;
  std::size_t digits = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9' && digits < 16; ++i, ++digits) value = value * 10 + (s[i] - '0');
  if (digits == 0) return std::nullopt;
  if (i < s.size()) {
    if ((s[i] != '+' && s[i] != '-') || s.size() - i != 5) return std::nullopt;
    for (std::size_t k = i + 1; k < s.size(); ++k)
      if (s[k] < '0' || s[k] > '9') return std::nullopt;
  }
  return negative ? -value : value;
}

std::string Lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// A number in milliseconds under a field whose name says date or time
// ("drawTime", "draw_date"): from 1973 to 2286.
bool IsTimestamp(std::string_view key, long long value) {
  const std::string lower = Lowered(key);
  return value >= 100000000000LL && value < 10000000000000LL &&
         (lower.find("date") != std::string::npos || lower.find("time") != std::string::npos);
}

bool IsDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A text iterator that counts the line ends it passes: the line a record opens on.
class LineCountingIterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  LineCountingIterator(const char* p, int* line) : p_(p), line_(line) {}
  reference operator*() const { return *p_; }
  LineCountingIterator& operator++() {
    if (*p_ == '\n') ++*line_;
    ++p_;
    return *this;
  }
  LineCountingIterator operator++(int) {
    LineCountingIterator before = *this;
    ++*this;
    return before;
  }
  bool operator==(const LineCountingIterator& other) const { return p_ == other.p_; }
  bool operator!=(const LineCountingIterator& other) const { return p_ != other.p_; }

 private:
  const char* p_;
  int* line_;
};

}  // namespace

// Lays the records out in a CsvTable's storage, as ReadCsv does for lines.
class TableBuilder {
 public:
  static constexpr std::size_t kMaxCountedPaths = 4096;

  explicit TableBuilder(CsvTable& table) : t_(table) {}

  // The column of a field's path; -1 past kMaxColumns (counted, never stored).
  int Column(const std::string& path) {
    const auto found = columns_.find(path);
    if (found != columns_.end()) return found->second;
    if (static_cast<int>(names_.size()) >= kMaxColumns) {
      // Counted while there are few; a file of endless new names costs no memory for them.
      if (columns_.size() < kMaxColumns + kMaxCountedPaths) {
        columns_.emplace(path, -1);
        ++t_.columnsNotRead_;
      }
      return -1;
    }
    names_.push_back(path);
    return columns_.emplace(path, static_cast<int>(names_.size()) - 1).first->second;
  }

  // One record's cells, in any order of columns; a field named twice keeps its first value.
  void AddRow(std::vector<std::pair<int, std::string>>& cells, int line, std::uint32_t dropped) {
    std::stable_sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto first = static_cast<std::uint32_t>(t_.ends_.size());
    int next = 0;
    bool any = false;
    for (const auto& [column, text] : cells) {
      if (column < next) continue;
      for (; next < column; ++next) t_.ends_.push_back(static_cast<std::uint32_t>(t_.text_.size()));
      Append(text);
      any |= !text.empty();
      ++next;
    }
    const auto count = static_cast<std::uint32_t>(next);
    if (!any) {  // a record of empty fields is no row, as a blank line is none
      t_.ends_.resize(first);
      return;
    }
    t_.rows_.push_back({first, count, line, count + dropped});
  }

  void Finish(int headerLine, bool stopped) {
    const auto first = static_cast<std::uint32_t>(t_.ends_.size());
    for (const std::string& name : names_) Append(name);
    t_.header_ = {first, static_cast<std::uint32_t>(names_.size()), headerLine,
                  static_cast<std::uint32_t>(names_.size()) + static_cast<std::uint32_t>(t_.columnsNotRead_)};
    t_.hasHeader = true;
    t_.headerLine_ = headerLine;
    t_.columns_ = static_cast<int>(names_.size());
    t_.stopped_ = stopped;
  }

  // Drops every row: the shape is refused.
  void Clear() { t_ = CsvTable(); }

 private:
  void Append(std::string_view text) {
    const std::size_t start = t_.text_.size();
    t_.text_.append(text.substr(0, kMaxCellBytes + 4));
    if (t_.text_.size() - start > kMaxCellBytes) {
      std::size_t cut = start + kMaxCellBytes;
      while (cut > start && (static_cast<unsigned char>(t_.text_[cut]) & 0xC0) == 0x80) --cut;
      t_.text_.resize(cut);
      t_.text_ += "\xE2\x80\xA6";  // U+2026, as the CSV reader cuts a cell
    }
    t_.ends_.push_back(static_cast<std::uint32_t>(t_.text_.size()));
  }

  CsvTable& t_;
  std::unordered_map<std::string, int> columns_;
  std::vector<std::string> names_;
};

namespace {

using Json = nlohmann::json;

// The events of nlohmann-json's parser, turned into rows as they come: no
// document is built, whatever the size of the text.
class RecordReader {
 public:
  RecordReader(TableBuilder& builder, const JsonOptions& options, const StopCheck& stop, const int& line)
      : b_(builder), options_(options), stop_(stop), line_(line) {}

  const std::string& Problem() const { return problem_; }
  bool Stopped() const { return stopped_; }
  bool SawRecords() const { return !recordsName_.empty() || recordsAtTop_; }
  bool SawTopArray() const { return topArray_; }
  int RecordsLine() const { return recordsLine_; }

  bool null() { return Scalar({}, false); }
  bool boolean(bool value) { return Scalar(value ? "true" : "false", false); }
  bool number_integer(Json::number_integer_t value) { return Integer(static_cast<long long>(value)); }
  bool number_unsigned(Json::number_unsigned_t value) {
    return value <= static_cast<Json::number_unsigned_t>(INT64_MAX) ? Integer(static_cast<long long>(value))
                                                                    : Scalar(std::to_string(value), true);
  }
  bool number_float(Json::number_float_t, const Json::string_t& text) { return Scalar(text, true); }
  bool string(Json::string_t& value) {
    if (const std::optional<long long> ms = DotNetDate(value); ms && InRecordObject())
      return Scalar(DayOfTimestamp(*ms, options_.zone), false);
    return Scalar(value, IsDigits(value));
  }
  bool binary(Json::binary_t&) { return Scalar({}, false); }

  // A name is kept no longer than a cell: a path stays short however long the names.
  bool key(Json::string_t& name) {
    std::size_t keep = std::min(name.size(), kMaxCellBytes);
    while (keep < name.size() && keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
    frames_.back().key.assign(name, 0, keep);
    return true;
  }

  bool start_object(std::size_t) {
    if (!Enter()) return false;
    Frame frame;
    frame.array = false;
    if (frames_.empty()) {
      frame.kind = Kind::Top;
    } else if (frames_.back().kind == Kind::Records) {
      frame.kind = Kind::Record;
      ++frames_.back().records;
      cells_.clear();
      dropped_ = 0;
      recordLine_ = line_;
      if (stop_ && ++recordCount_ % 4096 == 0 && stop_()) {
        stopped_ = true;
        return false;
      }
    } else if (InRecord()) {
      frame.kind = Kind::Field;
      frame.path = ChildPath();
    } else {
      frame.kind = Kind::Ignored;
    }
    frames_.push_back(std::move(frame));
    return true;
  }

  bool end_object() {
    const Frame frame = std::move(frames_.back());
    frames_.pop_back();
    --depth_;
    if (frame.kind == Kind::Record) b_.AddRow(cells_, recordLine_, dropped_);
    if (!frames_.empty() && frames_.back().array) ++frames_.back().index;
    return true;
  }

  bool start_array(std::size_t) {
    if (!Enter()) return false;
    Frame frame;
    frame.array = true;
    if (frames_.empty()) {
      frame.kind = Kind::Records;
      topArray_ = true;
      frame.name = "the top-level array";
    } else if (frames_.back().kind == Kind::Top) {
      frame.kind = Kind::Records;
      frame.name = '"' + Excerpt(frames_.back().key) + '"';
    } else if (frames_.back().kind == Kind::Records) {
      if (!NotRecords(frames_.back(), "arrays")) return false;
      frame.kind = Kind::Ignored;
    } else if (InRecord()) {
      frame.kind = Kind::Field;
      frame.path = ChildPath();
    } else {
      frame.kind = Kind::Ignored;
    }
    frame.line = line_;
    frames_.push_back(std::move(frame));
    return true;
  }

  bool end_array() {
    Frame frame = std::move(frames_.back());
    frames_.pop_back();
    --depth_;
    if (frame.kind == Kind::Field && frame.scalars > 0) Cell(frame.path, std::move(frame.joined));
    if (frame.kind == Kind::Records && frame.records > 0) {
      if (SawRecords())
        return Refuse("the JSON holds two arrays of records, " + recordsNameOrTop() + " and " + frame.name +
                      ": which one holds the draws is unclear");
      if (frames_.empty())
        recordsAtTop_ = true;
      else
        recordsName_ = frame.name;
      recordsLine_ = frame.line;
    }
    if (!frames_.empty() && frames_.back().array) ++frames_.back().index;
    return true;
  }

  bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception&) {
    if (problem_.empty() && !stopped_)
      problem_ = "the text is not valid JSON (at byte " + std::to_string(position) + ")";
    return false;
  }

 private:
  enum class Kind : std::uint8_t { Top, Records, Record, Field, Ignored };

  struct Frame {
    Kind kind = Kind::Ignored;
    bool array = false;
    std::string key;   // objects: the member being read
    std::string path;  // fields: the column name of this value
    std::string name;  // records arrays: how messages call it
    int index = 0;     // arrays: the element being read
    int line = 0;
    long long records = 0;
    int scalars = 0;
    bool numeric = true;
    std::string joined;  // an array of plain values, as one cell
  };

  std::string recordsNameOrTop() const { return recordsAtTop_ ? "the top-level array" : recordsName_; }

  bool Refuse(std::string why) {
    if (problem_.empty()) problem_ = std::move(why);
    return false;
  }

  // An array beside the records that holds something else is read over; the
  // array of the whole text, or one that held records, makes the shape unclear.
  bool NotRecords(Frame& array, const char* what) {
    if (frames_.size() == 1 || array.records > 0) return Refuse(array.name + " holds " + what + ", not only records");
    array.kind = Kind::Ignored;
    return true;
  }

  bool Enter() {
    if (++depth_ > kMaxJsonDepth)
      return Refuse("the JSON is nested deeper than " + std::to_string(kMaxJsonDepth) + " levels");
    return true;
  }

  bool InRecord() const {
    return !frames_.empty() && (frames_.back().kind == Kind::Record || frames_.back().kind == Kind::Field);
  }
  bool InRecordObject() const { return InRecord() && !frames_.back().array; }

  // The column name of the value about to be read inside a record.
  std::string ChildPath() const {
    const Frame& parent = frames_.back();
    if (parent.array) return parent.path + "[" + std::to_string(parent.index) + "]";
    return parent.path.empty() ? parent.key : parent.path + "." + parent.key;
  }

  void Cell(const std::string& path, std::string text) {
    const int column = b_.Column(path);
    if (column < 0)
      ++dropped_;
    else
      cells_.emplace_back(column, std::move(text));
  }

  bool Integer(long long value) {
    if (InRecordObject() && IsTimestamp(frames_.back().key, value))
      return Scalar(DayOfTimestamp(value, options_.zone), false);
    return Scalar(std::to_string(value), true);
  }

  bool Scalar(std::string text, bool numeric) {
    if (frames_.empty()) return Refuse("the JSON is a single value, not an array of records");
    Frame& parent = frames_.back();
    switch (parent.kind) {
      case Kind::Records:
        return NotRecords(parent, "plain values");
      case Kind::Top:
      case Kind::Ignored:
        return true;  // a page count, a status: nothing of the draws
      case Kind::Record:
      case Kind::Field:
        break;
    }
    if (!parent.array) {
      Cell(ChildPath(), std::move(text));
      return true;
    }
    // An array of plain values is one cell; it is read no further than a cell keeps.
    if (parent.joined.size() <= kMaxCellBytes) {
      if (parent.scalars > 0) parent.joined += numeric && parent.numeric ? "-" : ", ";
      parent.joined += text;
    }
    parent.numeric = parent.numeric && numeric;
    ++parent.scalars;
    ++parent.index;
    return true;
  }

  TableBuilder& b_;
  const JsonOptions& options_;
  const StopCheck& stop_;
  const int& line_;
  std::vector<Frame> frames_;
  int depth_ = 0;
  std::vector<std::pair<int, std::string>> cells_;
  std::uint32_t dropped_ = 0;
  int recordLine_ = 0;
  long long recordCount_ = 0;
  std::string recordsName_;
  bool recordsAtTop_ = false;
  bool topArray_ = false;
  int recordsLine_ = 0;
  std::string problem_;
  bool stopped_ = false;
};

}  // namespace

bool LooksLikeJson(std::string_view text) {
  text = StripByteOrderMark(text);
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    return c == '[' || c == '{';
  }
  return false;
}

std::string DayOfTimestamp(long long milliseconds, JsonTimeZone zone) {
  long long seconds = FloorDiv(milliseconds, 1000);
  if (zone == JsonTimeZone::UsEastern) {
    seconds -= 5 * 3600;
    if (EasternDaylight(seconds)) seconds += 3600;
  }
  return Iso(FloorDiv(seconds, 86400));
}

JsonTable ReadJsonTable(std::string_view text, const JsonOptions& options, const StopCheck& stop) {
  JsonTable result;
  text = StripByteOrderMark(text);
  TableBuilder builder(result.table);
  int line = 1;
  RecordReader reader(builder, options, stop, line);
  const LineCountingIterator begin(text.data(), &line), end(text.data() + text.size(), &line);
  Json::sax_parse(begin, end, &reader, nlohmann::json::input_format_t::json, true, false);
  if (reader.Stopped()) {
    builder.Finish(reader.RecordsLine(), true);
    return result;
  }
  result.problem = reader.Problem();
  if (result.problem.empty() && !reader.SawRecords() && !reader.SawTopArray())
    result.problem = "the JSON holds no array of records";
  if (!result.problem.empty()) {
    builder.Clear();
    return result;
  }
  builder.Finish(reader.RecordsLine(), false);
  return result;
}

}  // namespace drawlyze::import
