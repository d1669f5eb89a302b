#include <ostream>

#include "cli/cli.h"

namespace drawlyze::cli {

int RunTableCommand(Context& ctx) {
  ctx.err << "drawlyze-cli: " << ctx.command << ": not available yet\n";
  return kUsage;
}

int RunStateCommand(Context& ctx) {
  ctx.err << "drawlyze-cli: " << ctx.command << ": not available yet\n";
  return kUsage;
}

}  // namespace drawlyze::cli
