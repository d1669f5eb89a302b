// The import window as the user meets it: Ctrl+O on an export, the proposed
// columns, an override, OK saving beside a backup and loading.
#include "gui/form_import.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTimer>
#include <map>

#include "forms_test.h"
#include "gui/form1.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/model.h"

namespace drawlyze {
namespace {

using testing::kFourDraws;

class FormImportTest : public testing::FormsTest {
 protected:
  void SetUp() override {
    gui::g_saveFileHook = [this](const QString& proposed) {
      proposedSave = proposed;
      return saveAs;
    };
    gui::g_questionHook = [this](const QString& question) {
      questions << question;
      return answer;
    };
    OpenForms(kFourDraws);
    saveAs = path;
    form = forms->Form_import;
  }

  // Ctrl+O on the export; inside the modal window, then runs.
  void OpenWithCtrlO(const QString& file, const std::function<void()>& then) {
    gui::g_openFileHook = [file](const QString&) { return file; };
    QTimer::singleShot(0, form, then);
    QKeyEvent event(QEvent::KeyPress, Qt::Key_O, Qt::ControlModifier);
    QApplication::sendEvent(main->StringGrid1, &event);
  }
  QStringList ColumnTexts() const {
    QStringList texts;
    for (int c = 0; form->ColumnCombo(c); ++c) texts << form->ColumnCombo(c)->currentText();
    return texts;
  }
  void Choose(int column, const QString& use) {
    QComboBox* combo = form->ColumnCombo(column);
    combo->setCurrentIndex(combo->findText(use));
    form->ColumnComboChange(column);
  }
  QByteArray Read(const QString& name) const {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  // Every file of the folder with its bytes.
  std::map<QString, QByteArray> FolderBytes() const {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
      files[name] = Read(name);
    return files;
  }

  QString saveAs;
  QString proposedSave;
  QStringList questions;
  bool answer = true;
  TForm_import* form = nullptr;
};

TEST_F(FormImportTest, MappingShownOverriddenSavedWithABackupAndLoaded) {
  const QString csv = testing::WriteFile(dir, "export.csv",
                                         "Date,First,Second,Win 4\r\n01/13/2021,123,456,1234\r\n"
                                         "01/14/2021,789,12,4321\r\n");
  bool shown = false;
  OpenWithCtrlO(csv, [&] {
    shown = form->isVisible();
    EXPECT_EQ(form->windowTitle(), "Import");
    EXPECT_EQ(form->StringGrid_preview->rowCount(), 3);  // the lists, then the rows
    EXPECT_EQ(form->StringGrid_preview->item(2, 2)->text(), "12");
    // Two results whose headers do not say which is midday: the user must choose.
    EXPECT_EQ(ColumnTexts(), (QStringList{"date", "result", "result", "not used"}));
    EXPECT_EQ(form->ColumnCombo(3)->toolTip(), QString("not used: the header names another game, not a pick-3 result"));
    EXPECT_FALSE(form->xpButton_OK->isEnabled());
    EXPECT_TRUE(form->Memo_summary->toPlainText().startsWith(
        "To do: \"First\" and \"Second\" both hold results and their headers do not say which is midday"));
    EXPECT_FALSE(form->ComboBox_day_order->isVisibleTo(form));  // 13 and 14 tell the order

    Choose(1, "evening result");
    Choose(2, "midday result");
    EXPECT_EQ(ColumnTexts(), (QStringList{"date", "evening result", "midday result", "not used"}));
    EXPECT_TRUE(form->ColumnCombo(2)->toolTip().startsWith("midday result: as chosen;"));
    EXPECT_TRUE(form->xpButton_OK->isEnabled());
    EXPECT_TRUE(form->Memo_summary->toPlainText().contains("draws: 4, first 13.01.2021, last 14.01.2021\n"));
    form->xpButton_OK->click();
  });
  EXPECT_TRUE(shown);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(proposedSave, QDir(dir.path()).filePath("3x10.txt"));
  EXPECT_EQ(Read("3x10.txt"), QByteArray("1 13.01.2021 Wed Mid 4 5 6 x\r\n2 13.01.2021 Wed Eve 1 2 3 x\r\n"
                                         "3 14.01.2021 Thu Mid 0 1 2 x\r\n4 14.01.2021 Thu Eve 7 8 9 x\r\n"));
  EXPECT_EQ(Read("3x10.txt.bak"), kFourDraws);
  // Ten years after the draws in place: nothing in common, so the window asked.
  ASSERT_EQ(questions.size(), 1);
  EXPECT_TRUE(
      questions[0].startsWith("export.csv shares no draw (the same date and draw time) with the current draw "
                              "file: it is probably another game's history.\n"))
      << questions[0].toStdString();
  EXPECT_EQ(main->History().Count(), 4);
  EXPECT_EQ(main->History().DateText(0), std::string("14.01.2021"));
  EXPECT_EQ(messages, QStringList{"4 draws saved to " + path + ".\nThe previous file is kept as 3x10.txt.bak."});
}

TEST_F(FormImportTest, DayOrderWhenTheDatesNeedItAndCancelKeepsAll) {
  const QString csv = testing::WriteFile(dir, "dates.csv", "Date,Result\r\n01/02/2021,123\r\n03/02/2021,456\r\n");
  OpenWithCtrlO(csv, [&] {
    EXPECT_TRUE(form->ComboBox_day_order->isVisibleTo(form));
    EXPECT_FALSE(form->xpButton_OK->isEnabled());
    form->ComboBox_day_order->setCurrentIndex(1);  // day first
    form->ComboBox_day_orderChange();
    EXPECT_TRUE(form->xpButton_OK->isEnabled());
    EXPECT_TRUE(form->Memo_summary->toPlainText().contains("draws: 2, first 01.02.2021, last 03.02.2021\n"));
    // A list left without a result: the window says so and OK waits.
    Choose(1, "not used");
    EXPECT_EQ(form->Memo_summary->toPlainText().section('\n', 0, 0),
              QString("To do: choose the result column (or its three digit columns)."));
    EXPECT_FALSE(form->xpButton_OK->isEnabled());
    form->xpButton_Cancel->click();
  });
  EXPECT_EQ(Read("3x10.txt"), kFourDraws);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{"3x10.txt", "dates.csv"}));
  EXPECT_EQ(main->History().Count(), 4);
  EXPECT_TRUE(messages.isEmpty());
}

// The history replaces the draw file only as an update's would: another
// game's history, or an older one, is asked about, and "No" leaves every file
// of the folder as it was, the window open for other columns or Cancel.
TEST_F(FormImportTest, AskedBeforeReplacingAndNoChangesNothing) {
  struct Case {
    const char* name;
    QByteArray rows;
    QString question;
  };
  const Case cases[] = {
      {"other.csv", "2011-01-01,111,222\r\n2011-01-02,333,444\r\n2011-01-03,555,666\r\n",
       "other.csv disagrees with the current draw file on 4 of the 4 draws both hold (01.01.2011 Mid: 111, the "
       "current file 314): it is probably another game's history.\n"
       "new: 6 draws from 01.01.2011 to 03.01.2011, from " +
           dir.filePath("other.csv") + "\ncurrent: 4 draws from 01.01.2011 to 02.01.2011, " + path +
           "\nReplace the current draw file with it?"},
      {"older.csv", "2011-01-01,314,592\r\n",
       "older.csv is older than the current draw file.\n"
       "new: 2 draws of 01.01.2011, from " +
           dir.filePath("older.csv") + "\ncurrent: 4 draws from 01.01.2011 to 02.01.2011, " + path +
           "\nReplace the current draw file with it?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString csv = testing::WriteFile(dir, c.name, "Draw Date,Midday Daily #,Evening Daily #\r\n" + c.rows);
    const auto before = FolderBytes();
    questions.clear();
    answer = false;
    bool stayedOpen = false;
    OpenWithCtrlO(csv, [&] {
      EXPECT_TRUE(form->xpButton_OK->isEnabled()) << form->Memo_summary->toPlainText().toStdString();
      form->xpButton_OK->click();
      stayedOpen = form->isVisible();
      form->xpButton_Cancel->click();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(questions, QStringList{c.question});
    EXPECT_EQ(FolderBytes(), before);
    EXPECT_EQ(main->History().Count(), 4);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
  }
}

// A long reading shows the window; Cancel stops it at its next rows, and
// nothing is read, written or loaded.
TEST_F(FormImportTest, CancelStopsALongReading) {
  QByteArray rows = "Date,Result\r\n";
  for (int i = 0; i < 1500000; ++i) rows += "2021-01-02,123\r\n";
  const QString csv = testing::WriteFile(dir, "long.csv", rows);
  bool cancelled = false;
  QTimer poll;  // the click the user makes once the window shows
  QObject::connect(&poll, &QTimer::timeout, form, [&] {
    if (!form->isVisible() || cancelled) return;
    EXPECT_TRUE(form->Converting());
    form->xpButton_Cancel->click();
    cancelled = true;
  });
  poll.start(0);
  // The window shows at the first row, whatever the machine's speed.
  TForm_import::showReadingAfterMs = 0;
  gui::g_openFileHook = [csv](const QString&) { return csv; };
  QKeyEvent event(QEvent::KeyPress, Qt::Key_O, Qt::ControlModifier);
  QApplication::sendEvent(main->StringGrid1, &event);
  TForm_import::showReadingAfterMs = 300;
  EXPECT_TRUE(cancelled);
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->Converting());
  EXPECT_TRUE(form->Input().draws.empty());
  EXPECT_EQ(Read("3x10.txt"), kFourDraws);
  EXPECT_EQ(main->History().Count(), 4);
  EXPECT_TRUE(messages.isEmpty());
}

// "Import results…" takes several files at once (a lottery's yearly exports)
// and merges them as drawlyze-cli import does: one history, duplicates dropped.
TEST_F(FormImportTest, SeveralFilesMergeIntoOneHistory) {
  const QString y2020 = testing::WriteFile(dir, "2020.csv", "Date,Midday,Evening\r\n2020-12-31,123,456\r\n");
  const QString y2021 =
      testing::WriteFile(dir, "2021.csv", "Date,Midday,Evening\r\n2020-12-31,123,456\r\n2021-01-01,789,012\r\n");
  gui::g_openFilesHook = [&](const QString&) { return QStringList{y2021, y2020}; };
  QTimer::singleShot(0, form, [&] {
    EXPECT_EQ(form->Label_file->text(), "2021.csv, 2020.csv");
    EXPECT_EQ(ColumnTexts(), (QStringList{"date", "midday result", "evening result"}));
    EXPECT_EQ(form->Summary().inputs.size(), 2u);
    EXPECT_TRUE(
        form->Memo_summary->toPlainText().startsWith("draws: 4, first 31.12.2020, last 01.01.2021\nduplicates dropped: "
                                                     "2\nconflicts kept: 0\n2021.csv: 2 rows, 4 draws"));
    // A list changed holds for both files: they share their columns.
    Choose(2, "not used");
    EXPECT_EQ(form->Summary().draws, 2u);
    Choose(2, "evening result");
    form->xpButton_OK->click();
  });
  main->ImportResults1Click();
  EXPECT_EQ(Read("3x10.txt"), QByteArray("1 31.12.2020 Thu Mid 1 2 3 x\r\n2 31.12.2020 Thu Eve 4 5 6 x\r\n"
                                         "3 01.01.2021 Fri Mid 7 8 9 x\r\n4 01.01.2021 Fri Eve 0 1 2 x\r\n"));
  EXPECT_EQ(main->History().Count(), 4);
}

// "Merge into the current history": the draws loaded now stay, the new ones
// join them, a draw in both is dropped once and a different result for the
// same draw is kept and reported.
TEST_F(FormImportTest, MergingIntoTheCurrentHistoryKeepsItsDraws) {
  const QString csv = testing::WriteFile(dir, "new.csv",
                                         "Date,Result\r\n2011-01-02,358\r\n2011-01-03,111\r\n"
                                         "2011-01-01,222\r\n");
  OpenWithCtrlO(csv, [&] {
    EXPECT_TRUE(form->CheckBox_merge->isEnabled());
    EXPECT_FALSE(form->CheckBox_merge->isChecked());
    EXPECT_EQ(form->Summary().draws, 3u);
    form->CheckBox_merge->click();
    EXPECT_EQ(form->Summary().inputs.size(), 2u);
    EXPECT_EQ(form->Summary().draws, 6u);  // 4 + 3, one repeated
    EXPECT_EQ(form->Summary().duplicatesDropped, 1);
    EXPECT_EQ(form->Summary().conflictCount, 2u);  // the unknown draw times of 01.01 and 02.01 hold two results
    EXPECT_EQ(ColumnTexts(), (QStringList{"date", "result"}));  // the export's lists, not the history's
    EXPECT_TRUE(form->Memo_summary->toPlainText().contains("\n3x10.txt: draw file, 4 lines, 4 draws\n"));
    form->xpButton_OK->click();
  });
  EXPECT_EQ(Read("3x10.txt"), QByteArray("1 01.01.2011 Sat - 3 1 4 x\r\n2 01.01.2011 Sat - 5 9 2 x\r\n"
                                         "3 01.01.2011 Sat - 2 2 2 x\r\n4 02.01.2011 Sun - 3 5 8 x\r\n"
                                         "5 02.01.2011 Sun - 9 7 9 x\r\n6 03.01.2011 Mon - 1 1 1 x\r\n"));
  EXPECT_EQ(Read("3x10.txt.bak"), kFourDraws);
  EXPECT_EQ(main->History().Count(), 6);
}

}  // namespace
}  // namespace drawlyze
