// The summary of an import as data, and its wording, section by section.
#include "core/import/import_summary.h"

#include <algorithm>
#include <charconv>

#include "core/history/draw_history.h"
#include "core/history/escaped_text.h"

namespace drawlyze::import {

namespace {

void AppendNumber(std::string& out, long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

std::string DateText(DayKey day) {
  std::string text;
  AppendDate(text, day);
  return text;
}

std::string Digits(const DrawNumbers& n) {
  return {static_cast<char>('0' + n[0]), static_cast<char>('0' + n[1]), static_cast<char>('0' + n[2])};
}

std::string Counted(std::size_t n, const char* thing) { return std::to_string(n) + ' ' + thing + (n == 1 ? "" : "s"); }

// 25027 as "25,027".
std::string Grouped(std::size_t n) {
  std::string digits = std::to_string(n), out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

std::string Lines(const std::vector<SkippedRow>& skipped) {
  std::string text;
  for (const SkippedRow& row : skipped) {
    text += ' ';
    AppendNumber(text, row.line);
  }
  return text;
}

InputSummary SummaryOf(const ImportedInput& input) {
  InputSummary s;
  s.name = input.name;
  s.kind = input.kind;
  s.rows = input.rows;
  s.draws = input.draws.size();
  if (input.kind != InputKind::DrawFile) {
    const std::vector<ColumnUse>& uses = input.mapping.columns;
    for (std::size_t c = 0; c < uses.size(); ++c)
      s.columns.push_back(
          {static_cast<int>(c + 1), std::string(input.table.Header(static_cast<int>(c))), uses[c].reason});
    s.columnsNotRead = input.table.ColumnsNotRead();
  }
  if (input.failure) s.failure = input.failure->detail;
  s.skipped = input.skipped;
  return s;
}

}  // namespace

ImportSummary MakeSummary(const std::vector<ImportedInput>& inputs, const MergedHistory& merged) {
  ImportSummary s;
  for (const ImportedInput& input : inputs) s.inputs.push_back(SummaryOf(input));
  s.draws = merged.draws.size();
  if (!merged.draws.empty()) {
    s.first = merged.draws.front().day;
    s.last = merged.draws.back().day;
  }
  s.duplicatesDropped = merged.duplicatesDropped;
  s.conflictCount = merged.conflicts.size();
  for (std::size_t k = 0; k < merged.conflicts.size() && k < kShownItems; ++k) {
    const Conflict& conflict = merged.conflicts[k];
    ConflictSummary c{conflict.draws.front().day, conflict.draws.front().time, {}};
    for (const ImportedDraw& d : conflict.draws) c.sources.push_back({d.numbers, inputs[d.input].name, d.line});
    s.conflicts.push_back(std::move(c));
  }
  // The loader keeps the newest MAX_DRAWS lines of a longer file.
  const auto store = static_cast<std::size_t>(MAX_DRAWS);
  if (merged.draws.size() > store)
    s.storeLimit = StoreLimit{store, merged.draws.size(), merged.draws[merged.draws.size() - store].day};
  return s;
}

std::vector<std::string> ColumnLines(const InputSummary& input) {
  std::vector<std::string> lines;
  for (const ColumnSummary& column : input.columns)
    lines.push_back("  column " + std::to_string(column.number) +
                    (column.header.empty() ? "" : " \"" + Excerpt(column.header) + '"') + ": " + column.reason);
  if (input.columnsNotRead > 0)
    lines.push_back("  columns " + std::to_string(kMaxColumns + 1) + " to " +
                    std::to_string(kMaxColumns + input.columnsNotRead) + ": not read (past the " +
                    std::to_string(kMaxColumns) + " columns an export may use)");
  return lines;
}

std::vector<std::string> ColumnLines(const ImportedInput& input) { return ColumnLines(SummaryOf(input)); }

std::vector<std::string> InputLines(const ImportSummary& summary) {
  std::vector<std::string> lines;
  for (const InputSummary& input : summary.inputs) {
    const std::string draws = Counted(input.draws, "draw");
    if (input.kind == InputKind::DrawFile) {
      lines.push_back(input.name + ": draw file, " + Counted(static_cast<std::size_t>(input.rows), "line") + ", " +
                      draws);
    } else {
      lines.push_back(input.name + ": " + Counted(static_cast<std::size_t>(input.rows), "row") + ", " + draws);
      for (std::string& line : ColumnLines(input)) lines.push_back(std::move(line));
    }
    if (input.failure) lines.push_back(input.name + ": " + *input.failure);
    if (input.skipped.empty()) continue;
    lines.push_back(input.name + ": " + Counted(input.skipped.size(), "row") + " skipped, " +
                    (input.skipped.size() == 1 ? "line" : "lines") + Lines(input.skipped));
    for (std::size_t k = 0; k < input.skipped.size() && k < kShownItems; ++k)
      lines.push_back("  line " + std::to_string(input.skipped[k].line) + ": " + input.skipped[k].reason);
    if (input.skipped.size() > kShownItems)
      lines.push_back("  and " + std::to_string(input.skipped.size() - kShownItems) + " more");
  }
  return lines;
}

std::vector<std::string> TotalLines(const ImportSummary& summary) {
  std::vector<std::string> lines;
  std::string total = "draws: " + std::to_string(summary.draws);
  if (summary.draws > 0) total += ", first " + DateText(summary.first) + ", last " + DateText(summary.last);
  lines.push_back(total);
  lines.push_back("duplicates dropped: " + std::to_string(summary.duplicatesDropped));
  lines.push_back("conflicts kept: " + std::to_string(summary.conflictCount));
  for (const ConflictSummary& conflict : summary.conflicts) {
    std::string text = "  " + DateText(conflict.day) + ' ' + std::string(TimeToken(conflict.time)) + ':';
    for (std::size_t i = 0; i < conflict.sources.size(); ++i) {
      const ConflictSummary::Source& s = conflict.sources[i];
      text += (i == 0 ? " " : ", ") + Digits(s.numbers) + " (" + s.input + " line " + std::to_string(s.line) + ')';
    }
    lines.push_back(text);
  }
  if (summary.conflictCount > kShownItems)
    lines.push_back("  and " + std::to_string(summary.conflictCount - kShownItems) + " more");
  return lines;
}

std::string StoreLimitLine(const ImportSummary& summary) {
  if (!summary.storeLimit) return {};
  const StoreLimit& limit = *summary.storeLimit;
  return Grouped(limit.kept) + " newest of " + Grouped(limit.total) + " draws, from " + DateText(limit.from);
}

std::vector<std::string> SummaryLines(const ImportSummary& summary) {
  std::vector<std::string> lines = InputLines(summary);
  for (std::string& line : TotalLines(summary)) lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> SummaryLines(const std::vector<ImportedInput>& inputs, const MergedHistory& merged) {
  return SummaryLines(MakeSummary(inputs, merged));
}

}  // namespace drawlyze::import
