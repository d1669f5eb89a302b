// The main window's menu bar: every entry runs its handler (the one its
// button runs, where it has one), its keys are the platform's standard keys,
// and "Open recent" lists the files opened last.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QKeyEvent>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSet>
#include <QTimer>
#include <functional>

#include "core/files/recent_files.h"
#include "core/views/views.h"
#include "forms_test.h"
#include "gui/form_filters.h"
#include "gui/form_help.h"
#include "gui/form_import.h"
#include "gui/form_plays.h"
#include "gui/form_restore.h"
#include "gui/form_sieve.h"
#include "gui/form_statistics.h"
#include "gui/form_table.h"
#include "gui/form_trends.h"
#include "gui/form_updater.h"
#include "gui/recent_files.h"
#include "update/updater/update_sources.h"

namespace drawlyze {
namespace {

using testing::kFourDraws;

class Form1MenuTest : public testing::FormsTest {
 protected:
  void SetUp() override {
    OpenForms(kFourDraws);
    main->show();
  }
  QAction* Entry(const QString& name) const { return main->MenuBar1->findChild<QAction*>(name); }
  // Triggers the entry; a window it opens modally is noted and closed.
  QWidget* Trigger(const QString& name) {
    QWidget* modal = nullptr;
    QTimer::singleShot(0, main, [&] {
      modal = QApplication::activeModalWidget();
      if (modal) modal->close();
    });
    Entry(name)->trigger();
    QApplication::processEvents();
    return modal;
  }
  void Key(int key, Qt::KeyboardModifiers mods) {
    QKeyEvent event(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(main->StringGrid1, &event);
  }
};

TEST_F(Form1MenuTest, EveryEntryRunsItsHandler) {
  const QString other = testing::WriteFile(dir, "other.txt", "1 01.01.2020 a b 7 8 9 x\n");
  const QString csv = testing::WriteFile(dir, "rows.csv", "Draw Date,Midday Daily #\n01/13/2024,123\n");
  QStringList saveTypes;
  gui::g_saveFileTypeHook = [&](const QString& proposed, const QStringList& types, int&) {
    saveTypes << QFileInfo(proposed).fileName() + ":" + types.join(',');
    return QString();
  };
  const auto savedOnce = [&](const char* expected) {
    const bool ok = saveTypes == QStringList{expected};
    saveTypes.clear();
    return ok;
  };
  const struct Case {
    const char* entry;
    std::function<void()> before;
    std::function<bool(QWidget* modal)> ran;
  } cases[] = {
      {"SaveChartImage1", {}, [&](QWidget*) { return savedOnce("Skips.png:PNG image (*.png),SVG image (*.svg)"); }},
      {"SaveText1", {}, [&](QWidget*) { return savedOnce("Skips.txt:Text (*.txt)"); }},
      {"ExportPdf1", {}, [&](QWidget*) { return savedOnce("Skips.pdf:PDF (*.pdf)"); }},
      {"Print1",
       [&] {
         gui::g_printDialogHook = [&](QPrinter&) {
           saveTypes << "print dialog";
           return false;  // cancelled: nothing printed
         };
       },
       [&](QWidget*) { return savedOnce("print dialog"); }},
      {"PrintPreview1",
       [&] { gui::g_printPreviewHook = [&](QPrintPreviewDialog& dialog) { saveTypes << dialog.windowTitle(); }; },
       [&](QWidget*) { return savedOnce("Print preview \u2014 Skips"); }},
      {"CopyText1", [] { QGuiApplication::clipboard()->clear(); },
       [&](QWidget*) { return QGuiApplication::clipboard()->text() == main->CopyText(); }},
      {"CopyImage1", [] { QGuiApplication::clipboard()->clear(); },
       [&](QWidget*) { return QGuiApplication::clipboard()->image().size() == QSize(535, 410); }},
      {"Grid1", {}, [&](QWidget*) { return model.selection.grid.on && main->xpCheckBox_grid->isChecked(); }},
      {"Grid1", {}, [&](QWidget*) { return !model.selection.grid.on; }},
      {"Median1", [&] { main->SelectOption(8); }, [&](QWidget*) { return model.selection.median; }},
      {"SeparationArrow1", [&] { main->SelectOption(6); },
       [&](QWidget*) { return model.selection.separation.layout == SeparationLayout::Ascending; }},
      {"SeparationCenter1",
       {},
       [&](QWidget*) { return model.selection.separation.layout == SeparationLayout::Positional; }},
      {"Statistics1", {}, [&](QWidget* modal) { return modal == forms->Form_statistics; }},
      {"Table1", {}, [&](QWidget* modal) { return modal == forms->Form_Table; }},
      {"Sieve1", {}, [&](QWidget* modal) { return modal == forms->Form_Sieve; }},
      {"Plays1", {}, [&](QWidget* modal) { return modal == forms->Form_plays; }},
      {"Filters1", {}, [&](QWidget* modal) { return modal == forms->Form_filters; }},
      // Not modal: it stays open beside the main window, whose row it follows.
      {"Trends1",
       {},
       [&](QWidget* modal) {
         const bool shown = modal == nullptr && forms->Form_trends->isVisible();
         forms->Form_trends->hide();
         return shown;
       }},
      {"Update1", {}, [&](QWidget* modal) { return modal == forms->Form_updater; }},
      {"UpdateSource1_0",
       {},
       [&](QWidget* modal) {
         return modal == forms->Form_updater &&
                forms->Form_updater->Edit1_url->text().toStdString() == updater::UpdateSources()[0].url;
       }},
      {"UpdateSource1_1",
       {},
       [&](QWidget*) { return forms->Form_updater->Edit1_url->text().toStdString() == updater::kNewYorkNumbersUrl; }},
      {"HelpContents1",
       {},
       [&](QWidget* modal) {
         return modal == forms->Form_help && forms->Form_help->windowTitle() == "Help" &&
                forms->Form_help->Label_windows->isVisibleTo(forms->Form_help);
       }},
      {"HelpKeys1",
       {},
       [&](QWidget* modal) {
         return modal == forms->Form_help && forms->Form_help->windowTitle() == "Keys" &&
                !forms->Form_help->Label_windows->isVisibleTo(forms->Form_help);
       }},
      {"About1", [&] { messages.clear(); },
       [&](QWidget*) {
         return messages.size() == 1 && messages[0].startsWith("Drawlyze Pick 3 1.0\n") &&
                messages[0].contains("Licence: ");
       }},
      {"RestoreBackup1", [&] { testing::WriteFile(dir, "3x10.txt.bak", kFourDraws); },
       [&](QWidget* modal) {
         return modal == forms->Form_restore && forms->Form_restore->ListView_backups->topLevelItemCount() == 1;
       }},
      {"ImportResults1", [&] { gui::g_openFileHook = [&](const QString&) { return csv; }; },
       [&](QWidget* modal) { return modal == forms->Form_import && forms->Form_import->History().draws.size() == 1; }},
      {"OpenDrawFile1", [&] { gui::g_openFileHook = [&](const QString&) { return other; }; },
       [&](QWidget*) { return model.history.Count() == 1 && model.drawFile == other.toStdString(); }},
      {"Quit1", {}, [&](QWidget*) { return !main->isVisible(); }},
  };
  QSet<QString> tested;
  for (int option = kOptionCount - 1; option >= 0; --option) {
    const QString name = QString("Option1_%1").arg(option);
    Trigger(name);
    EXPECT_EQ(model.selection.option, option);
    EXPECT_EQ(main->RadioGroup1Buttons->checkedId(), option);
    tested << name;
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    ASSERT_NE(Entry(c.entry), nullptr);
    if (c.before) c.before();
    ASSERT_TRUE(Entry(c.entry)->isEnabled());
    EXPECT_TRUE(c.ran(Trigger(c.entry)));
    tested << c.entry;
  }
  // Every other source of the catalogue puts its own address in the Updater.
  const std::vector<updater::UpdateSource> sources = updater::UpdateSources();
  for (std::size_t k = 2; k < sources.size(); ++k) {
    const QString name = QString("UpdateSource1_%1").arg(k);
    SCOPED_TRACE(name.toStdString());
    Trigger(name);
    EXPECT_EQ(forms->Form_updater->Edit1_url->text().toStdString(), sources[k].url);
    EXPECT_EQ(forms->Form_updater->CurrentSource(), static_cast<int>(k));
    tested << name;
  }
  // A new entry comes with its row above.
  for (const QAction* action : main->MenuBar1->findChildren<QAction*>()) {
    if (!action->objectName().isEmpty() && !action->menu() && !action->objectName().startsWith("Recent1_")) {
      EXPECT_TRUE(tested.contains(action->objectName())) << action->objectName().toStdString();
    }
  }
}

TEST_F(Form1MenuTest, EntriesFollowTheControlsTheyStandFor) {
  main->SelectOption(0);
  EXPECT_FALSE(Entry("Median1")->isEnabled());
  EXPECT_FALSE(Entry("SeparationArrow1")->isEnabled());
  EXPECT_TRUE(Entry("Option1_0")->isChecked());
  main->SelectOption(8);  // through the option group
  EXPECT_TRUE(Entry("Median1")->isEnabled());
  EXPECT_TRUE(Entry("Option1_8")->isChecked());
  EXPECT_FALSE(Entry("Option1_0")->isChecked());
  main->xpCheckBox_median->click();
  EXPECT_TRUE(Entry("Median1")->isChecked());
  EXPECT_TRUE(Entry("Sieve1")->isEnabled());  // the patterns can be edited whatever the option
}

TEST_F(Form1MenuTest, KeysAreThePlatformsAndRunTheirEntries) {
  const struct {
    const char* entry;
    QKeySequence::StandardKey key;
  } keys[] = {{"OpenDrawFile1", QKeySequence::Open}, {"SaveChartImage1", QKeySequence::Save},
              {"CopyText1", QKeySequence::Copy},     {"Quit1", QKeySequence::Quit},
              {"Print1", QKeySequence::Print},       {"HelpContents1", QKeySequence::HelpContents}};
  for (const auto& k : keys) EXPECT_EQ(Entry(k.entry)->shortcuts(), QKeySequence::keyBindings(k.key)) << k.entry;
  int asked = 0;
  gui::g_openFileHook = [&](const QString&) {
    ++asked;
    return QString();
  };
  Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(asked, 1);
  // Quit has a key where the desktop has one (Ctrl+Q on Linux desktops, none in Windows' scheme).
  const QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
  if (!quit.isEmpty()) {
    const QKeyCombination key = quit[0][0];
    Key(key.key(), key.keyboardModifiers());
    EXPECT_FALSE(main->isVisible());
  }
}

TEST_F(Form1MenuTest, OpenRecentListsTheFilesOpenedLast) {
  const QString a = testing::WriteFile(dir, "a.txt", "1 01.01.2020 a b 1 2 3 x\n");
  const QString b = testing::WriteFile(dir, "b.txt", "1 01.01.2020 a b 4 5 6 x\n2 02.01.2020 a b 4 5 6 x\n");
  for (const QString& opened : {a, b, a}) {
    gui::g_openFileHook = [&](const QString&) { return opened; };
    Trigger("OpenDrawFile1");
  }
  EXPECT_EQ(gui::RecentFiles(model.Folder()), (QStringList{a, b}));
  emit main->Menu_recent->aboutToShow();
  QAction* second = main->Menu_recent->findChild<QAction*>("Recent1_1");
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(second->text().endsWith(b));
  second->trigger();
  EXPECT_EQ(model.drawFile, b.toStdString());
  EXPECT_EQ(gui::RecentFiles(model.Folder()), (QStringList{b, a}));

  // A file that went: said once, and off the list.
  QFile::remove(a);
  emit main->Menu_recent->aboutToShow();
  messages.clear();
  main->Menu_recent->findChild<QAction*>("Recent1_1")->trigger();
  EXPECT_EQ(messages, QStringList{"Error - file " + a + " not found!"});
  EXPECT_EQ(gui::RecentFiles(model.Folder()), QStringList{b});
  EXPECT_EQ(model.drawFile, b.toStdString());
}

}  // namespace
}  // namespace drawlyze
