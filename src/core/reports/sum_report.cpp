// "Sum": the sum of every draw of the window, its spread and a bar chart.
#include <array>
#include <cmath>

#include "core/chart/view_helpers.h"
#include "core/history/text_helpers.h"
#include "core/reports/report_window.h"

namespace drawlyze {

ReportLines SumReport(const DrawHistory& history, int row, LastDraws lastDraws) {
  const ReportWindow window = ReportAnalysisWindow(history, row, lastDraws);
  ReportLines lines;
  lines.push_back("Sum of numbers for last " + std::to_string(window.n) + " draws");
  lines.push_back("(From " + std::to_string(window.NewestOrdinal()) + " to " + std::to_string(window.OldestOrdinal()) +
                  " draws)");
  lines.emplace_back();
  if (window.n == 0) {
    // Without draws the mean and the spread mean nothing.
    lines.emplace_back("No draws");
    return lines;
  }

  long long total = 0;
  std::array<int, 28> drawsWithSum{};
  std::vector<int> sums;
  sums.reserve(static_cast<std::size_t>(window.n));
  for (int i = window.start; i < window.End(); ++i) {
    const DrawNumbers d = history.GetDraw(i);
    const int sum = d[0] + d[1] + d[2];
    sums.push_back(sum);
    total += sum;
    if (sum <= 27) ++drawsWithSum[static_cast<std::size_t>(sum)];
    lines.push_back(FormatNumber(history.Count() - i, history.Count()) + "\t" + std::to_string(sum));
  }

  // The mean in extended precision, the squares in double, as the program always did.
  const long double n = window.n;
  const long double mean = static_cast<long double>(total) / n;
  double squares = 0;
  for (int sum : sums) {
    const long double deviation = sum - mean;
    squares = static_cast<double>(squares + deviation * deviation);
  }
  const double variance = static_cast<double>(squares / n);
  const double sd = std::sqrt(variance);

  for (const std::string& line :
       {std::string(), "Average: " + FixedTwo(mean), std::string(), "Sum: " + std::to_string(total), std::string(),
        "Variance: " + FixedTwo(variance), std::string(), "Std dev: " + FixedTwo(sd), std::string()})
    lines.push_back(line);

  const char* bandHeaders[3] = {"-Std dev\t\tMean\t\t+Std dev", "-2 Std dev\tMean\t\t+2 Std dev",
                                "-3 Std dev\tMean\t\t+3 Std dev"};
  for (int f = 1; f <= 3; ++f) {
    lines.emplace_back(bandHeaders[f - 1]);
    lines.push_back(FixedTwo(mean - f * static_cast<long double>(sd)) + "\t\t" + FixedTwo(mean) + "\t\t" +
                    FixedTwo(mean + f * static_cast<long double>(sd)));
    lines.emplace_back();
  }
  lines.emplace_back();

  lines.emplace_back("Std dev\t\tOut of -Std dev...+Std dev\tBetween -Std dev...+Std dev in %");
  for (int f = 1; f <= 3; ++f) {
    const long double low = mean - f * static_cast<long double>(sd);
    const long double high = mean + f * static_cast<long double>(sd);
    int inside = 0;
    for (int sum : sums)
      if (low <= sum && sum <= high) ++inside;
    const int out = window.n - inside;
    const double share = 100.0 - static_cast<double>(out) / window.n * 100.0;
    lines.push_back(std::to_string(f) + "\t\t" + std::to_string(out) + "\t\t\t" + FixedTwo(share) + "%");
  }

  lines.emplace_back();
  lines.emplace_back("Sum:");
  for (int v = 0; v <= 27; ++v)
    lines.push_back(FormatNumber(v, 10) + ": " +
                    std::string(static_cast<std::size_t>(drawsWithSum[static_cast<std::size_t>(v)]), '*'));
  return lines;
}

}  // namespace drawlyze
