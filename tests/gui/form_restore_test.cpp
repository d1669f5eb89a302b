// File → Restore a backup…: the backups beside the draw file, listed and put
// back without losing the file they replace.
#include "gui/form_restore.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QTimer>

#include "forms_test.h"
#include "gui/form1.h"
#include "gui/forms.h"
#include "gui/model.h"

namespace drawlyze {
namespace {

using testing::kFourDraws;
const QByteArray kOneDraw = "1 31.12.2010 a b 1 2 3 x\r\n";
const QByteArray kTwoDraws = "1 01.01.2011 a b 3 1 4 x\r\n2 01.01.2011 a b 5 9 2 x\r\n";

class FormRestoreTest : public testing::FormsTest {
 protected:
  void SetUp() override { OpenForms(kFourDraws); }
  // A backup last modified this many seconds ago.
  void WriteBackup(const QString& name, const QByteArray& text, qint64 ago) {
    const QString file = testing::WriteFile(dir, name, text);
    const qint64 at = QDateTime::currentSecsSinceEpoch() - ago;
    const timeval times[2] = {{at, 0}, {at, 0}};
    ASSERT_EQ(::utimes(QFile::encodeName(file).constData(), times), 0);
  }
  QByteArray Read(const QString& name) const {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  // File → Restore a backup…; inside the modal window, then runs.
  void OpenRestore(const std::function<void(TForm_restore*)>& then) {
    TForm_restore* form = forms->Form_restore;
    QTimer::singleShot(0, form, [form, then] { then(form); });
    main->MenuBar1->findChild<QAction*>("RestoreBackup1")->trigger();
  }
};

TEST_F(FormRestoreTest, WithNoBackupsItSaysSo) {
  bool opened = false;
  OpenRestore([&](TForm_restore* form) {
    opened = form->isVisible();
    form->reject();
  });
  QApplication::processEvents();
  EXPECT_FALSE(opened);
  EXPECT_EQ(messages, QStringList{"There are no backups of 3x10.txt in " + dir.path() +
                                  ": an update or an import keeps one each time it replaces the draw file."});
}

TEST_F(FormRestoreTest, ListsTheBackupsAndARestoreKeepsTheReplacedFile) {
  WriteBackup("3x10.txt.bak", kOneDraw, 3 * 86400 + 60);
  WriteBackup("3x10.txt[1].bak", kTwoDraws, 2 * 3600 + 5);
  QList<QStringList> rows;
  OpenRestore([&](TForm_restore* form) {
    EXPECT_EQ(form->windowTitle(), "Restore a backup");
    EXPECT_EQ(form->Label1->text(), "Backups of " + path + ":");
    for (int i = 0; i < form->ListView_backups->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = form->ListView_backups->topLevelItem(i);
      rows << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)};
    }
    // The newest backup is chosen first; the user takes the older one.
    EXPECT_EQ(form->ListView_backups->currentItem()->text(0), "3x10.txt[1].bak");
    form->ListView_backups->setCurrentItem(form->ListView_backups->topLevelItem(1));
    form->xpButton_Restore->click();
  });
  EXPECT_EQ(rows, (QList<QStringList>{{"3x10.txt[1].bak", "2", "01.01.2011", "2 hours ago"},
                                      {"3x10.txt.bak", "1", "31.12.2010", "3 days ago"}}));
  EXPECT_FALSE(forms->Form_restore->isVisible());
  EXPECT_EQ(Read("3x10.txt"), kOneDraw);
  EXPECT_EQ(Read("3x10.txt[2].bak"), kFourDraws);  // the replaced file, kept
  EXPECT_EQ(Read("3x10.txt.bak"), kOneDraw);
  EXPECT_EQ(Read("3x10.txt[1].bak"), kTwoDraws);
  EXPECT_EQ(main->History().Count(), 1);  // reloaded
  EXPECT_EQ(messages,
            QStringList{"3x10.txt.bak is restored as 3x10.txt.\nThe replaced file is kept as 3x10.txt[2].bak."});
}

TEST_F(FormRestoreTest, ABackupWithoutDrawsIsRefusedAndNothingChanges) {
  WriteBackup("3x10.txt.bak", "nothing here\r\n", 60);
  OpenRestore([&](TForm_restore* form) {
    form->xpButton_Restore->click();
    EXPECT_TRUE(form->isVisible());  // the user may choose another
    form->reject();
  });
  EXPECT_EQ(messages, QStringList{"Error - 3x10.txt.bak holds no valid draw; 3x10.txt stays as it is"});
  EXPECT_EQ(Read("3x10.txt"), kFourDraws);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{"3x10.txt", "3x10.txt.bak"}));
  EXPECT_EQ(main->History().Count(), 4);
}

}  // namespace
}  // namespace drawlyze
