#include "core/plays/play.h"

#include "core/history/text_helpers.h"

namespace drawlyze::plays {

namespace {

Error Bad(std::string detail) { return Error{ErrorKind::Unreadable, {}, std::move(detail)}; }

std::string Quoted(std::string_view cell) { return '"' + std::string(cell) + '"'; }

}  // namespace

Result<DayKey> ReadPlayDate(std::string_view cell) {
  cell = Trim(cell);
  const import::DateParts parts = import::ReadDateParts(cell);
  const bool iso = parts.kind == import::DateKind::YearFirst && parts.separator == '-';
  const bool dotted = parts.kind == import::DateKind::Dotted && !parts.twoDigitYear;
  const DayKey day = iso || dotted ? import::ResolveDate(parts, import::DayOrder::DayFirst) : 0;
  if (day == 0 || cell.find_first_of("T ") != std::string_view::npos)
    return Bad(cell.empty() ? "no date: write it as 2020-04-03 or 03.04.2020"
                            : "the date " + Quoted(cell) + " is not a day written 2020-04-03 or 03.04.2020");
  return day;
}

Result<DrawTime> ReadPlayTime(std::string_view cell) {
  cell = Trim(cell);
  if (cell == "-") return DrawTime::Unknown;
  DrawTime time = DrawTime::Unknown;
  // Words only: a clock time or a letter would be a guess.
  bool words = cell.size() > 1;
  for (char c : cell) words = words && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' ');
  if (words && import::ReadDrawTime(cell, time)) return time;
  return Bad(cell.empty() ? "no draw time: write Mid, Eve, Mor, Night, or - for a history without draw times"
                          : "the draw time " + Quoted(cell) +
                                " is none of Mid, Eve, Day, Night, Mor (or their long names), or -");
}

Result<BetType> ReadPlayBet(std::string_view cell) {
  if (const std::optional<BetType> bet = ReadBetType(cell)) return *bet;
  return Bad("the bet " + Quoted(Trim(cell)) + " is none of straight, box, straight/box, combo, front pair, back pair");
}

Result<int> ReadPlayNumber(std::string_view cell, BetType bet) {
  cell = Trim(cell);
  const std::size_t digits = static_cast<std::size_t>(NumberDigits(bet));
  bool ok = cell.size() == digits;
  int number = 0;
  for (char c : cell) {
    ok = ok && c >= '0' && c <= '9';
    number = number * 10 + (c - '0');
  }
  if (!ok)
    return Bad("the number " + Quoted(cell) + " is not " + (digits == 2 ? "two digits" : "three digits") +
               (digits == 2 ? " (a pair, as 05)" : " (as 007)"));
  if (const std::string_view refusal = Refusal(bet, number); !refusal.empty())
    return Bad(std::string(refusal) + " (" + std::string(cell) + ")");
  return number;
}

Result<Cents> ReadPlayAmount(std::string_view cell) {
  cell = Trim(cell);
  Cents amount = 0;
  if (!ReadMoney(cell, amount) || amount <= 0 || amount % kAmountStep != 0 || amount > kMaxAmount)
    return Bad("the amount " + Quoted(cell) + " is not a multiple of 0.50 from 0.50 to 10000.00");
  return amount;
}

Result<int> ReadPlayDraws(std::string_view cell) {
  cell = Trim(cell);
  if (cell.empty()) return 1;
  int draws = 0;
  bool ok = cell.size() <= 5;
  for (char c : cell) {
    ok = ok && c >= '0' && c <= '9';
    draws = draws * 10 + (c - '0');
  }
  if (!ok || draws < 1 || draws > kMaxDraws)
    return Bad("the draws " + Quoted(cell) + " are not a count from 1 to 10000");
  return draws;
}

std::string PlayDateText(DayKey day) {
  char text[11];
  const int y = day / 10000, m = day / 100 % 100, d = day % 100;
  text[0] = static_cast<char>('0' + y / 1000);
  text[1] = static_cast<char>('0' + y / 100 % 10);
  text[2] = static_cast<char>('0' + y / 10 % 10);
  text[3] = static_cast<char>('0' + y % 10);
  text[4] = '-';
  text[5] = static_cast<char>('0' + m / 10);
  text[6] = static_cast<char>('0' + m % 10);
  text[7] = '-';
  text[8] = static_cast<char>('0' + d / 10);
  text[9] = static_cast<char>('0' + d % 10);
  text[10] = 0;
  return text;
}

}  // namespace drawlyze::plays
