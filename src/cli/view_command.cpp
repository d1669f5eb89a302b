#include <ostream>

#include "cli/cli.h"
#include "core/views/views.h"
#include "render/chart_files.h"
#include "render/chart_painter.h"

namespace drawlyze::cli {

int RunViewCommand(Context& ctx) {
  if (ctx.args.size() != 1) {
    ctx.err << "drawlyze-cli: view needs exactly one OPTION (a caption or 0..12)\n";
    return kUsage;
  }
  const int option = FindOption(ctx.args[0]);
  if (option < 0) {
    ctx.err << "drawlyze-cli: no view is called \"" << ctx.args[0] << "\"\n";
    return kUsage;
  }
  if (ctx.options.chart && ctx.options.png) {
    ctx.err << "drawlyze-cli: --chart and --png exclude each other\n";
    return kUsage;
  }
  if (ctx.options.chart && ctx.options.svg) {
    ctx.err << "drawlyze-cli: --chart and --svg exclude each other\n";
    return kUsage;
  }
  DrawModel model;
  if (!LoadModel(ctx, model)) return kFailure;
  if (!CheckRow(ctx, model.history)) return kUsage;
  if (ctx.options.sieve && !LoadSieveOption(ctx, model)) return kFailure;

  const Chart chart = RunView(option, MakeViewInput(model));
  if (ctx.options.png || ctx.options.svg) {
    const PaintingApplication app;
    const Status saved = ctx.options.png ? SaveChartPng(chart, *ctx.options.png) : Status();
    const Status svg =
        saved && ctx.options.svg ? WriteChartFile(*ctx.options.svg, ChartSvg(chart, OptionCaption(option))) : Status();
    for (const Status* status : {&saved, &svg})
      if (!*status) {
        SayError(ctx, status->Failure());
        return kFailure;
      }
    return kOk;
  }
  if (ctx.options.chart)
    ctx.out << FormatChartListing(chart);
  else
    ctx.out << chart.CopyText();
  return kOk;
}

}  // namespace drawlyze::cli
