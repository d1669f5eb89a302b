#pragma once
// What each bet pays for a 1.00 play, as data: the bundled default is the
// schedule New York, Ohio, Maryland and Florida publish; a user whose lottery
// pays otherwise edits the small CSV file (prizes.csv) that holds it.
//
//   # comment lines start with '#'
//   bet,match,prize
//   straight,exact order,500.00
//   box,6-way,80.00
//   ...
//
// Every prize scales with the amount played (a 0.50 straight pays 250.00).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/error/error.h"
#include "core/plays/bet_types.h"
#include "core/plays/money.h"

namespace drawlyze::plays {

// One line of the table: a bet and the match that pays.
enum class PrizeLine : std::uint8_t {
  Straight,           // straight: the digits in the order drawn
  Box6,               // box of three different digits
  Box3,               // box of two equal digits and another
  StraightBox6Exact,  // straight/box, 6-way, the order drawn: the straight half and the box half
  StraightBox6Other,  // straight/box, 6-way, another order: the box half alone
  StraightBox3Exact,
  StraightBox3Other,
  Combination,  // combination: the one order that was drawn
  FrontPair,
  BackPair,
};
inline constexpr int kPrizeLines = 10;

BetType BetOf(PrizeLine line);
// "exact order", "6-way", "6-way other order", "order drawn": the file's match column.
std::string_view MatchName(PrizeLine line);

// Said wherever prizes are shown.
inline constexpr std::string_view kPrizeTableWarning =
    "Prize tables differ between lotteries and some pay pari-mutuel: check yours.";
// The table's file in the data folder, installed beside the sample history.
inline constexpr std::string_view kPrizeTableFileName = "prizes.csv";

struct PrizeTable {
  std::array<Cents, kPrizeLines> per1{};       // the prize of a 1.00 play, in cents
  std::string source = "the bundled default";  // where it came from, for the reports

  Cents For(PrizeLine line) const { return per1[static_cast<std::size_t>(line)]; }
  bool operator==(const PrizeTable& other) const { return per1 == other.per1; }
};

// New York, Ohio, Maryland and Florida, a 1.00 play: straight 500; box 80 (6-way),
// 160 (3-way); straight/box 290 or 40 (6-way), 330 or 80 (3-way); combination 500;
// front and back pair 50.
PrizeTable DefaultPrizeTable();

// Reads a prize table file: every one of the ten lines once, a prize of
// 0.00 or more with at most two decimals. A failure names each line that is
// wrong or missing; subject is the file's name.
Result<PrizeTable> ReadPrizeTable(std::string_view text, const std::string& subject);
// The first of paths that exists, read as a prize table; the bundled default
// when none exists. A file that is there but cannot be read, or is no prize
// table, is a failure: never quietly replaced by the default.
Result<PrizeTable> LoadPrizeTable(const std::vector<std::string>& paths);
// The file's text, CR LF line ends, with a comment on how to edit it.
std::string FormatPrizeTable(const PrizeTable& table);

}  // namespace drawlyze::plays
