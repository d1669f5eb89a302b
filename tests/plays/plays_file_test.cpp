// The plays file: what a row may say, and rows that cannot be read.
#include "core/plays/plays_file.h"

#include <gtest/gtest.h>

namespace drawlyze::plays {
namespace {

using import::DrawTime;

TEST(PlaysFile, ReadsEveryWayARowMayBeWritten) {
  const std::string text =
      "\xEF\xBB\xBF"
      "date,draw,bet,number,amount,draws\r\n"
      "2020-04-01,Mid,straight,123,1.00,3\r\n"
      "03.04.2020,evening,BOX,007,0.5,\r\n"
      "2020-4-2,Day,Straight/Box,112,2,1\r\n"
      "2020-04-02,NIGHT,combo,123,1,10\r\n"
      "2020-04-02,Ngt,front pair,05,1.50,2\r\n"
      "2020-04-02,Morning,back pair,99,1.00,1\r\n"
      "2020-04-02,-,Combination,777,1.00,1\r\n"
      "\r\n"
      "\"2020-04-02\",\"Midday\",\"straight\",\"000\",\"1.00\",\"1\"\r\n";
  const Result<PlaysFile> file = ReadPlays(text, "plays.csv");
  ASSERT_TRUE(file) << file.Failure().detail;
  EXPECT_TRUE(file->bad.empty()) << file->bad[0].reason;
  const std::vector<Play> expected = {
      {2, 20200401, DrawTime::Midday, BetType::Straight, 123, 100, 3},
      {3, 20200403, DrawTime::Evening, BetType::Box, 7, 50, 1},
      {4, 20200402, DrawTime::Midday, BetType::StraightBox, 112, 200, 1},
      {5, 20200402, DrawTime::Night, BetType::Combination, 123, 100, 10},
      {6, 20200402, DrawTime::Night, BetType::FrontPair, 5, 150, 2},
      {7, 20200402, DrawTime::Morning, BetType::BackPair, 99, 100, 1},
      {8, 20200402, DrawTime::Unknown, BetType::Combination, 777, 100, 1},
      {10, 20200402, DrawTime::Midday, BetType::Straight, 0, 100, 1},
  };
  EXPECT_EQ(file->plays, expected);
}

TEST(PlaysFile, ColumnsInAnyOrderAndNoDrawsColumn) {
  const Result<PlaysFile> file = ReadPlays("Number;Bet;Amount;Date;Draw\n123;box;1;2020-01-05;Eve\n", "p.csv");
  ASSERT_TRUE(file);
  ASSERT_EQ(file->plays.size(), 1u);
  EXPECT_EQ(file->plays[0], (Play{2, 20200105, DrawTime::Evening, BetType::Box, 123, 100, 1}));
}

TEST(PlaysFile, BadRowsAreListedByLineWithTheReasonAndTheRestIsUsed) {
  const std::string text =
      "date,draw,bet,number,amount,draws\n"
      "2020-04-01,Mid,straight,123,1.00,1\n"
      "2020-02-30,Mid,straight,123,1.00,1\n"
      "04/01/2020,Mid,straight,123,1.00,1\n"
      "2020-04-01,Noon?,straight,123,1.00,1\n"
      "2020-04-01,Mid,pick,123,1.00,1\n"
      "2020-04-01,Mid,straight,12,1.00,1\n"
      "2020-04-01,Mid,front pair,123,1.00,1\n"
      "2020-04-01,Mid,box,777,1.00,1\n"
      "2020-04-01,Mid,straight/box,000,1.00,1\n"
      "2020-04-01,Mid,straight,123,0.75,1\n"
      "2020-04-01,Mid,straight,123,0,1\n"
      "2020-04-01,Mid,straight,123,1.00,0\n"
      "2020-04-01,Mid,straight,123,1.00,two\n"
      "\"2020-04-01\nx\",Mid,straight,123,1.00,1\n"
      "2020-04-01,,,,,\n"
      "2020-04-02,Eve,box,321,1.00,2\n";
  const Result<PlaysFile> file = ReadPlays(text, "plays.csv");
  ASSERT_TRUE(file);
  ASSERT_EQ(file->plays.size(), 2u);
  EXPECT_EQ(file->plays[0].line, 2);
  EXPECT_EQ(file->plays[1].line, 18);  // the quoted line break counts
  const std::vector<std::pair<int, std::string>> bad = {
      {3, "the date \"2020-02-30\" is not a day written 2020-04-03 or 03.04.2020"},
      {4, "the date \"04/01/2020\" is not a day written 2020-04-03 or 03.04.2020"},
      {5, "the draw time \"Noon?\" is none of Mid, Eve, Day, Night, Mor (or their long names), or -"},
      {6, "the bet \"pick\" is none of straight, box, straight/box, combo, front pair, back pair"},
      {7, "the number \"12\" is not three digits (as 007)"},
      {8, "the number \"123\" is not two digits (a pair, as 05)"},
      {9, "a triple cannot be boxed (777)"},
      {10, "a triple cannot be played straight/box (000)"},
      {11, "the amount \"0.75\" is not a multiple of 0.50 from 0.50 to 10000.00"},
      {12, "the amount \"0\" is not a multiple of 0.50 from 0.50 to 10000.00"},
      {13, "the draws \"0\" are not a count from 1 to 10000"},
      {14, "the draws \"two\" are not a count from 1 to 10000"},
      {15, "the date \"2020-04-01\nx\" is not a day written 2020-04-03 or 03.04.2020"},
      {17,
       "no draw time: write Mid, Eve, Mor, Night, or - for a history without draw times; the bet \"\" is none of "
       "straight, box, straight/box, combo, front pair, back pair; the number \"\" is not three digits (as 007); the "
       "amount \"\" is not a multiple of 0.50 from 0.50 to 10000.00"},
  };
  ASSERT_EQ(file->bad.size(), bad.size());
  for (std::size_t i = 0; i < bad.size(); ++i) {
    EXPECT_EQ(file->bad[i].line, bad[i].first);
    EXPECT_EQ(file->bad[i].reason, bad[i].second);
  }
}

TEST(PlaysFile, AFileWithoutTheHeaderIsRefusedWhole) {
  for (const char* text : {"", "2020-04-01,Mid,straight,123,1.00,1\n", "when,draw,bet,number,amount\n"}) {
    const Result<PlaysFile> file = ReadPlays(text, "plays.csv");
    ASSERT_FALSE(file) << text;
    EXPECT_EQ(file.Failure().subject, "plays.csv");
    EXPECT_NE(file.Failure().detail.find("header date,draw,bet,number,amount,draws"), std::string::npos);
  }
}

TEST(PlaysFile, WrittenAndReadBack) {
  const std::vector<Play> plays = {
      {0, 20200401, DrawTime::Midday, BetType::Straight, 7, 50, 3},
      {0, 20191231, DrawTime::Unknown, BetType::FrontPair, 5, 1000000, 10000},
      {0, 20200402, DrawTime::Night, BetType::StraightBox, 112, 100, 1},
  };
  const std::string text = FormatPlays(plays);
  EXPECT_EQ(text,
            "date,draw,bet,number,amount,draws\r\n"
            "2020-04-01,Mid,straight,007,0.50,3\r\n"
            "2019-12-31,-,front pair,05,10000.00,10000\r\n"
            "2020-04-02,Ngt,straight/box,112,1.00,1\r\n");
  const Result<PlaysFile> file = ReadPlays(text, "plays.csv");
  ASSERT_TRUE(file);
  ASSERT_EQ(file->plays.size(), 3u);
  for (std::size_t i = 0; i < plays.size(); ++i) {
    Play expected = plays[i];
    expected.line = static_cast<int>(i) + 2;
    EXPECT_EQ(file->plays[i], expected);
  }
}

}  // namespace
}  // namespace drawlyze::plays
