#include "core/views/views.h"

#include <algorithm>
#include <cctype>

#include "core/history/text_helpers.h"

namespace drawlyze {
namespace {

struct Option {
  const char* caption;
  Chart (*view)(const ViewInput&);
  OptionControls uses;
};

constexpr OptionControls kLastDraws{.lastDraws = true};
constexpr OptionControls kNoControl{};

constexpr Option kOptions[kOptionCount] = {
    {"Skips", SkipsView, kLastDraws},
    {"Frequency", FrequencyView, kLastDraws},
    {"Cold Numbers", ColdNumbersView, kNoControl},
    {"Freq A1..A3", FreqA1A3View, kLastDraws},
    {"Statistics", StatisticsView, kLastDraws},
    {"Numerical Range", NumericalRangeView, kNoControl},
    {"Separation", SeparationView, {.separationButtons = true}},
    {"Position", PositionView, kLastDraws},
    {"Skips for positions", SkipsForPositionsView, {.median = true}},
    {"Frequency Analyse", FrequencyAnalyseView, kLastDraws},
    {"Sieve", SieveView, {.sieveButton = true}},
    {"Odd-Even and Zones", OddEvenZonesView, kNoControl},
    {"Free Pairs", FreePairsView, kLastDraws},
};

}  // namespace

const char* OptionCaption(int option) { return option >= 0 && option < kOptionCount ? kOptions[option].caption : ""; }

int FindOption(const std::string& text) {
  if (!text.empty() && text.size() <= 2 &&
      std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); })) {
    const int index = std::stoi(text);
    return index < kOptionCount ? index : -1;
  }
  for (int i = 0; i < kOptionCount; ++i)
    if (LowerCase(kOptions[i].caption) == LowerCase(text)) return i;
  return -1;
}

OptionControls OptionUses(int option) {
  return option >= 0 && option < kOptionCount ? kOptions[option].uses : OptionControls{};
}

Chart RunView(int option, const ViewInput& in) {
  if (option < 0 || option >= kOptionCount) return Chart{};
  return kOptions[option].view(in);
}

}  // namespace drawlyze
