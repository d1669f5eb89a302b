// The import window as the user meets it: Ctrl+O on an export, the proposed
// columns, an override, OK saving beside a backup and loading.
#include "gui/form_import.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTimer>

#include "gui/form1.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "qt_app.h"

namespace drawlyze {
namespace {

const QByteArray kFourDraws =
    "1 01.01.2011 a b 3 1 4 x\r\n"
    "2 01.01.2011 a b 5 9 2 x\r\n"
    "3 02.01.2011 a b 3 5 8 x\r\n"
    "4 02.01.2011 a b 9 7 9 x\r\n";

class FormImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::App();
    gui::g_messageHook = [this](const QString& text) { messages << text; };
    gui::g_saveFileHook = [this](const QString& proposed) {
      proposedSave = proposed;
      return saveAs;
    };
    drawPath = testing::WriteFile(folder, "3x10.txt", kFourDraws);
    saveAs = drawPath;
    model.SetFolder(folder.path());
    forms = std::make_unique<gui::Forms>(model, drawPath.toLocal8Bit().constData());
    main = forms->Form1;
    form = forms->Form_import;
  }
  void TearDown() override {
    forms.reset();
    gui::g_messageHook = nullptr;
    gui::g_saveFileHook = nullptr;
    gui::g_openFileHook = nullptr;
  }

  // Ctrl+O on the export; inside the modal window, then runs.
  void OpenWithCtrlO(const QString& path, const std::function<void()>& then) {
    gui::g_openFileHook = [path](const QString&) { return path; };
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
    QFile file(folder.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  QTemporaryDir folder;
  QString drawPath;
  QString saveAs;
  QString proposedSave;
  QStringList messages;
  gui::Model model;
  std::unique_ptr<gui::Forms> forms;
  TForm1* main = nullptr;
  TForm_import* form = nullptr;
};

TEST_F(FormImportTest, MappingShownOverriddenSavedWithABackupAndLoaded) {
  const QString csv = testing::WriteFile(folder, "export.csv",
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
  EXPECT_EQ(proposedSave, QDir(folder.path()).filePath("3x10.txt"));
  EXPECT_EQ(Read("3x10.txt"), QByteArray("1 13.01.2021 Wed Mid 4 5 6 x\r\n2 13.01.2021 Wed Eve 1 2 3 x\r\n"
                                         "3 14.01.2021 Thu Mid 0 1 2 x\r\n4 14.01.2021 Thu Eve 7 8 9 x\r\n"));
  EXPECT_EQ(Read("3x10.txt.bak"), kFourDraws);
  EXPECT_EQ(main->History().Count(), 4);
  EXPECT_EQ(main->History().DateText(0), std::string("14.01.2021"));
  EXPECT_EQ(messages, QStringList{"4 draws saved to " + drawPath + ".\nThe previous file is kept as 3x10.txt.bak."});
}

TEST_F(FormImportTest, DayOrderWhenTheDatesNeedItAndCancelKeepsAll) {
  const QString csv = testing::WriteFile(folder, "dates.csv", "Date,Result\r\n01/02/2021,123\r\n03/02/2021,456\r\n");
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
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{"3x10.txt", "dates.csv"}));
  EXPECT_EQ(main->History().Count(), 4);
  EXPECT_TRUE(messages.isEmpty());
}

}  // namespace
}  // namespace drawlyze
