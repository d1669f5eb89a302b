// The Sieve editor under an offscreen platform: its memos, the parse on close
// and the redraw of the main window, Save and Load through test hooks.
#include "gui/form_sieve.h"

#include <gtest/gtest.h>

#include <QTimer>

#include "core/sieve/sieve_patterns.h"
#include "gui/form1.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "qt_app.h"

namespace drawlyze {
namespace {

using Line = SievePatterns::Line;

// Newest draw 1 2 3: the start patterns give the rows 00 06 04 / 01 07 05 / 02 08 06.
const QByteArray kDraws =
    "1 01.01.2011 a b 5 5 5 x\r\n"
    "2 02.01.2011 a b 1 2 3 x\r\n";

class FormSieveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::App();
    messages.clear();
    gui::g_messageHook = [this](const QString& text) { messages << text; };
    const QString path = testing::WriteFile(dir, "3x10.txt", kDraws);
    forms = std::make_unique<gui::Forms>(model, path.toLocal8Bit().constData());
    Form1 = forms->Form1;
    Form_Sieve = forms->Form_Sieve;
    Form1->SelectOption(10);
    Form1->SelectRow(1);
  }
  void TearDown() override {
    forms.reset();
    gui::g_messageHook = nullptr;
    TForm_Sieve::saveFileHook = nullptr;
    TForm_Sieve::openFileHook = nullptr;
  }
  QString CopyLine(int i) const { return Form1->CopyText().split("\r\n").value(i); }
  const SievePatterns* CurrentSievePatterns() const { return &model.sieve; }

  QTemporaryDir dir;
  QStringList messages;
  gui::Model model;
  std::unique_ptr<gui::Forms> forms;
  TForm1* Form1 = nullptr;
  TForm_Sieve* Form_Sieve = nullptr;
};

TEST_F(FormSieveTest, StartsWithTheStartPatterns) {
  EXPECT_EQ(Form_Sieve->Memo1->toPlainText(), "1 3 5\n0 2 4");
  EXPECT_EQ(Form_Sieve->Memo2->toPlainText(), "5 7 9\n4 6 8");
  EXPECT_EQ(&Form_Sieve->Patterns(), CurrentSievePatterns());
  EXPECT_EQ(*CurrentSievePatterns(), StartSievePatterns());
  EXPECT_EQ(CopyLine(1), "00  06  04  ");
}

TEST_F(FormSieveTest, ClosingReparsesAndRedraws) {
  // A blank first line keeps slot 0 and moves "0 6 3" to slot 1.
  Form_Sieve->Memo1->setPlainText("\n0,6;3x\n");
  Form_Sieve->Memo2->setPlainText("1 1 1\n2 5 2");
  Form_Sieve->show();
  Form_Sieve->Button_OK->click();
  EXPECT_FALSE(Form_Sieve->isVisible());
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(Form_Sieve->Memo1->toPlainText(), "0 6 3");
  EXPECT_EQ(CurrentSievePatterns()->more[0], (Line{1, 3, 5}));
  EXPECT_EQ(CurrentSievePatterns()->more[1], (Line{0, 6, 3}));
  EXPECT_EQ(CurrentSievePatterns()->less[1], (Line{2, 5, 2}));
  // 1 2 3: A1 and A3 read More line 1 (0 and 3), A2 reads Less line 1 (5).
  EXPECT_EQ(CopyLine(1), "00  05  03  ");

  // The close box re-parses as well: the cleaned line now takes slot 0.
  Form_Sieve->show();
  Form_Sieve->close();
  EXPECT_FALSE(Form_Sieve->isVisible());
  EXPECT_EQ(CurrentSievePatterns()->more[0], (Line{0, 6, 3}));
}

TEST_F(FormSieveTest, NumberTooLargeKeepsTheWindowOpen) {
  Form_Sieve->Memo1->setPlainText("7 7 7\n1 99999999999 2");
  Form_Sieve->show();
  Form_Sieve->Button_OK->click();
  EXPECT_TRUE(Form_Sieve->isVisible());
  EXPECT_EQ(messages, QStringList{"'99999999999' is not a valid integer value"});
  EXPECT_EQ(Form_Sieve->Memo1->toPlainText(), "7 7 7\n1 99999999999 2");
  EXPECT_EQ(CopyLine(1), "00  06  04  ");  // not redrawn

  Form_Sieve->Memo1->setPlainText("7 7 7\n1 9 2");
  Form_Sieve->Button_OK->click();
  EXPECT_FALSE(Form_Sieve->isVisible());
  EXPECT_EQ(CopyLine(1), "01  06  02  ");
}

TEST_F(FormSieveTest, SaveAndLoadThePatternFile) {
  const QString path = dir.filePath("patterns.txt");
  Form_Sieve->Memo1->setPlainText("1 2 3\n4 5 6");
  Form_Sieve->Memo2->setPlainText("7 8 9");
  TForm_Sieve::saveFileHook = [&] { return path; };
  Form_Sieve->xpButton_Save->click();
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), "1 2 3\r\n4 5 6\r\n<-->\r\n7 8 9\r\n");

  Form_Sieve->Memo1->clear();
  Form_Sieve->Memo2->clear();
  TForm_Sieve::openFileHook = [&] { return path; };
  Form_Sieve->xpButton_Load->click();
  EXPECT_EQ(Form_Sieve->Memo1->toPlainText(), "1 2 3\n4 5 6");
  EXPECT_EQ(Form_Sieve->Memo2->toPlainText(), "7 8 9");
  // Loading changes the memos only.
  EXPECT_EQ(*CurrentSievePatterns(), StartSievePatterns());

  const QString plain = testing::WriteFile(dir, "plain.txt", "3 3 3\r\n4 4 4\r\n");
  TForm_Sieve::openFileHook = [&] { return plain; };
  Form_Sieve->xpButton_Load->click();
  EXPECT_EQ(Form_Sieve->Memo1->toPlainText(), "3 3 3\n4 4 4");
  EXPECT_EQ(Form_Sieve->Memo2->toPlainText(), "3 3 3\n4 4 4");
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(FormSieveTest, FileFailuresNameTheFileAndChangeNothing) {
  const QString missing = dir.filePath("missing.txt");
  const QString unwritable = dir.filePath("no_folder/patterns.txt");
  TForm_Sieve::openFileHook = [&] { return missing; };
  TForm_Sieve::saveFileHook = [&] { return unwritable; };
  Form_Sieve->xpButton_Load->click();
  Form_Sieve->xpButton_Save->click();
  ASSERT_EQ(messages.size(), 2);
  EXPECT_TRUE(messages[0].contains(missing)) << messages[0].toStdString();
  EXPECT_TRUE(messages[1].contains(unwritable)) << messages[1].toStdString();
  EXPECT_EQ(Form_Sieve->Memo1->toPlainText(), "1 3 5\n0 2 4");
}

TEST_F(FormSieveTest, TheMainWindowsSieveButtonOpensTheEditor) {
  EXPECT_TRUE(Form1->xpButton_Sieve->isEnabled());
  bool shown = false;
  QTimer::singleShot(0, [&] {
    shown = Form_Sieve->isVisible();
    Form_Sieve->Memo1->setPlainText("1 1 1\n2 2 2");
    Form_Sieve->Button_OK->click();
  });
  Form1->xpButton_Sieve->click();
  EXPECT_TRUE(shown);
  EXPECT_EQ(CopyLine(1), "02  06  02  ");
  Form1->SelectOption(9);
  EXPECT_FALSE(Form1->xpButton_Sieve->isEnabled());
}

}  // namespace
}  // namespace drawlyze
