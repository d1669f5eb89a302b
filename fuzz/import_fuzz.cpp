// libFuzzer target for the import of results exports (CSV and JSON): the
// input's first byte picks the day order the user gives and the time zone of
// JSON timestamps, the rest is the file. A JSON table keeps the CSV reader's
// limits: no cell past kMaxCellBytes, no more than kMaxColumns columns. Whatever the file,
// every draw read must be a real day with digit values, on a line of the file;
// the written history must load without an incorrect line and pass through a
// second import unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/history/draw_history.h"
#include "core/import/import_to_draw_file.h"

using namespace drawlyze;
using namespace drawlyze::import;

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  MappingChoice choice;
  choice.dayOrder = static_cast<DayOrder>(data[0] % 3);
  const JsonOptions json{(data[0] & 4) != 0 ? JsonTimeZone::UsEastern : JsonTimeZone::Utc};
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  if (LooksLikeJson(text)) {
    const JsonTable table = ReadJsonTable(text, json);
    if (!table.problem.empty() && table.table.Rows() > 0) Fail("a refused JSON shape with rows");
    if (table.table.Columns() > kMaxColumns) Fail("more JSON columns than a table keeps");
    for (int r = 0; r < table.table.Rows(); ++r)
      for (int c = 0; c < table.table.Columns(); ++c)
        if (table.table.Cell(r, c).size() > kMaxCellBytes + 3) Fail("a JSON cell past the limit");
  }
  std::vector<ImportedInput> inputs;
  inputs.push_back(ReadInput("in", text, choice, {}, json));
  if (inputs.back().failure && inputs.back().failure->kind == ErrorKind::Unreadable && !inputs.back().draws.empty())
    Fail("draws from an input refused as unreadable");
  const ImportedInput& input = inputs.back();
  const int lines = static_cast<int>(SplitLines(text).size()) + 1;
  for (const ImportedDraw& d : input.draws) {
    if (MakeDayKey(d.day / 10000, d.day / 100 % 100, d.day % 100) != d.day) Fail("a draw on no day");
    if (d.numbers[0] > 9 || d.numbers[1] > 9 || d.numbers[2] > 9) Fail("a number above 9");
    if (d.line < 1 || d.line > lines) Fail("a draw on no line of the file");
    if (d.day > LatestDrawDay()) Fail("a draw after tomorrow");
  }
  for (std::size_t k = 1; k < input.skipped.size(); ++k)
    if (input.skipped[k].line <= input.skipped[k - 1].line) Fail("skipped lines out of order");

  const MergedHistory merged = MergeDraws(inputs);
  if (merged.draws.size() + static_cast<std::size_t>(merged.duplicatesDropped) != input.draws.size())
    Fail("draws lost in the merge");
  (void)SummaryLines(inputs, merged);
  const std::string file = FormatDrawFile(merged.draws);
  if (DrawFileBytes(merged.draws) != file.size()) Fail("the draw file's size counted wrong");
  const LoadResult loaded = ParseDrawFile(file);
  if (!loaded.incorrectLines.empty()) Fail("the loader rejects a written line");
  if (loaded.draws.size() != std::min<std::size_t>(merged.draws.size(), MAX_DRAWS)) Fail("draws lost on loading");
  if (!merged.draws.empty() && FormatDrawFile(MergeDraws({ReadInput("out", file)}).draws) != file)
    Fail("the written history changes on a second import");
  return 0;
}
