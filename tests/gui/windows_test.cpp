// The windows as a desktop shows them, on a 1024 x 768 screen: the main window
// fits the screen and keeps its parts apart, fixed dialogs offer no minimise or
// maximise, the title names the loaded file, F1 opens the help, the options
// say what they show, "Use Last Draws" takes a typed count, and --screenshot
// answers every message on stderr instead of waiting.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTest>

#include "../update/http/test_server.h"
#include "core/chart/chart.h"
#include "core/import/date_values.h"
#include "core/views/views.h"
#include "forms_test.h"
#include "gui/form1.h"
#include "gui/form_help.h"
#include "gui/form_sieve.h"
#include "gui/form_stat.h"
#include "gui/form_statistics.h"
#include "gui/form_updater.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/model.h"

namespace drawlyze {
namespace {

const QString kDash = QString::fromUtf8(" \u2014 ");

QByteArray Draws(int count, int firstBadLine = 0) {
  QByteArray text;
  for (int i = 1; i <= count; ++i) {
    if (i == firstBadLine) text += "not a draw\n";
    text += QByteArray::number(i) + " 0" + QByteArray::number(1 + i % 9) + ".01.2011 Sat Day " +
            QByteArray::number(i % 10) + ' ' + QByteArray::number(i * 3 % 10) + " 7 x\n";
  }
  return text;
}

class WindowsTest : public testing::FormsTest {
 protected:
  // The titles say how old the newest draw is: counted from a fixed day.
  import::FixedToday today_{import::MakeDayKey(2019, 3, 1)};
  static void SetUpTestSuite() {
    // A desktop of the smallest common size, before the application starts.
    static QTemporaryDir config;
    if (!QCoreApplication::instance()) {
      testing::WriteFile(config, "screen.json",
                         R"({"screens": [{"name": "Desk", "x": 0, "y": 0, "width": 1024, "height": 768,
                              "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
      qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.filePath("screen.json").toLocal8Bit());
    }
    testing::App();
  }
  void SetUp() override {
    OpenForms(Draws(30));
    form = main;
  }

  TForm1* form = nullptr;
};

TEST_F(WindowsTest, MainWindowFitsTheScreenAndKeepsItsPartsApart) {
  form->show();
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE(form->frameGeometry().height(), area.height());
  EXPECT_GE(form->frameGeometry().top(), area.top());

  // At its smallest the table starts below the chart's rows and every control stays inside.
  form->resize(form->minimumSize());
  EXPECT_EQ(form->size(), form->minimumSize());
  EXPECT_GE(form->StringGrid1->y(), kChartVisibleHeight);
  for (QWidget* control : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (control->isWindow()) continue;
    EXPECT_TRUE(form->rect().contains(control->geometry())) << control->objectName().toStdString();
  }
  form->hide();
}

TEST_F(WindowsTest, DialogsKeepTheirDesignedCaptionsAndFixedOnesCannotBeMaximised) {
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());  // no suffix on titles
  EXPECT_EQ(gui::ApplicationTitle(), "Drawlyze 3x10");
  const std::pair<QWidget*, const char*> captions[] = {
      {static_cast<QWidget*>(forms->Form_Sieve), "Sieve"},
      {static_cast<QWidget*>(forms->Form_updater), "Updater"},
      {static_cast<QWidget*>(forms->Form_statistics), "Statistics"},
      {static_cast<QWidget*>(forms->Form_Stat), "State"},
  };
  for (const auto& [window, caption] : captions) {
    SCOPED_TRACE(caption);
    EXPECT_EQ(window->windowTitle(), caption);
  }
  int fixed = 0;
  for (QWidget* window : form->findChildren<QWidget*>()) {
    if (!window->isWindow() || window->minimumSize() != window->maximumSize()) continue;
    ++fixed;
    SCOPED_TRACE(window->objectName().toStdString());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
  }
  EXPECT_GE(fixed, 5);  // Sieve, Updater, Statistics, State, help
}

TEST_F(WindowsTest, TitleNamesTheFileItsDrawsAndTheNewestDate) {
  EXPECT_EQ(form->windowTitle(),
            "3x10.txt" + kDash + "30 draws, newest 04.01.2011, 2978 days ago" + kDash + "Drawlyze Pick 3");

  const QString other = testing::WriteFile(dir, "other.txt", "7 28.02.2019 Thu Eve 1 2 3 x\n");
  gui::g_openFileHook = [&](const QString&) { return other; };
  QTest::keyClick(form->StringGrid1, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(form->windowTitle(),
            "other.txt" + kDash + "1 draw, newest 28.02.2019, yesterday" + kDash + "Drawlyze Pick 3");

  ASSERT_TRUE(model.LoadDrawFile(testing::WriteFile(dir, "empty.txt", ""), form));
  EXPECT_EQ(form->windowTitle(), "empty.txt" + kDash + "0 draws" + kDash + "Drawlyze Pick 3");
}

TEST_F(WindowsTest, TitleFollowsAnUpdate) {
  QTemporaryDir served;
  testing::WriteFile(served, "loto3.txt", Draws(12));
  testing::TestServer server({"--root", served.path()});
  ASSERT_TRUE(server.Ok());
  gui::g_questionHook = [](const QString&) { return true; };
  forms->Form_updater->Edit1_url->setText(QString::fromStdString(server.Url("/zip/loto3.txt")));
  forms->Form_updater->xpButton_Update->click();
  gui::g_questionHook = nullptr;
  EXPECT_EQ(form->windowTitle(),
            "3x10.txt" + kDash + "12 draws, newest 04.01.2011, 2978 days ago" + kDash + "Drawlyze Pick 3");
}

TEST_F(WindowsTest, F1OpensTheHelpFromAnyWindowAndEachOptionSaysWhatItShows) {
  for (QWidget* window : {static_cast<QWidget*>(form), static_cast<QWidget*>(forms->Form_statistics)}) {
    SCOPED_TRACE(window->objectName().toStdString());
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_F1);
    EXPECT_TRUE(forms->Form_help->isVisible());
    EXPECT_TRUE(forms->Form_help->isModal());
    forms->Form_help->close();
    window->hide();
  }
  const QString help = forms->Form_help->Label_keys->text();
  for (const char* key : {"Ctrl+O", "Ctrl+C", "Ctrl+S", "Esc", "Double click", "Right click", "F1"})
    EXPECT_TRUE(help.contains(key)) << key;

  QStringList hints;
  for (int i = 0; i < kOptionCount; ++i) {
    const QString hint = form->RadioGroup1Buttons->button(i)->toolTip();
    EXPECT_EQ(hint, OptionHint(i));
    EXPECT_FALSE(hint.isEmpty() || hint.contains('\n')) << i;
    hints << hint;
  }
  hints.removeDuplicates();
  EXPECT_EQ(hints.size(), kOptionCount);
}

TEST_F(WindowsTest, UseLastDrawsTakesATypedCount) {
  struct Case {
    QComboBox* combo;
    std::function<int()> count;
  } cases[] = {
      {form->ComboBox_last_draws, [&] { return model.selection.lastDraws.value_or(-1); }},
      {forms->Form_statistics->ComboBox_last_draws, [&] { return model.selection.reportLastDraws.value_or(-1); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.combo->window()->objectName().toStdString());
    ASSERT_TRUE(c.combo->isEditable());
    QLineEdit* edit = c.combo->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, "17");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(c.count(), 17);
    EXPECT_EQ(c.combo->currentIndex(), 16);
    // No count beyond the draws, nothing but digits; what was refused leaves the count alone.
    for (const char* refused : {"31", "0", "x"}) {
      edit->selectAll();
      QTest::keyClicks(edit, refused);
      QTest::keyClick(edit, Qt::Key_Return);
      EXPECT_EQ(c.count(), 17) << refused;
      EXPECT_EQ(c.combo->currentText(), "17") << refused;
    }
  }
}

// A long history with an incorrect line would stop the program on two message boxes.
TEST(ScreenshotMode, NeverWaitsOnADialog) {
  QTemporaryDir dir;
  const QString history = testing::WriteFile(dir, "long.txt", Draws(25000, 7));
  QProcess app;
  app.start(DRAWLYZE_APP, {"--screenshot", dir.filePath("shot.png"), history});
  ASSERT_TRUE(app.waitForStarted());
  const bool finished = app.waitForFinished(120000);
  if (!finished) app.kill();
  ASSERT_TRUE(finished) << "drawlyze --screenshot waited";
  const QString err = QString::fromUtf8(app.readAllStandardError());
  EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(app.exitCode(), 0) << err.toStdString();
  EXPECT_TRUE(err.contains("drawlyze: Error - incorrect lines: 7 ")) << err.toStdString();
  // The store's limit is said in the title and the status bar, in no box.
  EXPECT_FALSE(err.contains("older lines were not loaded")) << err.toStdString();
  EXPECT_TRUE(QFile::exists(dir.filePath("shot.png")));
}

}  // namespace
}  // namespace drawlyze
