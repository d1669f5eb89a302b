// The one road of an import: what an input is by its bytes, the mapping from
// the uses a window's lists give, and ImportToDrawFile's steps and summary.
#include <gtest/gtest.h>

#include <map>

#include "core/import/column_uses.h"
#include "import_test_util.h"

namespace drawlyze::import::test {
namespace {

TEST(DetectInput, TellsTheKindByTheBytesAlone) {
  const struct {
    const char* name;
    std::string text;
    InputKind kind;
  } cases[] = {
      {"draw file", "1 02.09.1980 Tue Eve 1 2 3 x\r\n", InputKind::DrawFile},
      {"draw file after blank lines and a mark", "\xEF\xBB\xBF\r\n  \r\n1 02.09.1980 Tue Mid 1 2 3 x\r\n",
       InputKind::DrawFile},
      {"results export", "Draw Date,Midday Daily #\n01/13/2021,123\n", InputKind::Csv},
      {"a draw file's line second only", "Title\n1 02.09.1980 Tue Eve 1 2 3 x\n", InputKind::Csv},
      {"UTF-16 export",
       std::string("\xFF\xFE"
                   "D\0a\0t\0e\0\n\0",
                   12),
       InputKind::Csv},
      {"ZIP archive", std::string("PK\3\4\24\0\0\0", 8), InputKind::Zip},
      {"empty ZIP archive", std::string("PK\5\6\0\0\0\0", 8), InputKind::Zip},
      {"PK and text", "PKG,Result\n2020-04-01,123\n", InputKind::Csv},
      {"empty", "", InputKind::Empty},
      {"blanks and line ends", " \r\n\t\n", InputKind::Empty},
      {"binary garbage",
       std::string("\x7F"
                   "ELF\2\1\1\0\0\0",
                   10),
       InputKind::Binary},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DetectInput(c.text), c.kind);
  }
}

TEST(DetectInput, AnExportOpensForImportAndADrawFileForTheLoader) {
  const struct {
    std::string text;
    bool forImport;
  } cases[] = {
      {"Date,Result\n2020-04-01,123\n", true},
      {"1 02.09.1980 Tue Eve 1 2 3 x\r\n", false},
      // A draw file whose first line is bad stays the loader's, which names that line.
      {"garbage\r\n1 02.09.1980 Tue Eve 1 2 3 x\r\n", false},
      {"", false},
      {std::string("PK\3\4\24\0\0\0", 8), true},
      {std::string("ab\0cd", 5), true},
  };
  for (const auto& c : cases) EXPECT_EQ(OpensForImport(c.text), c.forImport) << c.text;
}

TEST(DetectInput, AnArchiveOrBinaryDataIsRefusedWithAReason) {
  const ImportedInput zip = ReadInput("a.zip", std::string("PK\3\4\24\0\0\0", 8));
  ASSERT_TRUE(zip.failure);
  EXPECT_EQ(zip.failure->detail, "a ZIP archive, neither a draw file nor a results export: extract its results file");
  const ImportedInput binary = ReadInput("a.bin", std::string("ab\0cd", 5));
  ASSERT_TRUE(binary.failure);
  EXPECT_EQ(binary.kind, InputKind::Binary);
  EXPECT_TRUE(binary.draws.empty());
}

// The uses are given per column as a window's lists give them.
ColumnUses Uses(std::initializer_list<ColumnUse> columns, DayOrder order = DayOrder::Unknown, bool placed = false) {
  return {columns, order, placed};
}
ColumnUse U(ColumnRole role, DrawTime time = DrawTime::Unknown, int ball = 0) { return {role, time, ball, {}}; }

TEST(ProposeMappingFromUses, TheUsesChooseTheColumns) {
  const CsvTable twoResults = ReadCsv("Date,First,Second\n01/13/2021,123,456\n");
  Mapping m = ProposeMapping(twoResults, Uses({U(ColumnRole::Date), U(ColumnRole::Result, DrawTime::Evening),
                                               U(ColumnRole::Result, DrawTime::Midday)}));
  ASSERT_TRUE(m.Ready()) << m.problem;
  EXPECT_EQ(m.dateColumn, 0);
  ASSERT_EQ(m.results.size(), 2u);
  EXPECT_EQ(m.results[0].columns, std::vector<int>{2});  // midday first
  EXPECT_EQ(m.results[0].time, DrawTime::Midday);
  EXPECT_EQ(m.results[1].columns, std::vector<int>{1});
  EXPECT_EQ(m.columns[2].reason.rfind("midday result: as chosen; ", 0), 0u) << m.columns[2].reason;

  // Three digit columns of one result, and a split date placed by the user.
  const CsvTable split = ReadCsv("M,D,Y,A,B,C\n4,3,2020,1,2,3\n5,6,2020,4,5,6\n");
  m = ProposeMapping(split,
                     Uses({U(ColumnRole::DayOfMonth), U(ColumnRole::Month), U(ColumnRole::Year),
                           U(ColumnRole::Digit, DrawTime::Unknown, 1), U(ColumnRole::Digit, DrawTime::Unknown, 2),
                           U(ColumnRole::Digit, DrawTime::Unknown, 3)},
                          DayOrder::Unknown, true));
  ASSERT_TRUE(m.Ready()) << m.problem;
  EXPECT_EQ(m.monthColumn, 1);
  EXPECT_EQ(m.dayColumn, 0);
  EXPECT_EQ(m.dayOrder, DayOrder::DayFirst);
  ASSERT_EQ(m.results.size(), 1u);
  EXPECT_EQ(m.results[0].columns, (std::vector<int>{3, 4, 5}));
}

TEST(ProposeMappingFromUses, UsesThatDoNotFitTogetherSaySo) {
  const CsvTable table = ReadCsv("A,B,C,D\n2020-04-01,2020-04-02,123,4\n");
  const struct {
    const char* name;
    ColumnUses uses;
    std::string problem;
  } cases[] = {
      {"two dates", Uses({U(ColumnRole::Date), U(ColumnRole::Date), U(ColumnRole::Result), U(ColumnRole::Unused)}),
       "choose one date column, or one column each for the month, the day and the year of the date"},
      {"a month without its day",
       Uses({U(ColumnRole::Month), U(ColumnRole::Year), U(ColumnRole::Result), U(ColumnRole::Unused)}),
       "choose one date column, or one column each for the month, the day and the year of the date"},
      {"two draw times", Uses({U(ColumnRole::Date), U(ColumnRole::Time), U(ColumnRole::Result), U(ColumnRole::Time)}),
       "choose at most one draw-time column"},
      {"a digit alone",
       Uses({U(ColumnRole::Date), U(ColumnRole::Unused), U(ColumnRole::Unused),
             U(ColumnRole::Digit, DrawTime::Midday, 2)}),
       "a result from single-digit columns takes one column for each of its digits 1, 2 and 3"},
      {"no result", Uses({U(ColumnRole::Date), U(ColumnRole::Unused), U(ColumnRole::Unused), U(ColumnRole::Unused)}),
       "choose the result column (or its three digit columns)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Mapping m = ProposeMapping(table, c.uses);
    EXPECT_EQ(m.needs, Choice::ColumnUses);
    EXPECT_EQ(m.problem, c.problem);
  }
}

TEST(ProposeMappingFromUses, EveryOfferedUseHasItsOwnPlace) {
  const std::vector<ColumnUse>& offered = OfferedUses();
  for (std::size_t i = 0; i < offered.size(); ++i) EXPECT_EQ(OfferedIndex(offered[i]), static_cast<int>(i));
}

// Files by name, as a front end's loader gives them.
LoadText Files(const std::map<std::string, std::string>& files) {
  return [files](const std::string& name, std::string& text) {
    const auto it = files.find(name);
    if (it == files.end()) return false;
    text = it->second;
    return true;
  };
}

TEST(ImportToDrawFile, EndsAtTheFirstStepThatCannotGoOn) {
  const std::map<std::string, std::string> files = {
      {"ok.csv", "Date,Result\n2020-04-01,123\n2020-04-02,456\n"},
      {"old.txt", "1 01.04.2020 Wed - 1 2 3 x\r\n"},
      {"unclear.csv", "Date,Result\n01/04/2020,123\n"},
      {"bad.txt", "1 2007 a b 1 2 3 x\n2 2008 a b 1 2 3 x\n"},
      {"a.zip", std::string("PK\3\4\24\0\0\0", 8)},
  };
  const struct {
    std::vector<std::string> names;
    ImportStatus status;
    std::size_t input;
  } cases[] = {
      {{"old.txt", "ok.csv"}, ImportStatus::Ok, 0},
      {{"ok.csv", "missing.csv", "unclear.csv"}, ImportStatus::NotRead, 1},
      {{"ok.csv", "unclear.csv", "missing.csv"}, ImportStatus::Unclear, 1},
      {{"a.zip"}, ImportStatus::Failed, 0},
      {{"bad.txt"}, ImportStatus::NoDraws, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.names.front() + " ...");
    const ImportRun run = ImportToDrawFile(c.names, Files(files));
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.input, c.input);
  }
  const ImportRun ok = ImportToDrawFile({"old.txt", "ok.csv"}, Files(files));
  EXPECT_EQ(ok.drawFile, "1 01.04.2020 Wed - 1 2 3 x\r\n2 02.04.2020 Thu - 4 5 6 x\r\n");
  EXPECT_EQ(ok.summary.duplicatesDropped, 1);
  EXPECT_EQ(ok.summary.inputs.size(), 2u);

  bool stop = false;
  ImportOptions options;
  options.stop = [&stop] { return stop = true; };
  EXPECT_EQ(ImportToDrawFile({"ok.csv"}, Files(files), options).status, ImportStatus::Stopped);
}

TEST(ImportSummary, AHistoryPastTheStoreSaysWhatIsKept) {
  std::string csv = "Date,Midday,Evening\n";
  int day = MakeDayKey(1990, 1, 1);
  for (int i = 0; i < 12514; ++i, day = NextDay(day)) {
    AppendDate(csv, day);
    csv += ",123,456\n";
  }
  const ImportRun run = ImportToDrawFile({"long.csv"}, Files({{"long.csv", csv}}));
  ASSERT_EQ(run.status, ImportStatus::Ok);
  ASSERT_TRUE(run.summary.storeLimit);
  EXPECT_EQ(run.summary.storeLimit->total, 25028u);
  EXPECT_EQ(StoreLimitLine(run.summary), "10,000 newest of 25,028 draws, from 29.07.2010");
  // The draw the line names is the oldest line the loader keeps.
  const LoadResult loaded = ParseDrawFile(run.drawFile);
  EXPECT_EQ(loaded.draws.back().date, "29.07.2010");
  EXPECT_EQ(StoreLimitLine(ImportToDrawFile({"s.csv"}, Files({{"s.csv", "Date,R\n2020-04-01,123\n"}})).summary), "");
}

}  // namespace
}  // namespace drawlyze::import::test
