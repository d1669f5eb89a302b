#include <ostream>

#include "cli/cli.h"

namespace drawlyze::cli {

bool LoadSieveOption(Context& ctx, SieveHolder&, ViewInput&) {
  ctx.err << "drawlyze-cli: --sieve: not available yet\n";
  return false;
}

}  // namespace drawlyze::cli
