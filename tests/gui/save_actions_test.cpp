// Saving from the windows, without a display: the bytes each action writes
// (the same as drawlyze-cli prints), CSV read back by Python's csv module, and
// what a failed save leaves behind.
#include "gui/save_actions.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTimer>
#include <filesystem>
#include <thread>

#include "core/backtest/randomness.h"
#include "core/reports/reports.h"
#include "core/views/views.h"
#include "gui/form1.h"
#include "gui/form_memo.h"
#include "gui/form_table.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "qt_app.h"
#include "render/chart_files.h"

namespace drawlyze {
namespace {

const QString kDrawFile = DRAWLYZE_SOURCE_DIR "/data/3x10.txt";

class SaveActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::App();
    gui::g_messageHook = [this](const QString& text) { messages << text; };
    gui::g_saveFileTypeHook = [this](const QString& proposed, const QStringList& types, int& type) {
      proposedNames << QFileInfo(proposed).fileName();
      offeredTypes = types;
      if (nextType >= 0) type = nextType;
      return nextPath;
    };
    forms = std::make_unique<gui::Forms>(model, kDrawFile.toLocal8Bit().constData());
    form = forms->Form1;
  }
  void TearDown() override {
    forms.reset();
    gui::g_messageHook = nullptr;
    gui::g_saveFileTypeHook = nullptr;
  }

  // Runs a save that the dialog answers with the file name in the test's folder.
  QString Save(const std::function<void()>& action, const QString& name, int type = -1) {
    nextPath = name.startsWith('/') ? name : dir.filePath(name);
    nextType = type;
    action();
    return nextPath;
  }
  static void CtrlS(QWidget* widget) {
    QKeyEvent event(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier);
    QApplication::sendEvent(widget, &event);
  }
  static QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
  }
  static QByteArray Run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
  }
  // drawlyze-cli's standard output on the same draws.
  static QByteArray Cli(QStringList args) { return Run(DRAWLYZE_CLI, QStringList{"--file", kDrawFile} + args); }
  // The cells of a CSV file as Python's csv module reads them.
  static QJsonArray PythonCells(const QString& path) {
    const QByteArray json = Run("python3", {DRAWLYZE_SOURCE_DIR "/tests/export/csv_cells.py", path});
    return QJsonDocument::fromJson(json).array();
  }
  static QJsonArray Cells(const std::vector<QStringList>& rows) {
    QJsonArray cells;
    for (const QStringList& row : rows) cells.append(QJsonArray::fromStringList(row));
    return cells;
  }

  QTemporaryDir dir;
  QStringList messages, proposedNames, offeredTypes;
  QString nextPath;
  int nextType = -1;
  gui::Model model;
  std::unique_ptr<gui::Forms> forms;
  TForm1* form = nullptr;
};

// The share of the pixels of one colour in `shown` that have it in `drawn` too.
double SameColourShare(const QImage& shown, const QImage& drawn, QRgb colour) {
  int count = 0, same = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      if (shown.pixel(x, y) == colour) {
        ++count;
        same += drawn.pixel(x, y) == colour;
      }
  return count == 0 ? 0.0 : static_cast<double>(same) / count;
}

TEST_F(SaveActionsTest, TheChartMenuCopiesAndSavesWhatTheWindowShows) {
  form->show();
  form->SelectRow(2);
  form->xpCheckBox_grid->setChecked(true);
  form->xpCheckBox_gridClick();
  gui::ChartSaveActions& chart = *form->ChartMenu;
  const QImage shown = VisibleChart(form->ChartSurface()).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), QSize(535, 410));

  chart.CopyText1->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), form->CopyText());
  chart.CopyImage1->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), shown);

  const QString png = Save([&] { chart.SaveImage1->trigger(); }, "chart.png");
  EXPECT_EQ(proposedNames.last(), "Skips.png");
  EXPECT_EQ(offeredTypes, QStringList({"PNG image (*.png)", "SVG image (*.svg)"}));
  EXPECT_EQ(QImage(png, "PNG").convertToFormat(QImage::Format_RGB32), shown);

  // Ctrl+S; the name's suffix chooses SVG over the type shown first.
  const QString svg = Save([&] { CtrlS(form->StringGrid1); }, "chart.svg", 0);
  const QString cliSvg = dir.filePath("cli.svg");
  Cli({"--row", "2", "--grid", "3:0", "view", "Skips", "--svg", cliSvg});
  const QByteArray svgBytes = Read(svg);
  EXPECT_EQ(svgBytes, Read(cliSvg));
  EXPECT_TRUE(svgBytes.contains(">Number/Last Skip/Skip Median:</text>"));
  // Drawn from the display list, it shows the same picture: the hit marks and the grid on their pixels.
  QSvgRenderer renderer(svgBytes);
  EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 535, 410));
  QImage drawn(535, 410, QImage::Format_RGB32);
  drawn.fill(Qt::black);
  QPainter painter(&drawn);
  painter.setRenderHint(QPainter::Antialiasing);  // as browsers draw it
  renderer.render(&painter);
  painter.end();
  EXPECT_GT(SameColourShare(shown, drawn, qRgb(0xFF, 0xFF, 0x00)), 0.9);
  EXPECT_GT(SameColourShare(shown, drawn, qRgb(0x00, 0xFF, 0x00)), 0.9);
  EXPECT_GT(SameColourShare(shown, drawn, qRgb(0xFF, 0xFF, 0xFF)), 0.9);

  const QString text = Save([&] { chart.SaveText1->trigger(); }, "chart.txt");
  EXPECT_EQ(Read(text), form->CopyText().toUtf8());
  EXPECT_EQ(Read(text), Cli({"--row", "2", "--grid", "3:0", "view", "Skips"}));
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();

  // A right click opens the menu on the chart, not on a control standing over it.
  const auto rightClick = [&](QPoint at) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, form->mapToGlobal(at));
    QApplication::sendEvent(form, &event);
    const bool opened = chart.menu->isVisible();
    chart.menu->hide();
    return opened;
  };
  EXPECT_TRUE(rightClick(QPoint(100, 100)));
  EXPECT_FALSE(rightClick(form->StringGrid1->geometry().topLeft() + QPoint(10, 30)));
  EXPECT_FALSE(rightClick(QPoint(100, 450)));
}

// The chart's file is named after the option the model holds, the one its
// view shows, whoever chose it: the option group's buttons are not asked.
TEST_F(SaveActionsTest, TheChartIsNamedAfterTheModelsOption) {
  form->show();
  model.selection.option = 4;  // as a window other than the option group would choose it
  form->RunSelectedView();
  Save([&] { form->ChartMenu->SaveImage1->trigger(); }, "chart.png");
  EXPECT_EQ(proposedNames.last(), gui::FileNameOf(QString::fromUtf8(OptionCaption(4))) + ".png");
  EXPECT_NE(proposedNames.last(), "Skips.png");
}

TEST_F(SaveActionsTest, TheReportWindowSavesItsLinesAsTextOrCsv) {
  TForm_memo* memo = forms->Form_memo;
  // One report ends with an empty line, the other has commas and quotes in its fields.
  for (const std::string name : {"Free Pairs' Skips", "Randomness"}) {
    SCOPED_TRACE(name);
    const QString caption = QString::fromStdString(name);
    const std::vector<std::string> lines =
        name == "Randomness" ? RandomnessReport(model.history, 1, LastDraws(300))
                             : FindReportByName(name)->run(ReportInput{&model.history, 1, LastDraws(300), ""});
    memo->setWindowTitle(caption);
    memo->SetLines(lines);
    QByteArray joined;
    for (const std::string& line : lines) joined += QByteArray::fromStdString(line) + '\n';

    const QString text = Save([&] { memo->SaveAs1->trigger(); }, "report.txt");
    EXPECT_EQ(proposedNames.last(), caption + ".txt");
    EXPECT_EQ(offeredTypes, QStringList({"Text (*.txt)", "CSV (*.csv)"}));
    EXPECT_EQ(Read(text), joined);
    EXPECT_EQ(Read(text), Cli({"--last", "300", "report", caption}));

    const QString csv = Save([&] { CtrlS(memo->Memo1); }, "report.csv", 1);
    EXPECT_EQ(Read(csv), Cli({"--last", "300", "report", caption, "--csv"}));
    std::vector<QStringList> expected;
    for (const std::string& line : lines)
      expected.push_back(line.empty() ? QStringList() : QString::fromStdString(line).split(QRegularExpression("\t+")));
    EXPECT_EQ(PythonCells(csv), Cells(expected));
  }
  // The text as it stands, when the user has typed into it.
  memo->Memo1->setPlainText("typed\tby hand");
  EXPECT_EQ(Read(Save([&] { memo->SaveAs1->trigger(); }, "typed.txt")), "typed\tby hand\n");
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(SaveActionsTest, TheTableWindowSavesEveryDrawAsCsv) {
  TForm_Table* table = forms->Form_Table;
  table->show();
  const QString csv = Save([&] { table->SaveAsCsv1->trigger(); }, "table.csv");
  EXPECT_EQ(proposedNames.last(), "Table.csv");
  EXPECT_EQ(Read(csv), Cli({"table", "--csv"}));
  std::vector<QStringList> expected;
  for (const TableRow& row : table->Cells()) {
    expected.emplace_back();
    for (const std::string& cell : row) expected.back() << QString::fromStdString(cell);
  }
  ASSERT_EQ(expected.size(), 6761u);
  EXPECT_EQ(PythonCells(csv), Cells(expected));

  const QString again = Save([&] { CtrlS(table->StringGrid1); }, "again.csv");
  EXPECT_EQ(Read(again), Read(csv));
  table->hide();
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(SaveActionsTest, AFailedSaveNamesTheFileAndLeavesNothing) {
  TForm_memo* memo = forms->Form_memo;
  memo->SetLines({"a\tb"});
  forms->Form_Table->show();
  QStringList targets = {
      dir.filePath("missing/out"),                              // a folder that does not exist
      testing::WriteFile(dir, "plain.txt", "x") + "/out",       // a "folder" that is a file
      "/proc/drawlyze-save-test-" + QString::number(getpid()),  // read-only, also for root
  };
  QDir(dir.path()).mkdir("folder");
  targets << dir.filePath("folder");  // a folder stands where the file should go
  if (geteuid() != 0) {               // root writes into a folder without write permission
    QDir(dir.path()).mkdir("readonly");
    QFile::setPermissions(dir.filePath("readonly"), QFile::ReadOwner | QFile::ExeOwner);
    targets << dir.filePath("readonly/out");
  }
  const struct {
    const char* suffix;
    int type;
    std::function<void()> action;
  } saves[] = {
      {".png", 0, [&] { form->ChartMenu->SaveImage1->trigger(); }},
      {".svg", 1, [&] { form->ChartMenu->SaveImage1->trigger(); }},
      {".txt", 0, [&] { form->ChartMenu->SaveText1->trigger(); }},
      {".txt", 0, [&] { memo->SaveAs1->trigger(); }},
      {".csv", 1, [&] { memo->SaveAs1->trigger(); }},
      {".csv", 0, [&] { forms->Form_Table->SaveAsCsv1->trigger(); }},
  };
  const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  for (const QString& target : targets)
    for (const auto& save : saves) {
      const QString path = target == dir.filePath("folder") ? target : target + save.suffix;
      SCOPED_TRACE(path.toStdString());
      messages.clear();
      Save(save.action, path, save.type);
      ASSERT_EQ(messages.size(), 1);
      // A folder in the way is named as such; the others say why they failed.
      if (path == dir.filePath("folder"))
        EXPECT_EQ(messages[0], "Error - " + QDir::toNativeSeparators(path) + ": it is a folder, not a file");
      else
        EXPECT_TRUE(messages[0].startsWith("Error - file " + QDir::toNativeSeparators(path) + " cannot be written! "))
            << messages[0].toStdString();
      EXPECT_EQ(QFileInfo(path).isFile(), false);
    }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
  EXPECT_TRUE(QDir(dir.filePath("folder")).isEmpty());
  forms->Form_Table->hide();
}

// Every save of the windows writes straight into a FIFO standing at its
// target (another program reading it) and leaves it a FIFO.
TEST_F(SaveActionsTest, AFifoAtTheTargetTakesEverySave) {
  TForm_memo* memo = forms->Form_memo;
  memo->SetLines({"a\tb"});
  forms->Form_Table->show();
  const struct {
    const char* name;
    int type;
    const char* start;
    std::function<void()> action;
  } saves[] = {
      {"chart.png", 0, "\x89PNG", [&] { form->ChartMenu->SaveImage1->trigger(); }},
      {"chart.svg", 1, "<?xml", [&] { form->ChartMenu->SaveImage1->trigger(); }},
      {"chart.txt", 0, "", [&] { form->ChartMenu->SaveText1->trigger(); }},
      {"report.txt", 0, "a\tb", [&] { memo->SaveAs1->trigger(); }},
      {"report.csv", 1, "a,b", [&] { memo->SaveAs1->trigger(); }},
      {"table.csv", 0, "", [&] { forms->Form_Table->SaveAsCsv1->trigger(); }},
  };
  for (const auto& save : saves) {
    SCOPED_TRACE(save.name);
    const QString path = dir.filePath(save.name);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QByteArray got;
    std::thread reader([&] { got = Read(path); });
    messages.clear();
    Save(save.action, path, save.type);
    reader.join();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    EXPECT_TRUE(got.startsWith(save.start)) << got.left(40).toStdString();
    EXPECT_FALSE(got.isEmpty());
    EXPECT_TRUE(std::filesystem::is_fifo(std::filesystem::symlink_status(QFile::encodeName(path).toStdString())));
  }
  forms->Form_Table->hide();
}

TEST_F(SaveActionsTest, TheDialogAsksBeforeReplacingAndGivesTheChosenTypesSuffix) {
  gui::g_saveFileTypeHook = nullptr;
  struct {
    bool seen = false, asksBeforeReplacing = false;
    QString suffix, suffixAfterChoice;
  } dialog;
  QTimer::singleShot(0, [&] {
    auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!shown) return;
    dialog.seen = shown->acceptMode() == QFileDialog::AcceptSave;
    dialog.asksBeforeReplacing = !shown->testOption(QFileDialog::DontConfirmOverwrite);
    dialog.suffix = shown->defaultSuffix();
    emit shown->filterSelected("SVG image (*.svg)");
    dialog.suffixAfterChoice = shown->defaultSuffix();
    shown->reject();
  });
  const gui::SaveTarget target = gui::AskSaveTarget("Skips", {"PNG image (*.png)", "SVG image (*.svg)"}, 0, nullptr);
  EXPECT_TRUE(target.path.isEmpty());  // cancelled
  EXPECT_TRUE(dialog.seen);
  EXPECT_TRUE(dialog.asksBeforeReplacing);
  EXPECT_EQ(dialog.suffix, "png");
  EXPECT_EQ(dialog.suffixAfterChoice, "svg");
}

}  // namespace
}  // namespace drawlyze
