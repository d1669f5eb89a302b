// A digit's skip and its frequency in a moving window, draw by draw.
#include <algorithm>

#include "core/trends/chance.h"
#include "core/trends/trend_point.h"
#include "core/trends/trend_text.h"
#include "core/trends/trends.h"

namespace drawlyze::trends {
namespace {

struct DigitChoice {
  int digit = 0;
  int position = 0;
  double chance = kAnywhereChance;

  explicit DigitChoice(const TrendOptions& o)
      : digit(std::clamp(o.digit, 0, 9)),
        position(std::clamp(o.position, 0, DRAW_SIZE)),
        chance(position == 0 ? kAnywhereChance : kAtPositionChance) {}

  bool Holds(const DrawNumbers& draw) const {
    return position == 0 ? ContainsNumber(digit, draw) : draw[static_cast<std::size_t>(position - 1)] == digit;
  }
};

}  // namespace

TrendSeries SkipSeries(const DrawHistory& history, const TrendSelection& selection, const TrendOptions& options) {
  const DigitChoice choice(options);
  const int median = GeometricQuantile(choice.chance, 0.5);
  const int q95 = GeometricQuantile(choice.chance, 0.95);
  const std::string d = std::to_string(choice.digit);
  TrendSeries s;
  s.title = "Skip of " + d + " " + WhereText(choice.position);
  s.valueName = "skip";
  s.bandName = "95% of a fair game's skips (0.." + std::to_string(q95) + ")";
  s.middle = median;
  s.middleName = "median " + std::to_string(median);
  s.legend = "The draws since " + d + " last came " + WhereText(choice.position) + " (0 in a draw that holds it). " +
             "A fair draw brings it with chance " + Short(choice.chance) + ": half its skips end within " +
             std::to_string(median) + " draws and 95% within " + std::to_string(q95) +
             " (the band, exact geometric quantiles). One skip in twenty outruns the band by chance alone.";

  const DrawWindow w = AnalysisWindow(history, selection.row, selection.lastDraws);
  if (w.n <= 0) return s;
  s.points.reserve(static_cast<std::size_t>(w.n));
  int skip = -1;  // not come yet
  for (int i = history.Count() - 1; i >= w.start; --i) {
    if (choice.Holds(history.GetDraw(i)))
      skip = 0;
    else if (skip >= 0)
      ++skip;
    if (i < w.start + w.n && skip >= 0) s.points.push_back(PointAt(history, i, skip, 0, q95));
  }
  return s;
}

TrendSeries FrequencySeries(const DrawHistory& history, const TrendSelection& selection, const TrendOptions& options) {
  const DigitChoice choice(options);
  const int n = std::clamp(options.window, 1, MAX_DRAWS);
  const int low = BinomialQuantile(n, choice.chance, 0.025);
  const int high = BinomialQuantile(n, choice.chance, 0.975);
  const std::string d = std::to_string(choice.digit);
  const std::string last = n == 1 ? "the draw" : "the last " + std::to_string(n) + " draws";
  TrendSeries s;
  s.title = "Draws holding " + d + " " + WhereText(choice.position) + " among " + last;
  s.valueName = "draws with " + d;
  s.bandName = "95% range of chance (" + std::to_string(low) + ".." + std::to_string(high) + ")";
  s.middle = n * choice.chance;
  s.middleName = "expected " + Fixed2(s.middle);
  s.legend = "At each draw, how many of " + last + " up to it hold " + d + " " + WhereText(choice.position) +
             " (chance " + Short(choice.chance) + " a draw). A fair game keeps the count within " +
             std::to_string(low) + ".." + std::to_string(high) +
             " at least 95% of the time (exact binomial 2.5% and 97.5% quantiles). Neighbouring points share "
             "most of their draws: a stretch outside the band is one excursion, not many.";

  const DrawWindow w = AnalysisWindow(history, selection.row, selection.lastDraws);
  if (w.n <= 0) return s;
  s.points.reserve(static_cast<std::size_t>(w.n));
  const int count = history.Count();
  int holding = 0;  // among draws i .. i+n-1
  for (int i = count - 1; i >= w.start; --i) {
    holding += choice.Holds(history.GetDraw(i)) ? 1 : 0;
    if (i + n < count && choice.Holds(history.GetDraw(i + n))) --holding;
    if (i + n <= count && i < w.start + w.n) s.points.push_back(PointAt(history, i, holding, low, high));
  }
  return s;
}

}  // namespace drawlyze::trends
