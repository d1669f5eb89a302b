// What the main window says of a long history (in the title and the status
// bar, never a box at every start) and of a draw file without draws.
#include <gtest/gtest.h>

#include <QStatusBar>

#include "core/import/date_values.h"
#include "forms_test.h"
#include "gui/form1.h"

namespace drawlyze {
namespace {

// count draws, one a day from 01.01.1990 on.
QByteArray Draws(int count) {
  QByteArray text;
  const QDate first(1990, 1, 1);
  for (int i = 0; i < count; ++i)
    text += QByteArray::number(i + 1) + ' ' + first.addDays(i).toString("dd.MM.yyyy").toLatin1() + " a b " +
            QByteArray::number(i % 10) + " 2 3 x\r\n";
  return text;
}

class Form1LoadNotesTest : public testing::FormsTest {};

TEST_F(Form1LoadNotesTest, ALongHistoryIsSaidInTheTitleAndTheStatusBar) {
  const import::FixedToday today(import::MakeDayKey(2020, 1, 1));
  OpenForms(Draws(10050));
  EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
  // The oldest draw kept is the 51st: 50 days after the first.
  const QString note = "10,000 newest of 10,050 draws, from 20.02.1990";
  EXPECT_TRUE(main->windowTitle().startsWith(QString::fromUtf8("3x10.txt \u2014 ") + note + ", newest "))
      << main->windowTitle().toStdString();
  EXPECT_TRUE(main->windowTitle().endsWith(QString::fromUtf8(" days ago \u2014 Drawlyze Pick 3")));
  EXPECT_EQ(main->StatusBar1->currentMessage(), note);
  EXPECT_EQ(main->History().Count(), 10000);

  // A file the store holds whole: the title counts its draws, the status bar is quiet again.
  // The title says how old the newest draw is.
  const import::FixedToday later(import::MakeDayKey(1990, 1, 8));
  ASSERT_TRUE(main->LoadDrawFile(testing::WriteFile(dir, "short.txt", Draws(3))));
  EXPECT_EQ(main->windowTitle(),
            QString::fromUtf8("short.txt \u2014 3 draws, newest 03.01.1990, 5 days ago \u2014 Drawlyze Pick 3"));
  EXPECT_EQ(main->StatusBar1->currentMessage(), "");
  EXPECT_TRUE(messages.isEmpty());
}

// The status bar takes rows only while it has a note, so the designed window
// fits a small screen; with a note it sits below the table.
TEST_F(Form1LoadNotesTest, TheStatusBarShowsOnlyWithANoteAndThenSitsBelowTheTable) {
  OpenForms(Draws(3));
  main->show();
  QApplication::processEvents();
  EXPECT_TRUE(main->StatusBar1->isHidden());
  const int designed = main->minimumHeight();
  ASSERT_TRUE(main->LoadDrawFile(testing::WriteFile(dir, "bad.txt", "no draw\r\n")));
  QApplication::processEvents();
  ASSERT_FALSE(main->StatusBar1->isHidden());
  EXPECT_EQ(main->minimumHeight(), designed + main->StatusBar1->sizeHint().height());
  main->resize(main->width(), main->minimumHeight() + 40);
  QApplication::processEvents();
  EXPECT_EQ(main->StatusBar1->geometry().bottom(), main->height() - 1);
  EXPECT_LT(main->StringGrid1->geometry().bottom(), main->StatusBar1->y());
  EXPECT_GT(main->StatusBar1->height(), 0);
}

TEST_F(Form1LoadNotesTest, AFileWithoutDrawsSaysSoOnce) {
  const QString tail = QString::fromUtf8(" Use File \u2192 Import results\u2026 or Update\u2026 to get a history.");
  OpenForms("");
  EXPECT_EQ(messages, QStringList{"The draw file 3x10.txt holds no draws." + tail});
  EXPECT_EQ(main->StatusBar1->currentMessage(), messages[0]);
  messages.clear();
  ASSERT_TRUE(main->LoadDrawFile(testing::WriteFile(dir, "bad.txt", "no draw\r\nnor this\r\n")));
  // One message, not the list of incorrect lines besides it.
  EXPECT_EQ(messages, QStringList{"The draw file bad.txt holds no draws: its 2 lines are all incorrect." + tail});
  EXPECT_EQ(main->History().Count(), 0);
}

}  // namespace
}  // namespace drawlyze
