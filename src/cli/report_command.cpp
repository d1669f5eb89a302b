#include <ostream>

#include "cli/cli.h"
#include "core/export/export_text.h"
#include "core/reports/reports.h"

namespace drawlyze::cli {

void PrintReport(Context& ctx, const std::vector<std::string>& lines) {
  ctx.out << (ctx.options.csv ? ReportCsv(lines) : ReportText(lines));
}

int RunReportCommand(Context& ctx) {
  if (ctx.args.size() != 1) {
    ctx.err << "drawlyze-cli: report needs exactly one NAME, one of:";
    for (const ReportInfo& report : AllReports()) ctx.err << " \"" << report.caption << "\"";
    ctx.err << '\n';
    return kUsage;
  }
  const ReportInfo* report = FindReportByName(ctx.args[0]);
  if (!report) {
    ctx.err << "drawlyze-cli: no report is called \"" << ctx.args[0] << "\"; the reports are:";
    for (const ReportInfo& r : AllReports()) ctx.err << " \"" << r.caption << "\"";
    ctx.err << '\n';
    return kUsage;
  }
  DrawModel model;
  if (!LoadModel(ctx, model)) return kFailure;
  if (!CheckRow(ctx, model.history)) return kUsage;

  // "Find " searches for the selected draw unless --find names the numbers.
  const ReportInput in = MakeReportInput(
      model, ctx.options.find ? *ctx.options.find : FindDefaultText(model.history, model.selection.row));
  if (report->asksForNumbers) {
    const std::string error = FindTextError(in.findText);
    if (!error.empty()) {
      ctx.err << error << '\n';
      return kUsage;
    }
  }
  PrintReport(ctx, report->run(in));
  return kOk;
}

}  // namespace drawlyze::cli
