// The Updater window under an offscreen platform, against a local server:
// Update fills the list and reloads the main window; a failure says why and
// leaves the main window's draws alone.
#include "gui/form_updater.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>

#include "../update/http/test_server.h"
#include "forms_test.h"
#include "gui/form1.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "shown_message_boxes.h"
#include "update/updater/remembered_source.h"
#include "update/updater/update_sources.h"

namespace drawlyze {
namespace {

using testing::kFourDraws;
const QByteArray kTwoDraws =
    "1 01.01.2011 Sat Day 4 9 1 x\r\n"
    "2 01.01.2011 Sat Eve 9 1 5 x\r\n";

// Another game's draws on the days of the four in place, and one day more.
const QByteArray kOtherGame =
    "1 01.01.2011 Sat Day 1 1 1 x\r\n2 01.01.2011 Sat Eve 2 2 2 x\r\n3 02.01.2011 Sun Day 3 3 3 x\r\n"
    "4 02.01.2011 Sun Eve 4 4 4 x\r\n5 03.01.2011 Mon Day 5 5 5 x\r\n";

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

using testing::ShownMessageBoxes;

class FormUpdaterTest : public testing::FormsTest {
 protected:
  static void SetUpTestSuite() {
    testing::App();
    served_ = new QTemporaryDir;
    testing::WriteFile(*served_, "readme.txt", "Pick 3 results\r\n");
    testing::WriteFile(*served_, "loto3.txt", kTwoDraws);
    testing::WriteFile(*served_, "loto3_other.txt", kOtherGame);
    server_ = new testing::TestServer({"--root", served_->path()});
  }
  static void TearDownTestSuite() {
    delete server_;
    delete served_;
  }

  void SetUp() override {
    ASSERT_TRUE(server_->Ok());
    gui::g_questionHook = [this](const QString& text) {
      questions << text;
      return answer;
    };
    OpenForms(kFourDraws);
    form = forms->Form_updater;
  }

  // Every file of the folder with its bytes.
  std::map<QString, QByteArray> FolderBytes() const {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
      files[name] = ReadBytes(dir.filePath(name));
    return files;
  }

  QStringList questions;
  bool answer = true;  // the served draws are older than the four in place
  TForm_updater* form = nullptr;
  static inline QTemporaryDir* served_ = nullptr;
  static inline testing::TestServer* server_ = nullptr;
};

// The history's remembered source is proposed when the window opens; a source the
// user chose afterwards stands.
TEST_F(FormUpdaterTest, ProposesTheSourceTheHistoryCameFrom) {
  ASSERT_TRUE(updater::RememberSource(form->ProgramFolder().toStdString(), DrawFileName(), "tx-pick3"));
  form->show();
  const std::vector<updater::UpdateSource> sources = updater::UpdateSources();
  ASSERT_GE(form->CurrentSource(), 0);
  EXPECT_EQ(sources[static_cast<std::size_t>(form->CurrentSource())].catalogueName, "tx-pick3");
  EXPECT_TRUE(form->Edit1_url->text().endsWith("pick3morning.csv"));
  form->hide();
  form->SelectSource(1);
  form->show();
  EXPECT_EQ(form->CurrentSource(), 1);
  form->hide();
}

TEST_F(FormUpdaterTest, ControlsAtCreation) {
  EXPECT_EQ(form->windowTitle(), "Updater");
  EXPECT_EQ(form->size(), QSize(560, 200));
  EXPECT_EQ(form->ArchiveName, "loto3_txt.zip");
  // New York's export is the default source; the results directory stands first, then
  // the lotteries under a heading for each state that cannot be chosen.
  QStringList listed;
  for (int i = 0; i < form->ComboBox_source->count(); ++i)
    listed << (form->ComboBox_source->itemData(i, Qt::UserRole + 1).isValid() ? "" : "# ") +
                  form->ComboBox_source->itemText(i);
  EXPECT_EQ(listed.join("\n").toStdString(),
            "Results directory (ZIP)\n# New York\nNew York Numbers, midday and evening (open data CSV)\n"
            "New York Numbers, midday and evening (open data JSON)\n# Pennsylvania\n"
            "Pennsylvania Pick 3 Day (JSON, one file a year)\nPennsylvania Pick 3 Evening (JSON, one file a year)\n"
            "# Texas\nTexas Pick 3, morning, day, evening and night (four CSV files)\n# Georgia\n"
            "Georgia Cash 3, midday, evening and night (JSON, newest page, unverified)");
  EXPECT_EQ(form->ComboBox_source->currentText(), "New York Numbers, midday and evening (open data CSV)");
  EXPECT_EQ(form->CurrentSource(), 1);
  EXPECT_EQ(form->Edit1_url->text(), "https://data.ny.gov/api/views/hsys-3def/rows.csv?accessType=DOWNLOAD");
  form->SelectSource(0);
  EXPECT_EQ(form->ComboBox_source->currentText(), "Results directory (ZIP)");
  EXPECT_TRUE(form->Edit1_url->text().endsWith("/loto3_txt.zip"));
  EXPECT_EQ(form->Edit2_mask->text(), "loto*.txt");
  EXPECT_EQ(form->ListBox1->count(), 0);
  const std::pair<QWidget*, const char*> names[] = {
      {form->Label1, "Label1"},
      {form->ListBox1, "ListBox1"},
      {form->Label2, "Label2"},
      {form->Edit1_url, "Edit1_url"},
      {form->Label3, "Label3"},
      {form->Edit2_mask, "Edit2_mask"},
      {form->xpButton_Update, "xpButton_Update"},
      {form->xpButton_Close, "xpButton_Close"},
      {form->Label4, "Label4"},
      {form->ComboBox_source, "ComboBox_source"},
  };
  for (const auto& [widget, name] : names) EXPECT_EQ(widget->objectName(), name);
  EXPECT_EQ(form->Label1->text(), "Archive:");
  EXPECT_EQ(form->Label3->text(), "File in Archive:");
  EXPECT_EQ(form->xpButton_Update->text(), "Update");
}

TEST_F(FormUpdaterTest, UpdateFillsTheListAndReloadsTheMainWindow) {
  ASSERT_EQ(main->History().Count(), 4);
  form->ListBox1->addItem("from an earlier update");
  form->Edit1_url->setText(QString::fromStdString(server_->Url("/zip/readme.txt,loto3.txt")));

  // Seen from inside the download, while the event loop runs.
  bool enabledDuringUpdate = true;
  QTimer::singleShot(0, form, [&] { enabledDuringUpdate = form->xpButton_Update->isEnabled(); });
  form->xpButton_Update->click();

  EXPECT_FALSE(enabledDuringUpdate);
  EXPECT_TRUE(form->xpButton_Update->isEnabled());
  EXPECT_EQ(messages, QStringList{"Update done: 2 draws loaded, the newest drawn on 01.01.2011.\n"
                                  "No new draw came.\n"
                                  "The previous draw file is kept as 3x10.txt.bak."})
      << messages.join('|').toStdString();
  ASSERT_EQ(form->ListBox1->count(), 2);
  EXPECT_EQ(form->ListBox1->item(0)->text(), "readme.txt");
  EXPECT_EQ(form->ListBox1->item(1)->text(), "loto3.txt");
  EXPECT_EQ(main->History().Count(), 2);
  EXPECT_EQ(main->StringGrid1->rowCount(), 2);
  EXPECT_TRUE(QFile::exists(dir.filePath("3x10.txt.bak")));
  EXPECT_FALSE(QFile::exists(dir.filePath("temp.zip")));
}

// Older, and other digits on the day both hold: one question says both.
TEST_F(FormUpdaterTest, AnOlderDrawFileIsInstalledOnlyOnYes) {
  form->Edit1_url->setText(QString::fromStdString(server_->Url("/zip/readme.txt,loto3.txt")));
  answer = false;
  form->xpButton_Update->click();
  ASSERT_EQ(questions.size(), 1);
  EXPECT_EQ(questions[0].toStdString(),
            "loto3.txt is older than the current draw file and disagrees with the current draw file on 2 of the 2 "
            "draws both hold (01.01.2011 Mid: 491, the current file 314): it is probably another game's history.\n"
            "new: 2 draws of 01.01.2011, from " +
                server_->Url("/zip/readme.txt,loto3.txt") + "\ncurrent: 4 draws from 01.01.2011 to 02.01.2011, " +
                path.toStdString() + "\nReplace the current draw file with it?");
  EXPECT_TRUE(messages.isEmpty());  // "No" needs no message
  EXPECT_EQ(main->History().Count(), 4);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"3x10.txt"});
  EXPECT_EQ(ReadBytes(path), testing::kFourDraws);
}

// Newer and longer, but other digits on the days both hold: another game's
// history. "No" leaves the draw file and its folder byte for byte; "Yes"
// installs it, the old file kept.
TEST_F(FormUpdaterTest, AnotherGamesHistoryIsInstalledOnlyOnYes) {
  testing::WriteFile(dir, "3x10.txt.bak", "1 31.12.2010 a b 1 2 3 x\r\n");
  const auto before = FolderBytes();
  form->Edit1_url->setText(QString::fromStdString(server_->Url("/zip/loto3_other.txt")));
  answer = false;
  form->xpButton_Update->click();
  ASSERT_EQ(questions.size(), 1);
  EXPECT_EQ(questions[0].toStdString(),
            "loto3_other.txt disagrees with the current draw file on 4 of the 4 draws both hold (01.01.2011 Mid: 111, "
            "the current file 314): it is probably another game's history.\n"
            "new: 5 draws from 01.01.2011 to 03.01.2011, from " +
                server_->Url("/zip/loto3_other.txt") + "\ncurrent: 4 draws from 01.01.2011 to 02.01.2011, " +
                path.toStdString() + "\nReplace the current draw file with it?");
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(FolderBytes(), before);
  EXPECT_EQ(main->History().Count(), 4);

  answer = true;
  form->xpButton_Update->click();
  EXPECT_EQ(main->History().Count(), 5);
  EXPECT_EQ(ReadBytes(dir.filePath("3x10.txt[1].bak")), testing::kFourDraws);
}

TEST_F(FormUpdaterTest, FailedDownloadKeepsTheDraws) {
  form->Edit1_url->setText(QString::fromStdString(server_->Url("/files/loto3_txt.zip")));
  form->xpButton_Update->click();
  EXPECT_EQ(messages, QStringList{"Error - " + QString::fromStdString(server_->Url("/files/loto3_txt.zip")) +
                                  ": the server answered 404 Not Found"});
  EXPECT_EQ(form->ListBox1->count(), 0);
  EXPECT_EQ(main->History().Count(), 4);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"3x10.txt"});
  EXPECT_TRUE(form->xpButton_Update->isEnabled());
}

// The message names the address the window fetched, never its password, and
// says when the archive's name was added to an address ending in "/".
TEST_F(FormUpdaterTest, AFailureNamesTheAddressTried) {
  const std::string missing = server_->Url("/files/missing.zip");
  const std::string folder = server_->Url("/files/nothing-here/");
  const struct {
    std::string typed;
    std::string message;
  } cases[] = {
      {server_->Url("/files/missing.zip", "reader:secret@127.0.0.1"),
       "Error - " + missing + ": the server answered 404 Not Found"},
      {folder, "Error - " + folder +
                   "loto3_txt.zip: the server answered 404 Not Found (loto3_txt.zip was added to the address, which "
                   "ends in \"/\")"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    messages.clear();
    form->Edit1_url->setText(QString::fromStdString(c.typed));
    form->xpButton_Update->click();
    EXPECT_EQ(messages, QStringList{QString::fromStdString(c.message)});
    EXPECT_FALSE(messages.join("").contains("secret"));
    EXPECT_EQ(main->History().Count(), 4);
  }
}

// A server's reason phrase (or a member's name) in a message is text, never
// markup: no link of the server's choosing, no "Update installed" heading.
TEST_F(FormUpdaterTest, TheServersWordsAreShownAsPlainText) {
  gui::g_messageHook = nullptr;
  std::vector<Qt::TextFormat> formats;
  QString shown;
  // The box is read and closed once it is shown, not found by polling.
  ShownMessageBoxes boxes([&](QMessageBox* box) {
    formats.push_back(box->textFormat());
    shown = box->text();
    box->accept();
  });
  form->Edit1_url->setText(QString::fromStdString(server_->Url("/reason-html")));
  form->xpButton_Update->click();
  EXPECT_EQ(formats, std::vector<Qt::TextFormat>{Qt::PlainText});
  EXPECT_EQ(shown.toStdString(),
            "Error - " + server_->Url("/reason-html") +
                ": the server answered 500 <a href=\"http://repair.test/\">Click here to repair your "
                "draws</a>");
}

// An address ending in "/" is a results directory: the archive's name is appended.
TEST_F(FormUpdaterTest, ADirectoryAddressFetchesItsArchive) {
  form->Edit1_url->setText(QString::fromStdString(server_->Url("/dir/readme.txt,loto3.txt/")));
  form->xpButton_Update->click();
  EXPECT_TRUE(form->LastResult().installed)
      << (form->LastResult().failure ? ErrorText(*form->LastResult().failure) : "");
  EXPECT_EQ(form->ListBox1->count(), 2);
  EXPECT_EQ(main->History().Count(), 2);
}

// Close or Escape while the server sends nothing more: the download stops at
// once (the client would wait 30 s), the draw file is as it was, nothing is left.
TEST_F(FormUpdaterTest, CloseOrEscapeStopsAStalledDownload) {
  const QByteArray before = kFourDraws;
  for (const bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "Escape" : "Close");
    form->show();
    form->Edit1_url->setText(QString::fromStdString(server_->Url("/stall-body")));
    QStringList duringDownload;
    const QMetaObject::Connection stalled = server_->OnStalled(form, [&] {
      duringDownload = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
      if (escape)
        QTest::keyClick(form, Qt::Key_Escape);
      else
        form->xpButton_Close->click();
    });
    QElapsedTimer clock;
    clock.start();
    form->xpButton_Update->click();
    EXPECT_LT(clock.elapsed(), 10000);
    QObject::disconnect(stalled);
    EXPECT_EQ(duringDownload.size(), 2);  // the draw file and the working folder
    EXPECT_TRUE(form->LastResult().stopped);
    EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->xpButton_Update->isEnabled());
    EXPECT_EQ(main->History().Count(), 4);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"3x10.txt"});
  }
}

}  // namespace
}  // namespace drawlyze
