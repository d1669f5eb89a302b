// The main window's wiring, without a display.
#include "gui/form1.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include "gui/message_box.h"
#include "qt_app.h"

namespace drawlyze {
namespace {

const QByteArray kFourDraws =
    "1 01.01.2011 a b 3 1 4 x\r\n"
    "2 01.01.2011 a b 5 9 2 x\r\n"
    "3 02.01.2011 a b 3 5 8 x\r\n"
    "4 02.01.2011 a b 9 7 9 x\r\n";

class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::App();
    messages.clear();
    gui::g_messageHook = [this](const QString& text) { messages << text; };
    path = testing::WriteFile(dir, "3x10.txt", kFourDraws);
    form = std::make_unique<TForm1>(path.toLocal8Bit().constData());
  }
  void TearDown() override {
    form.reset();
    gui::g_messageHook = nullptr;
    gui::g_openFileHook = nullptr;
  }
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(form->StringGrid1, &event);
  }

  QTemporaryDir dir;
  QString path;
  QStringList messages;
  std::unique_ptr<TForm1> form;
};

TEST_F(Form1Test, LoadsTheFileNewestFirstAndFillsTheCombo) {
  EXPECT_EQ(form->windowTitle(), "Drawlyze Pick 3");
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(form->StringGrid1->rowCount(), 4);
  EXPECT_EQ(form->StringGrid1->item(0, 0)->text(), "4");
  EXPECT_EQ(form->StringGrid1->item(0, 6)->text(), "25");
  EXPECT_EQ(form->StringGrid1->horizontalHeaderItem(0)->text(), QString::fromUtf8("\u2116"));
  EXPECT_EQ(form->ComboBox_last_draws->count(), 4);
  EXPECT_EQ(form->ComboBox_last_draws->currentText(), "4");
  EXPECT_TRUE(form->CopyText().startsWith("Number/Last Skip/Skip Median:\r\n"));
}

TEST_F(Form1Test, DispatcherEnablesTheControlsOfTheSelectedOption) {
  const struct {
    int option;
    bool combo, arrows, median, sieve;
  } cases[] = {
      {0, true, false, false, false},   {2, false, false, false, false}, {5, false, false, false, false},
      {6, false, true, false, false},   {8, false, false, true, false},  {10, false, false, false, true},
      {11, false, false, false, false}, {12, true, false, false, false},
  };
  form->ComboBox_last_draws->setCurrentIndex(1);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option);
    form->SelectOption(c.option);
    EXPECT_EQ(form->ComboBox_last_draws->isEnabled(), c.combo);
    EXPECT_EQ(form->Button_left_right->isEnabled(), c.arrows);
    EXPECT_EQ(form->Button_center->isEnabled(), c.arrows);
    EXPECT_EQ(form->xpCheckBox_median->isEnabled(), c.median);
    EXPECT_EQ(form->xpButton_Sieve->isEnabled(), c.sieve);
    if (!c.combo) {
      EXPECT_EQ(form->ComboBox_last_draws->palette().color(QPalette::Base), QColor(0xD2, 0xDF, 0xF4));
    }
  }
  EXPECT_EQ(form->ComboBox_last_draws->currentIndex(), 1);  // the selection survives
}

TEST_F(Form1Test, SeparationButtonsFollowTheirClickRules) {
  form->SelectOption(6);
  form->Button_left_rightClick();  // first click: sorted, direction kept
  EXPECT_EQ(form->Button_center->text(), "<-->");
  EXPECT_EQ(form->Button_left_right->text(), "<---");
  form->Button_left_rightClick();  // later clicks reverse
  EXPECT_EQ(form->Button_left_right->text(), "--->");
  form->Button_centerClick();
  EXPECT_EQ(form->Button_center->text(), "X");
  form->SelectOption(0);
  EXPECT_EQ(form->Button_left_right->text(), "--->");  // captions persist
}

TEST_F(Form1Test, RowClickRedrawsAndMarksTheNextDraw) {
  const QString first = form->CopyText();
  form->SelectRow(2);
  EXPECT_EQ(form->SelectedRow(), 2);
  EXPECT_NE(form->CopyText(), first);
  bool marked = false;
  for (const ChartItem& item : form->CurrentChart().items) marked |= item.text.brush == kYellow;
  EXPECT_TRUE(marked);
  EXPECT_EQ(form->ChartSurface().size(), QSize(535, 640));
}

TEST_F(Form1Test, KeysCopyToggleMaximisedAndOpenAnotherFile) {
  form->show();
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), form->CopyText());

  Key(Qt::Key_Escape);
  EXPECT_TRUE(form->isMaximized());
  Key(Qt::Key_Escape);
  EXPECT_FALSE(form->isMaximized());

  const QString shorter = testing::WriteFile(dir, "short.txt", "7 01.01.2011 a b 1 2 3 x\nbad line\n");
  gui::g_openFileHook = [&](const QString&) { return shorter; };
  Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(form->History().Count(), 1);
  EXPECT_EQ(form->StringGrid1->rowCount(), 1);
  EXPECT_EQ(form->ComboBox_last_draws->count(), 1);
  EXPECT_EQ(form->ComboBox_last_draws->currentText(), "1");
  EXPECT_EQ(messages, QStringList{"Error - incorrect lines: 2 "});

  gui::g_openFileHook = [](const QString&) { return QString(); };  // cancelled: nothing changes
  Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(form->History().Count(), 1);
}

TEST_F(Form1Test, GridCheckBoxDrawsTheOverlay) {
  form->xpCheckBox_grid->setChecked(true);
  form->xpCheckBox_gridClick();
  int lines = 0;
  for (const ChartItem& item : form->CurrentChart().items) lines += item.kind == ChartItem::Kind::Line;
  EXPECT_EQ(lines, 7 + 2);  // step 3, bias 0
  EXPECT_EQ(form->xpComboBox_grid->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}

TEST(Form1Start, AnArgumentThatNamesNoFileLoadsNothingSilently) {
  testing::App();
  QStringList messages;
  gui::g_messageHook = [&](const QString& text) { messages << text; };
  TForm1 form("/nonexistent/draws.txt");
  EXPECT_EQ(form.History().Count(), 0);
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(form.ComboBox_last_draws->currentIndex(), -1);
  gui::g_messageHook = nullptr;
}

}  // namespace
}  // namespace drawlyze
