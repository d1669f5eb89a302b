#pragma once
// The trend charts: a value per draw up to the selected one (a digit's skip,
// its frequency in a moving window, the sum, spread and root sum and their
// moving averages), each with the band a fair draw keeps it inside, and the
// 10 x 10 table of pairs with each cell's deviation from chance. The draws are
// the main window's: from the selected row back over "Use Last Draws"; a
// value looks as far back in the history as it needs.

#include <array>
#include <string>
#include <vector>

#include "core/chart/view_helpers.h"
#include "core/history/draw_history.h"

namespace drawlyze::trends {

enum class TrendKind { Skip, Frequency, Sum, Spread, RootSum, Pairs };
// Which two positions a pair stands at: A1A2, A2A3, A1A3, or any two.
enum class PairKind { Front, Back, Split, Any };

// The draws a trend covers: the selected row and "Use Last Draws", as a view reads them.
struct TrendSelection {
  int row = 1;
  LastDraws lastDraws;
};

inline constexpr int kDefaultFrequencyWindow = 100;
inline constexpr int kDefaultAverageWindow = 10;
// The moving averages' band convolves the distribution of 3N digits: this
// many draws keep it well inside a screen redraw.
inline constexpr int kMaxAverageWindow = 1000;
// The colour scale of the pair table ends at this many standard units.
inline constexpr double kPairScaleEnd = 3.0;

struct TrendOptions {
  int digit = 0;     // Skip, Frequency: 0..9
  int position = 0;  // Skip, Frequency: 1..3 for A1..A3, 0 anywhere in the draw
  // Frequency: the moving window's draws; Sum, Spread, RootSum: the moving
  // average's draws (1: each draw's own value).
  int window = kDefaultFrequencyWindow;
  PairKind pairs = PairKind::Any;
};

struct TrendPoint {
  int index = 0;  // the draw's index in the history (0 = the newest)
  std::string number, date, time;
  double value = 0;
  double low = 0, high = 0;  // the band chance keeps the value inside
};

struct TrendSeries {
  std::string title;               // "Skip of 7 at A2"
  std::string valueName;           // "skip", "draws with 7 in the last 100", "sum"
  std::string bandName;            // "95% of skips" (the legend's entry for the band)
  std::string middleName;          // "median 6", "expected 27.10"
  double middle = 0;               // the line the band stands around: the median or the expectation
  std::string legend;              // how to read the band, in a sentence or two
  bool integral = true;            // the values are whole numbers
  std::vector<TrendPoint> points;  // oldest first
};

// A digit's skip at each draw: the draws since it last came at the position
// (chance 1/10) or anywhere in the draw (1 - 0.9^3 = 0.271), 0 in a draw that
// holds it. Draws before its first coming have no skip and no point. Band:
// 0 up to the geometric distribution's 95% quantile; middle: its median.
TrendSeries SkipSeries(const DrawHistory& history, const TrendSelection& selection, const TrendOptions& options);

// How many of the last N draws (the draw itself included) hold the digit at
// the position or anywhere; a point wherever N draws exist. Band: the exact
// binomial 2.5% and 97.5% quantiles; middle: N p.
TrendSeries FrequencySeries(const DrawHistory& history, const TrendSelection& selection, const TrendOptions& options);

// The sum of the three digits (options.window 1), or its average over the
// last N draws, with the 5%..95% quantiles of its exact distribution (the sum
// of 3N uniform digits, by convolution); middle: the expectation 13.5.
TrendSeries SumSeries(const DrawHistory& history, const TrendSelection& selection, const TrendOptions& options);
// The same for the spread (largest digit minus smallest) ...
TrendSeries SpreadSeries(const DrawHistory& history, const TrendSelection& selection, const TrendOptions& options);
// ... and the root sum (the digital root of the sum: 0 for 0, else 1..9).
TrendSeries RootSumSeries(const DrawHistory& history, const TrendSelection& selection, const TrendOptions& options);

// The series of a kind (Pairs has none: see PairCounts).
TrendSeries SeriesOf(TrendKind kind, const DrawHistory& history, const TrendSelection& selection,
                     const TrendOptions& options);

struct PairCell {
  int count = 0;
  double chance = 0;    // p: the chance a draw holds the pair
  double expected = 0;  // n p
  double z = 0;         // (count - n p) / sqrt(n p (1 - p)); 0 with no draws
  bool beyond = false;  // |z| past the colour scale's end
};

struct PairTable {
  PairKind kind = PairKind::Any;
  int draws = 0;                                     // n: the draws counted
  std::array<std::array<PairCell, 10>, 10> cells{};  // [first digit][second digit]
  double scaleEnd = kPairScaleEnd;
  int observedBeyond = 0;     // cells with |z| past the scale's end
  double expectedBeyond = 0;  // what a fair game puts there: the cells' exact binomial tails summed
  std::string title;
  std::string legend;
};

// The pairs of the draws from the selected row back over "Use Last Draws".
// Any: the ContainsPair test (both digits, or the digit twice).
PairTable PairCounts(const DrawHistory& history, const TrendSelection& selection, PairKind kind);

// The sums of the same draws, 0..27, with what a fair game expects of each.
struct SumCounts {
  int draws = 0;
  std::array<int, 28> counts{};
  std::array<double, 28> expected{};  // n ways(s) / 1000
  std::array<int, 28> low{}, high{};  // each count's exact binomial 95% range
};
SumCounts SumHistogram(const DrawHistory& history, const TrendSelection& selection);

// "skip", "frequency", "sum", "spread", "rootsum", "pairs"; false for another word.
bool ParseTrendKind(const std::string& word, TrendKind& kind);
const char* TrendKindName(TrendKind kind);
// "front", "back", "split", "any" (also "12", "23", "13").
bool ParsePairKind(const std::string& word, PairKind& kind);
const char* PairKindName(PairKind kind);

// The series as CSV: the header number,date,time,value,low,high and a record a
// draw, oldest first, records ended by CR LF.
std::string TrendCsv(const TrendSeries& series);
// As tab-separated lines: the title, the legend, an empty line, the header, a line a draw.
std::vector<std::string> TrendText(const TrendSeries& series);
// The hover tip of a point: "Draw 6758, 02.04.2020 Eve: skip 3 (band 0..28)".
std::string PointTip(const TrendSeries& series, const TrendPoint& point);
// The pair table as CSV: first,second,count,expected,z a record a cell.
std::string PairTableCsv(const PairTable& table);
std::vector<std::string> PairTableText(const PairTable& table);
// The sums' counts as tab-separated lines: a header, then Sum, Count, Expected, Low, High.
std::vector<std::string> SumCountsText(const SumCounts& counts);

}  // namespace drawlyze::trends
