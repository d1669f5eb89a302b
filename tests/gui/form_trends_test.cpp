// The Trends window follows the main window's row and "Use Last Draws",
// shows each tab's chart from the core, copies and saves it.
#include "gui/form_trends.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>

#include "forms_test.h"
#include "gui/trend_chart_view.h"

namespace drawlyze::testing {
namespace {

// Twelve draws, oldest first: 7 at A2 in draws 3, 8 and 12 (the newest).
const QByteArray kTwelveDraws =
    "1 01.01.2011 a Day 1 2 3 x\r\n2 01.01.2011 a Eve 4 5 6 x\r\n3 02.01.2011 a Day 0 7 1 x\r\n"
    "4 02.01.2011 a Eve 2 2 2 x\r\n5 03.01.2011 a Day 9 8 9 x\r\n6 03.01.2011 a Eve 3 3 0 x\r\n"
    "7 04.01.2011 a Day 5 1 5 x\r\n8 04.01.2011 a Eve 6 7 8 x\r\n9 05.01.2011 a Day 0 0 0 x\r\n"
    "10 05.01.2011 a Eve 9 9 9 x\r\n11 06.01.2011 a Day 1 1 4 x\r\n12 06.01.2011 a Eve 2 7 3 x\r\n";

class FormTrendsTest : public FormsTest {
 protected:
  void SetUp() override {
    OpenForms(kTwelveDraws);
    trends = forms->Form_trends;
    trends->ComboBox_digit->setCurrentIndex(7);
    trends->ComboBox_position->setCurrentIndex(2);  // A2
  }
  std::vector<int> Indexes() const {
    std::vector<int> out;
    for (const trends::TrendPoint& p : trends->Series()->points) out.push_back(p.index);
    return out;
  }
  TForm_trends* trends = nullptr;
};

TEST_F(FormTrendsTest, TheButtonAndTheMenuOpenItWithoutBlockingTheMainWindow) {
  EXPECT_FALSE(trends->isVisible());
  main->xpButton_Trends->click();
  EXPECT_TRUE(trends->isVisible());
  EXPECT_FALSE(trends->isModal());
  trends->hide();
  QAction* entry = main->MenuBar1->findChild<QAction*>("Trends1");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->text(), QString::fromUtf8("T&rends\u2026"));
  entry->trigger();
  EXPECT_TRUE(trends->isVisible());
}

TEST_F(FormTrendsTest, SkipFollowsTheSelectedRowAndUseLastDraws) {
  trends->ShowTrends();
  ASSERT_NE(trends->Series(), nullptr);
  // Every draw from the first 7 at A2 (index 9) to the newest.
  EXPECT_EQ(Indexes(), (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
  EXPECT_EQ(trends->Series()->points.back().value, 0);  // the newest draw holds it
  EXPECT_EQ(trends->Series()->points[3].value, 3);      // draw 6: three draws after draw 3

  main->SelectRow(3);  // draw 10
  EXPECT_EQ(Indexes(), (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2}));
  main->ComboBox_last_draws->setCurrentIndex(3);  // the last 4 draws: indexes 2..5
  EXPECT_EQ(Indexes(), (std::vector<int>{5, 4, 3, 2}));
  EXPECT_EQ(trends->Series()->points.back().value, 2);  // draws 9 and 10 since draw 8
}

TEST_F(FormTrendsTest, AHiddenWindowLeavesTheSelectionAlone) {
  trends->ShowTrends();
  trends->hide();
  main->SelectRow(5);
  EXPECT_EQ(Indexes().front(), 9);
  EXPECT_EQ(Indexes().back(), 0);  // as it was when shown
  trends->ShowTrends();
  EXPECT_EQ(Indexes().back(), 4);
}

TEST_F(FormTrendsTest, EachTabShowsItsChartAndItsControls) {
  trends->ShowTrends();
  trends->SelectTab(TForm_trends::Frequency);
  EXPECT_TRUE(trends->SpinBox_window->isEnabled());
  EXPECT_EQ(trends->SpinBox_window->value(), 100);
  trends->SpinBox_window->setValue(5);
  EXPECT_EQ(trends->Series()->points.size(), 8u);       // draws 5..12 have five draws up to them
  EXPECT_EQ(trends->Series()->points.back().value, 2);  // draws 8 and 12 among 8..12

  trends->SelectTab(TForm_trends::Sum);
  EXPECT_FALSE(trends->ComboBox_digit->isEnabled());
  EXPECT_EQ(trends->SpinBox_window->value(), 10);
  // The average and, beneath it, each draw's own sum.
  ASSERT_EQ(trends->Chart->Plot()->layers.size(), 2u);
  EXPECT_EQ(trends->Chart->Plot()->layers[0].points.size(), 12u);
  EXPECT_EQ(trends->Series()->points.size(), 3u);
  trends->SelectTab(TForm_trends::Frequency);
  EXPECT_EQ(trends->SpinBox_window->value(), 5);  // each tab keeps its own N

  trends->SelectTab(TForm_trends::Pairs);
  EXPECT_TRUE(trends->ComboBox_pairs->isEnabled());
  EXPECT_EQ(trends->Series(), nullptr);
  EXPECT_TRUE(trends->LegendText().contains("a fair game puts"));
  EXPECT_TRUE(trends->CopyText().startsWith("Pairs at any two positions in 12 draws\n"));

  trends->SelectTab(TForm_trends::SumCounts);
  trends->Button_copyClick();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("\n13\t0\t0.90\t0\t3\n"));
}

TEST_F(FormTrendsTest, ZoomPanAndTip) {
  trends->ShowTrends();
  trends->resize(900, 600);
  gui::TrendChartView* chart = trends->Chart;
  chart->resize(800, 400);
  const TrendRange all = chart->Shown();
  EXPECT_EQ(all.first, -9);
  EXPECT_EQ(all.last, 0);
  QTest::keyClick(chart, Qt::Key_Plus);
  EXPECT_LT(chart->Shown().Width(), all.Width() + 1e-9);
  QTest::keyClick(chart, Qt::Key_Home);
  EXPECT_EQ(chart->Shown().first, all.first);
  // The rightmost column of the plot area: the newest draw.
  const QRectF plot = PlotArea(QRectF(chart->rect()));
  EXPECT_EQ(chart->TipAt(plot.right() - 1), "Draw 12, 06.01.2011 Eve: skip 0 (band 0..28)");
}

TEST_F(FormTrendsTest, SaveImageWritesAPng) {
  trends->ShowTrends();
  const QString target = dir.filePath("trend.png");
  gui::g_saveFileTypeHook = [&](const QString&, const QStringList&, int& type) {
    type = 0;
    return target;
  };
  trends->Button_saveClick();
  QFile file(target);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(8).startsWith("\x89PNG"));
}

}  // namespace
}  // namespace drawlyze::testing
