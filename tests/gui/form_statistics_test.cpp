// The Statistics window and the report window, without a display.
#include "gui/form_statistics.h"

#include <gtest/gtest.h>

#include <QChartView>
#include <QKeyEvent>
#include <QTimer>
#include <QValueAxis>
#include <random>

#include "core/backtest/backtest.h"
#include "core/backtest/randomness.h"
#include "core/reports/reports.h"
#include "gui/form1.h"
#include "gui/form_backtest_chart.h"
#include "gui/form_memo.h"
#include "gui/form_table.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "qt_app.h"

namespace drawlyze {
namespace {

const QByteArray kFiveDraws =
    "1 01.01.2011 a b 3 0 7 x\r\n"
    "2 01.01.2011 a b 5 9 2 x\r\n"
    "3 02.01.2011 a b 7 0 3 x\r\n"
    "4 02.01.2011 a b 9 7 9 x\r\n"
    "5 03.01.2011 a b 1 1 5 x\r\n";

QString Joined(const ReportLines& lines) {
  QStringList list;
  for (const std::string& line : lines) list << QString::fromStdString(line);
  return list.join('\n');
}

// What the report window showed while it was open.
struct Shown {
  bool opened = false;
  QString title;
  QString text;
  bool buttonEnabled = true;
  bool chartShown = false;
};

class FormStatisticsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::App();
    gui::g_messageHook = [this](const QString& text) { messages << text; };
    forms =
        std::make_unique<gui::Forms>(model, testing::WriteFile(dir, "3x10.txt", kFiveDraws).toLocal8Bit().constData());
    Form1 = forms->Form1;
    Form_statistics = forms->Form_statistics;
    Form_memo = forms->Form_memo;
    Form_Table = forms->Form_Table;
  }
  void TearDown() override {
    forms.reset();
    gui::g_messageHook = nullptr;
    gui::g_inputHook = nullptr;
  }
  QPushButton* Button(const char* name) const { return Form_statistics->findChild<QPushButton*>(name); }

  // Clicks the button and closes the modal report window as soon as it (and
  // the chart that follows it) shows.
  Shown Click(QPushButton* button) {
    Shown shown;
    QTimer::singleShot(0, Form_memo, [&] {
      QTimer::singleShot(0, Form_memo, [&] {
        shown.opened = Form_memo->isVisible();
        shown.title = Form_memo->windowTitle();
        shown.text = Form_memo->Memo1->toPlainText();
        shown.buttonEnabled = button->isEnabled();
        shown.chartShown = Form_memo->ChartShown();
        Form_memo->reject();
      });
    });
    button->click();
    QApplication::processEvents();
    return shown;
  }

  QTemporaryDir dir;
  QStringList messages;
  gui::Model model;
  std::unique_ptr<gui::Forms> forms;
  TForm1* Form1 = nullptr;
  TForm_statistics* Form_statistics = nullptr;
  TForm_memo* Form_memo = nullptr;
  TForm_Table* Form_Table = nullptr;
};

TEST_F(FormStatisticsTest, FixedDialogWithItsOwnListFilledAtCreation) {
  EXPECT_EQ(Form_statistics->windowTitle(), "Statistics");
  EXPECT_EQ(Form_statistics->size(), QSize(378, 296 + 32));  // a row more for Backtest and Randomness
  EXPECT_EQ(Form_statistics->ComboBox_last_draws->count(), 5);
  EXPECT_EQ(Form_statistics->ComboBox_last_draws->currentText(), "5");
  const struct {
    const char* name;
    const char* caption;
    int x, y;
  } buttons[] = {
      {"xpButton_Triples_not_drawn_yet", "Triples not drawn yet", 8, 8},
      {"xpButton_Find", "Find ", 200, 8},
      {"xpButton_Free_Triples_skips", "Free Triples' Skips", 200, 40},
      {"xpButton_Exact_pairs_Skips", "Exact Pairs' Skips", 200, 72},
      {"xpButton_Common_four", "Common Four", 8, 168},
      {"xpButton_Sum", "Sum", 200, 168},
      {"xpButton_table", "Table", 8, 200},
      {"xpButton_Backtest", "Backtest", 8, 232},
      {"xpButton_Randomness", "Randomness", 200, 232},
  };
  for (const auto& b : buttons) {
    SCOPED_TRACE(b.name);
    auto* button = Form_statistics->findChild<QPushButton*>(b.name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), b.caption);
    EXPECT_EQ(button->geometry(), QRect(b.x, b.y, 169, 25));
  }
}

// After a load the list holds the new draws: "all" stays all, a chosen count
// stays while the new file is longer than it.
TEST_F(FormStatisticsTest, TheListFollowsEveryLoad) {
  QComboBox* list = Form_statistics->ComboBox_last_draws;
  QByteArray eight = kFiveDraws;
  for (int i = 6; i <= 8; ++i) eight += QByteArray::number(i) + " 04.01.2011 a b 1 2 3 x\r\n";
  const struct {
    int choose;  // 0: leave as it is
    const char* file;
    const QByteArray& draws;
    int items, count;
  } steps[] = {
      {0, "eight.txt", eight, 8, 8},                                           // all five -> all eight
      {3, "five.txt", kFiveDraws, 5, 3},                                       // three of eight -> three of five
      {4, "four.txt", kFiveDraws.left(kFiveDraws.lastIndexOf("5 03")), 4, 4},  // four of five -> all four
      {0, "empty.txt", "", 0, 0},
      {0, "eight2.txt", eight, 8, 8},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.file);
    if (step.choose) list->setCurrentIndex(step.choose - 1);
    ASSERT_TRUE(Form1->LoadDrawFile(testing::WriteFile(dir, step.file, step.draws)));
    EXPECT_EQ(list->count(), step.items);
    EXPECT_EQ(model.selection.reportLastDraws, LastDraws(step.count));
  }
}

TEST_F(FormStatisticsTest, ButtonsFillAndTitleTheReportWindow) {
  const struct {
    const char* button;
    const char* caption;
    bool greyed;
  } cases[] = {
      {"xpButton_Exact_Pairs", "Exact Pairs", true},
      {"xpButton_Free_Pairs", "Free Pairs", false},
      {"xpButton_Exact_Triples_Skips", "Exact Triples' Skips", true},
      {"xpButton_Free_Triples_skips", "Free Triples' Skips", true},
      {"xpButton_Sum", "Sum", false},
  };
  EXPECT_EQ(Form_statistics->ReportButtons.size(), AllReports().size());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    QPushButton* button = Button(c.button);
    ASSERT_NE(button, nullptr);
    const Shown shown = Click(button);
    EXPECT_TRUE(shown.opened);
    EXPECT_EQ(shown.title, c.caption);
    const ReportInput in{&Form1->History(), 1, 5, ""};
    EXPECT_EQ(shown.text, Joined(FindReportByName(c.caption)->run(in)));
    EXPECT_EQ(shown.buttonEnabled, !c.greyed);
    EXPECT_TRUE(button->isEnabled());  // enabled again once the window closed
  }
}

TEST_F(FormStatisticsTest, ReportsCountTheSelectedRowAndTheWindowsOwnList) {
  Form1->SelectRow(2);
  Form_statistics->ComboBox_last_draws->setCurrentIndex(1);
  EXPECT_EQ(model.selection.reportLastDraws, 2);
  EXPECT_EQ(Click(Button("xpButton_Sum")).text, Joined(SumReport(Form1->History(), 2, 2)));
  EXPECT_EQ(Click(Button("xpButton_Common_four")).text, Joined(CommonFourReport(Form1->History(), 2, 2)));
}

// Backtest and Randomness read the selected row and the window's own list,
// show the core's
// lines in aligned columns and grey while they run; the backtest's chart
// window shows its result beside the report and goes with it.
TEST_F(FormStatisticsTest, BacktestAndRandomnessShowTheCoreLinesAndTheChart) {
  std::mt19937 random(5);
  QByteArray file;
  for (int i = 1; i <= 300; ++i)
    file += QByteArray::number(i) + " 01.01.2011 a b " + QByteArray::number(random() % 10) + ' ' +
            QByteArray::number(random() % 10) + ' ' + QByteArray::number(random() % 10) + " x\r\n";
  ASSERT_TRUE(model.LoadDrawFile(testing::WriteFile(dir, "300.txt", file), Form1));
  Form1->SelectRow(3);
  Form_statistics->ComboBox_last_draws->setCurrentIndex(3);
  const DrawHistory& history = Form1->History();

  const BacktestResult result = RunBacktest(history, StatisticsBacktestOptions(3, 4));
  ASSERT_EQ(result.tested, 4);
  const struct {
    QPushButton* button;
    const char* title;
    ReportLines lines;
    bool chart;
  } cases[] = {
      {Form_statistics->xpButton_Backtest, "Backtest", BacktestReport(result), true},
      {Form_statistics->xpButton_Randomness, "Randomness", RandomnessReport(history, 3, 4), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    const Shown shown = Click(c.button);
    EXPECT_EQ(shown.title, c.title);
    EXPECT_EQ(shown.text, Joined(c.lines));
    EXPECT_FALSE(shown.buttonEnabled);
    EXPECT_TRUE(c.button->isEnabled());
    EXPECT_EQ(shown.chartShown, c.chart);
    EXPECT_FALSE(Form_memo->ChartShown());
    EXPECT_FALSE(forms->Form_backtest_chart->isVisible());
    EXPECT_FALSE(Form_memo->Memo1->document()->defaultTextOption().tabs().isEmpty());
    EXPECT_EQ(Form_memo->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
  }
  // The chart window holds the result: three charts over the four tested draws.
  const QList<QChartView*> charts = forms->Form_backtest_chart->findChildren<QChartView*>();
  ASSERT_EQ(charts.size(), 3);
  EXPECT_EQ(qobject_cast<QValueAxis*>(charts[0]->chart()->axes(Qt::Horizontal).at(0))->max(), 4);

  // The twelve reports keep the edit control's own tab stops; a long line scrolls.
  Click(Button("xpButton_Sum"));
  EXPECT_TRUE(Form_memo->Memo1->document()->defaultTextOption().tabs().isEmpty());
  EXPECT_EQ(Form_memo->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

TEST_F(FormStatisticsTest, BacktestWithTooFewDrawsSaysSoAndShowsNoChart) {
  const Shown shown = Click(Form_statistics->xpButton_Backtest);
  EXPECT_EQ(shown.text, "No draw to test: a tested draw needs 100 draws before it, and the draw at row 1 has 4.");
  EXPECT_FALSE(shown.chartShown);
}

TEST_F(FormStatisticsTest, FindAsksForNumbersWithTheSelectedDrawAsDefault) {
  QStringList asked;
  QString answer = "3,0;7";
  gui::g_inputHook = [&](const QString& caption, const QString& prompt, const QString& defaultText) {
    asked << caption << prompt << defaultText;
    return answer;
  };
  Form1->SelectRow(3);
  const Shown shown = Click(Button("xpButton_Find"));
  EXPECT_EQ(asked, (QStringList{"Find free combination", "Enter numbers", "7 0 3"}));
  EXPECT_EQ(shown.title, "Find ");
  EXPECT_EQ(shown.text, Joined(FindReport(Form1->History(), "3 0 7")));
  EXPECT_TRUE(shown.text.contains("1:\t3 0 7\t\t#"));

  // A number too large to convert: the message, and no report.
  answer = "99999999999 1 2";
  EXPECT_FALSE(Click(Button("xpButton_Find")).opened);
  EXPECT_EQ(messages, QStringList{"'99999999999' is not a valid integer value"});
}

TEST_F(FormStatisticsTest, EscapeMaximisesAndRestoresTheReportWindow) {
  Form_memo->show();
  const int normalWidth = Form_memo->width();
  EXPECT_EQ(normalWidth, 600);
  for (bool maximised : {true, false}) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(Form_memo->Memo1, &escape);
    EXPECT_EQ(Form_memo->isMaximized(), maximised);
    EXPECT_TRUE(Form_memo->isVisible());  // Esc never closes the report
  }
  Form_memo->hide();
}

TEST_F(FormStatisticsTest, TableButtonShowsTheTableWindow) {
  bool shown = false;
  QTimer::singleShot(0, Form_Table, [&] {
    shown = Form_Table->isVisible();
    Form_Table->reject();
  });
  Form_statistics->xpButton_table->click();
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace drawlyze
