#include "core/import/import.h"

#include "core/history/draw_history.h"

namespace drawlyze::import {

namespace {

bool IsBlankLine(std::string_view line) {
  for (char c : line)
    if (static_cast<unsigned char>(c) > 32) return false;
  return true;
}

std::string Quoted(std::string_view cell) { return '"' + std::string(Trim(cell)) + '"'; }

// The fourth token of a draw-file line: its draw time ("Day", "Eve"), if any.
std::string_view TimeTokenOf(std::string_view line) {
  int token = 0;
  std::size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && static_cast<unsigned char>(line[pos]) <= 32) ++pos;
    const std::size_t from = pos;
    while (pos < line.size() && static_cast<unsigned char>(line[pos]) > 32) ++pos;
    if (from == pos) break;
    if (++token == 4) return line.substr(from, pos - from);
  }
  return {};
}

DrawTime TokenTime(std::string_view token) {
  DrawTime time = DrawTime::Unknown;
  return ReadDrawTime(token, time) ? time : DrawTime::Unknown;
}

// A draw file passes through: every line the loader accepts is a draw, its
// date read as the file writes it (DD.MM.YYYY).
void ReadDrawFileLines(std::string_view text, ImportedInput& input) {
  const std::vector<std::string_view> lines = SplitLines(text);
  input.draws.reserve(lines.size());
  bool ownNight = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int line = static_cast<int>(i + 1);
    if (IsBlankLine(lines[i])) continue;
    ++input.rows;
    const ParsedLine parsed = ParseDrawLine(lines[i]);
    std::uint8_t numbers[DRAW_SIZE] = {};
    if (!parsed.valid || ParseNumberList(parsed.field, numbers, DRAW_SIZE) != DRAW_SIZE || numbers[0] > 9 ||
        numbers[1] > 9 || numbers[2] > 9) {
      input.skipped.push_back({line, "not a draw line"});
      continue;
    }
    const DateParts parts = ReadDateParts(parsed.date);
    const DayKey day = parts.kind == DateKind::Dotted ? ResolveDate(parts, DayOrder::DayFirst) : 0;
    if (day == 0) {
      input.skipped.push_back({line, "the date " + parsed.date + " is not a day written DD.MM.YYYY"});
      continue;
    }
    const std::string_view token = TimeTokenOf(lines[i]);
    ownNight |= token == TimeToken(DrawTime::Night);
    input.draws.push_back({day, TokenTime(token), {numbers[0], numbers[1], numbers[2]}, 0, line});
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
DayKey RowDay(const CsvTable& table, int row, const Mapping& m, std::string& reason) {
  if (m.dateColumn >= 0) {
    const std::string_view cell = Trim(table.Cell(row, m.dateColumn));
    const DayKey day = ResolveDate(ReadDateParts(cell), m.dayOrder);
    if (day == 0) reason = cell.empty() ? "no date" : "the date " + Quoted(cell) + " is not a day";
    return day;
  }
  const std::string_view month = Trim(table.Cell(row, m.monthColumn));
  const std::string_view day = Trim(table.Cell(row, m.dayColumn));
  const std::string_view year = Trim(table.Cell(row, m.yearColumn));
  const DayKey key = MakeDayKey(ReadYear(year), ReadDayOrMonth(month), ReadDayOrMonth(day));
  if (key == 0)
    reason = month.empty() && day.empty() && year.empty()
                 ? "no date"
                 : "the date " + Quoted(std::string(month) + "/" + std::string(day) + "/" + std::string(year)) +
                       " (month/day/year) is not a day";
  return key;
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

bool LooksLikeDrawFile(std::string_view text) {
  text = StripByteOrderMark(text);
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (!IsBlankLine(line)) return ParseDrawLine(line).valid;
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return false;
}

void Convert(ImportedInput& input) {
  const CsvTable& table = input.table;
  const Mapping& m = input.mapping;
  input.draws.clear();
  input.skipped.clear();
  input.rows = table.Rows();
  if (!m.Ready() || !m.HasDate()) return;
  input.draws.reserve(static_cast<std::size_t>(table.Rows()) * m.results.size());
  std::string reason;
  for (int row = 0; row < table.Rows(); ++row) {
    const int line = table.Line(row);
    const DayKey day = RowDay(table, row, m, reason);
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
}

ImportedInput ReadInput(std::string name, std::string_view text, const MappingChoice& choice) {
  ImportedInput input;
  input.name = std::move(name);
  std::string narrowed;
  if (IsUtf16(text)) text = narrowed = NarrowUtf16(text);
  text = StripByteOrderMark(text);
  if (LooksLikeDrawFile(text)) {
    input.kind = InputKind::DrawFile;
    ReadDrawFileLines(text, input);
    return input;
  }
  input.table = ReadCsv(text);
  if (input.table.Rows() == 0) return input;  // a header alone, or nothing: no draws, nothing unclear
  input.mapping = ProposeMapping(input.table, choice);
  Convert(input);
  return input;
}

}  // namespace drawlyze::import
