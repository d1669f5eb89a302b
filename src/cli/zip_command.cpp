#include <ostream>

#include "cli/cli.h"

namespace drawlyze::cli {

int RunZipCommand(Context& ctx) {
  ctx.err << "drawlyze-cli: " << ctx.command << ": not available yet\n";
  return kUsage;
}

}  // namespace drawlyze::cli
