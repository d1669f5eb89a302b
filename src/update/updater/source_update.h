#pragma once
// An update from a catalogue source of several files (one a draw time or one
// a year) or with columns the importer is told about: every part is fetched
// and read before anything is installed, then the merged history goes the
// way of any results export (checked, the old draw file kept, one rename). A
// part that fails, or that the importer cannot read, leaves the folder as it
// was, and the message names the source and the part.

#include "update/updater/run_update.h"
#include "update/updater/source_catalogue.h"

namespace drawlyze::updater {

UpdateResult RunSourceUpdate(const CatalogueSource& source, const UpdateSettings& settings,
                             const UpdateCallbacks& callbacks);

}  // namespace drawlyze::updater
