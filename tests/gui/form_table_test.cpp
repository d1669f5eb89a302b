// The Table window and the State dialog, without a display.
#include "gui/form_table.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "gui/form1.h"
#include "gui/form_stat.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "qt_app.h"

namespace drawlyze {
namespace {

// Newest first: 8 9 3 (sum 20), 9 9 7 (25), 0 0 0 (0), 9 0 5 (14), 2 4 6 (12).
const QByteArray kFiveDraws =
    "101 01.01.2011 a b 2 4 6 x\r\n"
    "102 01.01.2011 a b 9 0 5 x\r\n"
    "103 02.01.2011 a b 0 0 0 x\r\n"
    "104 02.01.2011 a b 9 9 7 x\r\n"
    "105 03.01.2011 a b 8 9 3 x\r\n";

constexpr int kSum = 4;
constexpr int kFirstEven = 9;

class FormTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::App();
    gui::g_messageHook = [this](const QString& text) { messages << text; };
    forms =
        std::make_unique<gui::Forms>(model, testing::WriteFile(dir, "3x10.txt", kFiveDraws).toLocal8Bit().constData());
    Form1 = forms->Form1;
    Form_Table = forms->Form_Table;
    Form_Stat = forms->Form_Stat;
    settingsPath = dir.filePath("stats_pick_3.txt");
    Form_Stat->SetSettingsPath(settingsPath);
  }
  void TearDown() override {
    Form_Stat->hide();
    Form_Table->hide();
    forms.reset();
    gui::g_messageHook = nullptr;
  }

  static QStringList ClipboardLines() {
    QStringList lines = QGuiApplication::clipboard()->text().split("\r\n");
    EXPECT_EQ(lines.takeLast(), "") << "every line ends with CR LF";
    return lines;
  }
  void DoubleClick(int row, int column) const {
    QTableWidget* grid = Form_Table->StringGrid1;
    grid->setCurrentCell(row, column);
    const QPointF at = grid->visualRect(grid->model()->index(row, column)).center();
    QMouseEvent event(QEvent::MouseButtonDblClick, at, grid->viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &event);
  }
  void Escape(Qt::KeyboardModifiers mods) const {
    QKeyEvent event(QEvent::KeyPress, Qt::Key_Escape, mods);
    QApplication::sendEvent(Form_Table->StringGrid1, &event);
  }
  void ShowState() const {
    Form_Table->show();
    Form_Stat->show();
  }
  QString Above(int column) const { return Form_Stat->Label_above[column]->text(); }
  QString Below(int column) const { return Form_Stat->Label_below[column]->text(); }
  QByteArray SettingsFile() const {
    QFile file(settingsPath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  }

  QTemporaryDir dir;
  QString settingsPath;
  QStringList messages;
  gui::Model model;
  std::unique_ptr<gui::Forms> forms;
  TForm1* Form1 = nullptr;
  TForm_Table* Form_Table = nullptr;
  TForm_Stat* Form_Stat = nullptr;
};

TEST_F(FormTableTest, ShowingBuildsOneRowPerDrawNewestFirst) {
  Form_Table->show();
  const QTableWidget* grid = Form_Table->StringGrid1;
  ASSERT_EQ(grid->rowCount(), 5);
  ASSERT_EQ(grid->columnCount(), 14);
  EXPECT_EQ(Form_Table->HeaderText(0), QString::fromUtf8("\u2116"));
  EXPECT_EQ(Form_Table->HeaderText(1), "Date");
  EXPECT_EQ(Form_Table->HeaderText(7), "Even > Odd");
  const QString newest[14] = {"105", "03.01.2011", "8", "3", "20", "3", "9", "0", "1", "1", "0", "1", "0", "0"};
  for (int c = 0; c < 14; ++c) EXPECT_EQ(grid->item(0, c)->text(), newest[c]) << "column " << c;
  EXPECT_EQ(grid->item(4, 0)->text(), "101");
  EXPECT_EQ(grid->columnWidth(1), 70);
  EXPECT_EQ(grid->columnWidth(7), 70);
  EXPECT_EQ(grid->columnWidth(13), 60);
}

TEST_F(FormTableTest, ShowingAgainFollowsANewlyLoadedFile) {
  Form_Table->show();
  Form_Table->hide();
  ASSERT_TRUE(
      Form1->LoadDrawFile(testing::WriteFile(dir, "two.txt", "7 01.01.2011 a b 1 2 3 x\n8 01.01.2011 a b 4 5 6 x\n")));
  Form_Table->show();
  EXPECT_EQ(Form_Table->StringGrid1->rowCount(), 2);
  EXPECT_EQ(Form_Table->StringGrid1->item(0, kSum)->text(), "15");
}

TEST_F(FormTableTest, DoubleClickCopiesTheColumnAndNamesTheWindowAfterIt) {
  Form_Table->show();
  EXPECT_EQ(Form_Table->windowTitle(), "Table");
  DoubleClick(2, kSum);
  EXPECT_EQ(Form_Table->windowTitle(), "Sum");
  EXPECT_EQ(ClipboardLines(), QStringList({"Sum", "20", "25", "0", "14", "12"}));
  DoubleClick(0, 1);
  EXPECT_EQ(Form_Table->windowTitle(), "Date");
  EXPECT_EQ(ClipboardLines().first(), "Date");
  // The caption stays until the next double click, also across showings.
  Form_Table->hide();
  Form_Table->show();
  EXPECT_EQ(Form_Table->windowTitle(), "Date");
}

TEST_F(FormTableTest, CopyAllPutsFifteenFieldsOnEveryLine) {
  Form_Table->show();
  Form_Table->CopyAll1->trigger();
  const QStringList lines = ClipboardLines();
  ASSERT_EQ(lines.size(), 6);
  for (const QString& line : lines) EXPECT_EQ(line.split('\t').size(), 15) << line.toStdString();
  EXPECT_TRUE(lines[0].startsWith(QString::fromUtf8("\u2116 \tDate \t \tFirst \t")));
  EXPECT_EQ(lines[1], "105 \t03.01.2011 \t8 \t3 \t20 \t3 \t9 \t0 \t \t1 \t1 \t0 \t1 \t0 \t0");
}

TEST_F(FormTableTest, NoDrawsLeavesTheHeaderAlone) {
  ASSERT_TRUE(Form1->LoadDrawFile(testing::WriteFile(dir, "empty.txt", "")));
  Form_Table->show();
  EXPECT_EQ(Form_Table->StringGrid1->rowCount(), 0);
  Form_Table->CopyAll1->trigger();
  EXPECT_EQ(ClipboardLines().size(), 1);
  Form_Table->StringGrid1DblClick();
  EXPECT_EQ(ClipboardLines(), QStringList({QString::fromUtf8("\u2116")}));
}

TEST_F(FormTableTest, EscapeTogglesMaximisedAndNeverCloses) {
  Form_Table->show();
  Escape(Qt::NoModifier);
  EXPECT_TRUE(Form_Table->isMaximized());
  Escape(Qt::ShiftModifier);
  EXPECT_TRUE(Form_Table->isMaximized());
  Escape(Qt::NoModifier);
  EXPECT_FALSE(Form_Table->isMaximized());
  EXPECT_TRUE(Form_Table->isVisible());
}

TEST_F(FormTableTest, StateButtonOpensTheDialogModally) {
  Form_Table->show();
  bool wasShown = false;
  QTimer::singleShot(0, [&] {
    wasShown = Form_Stat->isVisible() && Form_Stat->Edit_threshold[2] != nullptr;
    Form_Stat->close();
  });
  Form_Table->xpButton_Stat->click();
  EXPECT_TRUE(wasShown);
  EXPECT_EQ(Form_Stat->Edit_threshold[2], nullptr) << "the built controls go with the hiding";
  EXPECT_EQ(SettingsFile().count("\r\n"), 12);
}

TEST_F(FormTableTest, StateBlocksSitAtTheirPlaces) {
  ShowState();
  const struct {
    int column, x, y;
  } places[] = {{2, 10, 0},    {4, 110, 0},  {6, 210, 0},   {7, 10, 100},
                {8, 110, 100}, {9, 10, 200}, {10, 70, 200}, {13, 250, 200}};
  for (const auto& p : places) {
    EXPECT_EQ(Form_Stat->Label_column[p.column]->pos(), QPoint(p.x, p.y + 10)) << p.column;
    EXPECT_EQ(Form_Stat->Label_above[p.column]->pos(), QPoint(p.x, p.y + 30)) << p.column;
    EXPECT_EQ(Form_Stat->Edit_threshold[p.column]->geometry().topLeft(), QPoint(p.x, p.y + 50)) << p.column;
    EXPECT_EQ(Form_Stat->Edit_threshold[p.column]->width(), 40);
    EXPECT_EQ(Form_Stat->Label_below[p.column]->pos(), QPoint(p.x, p.y + 80)) << p.column;
  }
  EXPECT_EQ(Form_Stat->Label_column[4]->text(), "Sum");
  EXPECT_FALSE(Form_Stat->Label_below[7]->isVisible());
  EXPECT_FALSE(Form_Stat->Label_below[8]->isVisible());
  EXPECT_TRUE(Form_Stat->Label_below[9]->isVisible());
  EXPECT_EQ(Form_Stat->xpButton_Calculate->geometry(), QRect(224, 146, 73, 25));
}

TEST_F(FormTableTest, StateLoadsAShortFileAndShowsNUntilCalculated) {
  testing::WriteFile(dir, "stats_pick_3.txt", "5\r\n3\r\n15\r\n\xE9t\xE9\r\n");
  ShowState();
  EXPECT_EQ(Form_Stat->Edit_threshold[2]->text(), "5");
  EXPECT_EQ(Form_Stat->Edit_threshold[3]->text(), "3");
  EXPECT_EQ(Form_Stat->Edit_threshold[4]->text(), "15");
  EXPECT_EQ(Form_Stat->Edit_threshold[5]->text(), QString::fromUtf8("\u00E9t\u00E9"));  // a single-byte file
  EXPECT_EQ(Form_Stat->Edit_threshold[6]->text(), "1");
  for (int c = 2; c < 14; ++c) EXPECT_EQ(Above(c), "N");

  Form_Stat->Edit_threshold[5]->setText("abc");
  Form_Stat->Edit_threshold[kFirstEven]->setText("0.5");
  Form_Stat->Edit_threshold[6]->setText(" 9 ");
  Form_Stat->xpButton_Calculate->click();
  EXPECT_EQ(Above(kSum), "2");  // sums 20, 25, 0: threshold 15
  EXPECT_EQ(Below(kSum), "0");
  EXPECT_EQ(Above(5), "N");
  EXPECT_EQ(Below(5), "N");
  EXPECT_EQ(Above(kFirstEven), "1");  // First Even 1, 0: threshold 0.5
  EXPECT_EQ(Below(kFirstEven), "0");
  EXPECT_EQ(Above(6), "0");  // the newest Max equals 9
  EXPECT_EQ(Below(6), "0");
  EXPECT_EQ(Above(2), "2");  // First 8, 9, 0 above 5
}

TEST_F(FormTableTest, StateSavesOnHideAndShowsTheTextAgain) {
  ShowState();
  Form_Stat->Edit_threshold[kSum]->setText("13.5");
  Form_Stat->Edit_threshold[13]->setText("x y");
  Form_Stat->hide();
  EXPECT_EQ(SettingsFile(), "1\r\n1\r\n13.5\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\nx y\r\n");
  EXPECT_EQ(Form_Stat->RememberedThresholds()[2], "13.5");
  EXPECT_TRUE(messages.isEmpty());
  Form_Stat->show();
  EXPECT_EQ(Form_Stat->Edit_threshold[kSum]->text(), "13.5");
  EXPECT_EQ(Above(kSum), "N");
}

TEST_F(FormTableTest, StateReportsASettingsFileThatCannotBeWritten) {
  const QString unwritable = dir.filePath("no such folder/stats_pick_3.txt");
  Form_Stat->SetSettingsPath(unwritable);
  ShowState();
  Form_Stat->Edit_threshold[3]->setText("4");
  Form_Stat->hide();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("stats_pick_3.txt")) << messages[0].toStdString();
  // The thresholds are still remembered for this run.
  EXPECT_EQ(Form_Stat->RememberedThresholds()[1], "4");
  Form_Stat->show();
  EXPECT_EQ(Form_Stat->Edit_threshold[3]->text(), "4");
}

}  // namespace
}  // namespace drawlyze
