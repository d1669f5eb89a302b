#include <string>
#include <vector>

#include "core/history/text_helpers.h"
#include "core/views/views.h"

namespace drawlyze {
namespace {

struct PositionSums {
  int n = 0;
  int s[DRAW_SIZE] = {};  // S1, S2, S3: digit sums of A1, A2, A3 over the window
};

PositionSums SumPositions(const DrawHistory& history, DrawWindow w) {
  PositionSums sums;
  sums.n = w.n;
  for (int k = w.start; k < w.start + w.n; ++k) {
    const DrawNumbers draw = history.GetDraw(k);
    for (int p = 0; p < DRAW_SIZE; ++p) sums.s[p] += draw[static_cast<std::size_t>(p)];
  }
  return sums;
}

// sum / n rounded to the nearest integer, an exact half to the even neighbour.
int RoundHalfEven(int sum, int n) {
  const int q = sum / n;
  const int twiceRest = 2 * (sum % n);
  if (twiceRest > n || (twiceRest == n && q % 2 == 1)) return q + 1;
  return q;
}

int Shift(int value, int by) { return ((value + by) % 10 + 10) % 10; }

struct PositionValues {
  std::vector<int> averages;   // a1..a3, rounded
  std::vector<int> midpoints;  // d1..d4, truncating division
  std::vector<double> exactAverages;
  std::vector<double> exactMidpoints;
};

// Empty lists for an empty window: nothing to average.
PositionValues ComputeValues(const PositionSums& sums) {
  PositionValues v;
  const int n = sums.n;
  if (n <= 0) return v;
  const int s1 = sums.s[0], s2 = sums.s[1], s3 = sums.s[2];
  for (int p = 0; p < DRAW_SIZE; ++p) {
    v.averages.push_back(RoundHalfEven(sums.s[p], n));
    v.exactAverages.push_back(static_cast<double>(sums.s[p]) / n);
  }
  v.midpoints = {((s1 + n) / n) / 2, ((s1 + s2) / n) / 2, ((s2 + s3) / n) / 2, ((10 * n + s3) / n) / 2};
  v.exactMidpoints = {static_cast<double>(n + s1) / n * 0.5, static_cast<double>(s1 + s2) / n * 0.5,
                      static_cast<double>(s2 + s3) / n * 0.5, static_cast<double>(10 * n + s3) / n * 0.5};
  return v;
}

// One row of shifted values at x = 14p + 2; a value 0 is never marked here.
std::string ShiftedRow(Chart& chart, const NextDraw& next, int y, const std::vector<int>& values, int by) {
  std::string line;
  for (std::size_t p = 0; p < values.size(); ++p) {
    const int value = Shift(values[p], by);
    chart.TextOut(14 * static_cast<int>(p) + 2, y, NumberText(value), value > 0 ? HitStyle(next, value) : kPlainText);
    line += NumberText(value) + ' ';
  }
  return line;
}

// Exact values at x = 41p + 3, never marked.
std::string ExactRow(Chart& chart, int y, const std::vector<double>& values) {
  std::string line;
  for (std::size_t p = 0; p < values.size(); ++p) {
    chart.TextOut(41 * static_cast<int>(p) + 3, y, FixedTwo(values[p]));
    line += FixedTwo(values[p]) + ' ';
  }
  return line;
}

void Label(Chart& chart, int y, const std::string& text) {
  chart.TextOut(2, y, text);
  chart.AddCopyLine(text);
}

}  // namespace

Chart PositionView(const ViewInput& in) {
  DrawWindow w = AnalysisWindow(in);
  if (w.start < 0) w.n = 0;  // a row above the first one has no draws to average
  const NextDraw next = GetNextDraw(in);
  const PositionSums sums = SumPositions(in.History(), w);
  const PositionValues v = ComputeValues(sums);
  const std::string last = std::to_string(sums.n);
  const std::string positions = std::to_string(DRAW_SIZE);

  Chart chart;
  std::string header;
  for (int d = 0; d < 10; ++d) {
    DigitText(chart, next, 14 * d + 2, 10, d);
    header += NumberText(d);
  }
  chart.AddCopyLine(header);
  chart.AddCopyLine("");

  Label(chart, 40, "Average A1..A" + positions + " +1 -1 +2 -2 for last " + last + " draws:");
  const int averageShifts[] = {0, 1, -1, 2, -2};
  for (int i = 0; i < 5; ++i) chart.AddCopyLine(ShiftedRow(chart, next, 55 + 15 * i, v.averages, averageShifts[i]));

  chart.AddCopyLine("");
  Label(chart, 145, "Average d1..d" + positions + " +1 -1 +2 -2 +3 -3 for last " + last + " draws:");
  const int midpointShifts[] = {0, 1, -1, 2, -2, 3, -3};
  for (int i = 0; i < 7; ++i) chart.AddCopyLine(ShiftedRow(chart, next, 160 + 15 * i, v.midpoints, midpointShifts[i]));
  chart.AddCopyLine("");

  Label(chart, 270, "Average A1..A" + positions + " Exact value:");
  chart.AddCopyLine(ExactRow(chart, 285, v.exactAverages));
  chart.AddCopyLine("");
  Label(chart, 315, "Average d1..d" + positions + " Exact value:");
  chart.AddCopyLine(ExactRow(chart, 330, v.exactMidpoints));

  FinishView(chart, in.grid);
  return chart;
}

}  // namespace drawlyze
