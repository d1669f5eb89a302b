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

// The same dataset as JSON: one record a day with draw_date, midday_daily and
// evening_daily. The portal sends 1,000 records unless asked for more.
inline constexpr const char* kNewYorkNumbersJsonUrl =
    "https://data.ny.gov/resource/hsys-3def.json?$limit=50000&$order=draw_date";

struct UpdateSource {
  std::string name;           // as the Updater's source list shows it
  std::string url;            // what choosing it puts in the URL field (the first file of several)
  std::string state;          // the group it is listed under; empty for the results directory
  std::string catalogueName;  // the source's name in the catalogue (update --source)
};

// The catalogue's sources (source_catalogue.h): the results directory's
// archive first, then New York's export, then the other lotteries by state.
std::vector<UpdateSource> UpdateSources();
// The source a new Updater starts with: New York's export, or the results
// directory when DRAWLYZE_RESULTS_DIR names one.
int DefaultUpdateSource();

}  // namespace drawlyze::updater
