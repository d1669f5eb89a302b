// The Plays window as the user meets it: fields checked as they are typed,
// plays added, changed and deleted with their draws and totals, the plays
// file saved whole and read back, and a win announced once, however often the
// draws are loaded and the program started.
#include "gui/form_plays.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include "forms_test.h"
#include "gui/form1.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/model.h"

namespace drawlyze {
namespace {

// Two draws a day with their draw times.
const QByteArray kTimedDraws =
    "1 01.04.2020 Wed Mid 1 2 3 x\r\n"
    "2 01.04.2020 Wed Eve 4 5 6 x\r\n"
    "3 02.04.2020 Thu Mid 3 2 1 x\r\n"
    "4 02.04.2020 Thu Eve 1 1 2 x\r\n";
// The next day's draws: the Updater would bring them.
const QByteArray kNextDay = kTimedDraws +
                            "5 03.04.2020 Fri Mid 7 7 7 x\r\n"
                            "6 03.04.2020 Fri Eve 0 4 3 x\r\n";

const QByteArray kPlaysFile =
    "date,draw,bet,number,amount,draws\r\n"
    "2020-04-01,Mid,straight,123,1.00,1\r\n"   // won on the first draw
    "2020-04-02,Eve,box,121,0.50,2\r\n"        // won 80.00 (half a 3-way box), then pending
    "2020-04-03,Eve,straight,043,1.00,1\r\n";  // pending until the next day's evening

class FormPlaysTest : public testing::FormsTest {
 protected:
  // The plays file in the folder before the windows open; then the event loop's first turn.
  void Open(const QByteArray& draws, const QByteArray& plays = QByteArray()) {
    if (!plays.isEmpty()) testing::WriteFile(dir, "plays.csv", plays);
    OpenForms(draws);
    form = forms->Form_plays;
    QCoreApplication::processEvents();
  }
  void Type(const QString& date, const QString& draw, const QString& bet, const QString& number,
            const QString& amount = "1.00", const QString& draws = "1") {
    form->Edit_date->setText(date);
    form->ComboBox_draw->setCurrentText(draw);
    form->ComboBox_bet->setCurrentIndex(form->ComboBox_bet->findText(bet));
    form->Edit_number->setText(number);
    form->Edit_amount->setText(amount);
    form->Edit_draws->setText(draws);
  }
  QString PlaysCell(int row, int column) const {
    const QTableWidgetItem* item = form->StringGrid_plays->item(row, column);
    return item ? item->text() : QString("<none>");
  }
  QStringList DrawRows() const {
    QStringList rows;
    for (int r = 0; r < form->StringGrid_draws->rowCount(); ++r)
      rows << form->StringGrid_draws->item(r, 0)->text() + " | " + form->StringGrid_draws->item(r, 1)->text() + " | " +
                  form->StringGrid_draws->item(r, 2)->text();
    return rows;
  }
  QByteArray Read(const QString& name) const {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  TForm_plays* form = nullptr;
};

TEST_F(FormPlaysTest, FieldsAreCheckedAsTheUserTypes) {
  Open(kTimedDraws);
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
  struct Case {
    QString bet, number, amount, draws;
    bool ok;
    QString check;  // Label_check begins with it
  };
  const Case cases[] = {
      {"straight", "", "1.00", "1", false, "Type the number to play."},
      {"straight", "12", "1.00", "1", false, "Not a play yet: the number \"12\" is not three digits"},
      {"straight", "123", "1.00", "1", true,
       "straight 123, 1.00 a draw for 1 Eve draw from 2020-04-02; wins with chance 1 in 1,000 a draw, expected 0.50 "
       "of 1.00"},
      {"box", "777", "1.00", "1", false, "Not a play yet: a triple cannot be boxed (777)"},
      {"box", "112", "0.50", "1", true, "box 112 (3-way), 0.50 a draw"},
      {"combo", "123", "1.00", "1", true, "combo 123 (6-way), 1.00 an order (6.00) a draw"},
      {"front pair", "123", "1.00", "1", false, "Not a play yet: the number \"123\" is not two digits"},
      {"back pair", "07", "1.00", "3", true, "back pair 07, 1.00 a draw for 3 Eve draws"},
      {"straight", "123", "0.30", "1", false, "Not a play yet: the amount \"0.30\" is not a multiple of 0.50"},
      {"straight", "123", "1.00", "0", false, "Not a play yet: the draws \"0\" are not a count"},
  };
  for (const Case& c : cases) {
    Type("2020-04-02", "Eve", c.bet, c.number, c.amount, c.draws);
    EXPECT_EQ(form->xpButton_Add->isEnabled(), c.ok) << c.bet.toStdString() << ' ' << c.number.toStdString();
    EXPECT_TRUE(form->Label_check->text().startsWith(c.check))
        << form->Label_check->text().toStdString() << "\n  wanted " << c.check.toStdString();
  }
  // A field that cannot be read is marked; the others are not.
  Type("31.02.2020", "Lunch", "straight", "123");
  EXPECT_FALSE(form->xpButton_Add->isEnabled());
  EXPECT_NE(form->Edit_date->palette().color(QPalette::Base), form->Edit_number->palette().color(QPalette::Base));
  EXPECT_NE(form->ComboBox_draw->palette().color(QPalette::Base), form->Edit_number->palette().color(QPalette::Base));
  form->xpButton_AddClick();  // Add refuses what is no play
  EXPECT_EQ(form->Plays().size(), 0u);
}

TEST_F(FormPlaysTest, AddedPlaysShowTheirDrawsAndTheTotals) {
  Open(kTimedDraws);
  Type("2020-04-01", "Mid", "straight", "123", "1.00", "2");
  form->xpButton_AddClick();
  Type("01.04.2020", "Evening", "box", "211", "0.50", "3");
  form->xpButton_AddClick();
  ASSERT_EQ(form->StringGrid_plays->rowCount(), 2);
  EXPECT_TRUE(form->Modified());
  // Date, Draw, Bet, Number, Amount, Draws, Cost, Won, Net, Result.
  QStringList row0, row1;
  for (int c = 0; c < 10; ++c) row0 << PlaysCell(0, c), row1 << PlaysCell(1, c);
  EXPECT_EQ(row0, (QStringList{"2020-04-01", "Mid", "straight", "123", "1.00", "2", "2.00", "500.00", "+498.00",
                               "won once"}));
  EXPECT_EQ(row1, (QStringList{"2020-04-01", "Eve", "box", "211", "0.50", "3", "1.00", "80.00", "+79.00",
                               "won once, 1 pending"}));
  // The play added last is selected: its draws.
  EXPECT_EQ(form->StringGrid_plays->currentRow(), 1);
  EXPECT_EQ(DrawRows(),
            (QStringList{"2020-04-01 Eve | 456 | lost", "2020-04-02 Eve | 112 | won 80.00", "pending |  | pending"}));
  EXPECT_TRUE(form->Label_play->text().startsWith("Play 2: cost 1.00, won 80.00 (expected 0.48), net +79.00"))
      << form->Label_play->text().toStdString();
  const QString totals = form->Memo_totals->toPlainText();
  EXPECT_TRUE(
      totals.startsWith("Totals over 4 drawn draws of 2 plays (1 draw pending, 0.50 at stake):\n"
                        "  Cost 3.00, won 580.00 (expected 1.48), net +577.00 (expected -1.52)\n"
                        "  Return per 1.00 played: 193.33 (expected 0.49)\n"))
      << totals.toStdString();
  EXPECT_TRUE(totals.contains("As lucky as 1 player in "));
  // The note on prize tables is always there.
  EXPECT_TRUE(form->Label_note->text().contains(
      "Prize tables differ between lotteries and some pay pari-mutuel: check yours."));
  // The user's own plays are no news: no announcement.
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();

  // Change: the selected play takes the fields; Delete removes it.
  form->StringGrid_plays->setCurrentCell(0, 0);
  EXPECT_EQ(form->Edit_number->text(), "123");
  EXPECT_EQ(form->ComboBox_draw->currentText(), "Mid");
  form->Edit_number->setText("321");
  form->xpButton_ChangeClick();
  EXPECT_EQ(PlaysCell(0, 3), "321");
  EXPECT_EQ(PlaysCell(0, 9), "won once");  // 321 came at the second midday
  form->xpButton_DeleteClick();
  ASSERT_EQ(form->Plays().size(), 1u);
  EXPECT_EQ(form->Plays()[0].number, 211);
}

TEST_F(FormPlaysTest, SavedWholeInTheDataFolderAndReadBack) {
  Open(kTimedDraws);
  Type("2020-04-02", "Eve", "back pair", "12", "1.50", "4");
  form->xpButton_AddClick();
  std::vector<plays::Play> list(2, form->Plays()[0]);
  list[0].number = 34;
  list[1].bet = plays::BetType::Straight;
  list[1].number = 7;
  form->AddPlays(list);  // as the Filters hand over a list
  EXPECT_EQ(form->StringGrid_plays->rowCount(), 3);
  EXPECT_EQ(PlaysCell(2, 3), "007");

  EXPECT_EQ(form->PlaysPath(), QDir(dir.path()).filePath("plays.csv"));
  form->xpButton_SaveClick();
  EXPECT_FALSE(form->Modified());
  EXPECT_EQ(Read("plays.csv"),
            "date,draw,bet,number,amount,draws\r\n"
            "2020-04-02,Eve,back pair,12,1.50,4\r\n"
            "2020-04-02,Eve,back pair,34,1.50,4\r\n"
            "2020-04-02,Eve,straight,007,1.50,4\r\n");
  EXPECT_TRUE(QDir(dir.path()).entryList({"*.csv*"}, QDir::Files).size() == 1);  // no file left beside it

  // Read back by another set of windows on the same folder.
  forms.reset();
  Open(kTimedDraws);
  ASSERT_EQ(form->Plays().size(), 3u);
  EXPECT_EQ(form->Plays()[2].number, 7);
  EXPECT_EQ(form->Plays()[2].line, 4);
}

TEST_F(FormPlaysTest, BadRowsAreListedAndKeptUntilTheUserSavesWithoutThem) {
  const QByteArray withBad = kPlaysFile + "2020-04-01,Mid,box,777,1.00,1\r\n";
  Open(kTimedDraws, withBad);
  ASSERT_GE(messages.size(), 1);
  EXPECT_EQ(messages[0], "1 row of " + QDir::toNativeSeparators(dir.filePath("plays.csv")) +
                             " cannot be read and is left out:\nline 5: a triple cannot be boxed (777)");
  EXPECT_EQ(form->Plays().size(), 3u);
  EXPECT_TRUE(
      form->Memo_totals->toPlainText().contains("Rows of the file left out (1):\n  line 5: a triple cannot be "
                                                "boxed (777)"));
  // Saving over the file asks first; No leaves it as it was.
  QStringList questions;
  gui::g_questionHook = [&](const QString& text) {
    questions << text;
    return false;
  };
  form->xpButton_SaveClick();
  ASSERT_EQ(questions.size(), 1);
  EXPECT_TRUE(questions[0].contains("saving writes the plays without them. Save anyway?"));
  EXPECT_EQ(Read("plays.csv"), withBad);
}

TEST_F(FormPlaysTest, AWinIsAnnouncedOnceAcrossLoadsAndStarts) {
  Open(kTimedDraws, kPlaysFile);
  // The wins already there, at the first check.
  ASSERT_EQ(messages.size(), 1) << messages.join('\n').toStdString();
  EXPECT_TRUE(
      messages[0].startsWith("Plays have won 2 times!\n"
                             "Play 1, straight 123, 1.00 a draw for 1 Mid draw from 2020-04-01: 2020-04-01 "
                             "Mid drawn 123, won 500.00\n"
                             "Play 2, box 121 (3-way), 0.50 a draw for 2 Eve draws from 2020-04-02: "
                             "2020-04-02 Eve drawn 112, won 80.00\n"))
      << messages[0].toStdString();
  messages.clear();
  EXPECT_EQ(PlaysCell(2, 9), "pending");

  // The same draws again: nothing new.
  ASSERT_TRUE(main->LoadDrawFile(path));
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();

  // The next day's draws: the pending straight won, once.
  const QString next = testing::WriteFile(dir, "next.txt", kNextDay);
  ASSERT_TRUE(main->LoadDrawFile(next));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0],
            "A play has won!\nPlay 3, straight 043, 1.00 a draw for 1 Eve draw from 2020-04-03: 2020-04-03 Eve drawn "
            "043, won 500.00\nThe Plays window (Analysis menu) shows them all.");
  EXPECT_EQ(PlaysCell(2, 9), "won once");
  ASSERT_TRUE(main->LoadDrawFile(next));
  EXPECT_EQ(messages.size(), 1);

  // The next start remembers what was announced.
  EXPECT_TRUE(Read("plays_announced.txt").contains("2020-04-03,Eve,straight,043,1.00,1,2020-04-03 Eve,043\n"));
  forms.reset();
  messages.clear();
  Open(kNextDay);
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(FormPlaysTest, ThePlaysButtonAndTheMenuEntryOpenTheWindow) {
  Open(kTimedDraws);
  ASSERT_NE(main->xpButton_Plays, nullptr);
  EXPECT_EQ(main->xpButton_Plays->text(), "Plays");
  int opened = 0;
  const auto closeSoon = [&] {
    QTimer::singleShot(0, form, [&] {
      opened += form->isVisible() ? 1 : 0;
      form->reject();
    });
  };
  closeSoon();
  main->xpButton_Plays->click();
  auto* entry = main->findChild<QAction*>("Plays1");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->text(), "&Plays\u2026");
  closeSoon();
  entry->trigger();
  EXPECT_EQ(opened, 2);
}

TEST_F(FormPlaysTest, ClosingWithChangesOffersToSave) {
  Open(kTimedDraws);
  Type("2020-04-02", "Eve", "straight", "555");
  form->xpButton_AddClick();
  QStringList questions;
  gui::g_questionHook = [&](const QString& text) {
    questions << text;
    return true;
  };
  form->reject();
  ASSERT_EQ(questions.size(), 1);
  EXPECT_TRUE(questions[0].startsWith("The plays have changed. Save them to "));
  EXPECT_EQ(Read("plays.csv"), "date,draw,bet,number,amount,draws\r\n2020-04-02,Eve,straight,555,1.00,1\r\n");
  form->reject();  // saved: no question
  EXPECT_EQ(questions.size(), 1);
}

TEST_F(FormPlaysTest, AnEditedPrizeTableIsUsedAndABrokenOneSaidSo) {
  QByteArray table;
  {
    QFile bundled(QStringLiteral(DRAWLYZE_SOURCE_DIR) + "/data/prizes.csv");
    ASSERT_TRUE(bundled.open(QIODevice::ReadOnly));
    table = bundled.readAll().replace("straight,exact order,500.00", "straight,exact order,550.00");
  }
  testing::WriteFile(dir, "prizes.csv", table);
  Open(kTimedDraws, kPlaysFile);
  EXPECT_EQ(PlaysCell(0, 7), "550.00");
  EXPECT_TRUE(form->Label_note->text().startsWith("Prizes: " + dir.filePath("prizes.csv") + ". Prize tables differ"))
      << form->Label_note->text().toStdString();

  testing::WriteFile(dir, "prizes.csv", "bet,match,prize\r\nstraight,exact order,lots\r\n");
  form->CheckAgain();
  EXPECT_TRUE(form->Label_note->text().contains("not a prize table"));
  EXPECT_EQ(PlaysCell(0, 7), "<none>");  // nothing priced by a table that is not there
  EXPECT_TRUE(form->Memo_totals->toPlainText().contains("not a prize table"));
}

}  // namespace
}  // namespace drawlyze
