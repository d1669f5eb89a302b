// The sum, spread and root sum of each draw, or their moving averages, with
// the band of their exact distribution.
#include <algorithm>
#include <map>
#include <mutex>

#include "core/trends/chance.h"
#include "core/trends/trend_point.h"
#include "core/trends/trend_text.h"
#include "core/trends/trends.h"

namespace drawlyze::trends {
namespace {

struct Measure {
  const char* name;   // "sum"
  const char* title;  // "Sum of the digits"
  int (*of)(const DrawNumbers&);
  const Distribution& one;
  // The distribution of the total of n draws' values.
  Distribution (*totalOf)(int n);
};

int SumOf(const DrawNumbers& d) { return d[0] + d[1] + d[2]; }
int SpreadOf(const DrawNumbers& d) { return std::max({d[0], d[1], d[2]}) - std::min({d[0], d[1], d[2]}); }
int RootSumOf(const DrawNumbers& d) { return DigitalRoot(SumOf(d)); }

// The 5% and 95% quantiles of the average of n draws. A window N of 1,000
// convolves 3,000 digits (tens of milliseconds): each band is computed once
// a run, so that moving through the rows redraws at once.
std::pair<double, double> Band(const Measure& m, int n) {
  static std::mutex mutex;
  static std::map<std::pair<const Measure*, int>, std::pair<double, double>> known;
  const std::lock_guard lock(mutex);
  const auto key = std::make_pair(&m, n);
  if (const auto it = known.find(key); it != known.end()) return it->second;
  const Distribution total = m.totalOf(n);
  const std::pair<double, double> band{DistributionQuantile(total, 0.05) / static_cast<double>(n),
                                       DistributionQuantile(total, 0.95) / static_cast<double>(n)};
  return known[key] = band;
}

TrendSeries AverageSeries(const Measure& m, const DrawHistory& history, const TrendSelection& selection,
                          const TrendOptions& options) {
  const int n = std::clamp(options.window, 1, kMaxAverageWindow);
  const auto [low, high] = Band(m, n);
  const std::string range = n == 1
                                ? std::to_string(static_cast<int>(low)) + ".." + std::to_string(static_cast<int>(high))
                                : Fixed2(low) + ".." + Fixed2(high);
  TrendSeries s;
  s.integral = n == 1;
  s.title = std::string(m.title) + (n == 1 ? "" : ", average of the last " + std::to_string(n) + " draws");
  s.valueName = n == 1 ? m.name : std::string("average ") + m.name;
  s.bandName = "5%..95% of chance (" + range + ")";
  s.middle = Mean(m.one);
  s.middleName = "expected " + Fixed2(s.middle);
  const std::string what = n == 1 ? std::string("A fair draw's ") + m.name
                                  : std::string("The average ") + m.name + " of " + std::to_string(n) + " fair draws";
  s.legend =
      what + " lies within " + range + " nine times in ten: the 5% and 95% quantiles of its exact " +
      (n == 1 ? std::string("distribution over the 1,000 equally likely draws")
              : std::string("distribution (") + m.name + " of one draw convolved " + std::to_string(n) + " times)") +
      ". One point in ten stands outside the band by chance alone" +
      (n == 1 ? "." : "; neighbouring averages share most of their draws.");

  const DrawWindow w = AnalysisWindow(history, selection.row, selection.lastDraws);
  if (w.n <= 0) return s;
  s.points.reserve(static_cast<std::size_t>(w.n));
  const int count = history.Count();
  long long sum = 0;  // of draws i .. i+n-1
  for (int i = count - 1; i >= w.start; --i) {
    sum += m.of(history.GetDraw(i));
    if (i + n < count) sum -= m.of(history.GetDraw(i + n));
    if (i + n <= count && i < w.start + w.n)
      s.points.push_back(PointAt(history, i, static_cast<double>(sum) / n, low, high));
  }
  return s;
}

const Measure& SumMeasure() {
  static const Measure m{"sum", "Sum of the digits", SumOf, DrawSumDistribution(),
                         [](int n) { return DigitsSumDistribution(3 * n); }};
  return m;
}
const Measure& SpreadMeasure() {
  static const Measure m{"spread", "Spread (largest digit minus smallest)", SpreadOf, SpreadDistribution(),
                         [](int n) { return SumOfCopies(SpreadDistribution(), n); }};
  return m;
}
const Measure& RootSumMeasure() {
  static const Measure m{"root sum", "Root sum (digital root of the sum)", RootSumOf, RootSumDistribution(),
                         [](int n) { return SumOfCopies(RootSumDistribution(), n); }};
  return m;
}

}  // namespace

TrendSeries SumSeries(const DrawHistory& history, const TrendSelection& selection, const TrendOptions& options) {
  return AverageSeries(SumMeasure(), history, selection, options);
}

TrendSeries SpreadSeries(const DrawHistory& history, const TrendSelection& selection, const TrendOptions& options) {
  return AverageSeries(SpreadMeasure(), history, selection, options);
}

TrendSeries RootSumSeries(const DrawHistory& history, const TrendSelection& selection, const TrendOptions& options) {
  return AverageSeries(RootSumMeasure(), history, selection, options);
}

TrendSeries SeriesOf(TrendKind kind, const DrawHistory& history, const TrendSelection& selection,
                     const TrendOptions& options) {
  switch (kind) {
    case TrendKind::Skip:
      return SkipSeries(history, selection, options);
    case TrendKind::Frequency:
      return FrequencySeries(history, selection, options);
    case TrendKind::Sum:
      return SumSeries(history, selection, options);
    case TrendKind::Spread:
      return SpreadSeries(history, selection, options);
    case TrendKind::RootSum:
      return RootSumSeries(history, selection, options);
    case TrendKind::Pairs:
      break;
  }
  return {};
}

}  // namespace drawlyze::trends
