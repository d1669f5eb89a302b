#include "core/plays/prize_table.h"

#include <filesystem>

#include "core/files/whole_file.h"
#include "core/history/text_helpers.h"
#include "core/import/csv_table.h"

namespace drawlyze::plays {

namespace {

constexpr Cents kMaxPrize = 100'000'000;  // 1,000,000.00: sums of many plays stay far from overflow

constexpr std::array<PrizeLine, kPrizeLines> kLines = {PrizeLine::Straight,
                                                       PrizeLine::Box6,
                                                       PrizeLine::Box3,
                                                       PrizeLine::StraightBox6Exact,
                                                       PrizeLine::StraightBox6Other,
                                                       PrizeLine::StraightBox3Exact,
                                                       PrizeLine::StraightBox3Other,
                                                       PrizeLine::Combination,
                                                       PrizeLine::FrontPair,
                                                       PrizeLine::BackPair};

// Lower case, runs of blanks one blank, no blanks at the ends.
std::string Normalised(std::string_view text) {
  std::string out;
  for (char c : LowerCase(text)) {
    const bool blank = c == ' ' || c == '\t';
    if (blank && (out.empty() || out.back() == ' ')) continue;
    out += blank ? ' ' : c;
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// Comment lines become empty lines, which the CSV reader passes over; the
// other lines keep their numbers.
std::string WithoutComments(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool lineStart = true, comment = false;
  for (char c : import::StripByteOrderMark(text)) {
    if (c == '\r' || c == '\n') {
      out += c;
      lineStart = true;
      comment = false;
      continue;
    }
    if (lineStart && c == '#') comment = true;
    lineStart = lineStart && (c == ' ' || c == '\t');
    if (!comment) out += c;
  }
  return out;
}

}  // namespace

BetType BetOf(PrizeLine line) {
  switch (line) {
    case PrizeLine::Straight:
      return BetType::Straight;
    case PrizeLine::Box6:
    case PrizeLine::Box3:
      return BetType::Box;
    case PrizeLine::StraightBox6Exact:
    case PrizeLine::StraightBox6Other:
    case PrizeLine::StraightBox3Exact:
    case PrizeLine::StraightBox3Other:
      return BetType::StraightBox;
    case PrizeLine::Combination:
      return BetType::Combination;
    case PrizeLine::FrontPair:
      return BetType::FrontPair;
    case PrizeLine::BackPair:
      return BetType::BackPair;
  }
  return BetType::Straight;
}

std::string_view MatchName(PrizeLine line) {
  switch (line) {
    case PrizeLine::Straight:
    case PrizeLine::FrontPair:
    case PrizeLine::BackPair:
      return "exact order";
    case PrizeLine::Box6:
      return "6-way";
    case PrizeLine::Box3:
      return "3-way";
    case PrizeLine::StraightBox6Exact:
      return "6-way exact order";
    case PrizeLine::StraightBox6Other:
      return "6-way other order";
    case PrizeLine::StraightBox3Exact:
      return "3-way exact order";
    case PrizeLine::StraightBox3Other:
      return "3-way other order";
    case PrizeLine::Combination:
      return "order drawn";
  }
  return "exact order";
}

PrizeTable DefaultPrizeTable() {
  PrizeTable table;
  table.per1 = {50000, 8000, 16000, 29000, 4000, 33000, 8000, 50000, 5000, 5000};
  return table;
}

Result<PrizeTable> ReadPrizeTable(std::string_view text, const std::string& subject) {
  const import::CsvTable csv = import::ReadCsv(WithoutComments(text));
  PrizeTable table;
  table.source = subject;
  std::array<int, kPrizeLines> seenOn{};  // the line that gave each prize, 0 while none
  std::string problems;
  const auto problem = [&](const std::string& what) { problems += (problems.empty() ? "" : "; ") + what; };

  const bool header = csv.hasHeader && Normalised(csv.Header(0)) == "bet" && Normalised(csv.Header(1)) == "match" &&
                      Normalised(csv.Header(2)) == "prize";
  if (!header) problem("the first line that is no comment must be the header bet,match,prize");
  for (int row = 0; header && row < csv.Rows(); ++row) {
    const std::string where = "line " + std::to_string(csv.Line(row)) + ": ";
    const std::optional<BetType> bet = ReadBetType(csv.Cell(row, 0));
    const std::string match = Normalised(csv.Cell(row, 1));
    int found = -1;
    for (int k = 0; k < kPrizeLines && bet; ++k)
      if (BetOf(kLines[static_cast<std::size_t>(k)]) == *bet && match == MatchName(kLines[static_cast<std::size_t>(k)]))
        found = k;
    Cents prize = 0;
    if (!bet) {
      problem(where + "no bet is called \"" + std::string(csv.Cell(row, 0)) + "\"");
    } else if (found < 0) {
      problem(where + "a " + std::string(BetName(*bet)) + " has no match \"" + std::string(csv.Cell(row, 1)) + "\"");
    } else if (!ReadMoney(csv.Cell(row, 2), prize) || prize > kMaxPrize) {
      problem(where + "the prize must be an amount such as 500.00 (at most 1000000.00), not \"" +
              std::string(csv.Cell(row, 2)) + "\"");
    } else if (seenOn[static_cast<std::size_t>(found)] > 0) {
      problem(where + "the prize of " + std::string(BetName(*bet)) + " " + match + " was given on line " +
              std::to_string(seenOn[static_cast<std::size_t>(found)]) + " already");
    } else {
      seenOn[static_cast<std::size_t>(found)] = csv.Line(row);
      table.per1[static_cast<std::size_t>(found)] = prize;
    }
  }
  for (int k = 0; header && k < kPrizeLines; ++k)
    if (seenOn[static_cast<std::size_t>(k)] == 0)
      problem("no line gives the prize of " + std::string(BetName(BetOf(kLines[static_cast<std::size_t>(k)]))) + " " +
              std::string(MatchName(kLines[static_cast<std::size_t>(k)])));
  if (!problems.empty()) return Error{ErrorKind::Unreadable, subject, "not a prize table: " + problems};
  return table;
}

Result<PrizeTable> LoadPrizeTable(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::exists(path, ec)) continue;
    const Result<std::string> text = ReadWholeFile(path);
    if (!text) return text.Failure();
    return ReadPrizeTable(*text, path);
  }
  return DefaultPrizeTable();
}

std::string FormatPrizeTable(const PrizeTable& table) {
  std::string out =
      "# What each bet pays for a 1.00 play; prizes scale with the amount played.\r\n"
      "# The default is the schedule New York, Ohio, Maryland and Florida publish.\r\n"
      "# " +
      std::string(kPrizeTableWarning) +
      "\r\n"
      "# Change a prize to your lottery's; keep every line.\r\n"
      "bet,match,prize\r\n";
  for (PrizeLine line : kLines)
    out += std::string(BetName(BetOf(line))) + ',' + std::string(MatchName(line)) + ',' + MoneyText(table.For(line)) +
           "\r\n";
  return out;
}

}  // namespace drawlyze::plays
