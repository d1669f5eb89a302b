#pragma once
// The plays file: CSV (RFC 4180) with a header row naming the columns
//   date,draw,bet,number,amount,draws
// one play a row (draws may be left out: 1). Rows that cannot be read are
// listed by line with the reason and the others are used; the file itself is
// never rewritten by reading it.

#include <string>
#include <string_view>
#include <vector>

#include "core/error/error.h"
#include "core/plays/play.h"

namespace drawlyze::plays {

// "plays.csv", kept in the data folder by default.
inline constexpr std::string_view kPlaysFileName = "plays.csv";

struct BadRow {
  int line = 0;
  std::string reason;
};

struct PlaysFile {
  std::vector<Play> plays;  // in file order
  std::vector<BadRow> bad;  // ascending lines
};

// The plays of the text. A failure (subject: the file's name) when the header
// does not name the columns, so that no row is read against the wrong column.
Result<PlaysFile> ReadPlays(std::string_view text, const std::string& subject);

// One row from its six cells (draws may be empty); the reasons of every bad cell, joined.
Result<Play> ReadPlayRow(std::string_view date, std::string_view time, std::string_view bet, std::string_view number,
                         std::string_view amount, std::string_view draws);

// The file's text: the header and one row a play, CR LF line ends, dates as
// 2020-04-03, amounts with two decimals. ReadPlays reads it back to the same plays.
std::string FormatPlays(const std::vector<Play>& plays);

}  // namespace drawlyze::plays
