#include "core/import/import.h"

#include <algorithm>
#include <limits>

#include "core/history/draw_history.h"
#include "core/history/escaped_text.h"

namespace drawlyze::import {

namespace {

// A cell as a message quotes it: a short, escaped excerpt.
std::string Quoted(std::string_view cell) { return '"' + Excerpt(Trim(cell)) + '"'; }

// The most draws an input may give: more than a draw file may hold even
// after duplicates were dropped twice over. Reading stops there.
constexpr std::size_t kMaxInputDraws = kMaxDrawFileBytes / 27 * 2;  // 27 bytes: the shortest line

Error Stopped(const std::string& name) { return {ErrorKind::Stopped, name, "the import was stopped"}; }

Error TooManyDraws(const std::string& name, int line) {
  return {ErrorKind::TooLarge, name,
          "more draws than a draw file of " + std::to_string(kMaxDrawFileBytes >> 20) + " MiB holds, by line " +
              std::to_string(line)};
}

// Why a day after latest (tomorrow) is refused.
std::string FutureReason(const std::string& written, DayKey latest) {
  std::string text = "the date " + written + " lies after tomorrow (";
  AppendDate(text, latest);
  return text + ")";
}

DrawTime TokenTime(std::string_view token) {
  DrawTime time = DrawTime::Unknown;
  return ReadDrawTime(token, time) ? time : DrawTime::Unknown;
}

// A draw file passes through by the loader's own rules: every line it calls
// incorrect is an unreadable row; the date must be a day written DD.MM.YYYY.
void ReadDrawFileLines(std::string_view text, const StopCheck& stop, ImportedInput& input) {
  const std::vector<std::string_view> lines = SplitLines(text);
  const DayKey latest = LatestDrawDay();
  bool ownNight = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int line = static_cast<int>(i + 1);
    if (stop && i % 4096 == 4095 && stop()) {
      input.failure = Stopped(input.name);
      return;
    }
    if (input.draws.size() >= kMaxInputDraws) {
      input.failure = TooManyDraws(input.name, line);
      return;
    }
    ++input.rows;
    Draw draw;
    if (!ReadDrawLine(lines[i], draw)) {
      input.skipped.push_back({line, "not a draw line"});
      continue;
    }
    const DateParts parts = ReadDateParts(draw.date);
    const DayKey day = parts.kind == DateKind::Dotted ? ResolveDate(parts, DayOrder::DayFirst) : 0;
    if (day == 0) {
      input.skipped.push_back({line, "the date " + Excerpt(draw.date) + " is not a day written DD.MM.YYYY"});
      continue;
    }
    if (day > latest) {
      input.skipped.push_back({line, FutureReason(draw.date, latest)});
      continue;
    }
    ownNight |= draw.time == TimeToken(DrawTime::Night);
    input.draws.push_back({day, TokenTime(draw.time), draw.a, 0, line});
  }
  // Two draws a day, written Day and Night: the later one is the evening draw.
  // Not in a file this importer wrote: there a night draw is one ("Ngt").
  bool night = false, morningOrEvening = false;
  for (const ImportedDraw& d : input.draws) {
    night |= d.time == DrawTime::Night;
    morningOrEvening |= d.time == DrawTime::Morning || d.time == DrawTime::Evening;
  }
  if (night && !morningOrEvening && !ownNight)
    for (ImportedDraw& d : input.draws)
      if (d.time == DrawTime::Night) d.time = DrawTime::Evening;
}

// The day of a row: from the date column, or from the month, day and year columns.
DayKey RowDay(const CsvTable& table, int row, const Mapping& m, DayKey latest, std::string& reason) {
  if (m.dateColumn >= 0) {
    const std::string_view cell = Trim(table.Cell(row, m.dateColumn));
    const DayKey day = ResolveDate(ReadDateParts(cell), m.dayOrder);
    if (day == 0) reason = cell.empty() ? "no date" : "the date " + Quoted(cell) + " is not a day";
    if (day > latest) reason = FutureReason(Quoted(cell), latest);
    return day > latest ? 0 : day;
  }
  const std::string_view month = Trim(table.Cell(row, m.monthColumn));
  const std::string_view day = Trim(table.Cell(row, m.dayColumn));
  const std::string_view year = Trim(table.Cell(row, m.yearColumn));
  const DayKey key = MakeDayKey(ReadYear(year), ReadDayOrMonth(month), ReadDayOrMonth(day));
  if (key == 0 || key > latest) {
    const std::string written = Quoted(std::string(month) + "/" + std::string(day) + "/" + std::string(year));
    reason = key > latest                                   ? FutureReason(written, latest)
             : month.empty() && day.empty() && year.empty() ? "no date"
                                                            : "the date " + written + " (month/day/year) is not a day";
  }
  return key > latest ? 0 : key;
}

// One result of a row: false with a reason when its cells hold something
// else; found stays false when they are empty.
bool ReadSource(const CsvTable& table, int row, const ResultSource& source, DrawNumbers& numbers, bool& found,
                std::string& reason) {
  found = false;
  if (source.columns.size() == 1) {
    const std::string_view cell = Trim(table.Cell(row, source.columns[0]));
    if (cell.empty()) return true;
    if (!ReadResult(cell, numbers)) {
      reason = "the result " + Quoted(cell) + " in " + table.ColumnName(source.columns[0]) + " is not a pick-3 result";
      return false;
    }
    found = true;
    return true;
  }
  bool anyFilled = false;
  for (int c : source.columns) anyFilled |= !Trim(table.Cell(row, c)).empty();
  if (!anyFilled) return true;
  for (std::size_t ball = 0; ball < source.columns.size() && ball < numbers.size(); ++ball) {
    const std::string_view cell = table.Cell(row, source.columns[ball]);
    const int digit = ReadDigit(cell);
    if (digit < 0) {
      reason = "the digit " + Quoted(cell) + " in " + table.ColumnName(source.columns[ball]) + " is not 0 to 9";
      return false;
    }
    numbers[ball] = static_cast<std::uint8_t>(digit);
  }
  found = true;
  return true;
}

}  // namespace

void Convert(ImportedInput& input, const StopCheck& stop) {
  const CsvTable& table = input.table;
  const Mapping& m = input.mapping;
  input.draws.clear();
  input.skipped.clear();
  input.failure.reset();
  if (table.Stopped()) input.failure = Stopped(input.name);
  input.rows = table.Rows() + static_cast<int>(table.Refused().size());
  // The rows the reader refused stand among the others, by line.
  const std::vector<RefusedRow>& refused = table.Refused();
  std::size_t nextRefused = 0;
  const auto refusedBefore = [&](int line) {
    for (; nextRefused < refused.size() && refused[nextRefused].line < line; ++nextRefused)
      input.skipped.push_back({refused[nextRefused].line, refused[nextRefused].reason});
  };
  if (!m.Ready() || !m.HasDate() || input.failure) {
    refusedBefore(std::numeric_limits<int>::max());
    return;
  }
  input.draws.reserve(std::min(static_cast<std::size_t>(table.Rows()) * m.results.size(), kMaxInputDraws));
  std::string reason;
  const DayKey latest = LatestDrawDay();
  for (int row = 0; row < table.Rows(); ++row) {
    const int line = table.Line(row);
    if (stop && row % 4096 == 4095 && stop()) {
      input.failure = Stopped(input.name);
      return;
    }
    if (input.draws.size() >= kMaxInputDraws) {
      input.failure = TooManyDraws(input.name, line);
      return;
    }
    refusedBefore(line);
    const DayKey day = RowDay(table, row, m, latest, reason);
    if (day == 0) {
      input.skipped.push_back({line, reason});
      continue;
    }
    DrawTime rowTime = DrawTime::Unknown;
    if (m.timeColumn >= 0 && !ReadDrawTime(table.Cell(row, m.timeColumn), rowTime)) {
      input.skipped.push_back(
          {line, "the draw time " + Quoted(table.Cell(row, m.timeColumn)) + " is neither midday nor evening"});
      continue;
    }
    if (m.nightIsEvening && rowTime == DrawTime::Night) rowTime = DrawTime::Evening;
    // A row gives its draws only when every result it holds reads.
    const std::size_t before = input.draws.size();
    bool readable = true;
    for (const ResultSource& source : m.results) {
      DrawNumbers numbers{};
      bool found = false;
      if (!ReadSource(table, row, source, numbers, found, reason)) {
        readable = false;
        break;
      }
      if (found)
        input.draws.push_back({day, source.time == DrawTime::Unknown ? rowTime : source.time, numbers, 0, line});
    }
    if (!readable) {
      input.draws.resize(before);
      input.skipped.push_back({line, reason});
    } else if (input.draws.size() == before) {
      input.skipped.push_back({line, "no result"});
    }
  }
  refusedBefore(std::numeric_limits<int>::max());
}

ImportedInput ReadInput(std::string name, std::string_view text, const MappingChoice& choice, const StopCheck& stop,
                        const JsonOptions& json) {
  ImportedInput input;
  input.name = std::move(name);
  input.kind = DetectInput(text);
  if (input.kind == InputKind::Zip || input.kind == InputKind::Binary) {
    input.failure = Error{ErrorKind::Unreadable, input.name,
                          input.kind == InputKind::Zip
                              ? "a ZIP archive, neither a draw file nor a results export: extract its results file"
                              : "binary data (a NUL byte), neither a draw file nor a results export"};
    return input;
  }
  std::string narrowed;
  if (IsUtf16(text)) text = narrowed = NarrowUtf16(text);
  text = StripByteOrderMark(text);
  if (input.kind == InputKind::DrawFile) {
    ReadDrawFileLines(text, stop, input);
    return input;
  }
  std::string shape;
  if (LooksLikeJson(text)) {
    JsonTable read = ReadJsonTable(text, json, stop);
    input.table = std::move(read.table);
    shape = std::move(read.problem);
  } else {
    input.table = ReadCsv(text, stop);
  }
  if (!shape.empty()) {
    input.failure = Error{ErrorKind::Unreadable, input.name, shape};
    return input;
  }
  narrowed = std::string();                                // the table holds what it needs of the text
  if (input.table.Rows() == 0 || input.table.Stopped()) {  // a header alone, or nothing: no draws, nothing unclear
    Convert(input, stop);
    return input;
  }
  input.mapping = ProposeMapping(input.table, choice);
  Convert(input, stop);
  return input;
}

}  // namespace drawlyze::import
