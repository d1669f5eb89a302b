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
  const char* hint;
};

constexpr OptionControls kLastDraws{.lastDraws = true};
constexpr OptionControls kNoControl{};

constexpr Option kOptions[kOptionCount] = {
    {"Skips", SkipsView, kLastDraws, "Draws since each digit last came, and the median of its skips"},
    {"Frequency", FrequencyView, kLastDraws, "How often each digit came, from the most to the least frequent"},
    {"Cold Numbers", ColdNumbersView, kNoControl, "How far back each digit was last drawn, from the coldest"},
    {"Freq A1..A3", FreqA1A3View, kLastDraws, "How often each digit stood at each position A1, A2, A3"},
    {"Statistics", StatisticsView, kLastDraws, "The digits grouped by how often they came"},
    {"Numerical Range", NumericalRangeView, kNoControl,
     "Digits one to five steps from the selected draw and the one before it"},
    {"Separation",
     SeparationView,
     {.separationButtons = true},
     "Draws back from the selected one until every digit has come"},
    {"Position", PositionView, kLastDraws, "The average of each position and the digits near it"},
    {"Skips for positions",
     SkipsForPositionsView,
     {.median = true},
     "Last skip and median skip of each digit at each position"},
    {"Frequency Analyse", FrequencyAnalyseView, kLastDraws,
     "Which digits came in the draw after one holding each digit"},
    {"Sieve", SieveView, {.sieveButton = true}, "Candidate digits for each position from the Sieve patterns"},
    {"Odd-Even and Zones", OddEvenZonesView, kNoControl, "The digits as even and odd, low and high, and a zigzag"},
    {"Free Pairs", FreePairsView, kLastDraws, "How often each pair of digits came, and how many draws ago"},
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

const char* OptionHint(int option) { return option >= 0 && option < kOptionCount ? kOptions[option].hint : ""; }

OptionControls OptionUses(int option) {
  return option >= 0 && option < kOptionCount ? kOptions[option].uses : OptionControls{};
}

Chart RunView(int option, const ViewInput& in) {
  if (option < 0 || option >= kOptionCount) return Chart{};
  return kOptions[option].view(in);
}

}  // namespace drawlyze
