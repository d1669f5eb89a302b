#include <ostream>

#include "cli/cli.h"

namespace drawlyze::cli {

int RunReportCommand(Context& ctx) {
  ctx.err << "drawlyze-cli: " << ctx.command << ": not available yet\n";
  return kUsage;
}

}  // namespace drawlyze::cli
