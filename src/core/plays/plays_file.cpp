#include "core/plays/plays_file.h"

#include <array>

#include "core/export/export_text.h"
#include "core/history/text_helpers.h"
#include "core/import/csv_table.h"
#include "core/import/import.h"

namespace drawlyze::plays {

namespace {

constexpr std::array<std::string_view, 6> kColumns = {"date", "draw", "bet", "number", "amount", "draws"};
constexpr int kDrawsColumn = 5;

template <typename T>
void Take(const Result<T>& cell, T& into, std::string& reasons) {
  if (cell) {
    into = *cell;
    return;
  }
  reasons += (reasons.empty() ? "" : "; ") + cell.Failure().detail;
}

}  // namespace

Result<Play> ReadPlayRow(std::string_view date, std::string_view time, std::string_view bet, std::string_view number,
                         std::string_view amount, std::string_view draws) {
  Play play;
  std::string reasons;
  Take(ReadPlayDate(date), play.date, reasons);
  Take(ReadPlayTime(time), play.time, reasons);
  const Result<BetType> betType = ReadPlayBet(bet);
  Take(betType, play.bet, reasons);
  // The number is read as the bet's; without a bet it is checked as three digits.
  Take(ReadPlayNumber(number, betType ? *betType : BetType::Straight), play.number, reasons);
  Take(ReadPlayAmount(amount), play.amount, reasons);
  Take(ReadPlayDraws(draws), play.draws, reasons);
  if (!reasons.empty()) return Error{ErrorKind::Unreadable, {}, reasons};
  return play;
}

Result<PlaysFile> ReadPlays(std::string_view text, const std::string& subject) {
  const import::CsvTable csv = import::ReadCsv(text);
  std::array<int, kColumns.size()> column;
  column.fill(-1);
  for (int c = 0; csv.hasHeader && c < csv.Columns(); ++c) {
    const std::string name = LowerCase(Trim(csv.Header(c)));
    for (std::size_t k = 0; k < kColumns.size(); ++k)
      if (name == kColumns[k] && column[k] < 0) column[k] = c;
  }
  std::string missing;
  for (std::size_t k = 0; k < kColumns.size(); ++k)
    if (column[k] < 0 && k != kDrawsColumn) missing += (missing.empty() ? "" : ", ") + std::string(kColumns[k]);
  if (!missing.empty())
    return Error{ErrorKind::Unreadable, subject,
                 "not a plays file: its first line must be the header date,draw,bet,number,amount,draws (missing: " +
                     missing + ")"};

  PlaysFile file;
  const auto cell = [&](int row, std::size_t k) {
    return column[k] < 0 ? std::string_view() : csv.Cell(row, column[k]);
  };
  for (int row = 0; row < csv.Rows(); ++row) {
    Result<Play> play = ReadPlayRow(cell(row, 0), cell(row, 1), cell(row, 2), cell(row, 3), cell(row, 4), cell(row, 5));
    if (!play) {
      file.bad.push_back({csv.Line(row), play.Failure().detail});
      continue;
    }
    play->line = csv.Line(row);
    file.plays.push_back(*play);
  }
  return file;
}

std::string FormatPlays(const std::vector<Play>& plays) {
  std::string out = CsvRecord({kColumns.begin(), kColumns.end()});
  for (const Play& play : plays) {
    const std::string date = PlayDateText(play.date), number = NumberText(play.bet, play.number);
    const std::string amount = MoneyText(play.amount), draws = std::to_string(play.draws);
    out += CsvRecord({date, import::TimeToken(play.time), BetName(play.bet), number, amount, draws});
  }
  return out;
}

}  // namespace drawlyze::plays
