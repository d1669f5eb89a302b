#include "core/import/header_words.h"

#include <algorithm>

#include "core/import/bonus_balls.h"

namespace drawlyze::import {

std::string Lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// The header's words in lower case: "Midday Daily #" gives midday, daily.
std::vector<std::string> Words(std::string_view header) {
  std::vector<std::string> words;
  std::string word;
  for (char c : Lowered(header)) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
      word += c;
    } else if (!word.empty()) {
      words.push_back(std::move(word));
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

bool Has(const std::vector<std::string>& words, std::string_view w) {
  return std::find(words.begin(), words.end(), w) != words.end();
}

DrawTime HeaderTime(std::string_view header) {
  const std::vector<std::string> words = Words(header);
  const std::string lower = Lowered(header);
  const bool morning = lower.find("morning") != std::string::npos || Has(words, "morn");
  const bool mid =
      lower.find("midday") != std::string::npos || Has(words, "mid") || Has(words, "day") || Has(words, "noon");
  const bool eve = lower.find("evening") != std::string::npos || Has(words, "eve");
  const bool night = Has(words, "night");
  if (morning + mid + eve + night != 1) return DrawTime::Unknown;
  return morning ? DrawTime::Morning : mid ? DrawTime::Midday : eve ? DrawTime::Evening : DrawTime::Night;
}

bool SaysResult(std::string_view header) {
  const std::vector<std::string> words = Words(header);
  for (const char* w : {"result", "results", "winning", "numbers", "number", "daily", "pick", "pick3", "digits"})
    if (Has(words, w)) return true;
  return header.find('#') != std::string_view::npos;
}

Exclusion HeaderExclusion(std::string_view header) {
  const std::vector<std::string> words = Words(header);
  static const struct {
    const char* word;
    Exclusion what;
  } kWords[] = {{"sum", Exclusion::Sum},
                {"total", Exclusion::Total},
                {"bonus", Exclusion::Bonus},
                {"fireball", Exclusion::Bonus},
                {"wild", Exclusion::Bonus},
                {"extra", Exclusion::Bonus},
                {"multiplier", Exclusion::Multiplier},
                {"jackpot", Exclusion::Jackpot},
                {"prize", Exclusion::Prize},
                {"prizes", Exclusion::Prize},
                {"payout", Exclusion::Payout},
                {"winners", Exclusion::Winners},
                {"amount", Exclusion::Amount},
                {"sales", Exclusion::Sales},
                {"id", Exclusion::Identifier},
                {"index", Exclusion::Index},
                {"4", Exclusion::OtherGame},
                {"5", Exclusion::OtherGame},
                {"6", Exclusion::OtherGame},
                {"pick4", Exclusion::OtherGame},
                {"pick5", Exclusion::OtherGame},
                {"win4", Exclusion::OtherGame},
                {"daily4", Exclusion::OtherGame},
                {"play4", Exclusion::OtherGame}};
  for (const auto& entry : kWords)
    if (Has(words, entry.word)) return entry.what;
  const bool numberWord = Has(words, "number") || Has(words, "no") || Has(words, "nr") || Has(words, "num") ||
                          (words.size() == 1 && header.find('#') != std::string_view::npos);
  if (!BonusBallName(header).empty()) return Exclusion::Bonus;
  if (Has(words, "draw") && numberWord && words.size() <= 2) return Exclusion::DrawNumber;
  return Exclusion::None;
}

DayOrder HeaderDayOrder(std::string_view header) {
  const std::string lower = Lowered(header);
  for (const char* hint : {"mm/dd", "m/d", "mm-dd", "mm.dd"})
    if (lower.find(hint) != std::string::npos) return DayOrder::MonthFirst;
  for (const char* hint : {"dd/mm", "d/m", "dd-mm", "dd.mm"})
    if (lower.find(hint) != std::string::npos) return DayOrder::DayFirst;
  return DayOrder::Unknown;
}

// Words of a header that name the month or the day of a split date.
bool SaysMonth(std::string_view header) {
  const std::vector<std::string> words = Words(header);
  return Has(words, "month") || Has(words, "mon") || Has(words, "mm") || Has(words, "m");
}
bool SaysDay(std::string_view header) {
  const std::vector<std::string> words = Words(header);
  return Has(words, "day") || Has(words, "dd") || Has(words, "d");
}

}  // namespace drawlyze::import
