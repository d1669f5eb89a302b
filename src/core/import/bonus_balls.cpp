#include "core/import/bonus_balls.h"

#include <vector>

namespace drawlyze::import {

namespace {

// The header's letters and digits in lower case, every word apart and all run together.
struct HeaderWords {
  std::vector<std::string> words;
  std::string joined;
};

HeaderWords Split(std::string_view header) {
  HeaderWords h;
  std::string word;
  const auto flush = [&] {
    if (!word.empty()) h.words.push_back(std::move(word));
    word.clear();
  };
  for (std::size_t i = 0; i < header.size(); ++i) {
    char c = header[i];
    const bool upper = c >= 'A' && c <= 'Z';
    // "WildBall": a capital after a small letter starts a word.
    if (upper && i > 0 && header[i - 1] >= 'a' && header[i - 1] <= 'z') flush();
    if (upper) c = static_cast<char>(c - 'A' + 'a');
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
      word += c;
      h.joined += c;
    } else {
      flush();
    }
  }
  flush();
  return h;
}

}  // namespace

std::string BonusBallName(std::string_view header) {
  const HeaderWords h = Split(header);
  static const struct {
    const char* joined;  // the name with its words run together
    const char* name;    // as the summary calls it
  } kBalls[] = {{"fireball", "Fireball"},    {"wildball", "Wild Ball"},   {"wild", "Wild Ball"},
                {"bonusball", "bonus ball"}, {"bonus", "bonus ball"},     {"extraball", "extra ball"},
                {"extra", "extra ball"},     {"luckyball", "Lucky Ball"}, {"superball", "bonus ball"}};
  for (const auto& ball : kBalls) {
    bool found = h.joined == ball.joined;
    for (const std::string& w : h.words) found = found || w == ball.joined;
    for (std::size_t i = 0; !found && i + 1 < h.words.size(); ++i) found = h.words[i] + h.words[i + 1] == ball.joined;
    if (found) return std::string("a bonus ball (") + ball.name + ")";
  }
  return {};
}

}  // namespace drawlyze::import
