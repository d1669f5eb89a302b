#include "core/views/views.h"

#include <algorithm>
#include <cctype>

#include "core/history/text_helpers.h"

namespace drawlyze {
namespace {

struct Option {
  const char* caption;
  Chart (*view)(const ViewInput&);
  bool usesLastDraws;
};

constexpr Option kOptions[kOptionCount] = {
    {"Skips", SkipsView, true},
    {"Frequency", FrequencyView, true},
    {"Cold Numbers", ColdNumbersView, false},
    {"Freq A1..A3", FreqA1A3View, true},
    {"Statistics", StatisticsView, true},
    {"Numerical Range", NumericalRangeView, false},
    {"Separation", SeparationView, false},
    {"Position", PositionView, true},
    {"Skips for positions", SkipsForPositionsView, false},
    {"Frequency Analyse", FrequencyAnalyseView, true},
    {"Sieve", SieveView, false},
    {"Odd-Even and Zones", OddEvenZonesView, false},
    {"Free Pairs", FreePairsView, true},
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

bool OptionUsesLastDraws(int option) { return option >= 0 && option < kOptionCount && kOptions[option].usesLastDraws; }

Chart RunView(int option, const ViewInput& in) {
  if (option < 0 || option >= kOptionCount) return Chart{};
  return kOptions[option].view(in);
}

}  // namespace drawlyze
