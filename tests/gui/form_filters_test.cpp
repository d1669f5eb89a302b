// The Filters window as a user meets it: opened from the main window, a
// ticked filter counted at once, what nothing passing says, the backtest and
// its chart, the list and the filter set saved and read back.
#include "gui/form_filters.h"

#include <gtest/gtest.h>

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "core/filters/filter_set.h"
#include "forms_test.h"
#include "gui/form_plays.h"

namespace drawlyze {
namespace {

class FormFiltersTest : public testing::FormsTest {
 protected:
  void SetUp() override {
    OpenForms(testing::kFourDraws);
    form = forms->Form_filters;
  }
  QCheckBox* Tick(const QString& caption) {
    for (QCheckBox* box : form->findChildren<QCheckBox*>())
      if (box->text() == caption) {
        box->setChecked(true);
        return box;
      }
    ADD_FAILURE() << "no check box " << caption.toStdString();
    return nullptr;
  }
  filters::FilterSet SetOf(const char* text) {
    Result<filters::FilterSet> set = filters::ReadFilterSet(text, "test");
    EXPECT_TRUE(set);
    return set ? *set : filters::FilterSet{};
  }
  TForm_filters* form = nullptr;
};

TEST_F(FormFiltersTest, OpensFromTheMainWindowsButtonAndMenu) {
  auto* button = main->findChild<QPushButton*>("xpButton_Filters");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), "Filters");
  bool shown = false;
  QTimer::singleShot(0, form, [&] {
    shown = form->isVisible();
    form->reject();
  });
  button->click();
  EXPECT_TRUE(shown);
  EXPECT_NE(main->findChild<QAction*>("Filters1"), nullptr);
}

TEST_F(FormFiltersTest, CountsEveryNumberUntilAFilterIsTicked) {
  EXPECT_EQ(form->CountText(), "1,000 of 1,000 numbers, 100.0%");
  Tick("Sum");  // 10 to 17
  EXPECT_EQ(form->CountText(), "560 of 1,000 numbers, 56.0%");
  Tick("Kind");  // singles
  EXPECT_EQ(form->Filters().size(), 2u);
  EXPECT_EQ(form->List().plays.size(), static_cast<std::size_t>(form->List().keptNumbers));
  EXPECT_TRUE(form->ListText().startsWith("019 028 029 "));
}

TEST_F(FormFiltersTest, SaysWhyNothingPassesAndWhatIsMistyped) {
  form->ShowFilterSet(SetOf("sum 0-2\nspread 5-9\n"));
  EXPECT_EQ(form->CountText(), "0 of 1,000 numbers, 0.0%");
  EXPECT_EQ(form->MessageText(),
            "no number passes: the sum filter and the spread filter exclude each other (sum 0-2, spread 5-9)");
  form->ShowFilterSet(SetOf("odd-even OEO\n"));
  for (QLineEdit* edit : form->findChildren<QLineEdit*>())
    if (edit->text() == "OEO") edit->setText("OE");
  EXPECT_TRUE(form->MessageText().startsWith("Odd/even: needs patterns of three letters O and E"))
      << form->MessageText().toStdString();
  EXPECT_EQ(form->CountText(), "1,000 of 1,000 numbers, 100.0%");
}

TEST_F(FormFiltersTest, ShowsAFilterSetAndGivesItBack) {
  const filters::FilterSet set = SetOf(
      "bet box\namount 0.50\nsum 8-20\nposition 2:1,3,5\nnot-last-box 3\nsieve-position any\n"
      "hot most-frequent:4:all:none\n");
  EXPECT_EQ(form->ShowFilterSet(set), "");
  // In the window's order of filters, which this set keeps.
  EXPECT_EQ(filters::FormatFilterSet(form->CurrentFilterSet()), filters::FormatFilterSet(set));
  // A second filter of one kind has no line of its own.
  EXPECT_EQ(form->ShowFilterSet(SetOf("sum 1-5\nsum 3-9\n")), "sum 3-9");
}

TEST_F(FormFiltersTest, BacktestsTheListWithItsChart) {
  form->ShowFilterSet(SetOf("kind triples\n"));
  form->findChild<QSpinBox*>("SpinBox_backtest_draws")->setValue(3);
  form->Button_backtestClick();
  const QString report = form->BacktestText();
  EXPECT_TRUE(report.contains("Trials: 3\n")) << report.toStdString();
  EXPECT_TRUE(report.contains("Tests counted: 2 ("));
  EXPECT_NE(form->findChild<QChartView*>("ChartView_backtest"), nullptr);
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(FormFiltersTest, SavesTheListAsTextOrCsvAndTheSet) {
  form->ShowFilterSet(SetOf("position 1:1\nposition 2:2\nposition 3:3,4\n"));
  const QString text = dir.filePath("list.txt"), csv = dir.filePath("list.csv"), set = dir.filePath("set.txt");
  int chosen = 0;
  gui::g_saveFileTypeHook = [&](const QString&, const QStringList&, int& type) {
    type = chosen;
    return chosen == 0 ? text : csv;
  };
  form->Button_save_listClick();
  chosen = 1;
  form->Button_save_listClick();
  gui::g_saveFileHook = [&](const QString&) { return set; };
  form->Button_save_setClick();
  const auto read = [](const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
  };
  EXPECT_EQ(read(text), "123\n124\n");
  EXPECT_EQ(read(csv), "number,bet,amount\r\n123,straight,1.00\r\n124,straight,1.00\r\n");
  // What the window saved, it and drawlyze-cli read back.
  form->ShowFilterSet({});
  gui::g_openFileHook = [&](const QString&) { return set; };
  form->Button_open_setClick();
  EXPECT_EQ(form->CountText(), "2 of 1,000 numbers, 0.2%");
}

// Hangs under the offscreen platform once the Plays window is exec()ed from the modal Filters: to fix.
TEST_F(FormFiltersTest, DISABLED_AddToPlaysOpensThePlaysWindow) {
  form->ShowFilterSet(SetOf("contains-all 1,2,3\n"));
  auto* button = form->findChild<QPushButton*>("Button_add_plays");
  ASSERT_TRUE(button->isEnabled());
  bool shown = false;
  QTimer::singleShot(0, forms->Form_plays, [&] {
    shown = forms->Form_plays->isVisible();
    forms->Form_plays->reject();
  });
  button->click();
  EXPECT_TRUE(shown);
}

TEST_F(FormFiltersTest, AddToPlaysHandsTheListOver) {
  form->SetPlaysTarget({});
  EXPECT_FALSE(form->findChild<QPushButton*>("Button_add_plays")->isEnabled());
  std::vector<plays::Play> got;
  form->SetPlaysTarget([&](const std::vector<plays::Play>& p) { got = p; });
  form->ShowFilterSet(SetOf("bet box\ncontains-all 1,2,3\n"));
  form->findChild<QSpinBox*>("SpinBox_play_draws")->setValue(5);
  form->Button_add_playsClick();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].number, 123);
  EXPECT_EQ(got[0].bet, plays::BetType::Box);
  EXPECT_EQ(got[0].draws, 5);
}

}  // namespace
}  // namespace drawlyze
