// The Updater with a catalogue source: its files served on 127.0.0.1 in the
// shapes the lotteries publish (tests/import/fixtures), every part fetched
// and merged before anything is installed.
#include "update/updater/source_update.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "../http/test_server.h"
#include "core/files/whole_file.h"
#include "update/updater/remembered_source.h"
#include "update/updater/update_sources.h"

namespace drawlyze::updater {
namespace {

using drawlyze::testing::TestServer;

const char kOldDraws[] = "1 01.01.2011 Sat Mid 4 9 1 x\r\n";

// The failure as both front ends word it; empty on success.
std::string Text(const UpdateResult& r) { return r.failure ? ErrorText(*r.failure) : std::string(); }

class SourceUpdateTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    drawlyze::testing::EnsureCoreApp();
    served_ = new QTemporaryDir;
    for (const QString& name : QDir(DRAWLYZE_TEST_DIR "/../../import/fixtures").entryList(QDir::Files))
      QFile::copy(DRAWLYZE_TEST_DIR "/../../import/fixtures/" + name, served_->filePath(name));
    Write("two_arrays.json", R"({"a":[{"d":"2020-04-03","r":"123"}],"b":[{"d":"2020-04-04","r":"456"}]})");
    server_ = new TestServer({"--root", served_->path()});
  }
  static void TearDownTestSuite() {
    delete server_;
    delete served_;
  }
  static void Write(const QString& name, const QByteArray& bytes) {
    QFile f(served_->filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }

  void SetUp() override {
    ASSERT_TRUE(server_->Ok());
    settings_.folder = folder_.path().toStdString();
    callbacks_.onArchiveEntry = [this](int, const ZipReport& r) { listed_.push_back(r.name); };
    callbacks_.showFailure = [this](const Error& failure) { messages_.push_back(ErrorText(failure)); };
    // The served histories are not the one-draw file here: the other-game question is answered Yes.
    callbacks_.confirmReplace = [](const std::string&) { return true; };
    ASSERT_TRUE(WriteFreshFile(DrawFile(), kOldDraws));
  }

  // A catalogue source whose files are served here.
  CatalogueSource Served(const char* name, std::vector<std::string> paths) const {
    CatalogueSource source = *FindSource(name);
    for (std::size_t k = 0; k < source.parts.size() && k < paths.size(); ++k)
      source.parts[k].url = server_->Url(paths[k]);
    source.parts.resize(paths.size());
    return source;
  }

  std::string DrawFile() const { return folder_.filePath("3x10.txt").toStdString(); }
  std::string DrawText() const {
    std::string text;
    return ReadWholeFile(DrawFile(), text) ? text : "<missing>";
  }
  QStringList FolderFiles() const {
    return QDir(folder_.path()).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
  }

  static inline QTemporaryDir* served_ = nullptr;
  static inline TestServer* server_ = nullptr;
  QTemporaryDir folder_;
  UpdateSettings settings_;
  UpdateCallbacks callbacks_;
  std::vector<std::string> listed_;
  std::vector<std::string> messages_;
};

TEST_F(SourceUpdateTest, TexasFilesOfEachDrawTimeAreFetchedAndMerged) {
  settings_.source = Served("tx-pick3", {"/files/tx_pick3day.csv", "/files/tx_pick3night.csv"});
  settings_.source->parts[0].time = import::DrawTime::Midday;
  settings_.source->parts[1].time = import::DrawTime::Night;
  const UpdateResult r = RunUpdate(settings_, callbacks_);
  ASSERT_TRUE(r.installed) << Text(r);
  EXPECT_EQ(listed_, (std::vector<std::string>{"tx_pick3day.csv", "tx_pick3night.csv"}));
  // The night file alone would read as two draws a day; its draws stay night draws.
  // The sum and the Fireball never become digits.
  EXPECT_EQ(DrawText(),
            "1 09.09.2013 Mon Mid 3 9 8 x\r\n2 09.09.2013 Mon Ngt 0 4 4 x\r\n3 02.07.2020 Thu Mid 1 2 3 x\r\n"
            "4 02.07.2020 Thu Ngt 9 9 1 x\r\n");
  EXPECT_EQ(r.backupName, "3x10.txt.bak");
  EXPECT_EQ(r.chosen, "tx-pick3");
  EXPECT_FALSE(r.importSummary.empty());
  EXPECT_TRUE(messages_.empty());
  // The history remembers its source beside it, for the Updater to propose next time.
  std::string remembered;
  ASSERT_TRUE(ReadWholeFile(folder_.filePath("3x10.txt.source").toStdString(), remembered));
  EXPECT_EQ(remembered, "tx-pick3\n");
  EXPECT_EQ(RememberedSource(settings_.folder, "3x10.txt")->name, "tx-pick3");
  EXPECT_EQ(FolderFiles(), (QStringList{"3x10.txt", "3x10.txt.bak", "3x10.txt.source"}));
}

TEST_F(SourceUpdateTest, ARememberedSourceIsOneOfTheCatalogue) {
  EXPECT_FALSE(RememberedSource(settings_.folder, "3x10.txt"));  // none yet
  ASSERT_TRUE(RememberSource(settings_.folder, "3x10.txt", "ga-cash3"));
  EXPECT_EQ(RememberedSource(settings_.folder, "3x10.txt")->name, "ga-cash3");
  ASSERT_TRUE(RememberSource(settings_.folder, "3x10.txt", "ohio-pick3"));
  EXPECT_FALSE(RememberedSource(settings_.folder, "3x10.txt"));
  EXPECT_EQ(FolderFiles(), (QStringList{"3x10.txt", "3x10.txt.source"}));
}

// A history that shares no draw with the current one is asked about, naming
// both sources by the catalogue's names; No keeps the folder as it was.
TEST_F(SourceUpdateTest, TheOtherGameQuestionNamesBothSources) {
  // Another game's draw on a day the new history holds too, with other digits.
  const std::string current = "1 09.09.2013 Mon Mor 0 0 0 x\r\n";
  ASSERT_TRUE(WriteFreshFile(DrawFile() + ".new", current));
  ASSERT_EQ(std::rename((DrawFile() + ".new").c_str(), DrawFile().c_str()), 0);
  ASSERT_TRUE(RememberSource(settings_.folder, "3x10.txt", "ga-cash3"));
  settings_.source = Served("tx-pick3", {"/files/tx_pick3day.csv"});
  std::string asked;
  callbacks_.confirmReplace = [&asked](const std::string& question) {
    asked = question;
    return false;
  };
  const UpdateResult r = RunUpdate(settings_, callbacks_);
  EXPECT_FALSE(r.installed);
  EXPECT_NE(asked.find("(tx-pick3)"), std::string::npos) << asked;
  EXPECT_NE(asked.find("(ga-cash3)"), std::string::npos) << asked;
  EXPECT_EQ(DrawText(), current);
  EXPECT_EQ(FolderFiles(), (QStringList{"3x10.txt", "3x10.txt.source"}));
}

TEST_F(SourceUpdateTest, PennsylvaniaYearsAreFetchedOneByOneWithoutTheWildBall) {
  CatalogueSource source = Served("pa-pick3-day", {"/files/pa_pick3_day_2020.json?g=32&y={year}"});
  source.firstYear = CurrentYear() - 1;  // two years, the same file served for both
  settings_.source = source;
  const UpdateResult r = RunUpdate(settings_, callbacks_);
  ASSERT_TRUE(r.installed) << Text(r);
  EXPECT_EQ(r.members.size(), 2u);
  EXPECT_EQ(DrawText(), "1 02.07.2020 Thu Mid 1 2 3 x\r\n2 03.07.2020 Fri Mid 0 0 9 x\r\n");
}

TEST_F(SourceUpdateTest, GeorgiaNightDrawsFallOnTheirOwnDay) {
  settings_.source = Served("ga-cash3", {"/files/ga_cash3.json"});
  const UpdateResult r = RunUpdate(settings_, callbacks_);
  ASSERT_TRUE(r.installed) << Text(r);
  EXPECT_EQ(DrawText(),
            "1 01.07.2025 Tue Mid 0 0 1 x\r\n2 01.07.2025 Tue Eve 2 5 8 x\r\n3 01.07.2025 Tue Ngt 4 0 4 x\r\n");
}

TEST_F(SourceUpdateTest, AFailedPartOrAnUnreadableShapeLeavesTheHistoryAndNamesThePart) {
  const struct {
    const char* source;
    std::vector<std::string> paths;
    std::string failure;
  } cases[] = {
      {"tx-pick3",
       {"/files/tx_pick3day.csv", "/files/missing.csv"},
       "Error - Texas Pick 3, morning, day, evening and night (four CSV files) (tx-pick3), part 2 of 2 "
       "(missing.csv): " +
           server_->Url("/files/missing.csv") + ": the server answered 404 Not Found"},
      {"ny-numbers-json",
       {"/files/two_arrays.json"},
       "Error - New York Numbers, midday and evening (open data JSON) (ny-numbers-json) "
       "(two_arrays.json): the JSON holds two arrays of records, \"a\" and \"b\": which one holds the draws is "
       "unclear"},
      {"pa-pick3-evening",
       {"/files/ny_numbers.json"},
       "Error - Pennsylvania Pick 3 Evening (JSON, one file a year) (pa-pick3-evening) "
       "(ny_numbers.json): the columns are unclear: there is no column \"drawingNumber1\"; the columns are 1 "
       "\"draw_date\", 2 \"evening_daily\", 3 \"evening_win_4\", 4 \"midday_daily\", 5 \"midday_win_4\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    messages_.clear();
    settings_.source = Served(c.source, c.paths);
    if (settings_.source->PerYear()) settings_.source->firstYear = CurrentYear();
    const UpdateResult r = RunUpdate(settings_, callbacks_);
    EXPECT_FALSE(r.installed);
    EXPECT_EQ(Text(r), c.failure);
    EXPECT_EQ(messages_, std::vector<std::string>{c.failure});
    EXPECT_EQ(DrawText(), kOldDraws);
    EXPECT_EQ(FolderFiles(), QStringList{"3x10.txt"});
  }
}

TEST(SourceCatalogue, NamesAddressesAndParts) {
  const std::vector<CatalogueSource> all = SourceCatalogue();
  ASSERT_GE(all.size(), 7u);
  EXPECT_EQ(all[0].name, "results-directory");
  EXPECT_EQ(all[1].name, "ny-numbers-csv");
  EXPECT_EQ(all[1].parts.front().url, kNewYorkNumbersUrl);
  EXPECT_EQ(FindSource("TX-Pick3")->parts.size(), 4u);
  EXPECT_FALSE(FindSource("tx pick 3"));
  const std::vector<std::string> years = PartUrls(*FindSource("pa-pick3-day"), 1978);
  ASSERT_EQ(years.size(), 2u);
  EXPECT_EQ(
      years[1],
      "https://www.palottery.pa.gov/Custom/uploadedfiles/winning-numbers-history/PastWinningNumbers.ashx?g=32&y=1978");
  EXPECT_FALSE(FindSource("ga-cash3")->verified);
  for (const CatalogueSource& s : all) EXPECT_EQ(SourceLine(s).substr(0, s.name.size() + 1), s.name + "\t");
}

}  // namespace
}  // namespace drawlyze::updater
