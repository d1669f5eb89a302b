// Several inputs merged into one draw file, and that file read back by the loader.
#include <gtest/gtest.h>

#include "core/history/draw_history.h"
#include "import_test_util.h"

namespace drawlyze::import::test {
namespace {

TEST(MergeDraws, YearlyFilesAndAnOldHistoryBecomeOneFile) {
  const std::vector<ImportedInput> inputs = {
      ReadInput("2021.csv", "Draw Date,Midday Daily #,Evening Daily #\n01/13/2021,5,600\n01/01/2021,321,\n"),
      ReadInput("3x10.txt", "1 30.12.2020 Wed Day 1 1 1 x\r\n2 31.12.2020 Thu Eve 2 2 2 x\r\n"),
      // Overlaps the old history (a duplicate) and disagrees with it once (a conflict).
      ReadInput("2020.csv", "Draw Date,Midday Daily #,Evening Daily #\n12/31/2020,999,222\n12/30/2020,111,\n"),
      // Without draw times: a repeat of a timed draw is the same draw; another result stays.
      ReadInput("once.csv", "Date,Result\n2020-12-31,222\n2020-12-31,333\n"),
  };
  const MergedHistory merged = MergeDraws(inputs);
  EXPECT_EQ(FormatDrawFile(merged.draws),
            "1 30.12.2020 Wed Mid 1 1 1 x\r\n"
            "2 31.12.2020 Thu Mid 9 9 9 x\r\n"
            "3 31.12.2020 Thu - 3 3 3 x\r\n"
            "4 31.12.2020 Thu Eve 2 2 2 x\r\n"
            "5 01.01.2021 Fri Mid 3 2 1 x\r\n"
            "6 13.01.2021 Wed Mid 0 0 5 x\r\n"
            "7 13.01.2021 Wed Eve 6 0 0 x\r\n");
  EXPECT_EQ(merged.duplicatesDropped, 3);
  EXPECT_TRUE(merged.conflicts.empty());
}

TEST(MergeDraws, SummaryCountsSkippedRowsDuplicatesAndConflicts) {
  const std::vector<ImportedInput> inputs = {
      ReadInput("a.csv", "Date,Draw,Result\n2020-04-03,Eve,123\n2020-04-03,Eve,123\n2020-04-31,Mid,1\n"),
      ReadInput("b.txt", "1 03.04.2020 Fri Eve 4 5 6 x\r\n2 2020 Fri Eve 4 5 6 x\r\nnonsense\r\n"),
  };
  const MergedHistory merged = MergeDraws(inputs);
  const std::vector<std::string> expected = {
      "a.csv: 3 rows, 2 draws",
      "  column 1 \"Date\": date: 2 of 3 values are dates (YYYY-MM-DD)",
      "  column 2 \"Draw\": draw time: 3 of 3 values say midday or evening",
      "  column 3 \"Result\": result: 2 of 3 values are three-digit results, 1 value with fewer digits read with "
      "leading zeros (7 is 007); the draw time comes from \"Draw\"",
      "a.csv: 1 row skipped, line 4",
      "  line 4: the date \"2020-04-31\" is not a day",
      "b.txt: draw file, 3 lines, 1 draw",
      "b.txt: 2 rows skipped, lines 2 3",
      "  line 2: the date 2020 is not a day written DD.MM.YYYY",
      "  line 3: not a draw line",
      "draws: 2, first 03.04.2020, last 03.04.2020",
      "duplicates dropped: 1",
      "conflicts kept: 1",
      "  03.04.2020 Eve: 123 (a.csv line 2), 456 (b.txt line 1)",
  };
  EXPECT_EQ(SummaryLines(inputs, merged), expected);
}

TEST(MergeDraws, EveryLineWrittenIsReadBackByTheLoader) {
  // 25,000 draws: the import keeps them all; the loader keeps the newest 10,000.
  std::string csv = "Date,Midday,Evening\n";
  for (int i = 0; i < 12500; ++i) {
    const int day = 1 + i % 28, month = 1 + i / 28 % 12, year = 1980 + i / 336;
    csv += std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year) + "," +
           std::to_string(i % 1000) + ",\"" + std::to_string(i % 10) + " 0 " + std::to_string(9 - i % 10) + "\"\n";
  }
  csv += "2/29/1980,1,\n";  // a row with only its midday draw and a time-less line in the output
  const std::vector<ImportedInput> inputs = {ReadInput("big.csv", csv),
                                             ReadInput("t.txt", "1 01.03.1980 Sat x 4 4 4 x\n")};
  const MergedHistory merged = MergeDraws(inputs);
  ASSERT_EQ(merged.draws.size(), 25002u);
  const std::string file = FormatDrawFile(merged.draws);

  const LoadResult loaded = ParseDrawFile(file);
  EXPECT_TRUE(loaded.incorrectLines.empty());
  ASSERT_EQ(loaded.draws.size(), static_cast<std::size_t>(MAX_DRAWS));
  EXPECT_EQ(loaded.olderLinesNotLoaded, 25002 - MAX_DRAWS);
  for (std::size_t k = 0; k < loaded.draws.size(); ++k) {
    const ImportedDraw& d = merged.draws[merged.draws.size() - 1 - k];
    std::string date;
    AppendDate(date, d.day);
    ASSERT_EQ(loaded.draws[k].date, date);
    ASSERT_EQ(loaded.draws[k].a, d.numbers);
    ASSERT_EQ(loaded.draws[k].number, std::to_string(merged.draws.size() - k));
  }
  EXPECT_NE(file.find("\r\n113 29.02.1980 Fri Mid 0 0 1 x\r\n114 01.03.1980 Sat Mid 0 5 6 x\r\n"
                      "115 01.03.1980 Sat - 4 4 4 x\r\n116 01.03.1980 Sat Eve 6 0 3 x\r\n"),
            std::string::npos);
  // The file passes through a second import unchanged.
  EXPECT_EQ(FormatDrawFile(MergeDraws({ReadInput("out.txt", file)}).draws), file);
}

// A written history passes through a second import unchanged, whichever draw
// times it kept: a night draw beside a day draw stays a night draw once the
// evening draw that made it one is gone (a fuzzer's find).
TEST(MergeDraws, AWrittenHistoryImportsAsItself) {
  const char* exports[] = {
      "Game,Month,Day,Year,Num1,Num2,Num3\nPick 3 Night,6,10,2019,7,8,9\nPick 3 Day,6,10,2019,1,2,3\n"
      "Pick 3 Evening,6,10,2019,4,5\n",
      "Date,Draw,Result\n2020-04-03,Night,123\n2020-04-03,Day,456\n",
      "Date,Morning,Day,Evening,Night\n2020-04-03,111,222,333,444\n2020-04-04,555,,,666\n",
  };
  for (const char* csv : exports) {
    SCOPED_TRACE(csv);
    const std::string file = FormatDrawFile(MergeDraws({ReadInput("in.csv", csv)}).draws);
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(FormatDrawFile(MergeDraws({ReadInput("out.txt", file)}).draws), file);
  }
}

}  // namespace
}  // namespace drawlyze::import::test
