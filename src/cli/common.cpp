#include <algorithm>
#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "core/files/whole_file.h"
#include "platform/data_folder.h"

namespace drawlyze::cli {

namespace {

SeparationLayout LayoutOption(const std::string& layout) {
  if (layout == "ascending") return SeparationLayout::Ascending;
  if (layout == "descending") return SeparationLayout::Descending;
  return SeparationLayout::Positional;
}

}  // namespace

void SayError(Context& ctx, const Error& error) {
  // Line by line: a detail of several lines (bad rows one a line) keeps them.
  const std::string text = ErrorText(error);
  for (const std::string_view line : SplitLines(text)) ctx.err << EscapeControls(line) << '\n';
}

bool LoadModel(Context& ctx, DrawModel& model) {
  // No home: DataFolder() said why on stderr; no draw file is looked for in the current folder.
  if (!ctx.options.file && platform::DataFolder().empty()) {
    ctx.err << "drawlyze-cli: there is no data folder; name the draw file with --file\n";
    return false;
  }
  const std::string path =
      ctx.options.file ? *ctx.options.file : (std::filesystem::path(platform::DataFolder()) / DrawFileName()).string();
  const Result<std::string> text = ReadWholeFile(path);
  if (!text) {
    SayError(ctx, text.Failure());
    return false;
  }
  const LoadResult result = ParseDrawFile(*text);
  for (const std::string& message : result.Messages()) ctx.err << message << '\n';
  model.Load(result.draws, path);

  // The row as given: CheckRow tells a row past the table from a valid one.
  const Options& o = ctx.options;
  Selection& s = model.selection;
  s.row = o.row;
  s.lastDraws = o.last;
  s.reportLastDraws = o.last;
  if (o.grid) s.grid = *o.grid;
  s.median = o.median;
  s.separation = SeparationChoice::Of(LayoutOption(o.layout));
  return true;
}

bool LoadHistory(Context& ctx, DrawHistory& history) {
  DrawModel model;
  if (!LoadModel(ctx, model)) return false;
  history = std::move(model.history);
  return true;
}

}  // namespace drawlyze::cli

namespace drawlyze::cli {

bool CheckRow(Context& ctx, const DrawHistory& history) {
  // With no draws the table still has its first (empty) row.
  const int rows = std::max(history.Count(), 1);
  if (ctx.options.row <= rows) return true;
  ctx.err << "drawlyze-cli: --row " << ctx.options.row << " is past the last row (" << rows << ")\n";
  return false;
}

}  // namespace drawlyze::cli
