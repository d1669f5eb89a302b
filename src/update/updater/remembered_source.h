#pragma once
// The source a history came from, kept in a small file beside the draw file
// ("3x10.txt.source", one line: the source's catalogue name), so that the
// Updater proposes it the next time.

#include <optional>
#include <string>

#include "update/updater/source_catalogue.h"

namespace drawlyze::updater {

std::string RememberedSourcePath(const std::string& folder, const std::string& drawName);
// Written whole or not at all; false when it could not be.
bool RememberSource(const std::string& folder, const std::string& drawName, const std::string& name);
// The source named there; nothing when there is no such file or it names no source of the catalogue.
std::optional<CatalogueSource> RememberedSource(const std::string& folder, const std::string& drawName);

}  // namespace drawlyze::updater
