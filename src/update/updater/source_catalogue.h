#pragma once
// The sources the Updater knows, as data: each lottery's published results
// (no login needed) with its state, game, draw times, addresses, format and
// the first date it covers, and what the importer needs to be told about its
// columns. The Updater's source list, the Update menu, drawlyze-cli sources
// and update --source all come from it.

#include <string>
#include <string_view>
#include <vector>

#include "core/import/import.h"

namespace drawlyze::updater {

enum class SourceFormat : std::uint8_t { ZipArchive, Csv, Json };

// One file a source is fetched as. An address holding "{year}" stands for
// one file a year, from the source's first year to the current one.
struct SourcePart {
  std::string url;
  // The draw every row of the file is (one file a draw time); Unknown: the rows say.
  drawlyze::import::DrawTime time = drawlyze::import::DrawTime::Unknown;
};

struct CatalogueSource {
  std::string name;       // what update --source takes: "tx-pick3"
  std::string title;      // what the Updater's list shows
  std::string state;      // the lottery's state; empty for the results directory
  std::string game;       // "Pick 3", "Numbers", "Cash 3"
  std::string drawTimes;  // "Midday, Evening"
  SourceFormat format = SourceFormat::Csv;
  std::vector<SourcePart> parts;
  int firstYear = 0;   // the first year a per-year address is asked for
  std::string covers;  // the first date it covers, as its publisher's files begin
  // False: the shape is as other projects describe it and was not checked
  // against the service; what the importer cannot read is refused.
  bool verified = true;
  drawlyze::import::MappingChoice choice;  // the columns the importer cannot tell alone
  drawlyze::import::JsonOptions json;      // where its timestamps were taken

  bool PerYear() const;
};

// In the order the Updater lists them: the results directory's archive, then
// the lotteries grouped by state, New York's CSV first among them.
std::vector<CatalogueSource> SourceCatalogue();
// By name, in any case; nullptr when there is none.
std::optional<CatalogueSource> FindSource(std::string_view name);
// "results-directory, ny-numbers-csv, ...": for the message about an unknown name.
std::string SourceNames();

// The addresses of every part, the per-year ones expanded up to lastYear.
std::vector<std::string> PartUrls(const CatalogueSource& source, int lastYear);
int CurrentYear();

const char* FormatName(SourceFormat format);
// One line a source for drawlyze-cli sources: name, state, game, draw times,
// format, what it covers and its address (the first of several, with their count).
std::string SourceLine(const CatalogueSource& source);

}  // namespace drawlyze::updater
