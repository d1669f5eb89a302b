#include "update/updater/source_catalogue.h"

#include <algorithm>
#include <ctime>

#include "update/updater/run_update.h"
#include "update/updater/update_sources.h"

namespace drawlyze::updater {

namespace {

using import::DrawTime;

constexpr const char* kTexasPick3 = "https://www.texaslottery.com/export/sites/lottery/Games/Pick_3/Winning_Numbers/";
constexpr const char* kPennsylvania =
    "https://www.palottery.pa.gov/Custom/uploadedfiles/winning-numbers-history/PastWinningNumbers.ashx?g=";

std::string Lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// Pennsylvania's yearly JSON: the three digits, then the Wild Ball in a fourth number.
CatalogueSource Pennsylvania(const char* name, const char* draw, const char* game, DrawTime time) {
  CatalogueSource s;
  s.name = name;
  s.title = std::string("Pennsylvania Pick 3 ") + draw + " (JSON, one file a year)";
  s.state = "Pennsylvania";
  s.game = "Pick 3";
  s.drawTimes = draw;
  s.format = SourceFormat::Json;
  s.parts = {{std::string(kPennsylvania) + game + "&y={year}", time}};
  s.firstYear = 1977;
  s.covers = "1977 (years before the first draw come back empty)";
  s.choice.results = {"drawingNumber1", "drawingNumber2", "drawingNumber3"};
  s.choice.resultTimes = {time};
  s.json.zone = import::JsonTimeZone::UsEastern;
  return s;
}

}  // namespace

bool CatalogueSource::PerYear() const {
  return std::any_of(parts.begin(), parts.end(),
                     [](const SourcePart& p) { return p.url.find("{year}") != std::string::npos; });
}

std::vector<CatalogueSource> SourceCatalogue() {
  std::vector<CatalogueSource> list;
  {
    CatalogueSource s;
    s.name = "results-directory";
    s.title = "Results directory (ZIP)";
    s.game = "Pick 3";
    s.drawTimes = "as the archive holds them";
    s.format = SourceFormat::ZipArchive;
    s.parts = {{DefaultResultsDirectory() + kArchiveName}};
    s.covers = "the archive's first draw";
    list.push_back(std::move(s));
  }
  {
    CatalogueSource s;
    s.name = "ny-numbers-csv";
    s.title = "New York Numbers, midday and evening (open data CSV)";
    s.state = "New York";
    s.game = "Numbers";
    s.drawTimes = "Midday, Evening";
    s.format = SourceFormat::Csv;
    s.parts = {{kNewYorkNumbersUrl}};
    s.covers = "1980";
    list.push_back(std::move(s));
  }
  {
    CatalogueSource s = list.back();
    s.name = "ny-numbers-json";
    s.title = "New York Numbers, midday and evening (open data JSON)";
    s.format = SourceFormat::Json;
    s.parts = {{kNewYorkNumbersJsonUrl}};
    list.push_back(std::move(s));
  }
  list.push_back(Pennsylvania("pa-pick3-day", "Day", "32", DrawTime::Midday));
  list.push_back(Pennsylvania("pa-pick3-evening", "Evening", "28", DrawTime::Evening));
  {
    CatalogueSource s;
    s.name = "tx-pick3";
    s.title = "Texas Pick 3, morning, day, evening and night (four CSV files)";
    s.state = "Texas";
    s.game = "Pick 3";
    s.drawTimes = "Morning, Day, Evening, Night";
    s.format = SourceFormat::Csv;
    const std::string base = kTexasPick3;
    s.parts = {{base + "pick3morning.csv", DrawTime::Morning},
               {base + "pick3day.csv", DrawTime::Midday},
               {base + "pick3evening.csv", DrawTime::Evening},
               {base + "pick3night.csv", DrawTime::Night}};
    s.covers = "1993 (morning and night: 2013-09-09)";
    // No header: game, month, day, year, the three digits, the sum, the Fireball.
    s.choice.results = {"5", "6", "7"};
    s.choice.dayOrder = import::DayOrder::MonthFirst;
    list.push_back(std::move(s));
  }
  {
    CatalogueSource s;
    s.name = "ga-cash3";
    s.title = "Georgia Cash 3, midday, evening and night (JSON, newest page, unverified)";
    s.state = "Georgia";
    s.game = "Cash 3";
    s.drawTimes = "Midday, Evening, Night";
    s.format = SourceFormat::Json;
    s.parts = {
        {"https://www.galottery.com/api/v2/draw-games/draws/page?game-names=CASH%203&status=CLOSED&order=desc"
         "&page=0&size=20"}};
    s.covers = "the newest 20 draws";
    s.verified = false;
    s.json.zone = import::JsonTimeZone::UsEastern;
    list.push_back(std::move(s));
  }
  return list;
}

std::optional<CatalogueSource> FindSource(std::string_view name) {
  const std::string wanted = Lowered(name);
  for (CatalogueSource& s : SourceCatalogue())
    if (s.name == wanted) return std::move(s);
  return std::nullopt;
}

std::string SourceNames() {
  std::string names;
  for (const CatalogueSource& s : SourceCatalogue()) names += (names.empty() ? "" : ", ") + s.name;
  return names;
}

int CurrentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  return utc.tm_year + 1900;
}

std::vector<std::string> PartUrls(const CatalogueSource& source, int lastYear) {
  std::vector<std::string> urls;
  for (const SourcePart& part : source.parts) {
    const std::size_t at = part.url.find("{year}");
    if (at == std::string::npos) {
      urls.push_back(part.url);
      continue;
    }
    for (int year = source.firstYear; year <= lastYear; ++year)
      urls.push_back(part.url.substr(0, at) + std::to_string(year) + part.url.substr(at + 6));
  }
  return urls;
}

const char* FormatName(SourceFormat format) {
  switch (format) {
    case SourceFormat::ZipArchive:
      return "ZIP";
    case SourceFormat::Csv:
      return "CSV";
    case SourceFormat::Json:
      return "JSON";
  }
  return "";
}

std::string SourceLine(const CatalogueSource& s) {
  std::string line = s.name + "\t" + (s.state.empty() ? "-" : s.state) + "\t" + s.game + "\t" + s.drawTimes + "\t" +
                     FormatName(s.format) + (s.verified ? "" : " (shape unverified)") + "\t" + s.covers + "\t";
  const std::vector<std::string> urls = PartUrls(s, CurrentYear());
  line += s.parts.empty() ? "" : s.parts.front().url;
  if (urls.size() > 1) line += " (" + std::to_string(urls.size()) + " files)";
  return line;
}

}  // namespace drawlyze::updater
