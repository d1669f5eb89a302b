#include <ostream>

#include "cli/cli.h"
#include "core/views/views.h"
#include "render/chart_files.h"
#include "render/chart_painter.h"
#include "render/print_layout.h"

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
  if (ctx.options.chart && ctx.options.pdf) {
    ctx.err << "drawlyze-cli: --chart and --pdf exclude each other\n";
    return kUsage;
  }
  if (ctx.options.scale && !ctx.options.png) {
    ctx.err << "drawlyze-cli: --scale needs --png\n";
    return kUsage;
  }
  DrawModel model;
  if (!LoadModel(ctx, model)) return kFailure;
  if (!CheckRow(ctx, model.history)) return kUsage;
  if (ctx.options.sieve && !LoadSieveOption(ctx, model)) return kFailure;

  const Chart chart = RunView(option, MakeViewInput(model));
  if (ctx.options.png || ctx.options.svg || ctx.options.pdf) {
    const PaintingApplication app;
    // Without --scale the whole surface, as always; with it the window's band, that many times as large.
    const Status saved = !ctx.options.png    ? Status()
                         : ctx.options.scale ? SaveScaledChartPng(chart, *ctx.options.png, *ctx.options.scale)
                                             : SaveChartPng(chart, *ctx.options.png);
    const Status svg =
        saved && ctx.options.svg ? WriteChartFile(*ctx.options.svg, ChartSvg(chart, OptionCaption(option))) : Status();
    for (const Status* status : {&saved, &svg})
      if (!*status) {
        SayError(ctx, status->Failure());
        return kFailure;
      }
    if (!ctx.options.pdf) return kOk;
    // What the main window prints: the chart as it shows it, then its copy text.
    const std::string text = chart.CopyText();
    QStringList lines = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())).split("\r\n");
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return WritePdfOption(
        ctx, PrintDocument{OptionCaption(option), {}, {PrintBlock::OfChart(chart), PrintBlock::OfLines(lines)}},
        model.history.Count());
  }
  if (ctx.options.chart)
    ctx.out << FormatChartListing(chart);
  else
    ctx.out << chart.CopyText();
  return kOk;
}

}  // namespace drawlyze::cli
