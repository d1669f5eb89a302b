// --pdf FILE: the pages a window prints, as a PDF file.
#include <ostream>

#include "cli/cli.h"
#include "core/history/draw_history.h"
#include "render/chart_files.h"
#include "render/print_layout.h"

namespace drawlyze::cli {

int WritePdfOption(Context& ctx, PrintDocument document, int drawCount) {
  const std::string file = ctx.options.file ? *ctx.options.file : DrawFileName();
  document.header = PrintHeaderOf(QString::fromLocal8Bit(file.data(), static_cast<qsizetype>(file.size())), drawCount);
  const PaintingApplication app;
  const Status written = WriteChartFile(*ctx.options.pdf, PdfBytes(document));
  if (written) return kOk;
  SayError(ctx, written.Failure());
  return kFailure;
}

}  // namespace drawlyze::cli
