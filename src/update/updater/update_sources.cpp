#include "update/updater/update_sources.h"

#include <QtGlobal>

#include "update/updater/run_update.h"
#include "update/updater/source_catalogue.h"

namespace drawlyze::updater {

std::vector<UpdateSource> UpdateSources() {
  std::vector<UpdateSource> sources;
  const int year = CurrentYear();
  for (const CatalogueSource& s : SourceCatalogue())
    sources.push_back({s.title, s.PerYear() ? PartUrls(s, year).back() : PartUrls(s, year).front(), s.state, s.name});
  return sources;
}

int DefaultUpdateSource() { return qEnvironmentVariableIsEmpty("DRAWLYZE_RESULTS_DIR") ? 1 : 0; }

}  // namespace drawlyze::updater
