#include <ostream>

#include "cli/cli.h"
#include "core/export/export_text.h"
#include "core/reports/reports.h"
#include "render/print_layout.h"

namespace drawlyze::cli {

int PrintReport(Context& ctx, const std::vector<std::string>& lines, const std::string& title, int drawCount) {
  if (!ctx.options.pdf) {
    ctx.out << (ctx.options.csv ? ReportCsv(lines) : ReportText(lines));
    return kOk;
  }
  // The report window's text: its lines as Latin-1, as the window shows them.
  QStringList text;
  for (const std::string& line : lines) text << QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
  return WritePdfOption(ctx, PrintDocument{QString::fromStdString(title), {}, {PrintBlock::OfLines(text)}}, drawCount);
}

bool CheckReportOutput(Context& ctx) {
  if (!ctx.options.csv || !ctx.options.pdf) return true;
  ctx.err << "drawlyze-cli: --csv and --pdf exclude each other\n";
  return false;
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
  if (!CheckReportOutput(ctx)) return kUsage;
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
  return PrintReport(ctx, report->run(in), report->caption, model.history.Count());
}

}  // namespace drawlyze::cli
