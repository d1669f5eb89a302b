// drawlyze-cli sources: the catalogue of sources, one line a source.
#include <ostream>

#include "cli/cli.h"
#include "update/updater/source_catalogue.h"

namespace drawlyze::cli {

int RunSourcesCommand(Context& ctx) {
  if (!ctx.args.empty()) {
    ctx.err << "usage: drawlyze-cli sources\n";
    return kUsage;
  }
  for (const updater::CatalogueSource& source : updater::SourceCatalogue())
    ctx.out << updater::SourceLine(source) << '\n';
  return kOk;
}

}  // namespace drawlyze::cli
