#include "update/updater/update_sources.h"

#include <QtGlobal>

#include "update/updater/run_update.h"

namespace drawlyze::updater {

std::vector<UpdateSource> UpdateSources() {
  return {{"Results directory (ZIP)", DefaultResultsDirectory() + kArchiveName},
          {"New York Numbers, midday and evening (open data CSV)", kNewYorkNumbersUrl}};
}

int DefaultUpdateSource() { return qEnvironmentVariableIsEmpty("DRAWLYZE_RESULTS_DIR") ? 1 : 0; }

}  // namespace drawlyze::updater
