#pragma once
// Where the Updater can fetch a history: the results directory's ZIP archive
// of draw files, or a lottery's own results export (CSV) that the importer
// turns into a draw file.

#include <string>
#include <vector>

namespace drawlyze::updater {

// New York's Numbers game, midday and evening draws since 1980, as the
// state's open-data portal publishes it.
inline constexpr const char* kNewYorkNumbersUrl =
    "https://data.ny.gov/api/views/hsys-3def/rows.csv?accessType=DOWNLOAD";

struct UpdateSource {
  std::string name;  // as the Updater's source list shows it
  std::string url;   // what choosing it puts in the URL field
};

// The results directory's archive first, then New York's export.
std::vector<UpdateSource> UpdateSources();
// The source a new Updater starts with: New York's export, or the results
// directory when DRAWLYZE_RESULTS_DIR names one.
int DefaultUpdateSource();

}  // namespace drawlyze::updater
