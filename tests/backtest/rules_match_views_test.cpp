// Each rule ranks the digits exactly as the view it comes from shows them, for
// the same selected row and window, on the bundled history.
#include <gtest/gtest.h>

#include "backtest_test_util.h"
#include "core/backtest/digit_tracker.h"
#include "core/views/views.h"

namespace drawlyze {
namespace {

using testing::BundledHistory;

std::string Text(const DigitOrder& order) {
  std::string text;
  for (const std::uint8_t d : order) text += NumberText(d);
  return text;
}

DigitOrder Reversed(DigitOrder order) {
  std::reverse(order.begin(), order.end());
  return order;
}

// A view's digit row ("03 08 01 ...") as an order.
DigitOrder Row(const std::string& line) {
  DigitOrder order{};
  for (std::size_t j = 0; j < 10; ++j) order[j] = static_cast<std::uint8_t>(std::stoi(line.substr(3 * j, 2)));
  return order;
}

// Freq A1..A3 shows counts, not an order: its order is the counts largest
// first, ties in ascending digits, as every view sorts.
DigitOrder FreqA1A3Order(const Chart& chart, int position) {
  std::array<int, 10> count{};
  for (const ChartItem& item : chart.items)
    if (item.kind == ChartItem::Kind::Text && item.text.y == 15 * position + 25 && item.text.x < 297) {
      const std::string& t = item.text.text;
      count[static_cast<std::size_t>((item.text.x - 9) / 28)] = t == "    " ? 0 : std::stoi(t) + 1;
    }
  DigitOrder order{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return count[a] > count[b]; });
  return order;
}

DigitOrder Rank(const char* rule, const DigitMeasures& m, int position = 0) {
  return RankDigits(AllDigitRules()[static_cast<std::size_t>(FindDigitRule(rule))], m, position, 1);
}

TEST(RulesMatchViews, EveryRuleOrdersTheDigitsAsItsViewShowsThem) {
  const DrawHistory history = BundledHistory();
  const int count = history.Count();
  ASSERT_GT(count, 6000);
  int compared = 0;
  for (const int window : {1, 2, 10, 100, 300, 1000, count}) {
    DigitTracker tracker(window);
    for (int t = 0; t < count; ++t) {
      tracker.Push(history.GetDraw(count - 1 - t));
      // The newest pushed draw is the one at row R; sample the rows, and all near both ends.
      const int row = count - t;
      if (!(row <= 4 || row > count - 4 || row % 41 == 0)) continue;
      SCOPED_TRACE("window " + std::to_string(window) + ", row " + std::to_string(row));
      const DigitMeasures m = tracker.Measures();
      ViewInput in;
      in.history = &history;
      in.row = row;
      in.lastDraws = window;

      const Chart skips = SkipsView(in);
      EXPECT_EQ(Text(Rank("longest-skip", m)), skips.copyLines[2]);
      EXPECT_EQ(Text(Rank("lowest-median", m)), Text(Reversed(Row(skips.copyLines[9]))));
      const Chart frequency = FrequencyView(in);
      EXPECT_EQ(Text(Rank("most-frequent", m)), frequency.copyLines[2]);
      EXPECT_EQ(Text(Rank("least-frequent", m)), Text(Reversed(Row(frequency.copyLines[2]))));
      const Chart positions = FreqA1A3View(in);
      for (int p = 0; p < 3; ++p)
        EXPECT_EQ(Text(Rank("position-frequent", m, p)), Text(FreqA1A3Order(positions, p))) << "A" << p + 1;
      // These two views look back through every older draw; the window plays no part.
      if (window == 1) {
        EXPECT_EQ(Text(Rank("longest-since-hit", m)), ColdNumbersView(in).copyLines[1]);
        const Chart skipsAt = SkipsForPositionsView(in);
        for (int p = 0; p < 3; ++p)
          EXPECT_EQ(Text(Rank("position-skip", m, p)), skipsAt.copyLines[static_cast<std::size_t>(2 + 4 * p)])
              << "A" << p + 1;
      }
      ++compared;
    }
  }
  EXPECT_GT(compared, 1000);
}

}  // namespace
}  // namespace drawlyze
