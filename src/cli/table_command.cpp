#include <algorithm>
#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "core/export/export_text.h"
#include "core/table/column_runs.h"
#include "core/table/draw_columns.h"
#include "core/table/state_settings.h"
#include "core/table/table_text.h"
#include "platform/data_folder.h"

namespace drawlyze::cli {

int RunTableCommand(Context& ctx) {
  if (!ctx.args.empty()) {
    ctx.err << "drawlyze-cli: table takes no arguments\n";
    return kUsage;
  }
  DrawHistory history;
  if (!LoadHistory(ctx, history)) return kFailure;
  const std::vector<TableRow> rows = BuildTableRows(history, kNumberHeader, kDateHeader);
  ctx.out << (ctx.options.csv ? TableCsv(rows) : CopyAllText(rows));
  return kOk;
}

int RunStateCommand(Context& ctx) {
  if (ctx.args.size() != static_cast<std::size_t>(kDerivedColumnCount)) {
    ctx.err << "drawlyze-cli: state needs twelve thresholds, one per column \"First\" ... \"Max Even\" (got "
            << ctx.args.size() << ")\n";
    return kUsage;
  }
  DrawHistory history;
  if (!LoadHistory(ctx, history)) return kFailure;
  for (int k = 0; k < kDerivedColumnCount; ++k) {
    ctx.out << DerivedHeaders()[k] << '\t';
    const std::optional<double> threshold = ParseThreshold(ctx.args[static_cast<std::size_t>(k)]);
    if (!threshold) {
      ctx.out << "N\tN\n";
      continue;
    }
    const ColumnRuns runs = CountColumnRuns(DerivedColumnValues(history, kFirstDerivedColumn + k), *threshold);
    ctx.out << runs.above << '\t' << runs.below << '\n';
  }
  if (ctx.options.save && platform::DataFolder().empty()) {
    ctx.err << "drawlyze-cli: there is no data folder to keep the thresholds in\n";
    return kFailure;
  }
  if (ctx.options.save) {
    Thresholds thresholds;
    std::copy(ctx.args.begin(), ctx.args.end(), thresholds.begin());
    const std::string path = (std::filesystem::path(platform::DataFolder()) / kStateSettingsFileName).string();
    if (const Status saved = SaveStateSettings(path, thresholds); !saved) {
      SayError(ctx, saved.Failure());
      return kFailure;
    }
  }
  return kOk;
}

}  // namespace drawlyze::cli
