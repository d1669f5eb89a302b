// The prize table as a file the user reads and edits.
#include "core/plays/prize_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/plays/odds.h"
#include "core/plays/prizes.h"

namespace drawlyze::plays {
namespace {

std::string BundledFile() {
  std::ifstream in(std::string(DRAWLYZE_SOURCE_DIR) + "/data/prizes.csv", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(PrizeTable, TheBundledFileIsTheDefault) {
  const std::string text = BundledFile();
  const Result<PrizeTable> table = ReadPrizeTable(text, "prizes.csv");
  ASSERT_TRUE(table) << table.Failure().detail;
  EXPECT_EQ(*table, DefaultPrizeTable());
  EXPECT_EQ(table->source, "prizes.csv");
  // The file is what the program writes, warning included.
  EXPECT_EQ(text, FormatPrizeTable(DefaultPrizeTable()));
  EXPECT_NE(text.find(kPrizeTableWarning), std::string::npos);
}

TEST(PrizeTable, AnEditedTableChangesPrizesAndOdds) {
  std::string text = FormatPrizeTable(DefaultPrizeTable());
  text.replace(text.find("box,6-way,80.00"), 15, "Box , 6-Way , 100");
  text.replace(text.find("front pair,exact order,50.00"), 28, "front pair,exact order,60.5");
  text += "# a comment at the end, with, commas\r\n";
  const Result<PrizeTable> table = ReadPrizeTable(text, "mine.csv");
  ASSERT_TRUE(table) << table.Failure().detail;
  EXPECT_EQ(table->For(PrizeLine::Box6), 10000);
  EXPECT_EQ(table->For(PrizeLine::Box3), 16000);
  EXPECT_EQ(Prize(BetType::Box, 123, 50, 321, *table), 5000);
  // 60.50 on a 0.50 play is 30.25; the odds follow the table.
  EXPECT_EQ(Prize(BetType::FrontPair, 12, 50, 123, *table), 3025);
  EXPECT_DOUBLE_EQ(OddsOf(BetType::Box, 123, *table).ReturnPer1(), 0.6);
  // A fraction of a cent is paid rounded down.
  text.replace(text.find("60.5"), 4, "60.51");
  EXPECT_EQ(Prize(BetType::FrontPair, 12, 50, 123, *ReadPrizeTable(text, "mine.csv")), 3025);
}

TEST(PrizeTable, WrongTablesNameEveryLineThatIsWrong) {
  const std::string good = FormatPrizeTable(DefaultPrizeTable());
  const auto edited = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const struct {
    std::string text;
    std::string detail;
  } cases[] = {
      {"", "not a prize table: the first line that is no comment must be the header bet,match,prize"},
      {edited("bet,match,prize", "bet;match;prize"), "must be the header bet,match,prize"},
      {edited("box,3-way,160.00\r\n", ""), "no line gives the prize of box 3-way"},
      {edited("box,3-way,160.00", "box,3-way,-1"),
       "line 8: the prize must be an amount such as 500.00 (at most 1000000.00), not \"-1\""},
      {edited("box,3-way,160.00", "box,3-way,1.005"), "line 8: the prize must be an amount"},
      {edited("box,3-way,160.00", "box,2-way,160.00"), "line 8: a box has no match \"2-way\""},
      {edited("box,3-way,160.00", "boxed,3-way,160.00"), "line 8: no bet is called \"boxed\""},
      {edited("box,3-way,160.00", "box,6-way,81.00"), "line 8: the prize of box 6-way was given on line 7 already"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.detail);
    const Result<PrizeTable> table = ReadPrizeTable(c.text, "mine.csv");
    ASSERT_FALSE(table);
    EXPECT_EQ(table.Failure().kind, ErrorKind::Unreadable);
    EXPECT_EQ(table.Failure().subject, "mine.csv");
    EXPECT_NE(table.Failure().detail.find(c.detail), std::string::npos) << table.Failure().detail;
  }
}

TEST(PrizeTable, TheFirstFileThereIsUsedAndABrokenOneIsNeverReplaced) {
  const std::string folder = ::testing::TempDir();
  const std::string mine = folder + "/plays-prizes-mine.csv", broken = folder + "/plays-prizes-broken.csv";
  std::string text = FormatPrizeTable(DefaultPrizeTable());
  text.replace(text.find("500.00"), 6, "600.00");
  std::ofstream(mine, std::ios::binary) << text;
  std::ofstream(broken, std::ios::binary) << "bet,match,prize\nstraight,exact order,lots\n";
  const std::string missing = folder + "/plays-prizes-missing.csv";

  const Result<PrizeTable> none = LoadPrizeTable({missing});
  ASSERT_TRUE(none);
  EXPECT_EQ(*none, DefaultPrizeTable());
  EXPECT_EQ(none->source, "the bundled default");
  const Result<PrizeTable> first = LoadPrizeTable({missing, mine, broken});
  ASSERT_TRUE(first);
  EXPECT_EQ(first->For(PrizeLine::Straight), 60000);
  EXPECT_EQ(first->source, mine);
  const Result<PrizeTable> bad = LoadPrizeTable({broken, mine});
  ASSERT_FALSE(bad);
  EXPECT_EQ(bad.Failure().subject, broken);
  std::remove(mine.c_str());
  std::remove(broken.c_str());
}

}  // namespace
}  // namespace drawlyze::plays
