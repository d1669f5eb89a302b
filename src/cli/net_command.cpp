#include <ostream>

#include "cli/cli.h"

namespace drawlyze::cli {

int RunGetCommand(Context& ctx) {
  ctx.err << "drawlyze-cli: " << ctx.command << ": not available yet\n";
  return kUsage;
}

int RunUpdateCommand(Context& ctx) {
  ctx.err << "drawlyze-cli: " << ctx.command << ": not available yet\n";
  return kUsage;
}

}  // namespace drawlyze::cli
