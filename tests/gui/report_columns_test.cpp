// Tab-separated tables laid out as columns in the report window.
#include "gui/report_columns.h"

#include <gtest/gtest.h>

#include <QFont>

#include "qt_app.h"

namespace drawlyze {
namespace {

TEST(ReportColumns, EachColumnStartsAfterTheWidestCellAndNumbersAlignRight) {
  testing::App();
  const QFontMetricsF m{QFont()};
  const qreal gap = 3 * m.horizontalAdvance(' ');
  const std::vector<std::string> lines = {
      "Statistics from 300 to 297 draws",    "",
      "Rule\tTrials\tp-value\tVerdict",      "Most frequent at the position\t12\t<1e-300\tbetter than chance",
      "Random\t4\t-\tno better than chance",
  };
  const gui::ColumnLayout layout = gui::LayOutColumns(lines, m);
  ASSERT_EQ(layout.tabs.size(), 3);
  const qreal rule = m.horizontalAdvance("Most frequent at the position");
  const qreal trials = m.horizontalAdvance("Trials"), p = m.horizontalAdvance("<1e-300");
  // Numbers (with "-" for none) end at their column's right edge; text starts at its left edge.
  EXPECT_EQ(layout.tabs[0].type, QTextOption::RightTab);
  EXPECT_DOUBLE_EQ(layout.tabs[0].position, rule + gap + trials);
  EXPECT_EQ(layout.tabs[1].type, QTextOption::RightTab);
  EXPECT_DOUBLE_EQ(layout.tabs[1].position, rule + gap + trials + gap + p);
  EXPECT_EQ(layout.tabs[2].type, QTextOption::LeftTab);
  EXPECT_DOUBLE_EQ(layout.tabs[2].position, rule + gap + trials + gap + p + gap);
  EXPECT_DOUBLE_EQ(layout.width, layout.tabs[2].position + m.horizontalAdvance("no better than chance"));

  // A line of text wider than the table sets the width; no table, no stops.
  const std::string wide(400, 'x');
  EXPECT_DOUBLE_EQ(gui::LayOutColumns({wide}, m).width, m.horizontalAdvance(QString::fromStdString(wide)));
  EXPECT_TRUE(gui::LayOutColumns({wide}, m).tabs.isEmpty());
}

}  // namespace
}  // namespace drawlyze
