// Windows that use their space, on a desktop of three screens, 1024 x 768,
// 1920 x 1080 and 1280 x 1024: a larger main window gives its table the rows and keeps the
// chart band, the report scrolls sideways past a long line, the Table window's
// grid grows with it, the backtest chart never covers the report's Rule
// column, and Esc closes the report while its chart is open.
#include <gtest/gtest.h>

#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include "../backtest/backtest_test_util.h"
#include "forms_test.h"
#include "gui/form1.h"
#include "gui/form_backtest_chart.h"
#include "gui/form_memo.h"
#include "gui/form_table.h"
#include "gui/forms.h"
#include "gui/styled_controls.h"

namespace drawlyze {
namespace {

QByteArray Draws(int count) {
  QByteArray text;
  for (int i = 1; i <= count; ++i)
    text += QByteArray::number(i) + " 01.01.2011 Sat Day " + QByteArray::number(i % 10) + ' ' +
            QByteArray::number(i * 3 % 10) + ' ' + QByteArray::number(i * 7 % 10) + " x\n";
  return text;
}

BacktestResult Backtest() {
  BacktestOptions options;
  options.window = 40;
  return RunBacktest(testing::RandomHistory(400, 7), options);
}

QRect InWindow(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

class WindowSpaceTest : public testing::FormsTest {
 protected:
  static void SetUpTestSuite() {
    static QTemporaryDir config;
    if (!QCoreApplication::instance()) {
      testing::WriteFile(config, "screens.json",
                         R"({"screens": [
                              {"name": "Small", "x": 0, "y": 0, "width": 1024, "height": 768,
                               "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
                              {"name": "Large", "x": 1024, "y": 0, "width": 1920, "height": 1080,
                               "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
                              {"name": "Tall", "x": 2944, "y": 0, "width": 1280, "height": 1024,
                               "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
      qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.filePath("screens.json").toLocal8Bit());
    }
    testing::App();
  }
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::screens().size(), 3);
    OpenForms(Draws(80));
  }
};

TEST_F(WindowSpaceTest, ALargerMainWindowGivesTheTableItsRowsAndKeepsTheChartBand) {
  main->show();
  main->resize(main->minimumSize());
  QApplication::processEvents();
  const QRect band = main->ChartBand();
  std::map<QString, QRect> designed;
  for (QWidget* w : main->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!w->isWindow()) designed[w->objectName()] = w->geometry();
  const QRect grid = main->StringGrid1->geometry();
  EXPECT_EQ(grid.height(), 296);
  const int lastRowShown = main->StringGrid1->rowAt(main->StringGrid1->viewport()->height() - 1);

  main->resize(1366, 768);
  QApplication::processEvents();
  EXPECT_EQ(main->ChartBand(), band);
  const QRect grown = main->StringGrid1->geometry();
  EXPECT_EQ(grown.topLeft(), grid.topLeft());                         // just below the chart band, as designed
  EXPECT_EQ(grown.width(), grid.width());                             // its columns fill it as designed
  EXPECT_EQ(grown.height(), main->StatusBar1->y() - grid.top() - 8);  // down to the status bar
  const auto lastRow = [&] { return main->StringGrid1->rowAt(main->StringGrid1->viewport()->height() - 1); };
  EXPECT_GT(lastRow(), lastRowShown);
  // Everything else stays where it was at the designed size.
  for (QWidget* w : main->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w->isWindow() || w == main->StringGrid1 || w == main->MenuBar1 || w == main->StatusBar1) continue;
    EXPECT_EQ(w->geometry(), designed[w->objectName()]) << w->objectName().toStdString();
    EXPECT_GT(w->y(), band.bottom()) << w->objectName().toStdString();
  }
  main->resize(1920, 1080);  // maximised on the large screen: some fifteen rows more
  QApplication::processEvents();
  EXPECT_EQ(main->ChartBand(), band);
  EXPECT_GE(lastRow(), lastRowShown + (1080 - main->minimumHeight()) / 20);
  main->hide();
}

TEST_F(WindowSpaceTest, TheReportScrollsSidewaysPastALongLine) {
  TForm_memo* memo = forms->Form_memo;
  memo->SetLines({"Statistics from 80 to 1 draws", "", std::string(300, '7') + "\tend"});
  memo->show();
  memo->resize(600, 400);
  QApplication::processEvents();
  EXPECT_TRUE(memo->Memo1->horizontalScrollBar()->isVisible());
  EXPECT_GT(memo->Memo1->horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(memo->Memo1->document()->findBlockByNumber(2).layout()->lineCount(), 1);  // never wrapped
  memo->hide();
}

TEST_F(WindowSpaceTest, TheTableWindowsGridGrowsWithIt) {
  TForm_Table* table = forms->Form_Table;
  table->show();
  table->resize(756, 502);
  QApplication::processEvents();
  const QRect grid = table->StringGrid1->geometry();
  EXPECT_EQ(table->StringGrid1->columnWidth(7), 70);  // as designed at the designed size

  table->resize(1300, 900);
  QApplication::processEvents();
  const QRect grown = table->StringGrid1->geometry();
  EXPECT_EQ(grown.width(), 1300);
  EXPECT_EQ(grown.bottom(), table->height() - 1);
  EXPECT_EQ(grown.height(), grid.height() + 900 - 502);
  int columns = 0;
  for (int c = 0; c < table->StringGrid1->columnCount(); ++c) columns += table->StringGrid1->columnWidth(c);
  EXPECT_GT(columns, 1000);                                     // the cells take the room,
  EXPECT_LE(columns, table->StringGrid1->viewport()->width());  // and all of them show
  table->hide();
}

TEST_F(WindowSpaceTest, TheBacktestChartNeverCoversTheRuleColumn) {
  const BacktestResult result = Backtest();
  ASSERT_GT(result.tested, 0);
  const std::vector<std::string> lines = BacktestReport(result);
  TForm_memo* memo = forms->Form_memo;
  for (QScreen* screen : QGuiApplication::screens()) {
    SCOPED_TRACE(screen->name().toStdString());
    const QRect area = screen->availableGeometry();
    memo->setScreen(screen);
    gui::PlaceAtTop(memo, 600, 100);
    memo->SetLines(lines, TForm_memo::Tabs::Columns);
    memo->ShowChart(result);
    memo->show();
    QApplication::processEvents();
    EXPECT_TRUE(area.contains(memo->frameGeometry())) << "off the screen";

    // The Rule column: from the text's left edge to the end of its widest cell.
    const QFontMetrics metrics(memo->Memo1->font());
    int widest = 0;
    for (const std::string& line : lines)
      if (line.find('\t') != std::string::npos)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(line.substr(0, line.find('\t')))));
    const QRect text = InWindow(memo->Memo1->viewport());
    const int margin = static_cast<int>(memo->Memo1->document()->documentMargin());
    const QRect rule(text.left(), text.top(), margin + widest, text.height());
    EXPECT_LE(rule.right(), text.right()) << "the report cuts its own Rule column";

    const QRect chart = InWindow(forms->Form_backtest_chart);
    if (area.width() >= 1920) {  // room for both: the chart beside the report
      ASSERT_TRUE(forms->Form_backtest_chart->isVisible());
      EXPECT_EQ(memo->Pages1->count(), 1);
      EXPECT_GE(chart.width(), TForm_backtest_chart::kMinWidth);
      EXPECT_GT(chart.left(), rule.right());
    } else if (area.height() >= 1024) {  // too narrow but tall: below the table's rules
      ASSERT_TRUE(forms->Form_backtest_chart->isVisible());
      EXPECT_EQ(memo->Pages1->count(), 1);
      EXPECT_GE(chart.height(), TForm_backtest_chart::kMinHeight);
      EXPECT_GT(chart.top(), rule.bottom());
      const int rules = static_cast<int>(std::count_if(
          lines.begin(), lines.end(), [](const std::string& line) { return line.find('\t') != std::string::npos; }));
      EXPECT_GE(text.height(), (rules + 5) * metrics.lineSpacing()) << "the rules do not show above the chart";
    } else {  // too narrow: the chart on its own tab, the report's shown first
      ASSERT_EQ(memo->Pages1->count(), 2);
      EXPECT_EQ(memo->Pages1->currentIndex(), 0);
      EXPECT_FALSE(forms->Form_backtest_chart->isVisible());
      memo->Pages1->setCurrentIndex(1);
      QApplication::processEvents();
      EXPECT_TRUE(forms->Form_backtest_chart->isVisible());
      EXPECT_FALSE(memo->Memo1->isVisible());
    }
    if (forms->Form_backtest_chart->isVisible() && memo->Memo1->isVisible()) {
      EXPECT_FALSE(InWindow(forms->Form_backtest_chart).intersects(rule));
    }

    // Without the chart the report is as it was.
    const QRect before = memo->geometry();
    memo->HideChart();
    EXPECT_EQ(memo->Pages1->count(), 1);
    EXPECT_FALSE(forms->Form_backtest_chart->isVisible());
    EXPECT_LE(memo->width(), before.width());
    memo->hide();
  }
}

TEST_F(WindowSpaceTest, EscClosesTheReportWithTheChartOpenAndMaximisesItWithout) {
  TForm_memo* memo = forms->Form_memo;
  const BacktestResult result = Backtest();
  memo->SetLines(BacktestReport(result), TForm_memo::Tabs::Columns);
  memo->ShowChart(result);
  bool pressed = false;
  QTimer::singleShot(0, memo, [&] {
    pressed = memo->isVisible();
    QTest::keyClick(memo->Memo1, Qt::Key_Escape);
  });
  memo->exec();  // returns only when Esc closed it
  EXPECT_TRUE(pressed);
  EXPECT_FALSE(memo->isVisible());
  memo->HideChart();

  // A close request (Alt+F4 or the close box) closes it as well.
  memo->ShowChart(result);
  QTimer::singleShot(0, memo, [&] { memo->close(); });
  memo->exec();
  EXPECT_FALSE(memo->isVisible());
  memo->HideChart();

  memo->show();
  QTest::keyClick(memo->Memo1, Qt::Key_Escape);
  EXPECT_TRUE(memo->isMaximized());
  QTest::keyClick(memo->Memo1, Qt::Key_Escape);
  EXPECT_FALSE(memo->isMaximized());
  memo->hide();
}

}  // namespace
}  // namespace drawlyze
