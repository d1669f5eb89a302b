#include <algorithm>
#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "core/files/whole_file.h"
#include "platform/data_folder.h"

namespace drawlyze::cli {

bool LoadHistory(Context& ctx, DrawHistory& history) {
  const std::string path =
      ctx.options.file ? *ctx.options.file : (std::filesystem::path(platform::DataFolder()) / DrawFileName()).string();
  std::string text;
  if (!ReadWholeFile(path, text)) {
    ctx.err << "Error - file " << path << " not found!\n";
    return false;
  }
  const LoadResult result = ParseDrawFile(text);
  for (const std::string& message : result.Messages()) ctx.err << message << '\n';
  history.Assign(result.draws);
  return true;
}

int LastDrawsIndex(const Options& options, const DrawHistory& history) {
  const int count = history.Count();
  if (count == 0) return -1;
  const int n = options.last ? std::min(*options.last, count) : count;
  return n - 1;
}

ViewInput MakeViewInput(const Options& options, const DrawHistory& history) {
  ViewInput in;
  in.history = &history;
  in.row = options.row;
  in.lastDrawsIndex = LastDrawsIndex(options, history);
  if (options.grid) in.grid = *options.grid;
  in.median = options.median;
  if (options.layout == "ascending") in.separation = {"<-->", "<---"};
  if (options.layout == "descending") in.separation = {"<-->", "--->"};
  return in;
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
