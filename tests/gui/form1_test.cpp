// The main window's wiring, without a display; the model behind the windows.
#include "gui/form1.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include "forms_test.h"
#include "gui/form_sieve.h"
#include "gui/form_statistics.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "shown_message_boxes.h"

namespace drawlyze {
namespace {

using testing::kFourDraws;

class Form1Test : public testing::FormsTest {
 protected:
  void SetUp() override {
    OpenForms(kFourDraws);
    form = main;
  }
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(form->StringGrid1, &event);
  }

  TForm1* form = nullptr;
};

TEST_F(Form1Test, LoadsTheFileNewestFirstAndFillsTheCombo) {
  EXPECT_TRUE(form->windowTitle().endsWith("Drawlyze Pick 3"));
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
  EXPECT_EQ(model.selection.separation, (SeparationChoice{SeparationLayout::Positional, SeparationLayout::Descending}));
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

// The incorrect lines' message keeps its words; behind its details button
// each line says its number, why it was refused and how it starts.
TEST_F(Form1Test, IncorrectLinesShowTheirReasonsInTheDetails) {
  gui::g_messageHook = nullptr;
  QStringList texts, details;
  std::vector<Qt::TextFormat> formats;
  int width = 0;
  const testing::ShownMessageBoxes boxes([&](QMessageBox* box) {
    texts << box->text();
    details << box->detailedText();
    width = box->width();
    formats.push_back(box->textFormat());
    box->accept();
  });
  const QString file = testing::WriteFile(dir, "mixed.txt",
                                          "7 01.01.2011 a b 1 2 3 x\n"
                                          "8 01-01-2011 a b 1 2 3 x\n"
                                          "\n"
                                          "9 01.01.2011 a b 1 2 <b>x</b>\x1b[2J 3 x\n");
  ASSERT_TRUE(model.LoadDrawFile(file, form));
  EXPECT_EQ(texts, QStringList{"Error - incorrect lines: 4 3 2 "});
  EXPECT_EQ(details, QStringList{"line 2: the date (the second word) is not digits and points only: "
                                 "\"8 01-01-2011 a b 1 2 3 x\"\n"
                                 "line 3: the line is empty: \"\"\n"
                                 "line 4: the numbers (words five to eight) hold other characters than digits: "
                                 "\"9 01.01.2011 a b 1 2 <b>x</b>\\x1B[2J 3 x\""});
  EXPECT_EQ(formats, std::vector<Qt::TextFormat>{Qt::PlainText});
  EXPECT_GE(width, 560);  // a detail line reads whole, not wrapped word by word
  EXPECT_EQ(form->History().Count(), 1);

  // A file that is not there says so, in the one wording, with no details.
  texts.clear();
  details.clear();
  EXPECT_FALSE(model.LoadDrawFile(dir.filePath("gone.txt"), form));
  EXPECT_EQ(texts, QStringList{"Error - file " + dir.filePath("gone.txt") + " not found!"});
  EXPECT_EQ(details, QStringList{""});
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
  gui::Model model;
  const gui::Forms forms(model, "/nonexistent/draws.txt");
  EXPECT_EQ(forms.Form1->History().Count(), 0);
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(forms.Form1->ComboBox_last_draws->currentIndex(), -1);
  gui::g_messageHook = nullptr;
}

// What the Statistics window's Find proposes, without running the report.
QString FindDefault(const gui::Forms& forms) {
  QString proposed;
  gui::g_inputHook = [&](const QString&, const QString&, const QString& defaultText) {
    proposed = defaultText;
    return QString("99999999999");  // refused with a message: no report window to close
  };
  forms.Form_statistics->findChild<QPushButton*>("xpButton_Find")->click();
  gui::g_inputHook = nullptr;
  return proposed;
}

// A one-draw file, then an empty one: the Sieve view and Find read 0 0 0, as on a fresh start.
TEST(Form1Reload, AnEmptyFileLeavesNoOlderDrawReadable) {
  testing::App();
  gui::g_messageHook = [](const QString&) {};
  QTemporaryDir dir;
  const QString empty = testing::WriteFile(dir, "empty.txt", "");
  gui::Model freshModel;
  const gui::Forms fresh(freshModel, empty.toLocal8Bit().constData());
  fresh.Form1->SelectOption(10);

  gui::Model model;
  const gui::Forms forms(model,
                         testing::WriteFile(dir, "one.txt", "1 01.01.2020 a b 7 8 9 x").toLocal8Bit().constData());
  forms.Form1->SelectOption(10);
  EXPECT_NE(forms.Form1->CopyText(), fresh.Form1->CopyText());
  EXPECT_EQ(FindDefault(forms), "7 8 9");

  ASSERT_TRUE(forms.Form1->LoadDrawFile(empty));
  EXPECT_EQ(forms.Form1->CopyText(), fresh.Form1->CopyText());
  EXPECT_EQ(FindDefault(forms), "0 0 0");
  EXPECT_EQ(FindDefault(fresh), "0 0 0");
  gui::g_messageHook = nullptr;
}

// Two sets of windows, each around its own model: what one does never shows in the other.
TEST(TwoModels, WindowsShareNoState) {
  testing::App();
  gui::g_messageHook = [](const QString&) {};
  QTemporaryDir dir;
  gui::Model modelA, modelB;
  const gui::Forms a(modelA, testing::WriteFile(dir, "a.txt", kFourDraws).toLocal8Bit().constData());
  const gui::Forms b(modelB, testing::WriteFile(dir, "b.txt", "9 01.01.2011 a b 1 2 3 x").toLocal8Bit().constData());
  const Selection startB = modelB.selection;
  const QString copyB = b.Form1->CopyText();

  a.Form1->SelectOption(6);
  a.Form1->SelectRow(3);
  a.Form1->Button_left_rightClick();
  a.Form1->ComboBox_last_draws->setCurrentIndex(1);
  a.Form1->xpCheckBox_grid->setChecked(true);
  a.Form1->xpCheckBox_gridClick();
  a.Form_Sieve->Memo1->setPlainText("9 9 9");
  a.Form_Sieve->show();
  a.Form_Sieve->Button_OK->click();
  EXPECT_EQ(modelA.selection.option, 6);
  EXPECT_EQ(modelA.selection.row, 3);
  EXPECT_EQ(modelA.selection.lastDraws, 2);
  EXPECT_EQ(modelA.selection.separation.layout, SeparationLayout::Ascending);
  EXPECT_TRUE(modelA.selection.grid.on);
  EXPECT_EQ(modelA.sieve.more[0], (SievePatterns::Line{9, 9, 9}));

  EXPECT_EQ(modelB.selection, startB);
  EXPECT_EQ(modelB.sieve, StartSievePatterns());
  EXPECT_EQ(b.Form1->Button_center->text(), "X");
  EXPECT_EQ(b.Form1->CopyText(), copyB);
  EXPECT_EQ(b.Form_statistics->ComboBox_last_draws->count(), 1);

  ASSERT_TRUE(b.Form1->LoadDrawFile(testing::WriteFile(dir, "c.txt", "")));
  EXPECT_EQ(modelA.history.Count(), 4);
  EXPECT_EQ(a.Form1->StringGrid1->rowCount(), 4);
  EXPECT_EQ(modelA.drawFile, dir.filePath("a.txt").toStdString());
  EXPECT_EQ(modelB.history.Count(), 0);
  gui::g_messageHook = nullptr;
}

}  // namespace
}  // namespace drawlyze
