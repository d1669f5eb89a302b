// The main window's menu bar. Every entry is one line below: its menu, its
// action's name, its text, its key and its handler; an entry with a designed
// button runs that button's handler. A window that a later change adds gets
// its line in the Analysis menu after "Sieve…".
#include <QActionGroup>
#include <QFileInfo>
#include <QKeyEvent>
#include <functional>

#include "core/views/views.h"
#include "gui/error_message.h"
#include "gui/form1.h"
#include "gui/form_help.h"
#include "gui/form_import.h"
#include "gui/form_restore.h"
#include "gui/form_table.h"
#include "gui/form_updater.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "gui/print_actions.h"
#include "gui/recent_files.h"
#include "gui/save_actions.h"
#include "platform/program_info.h"
#include "update/updater/update_sources.h"

namespace {

// The window's key handler runs the entries (the controls see keys first
// there); the menus only show the keys, so that no key has two owners.
QAction* AddEntry(QMenu* menu, const char* name, const QString& text, const QList<QKeySequence>& keys,
                  std::function<void()> handler) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::WidgetShortcut);
  QObject::connect(action, &QAction::triggered, menu, [handler = std::move(handler)] { handler(); });
  return action;
}

// An entry greyed whenever its control is: it changes only what that control does.
class FollowEnabled : public QObject {
 public:
  FollowEnabled(QAction* action, QWidget* control) : QObject(action), action_(action), control_(control) {
    control->installEventFilter(this);
    action->setEnabled(control->isEnabled());
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == control_ && event->type() == QEvent::EnabledChange) action_->setEnabled(control_->isEnabled());
    return false;
  }

 private:
  QAction* action_;
  QWidget* control_;
};

// A check box's entry: checked as the box is; choosing it clicks the box.
QAction* AddCheckEntry(QMenu* menu, const char* name, const QString& text, QCheckBox* box) {
  QAction* action = AddEntry(menu, name, text, {}, [box] { box->click(); });
  action->setCheckable(true);
  action->setChecked(box->isChecked());
  QObject::connect(box, &QCheckBox::toggled, action, &QAction::setChecked);
  new FollowEnabled(action, box);
  return action;
}

// Menu texts treat "&" as a mnemonic; a name from elsewhere shows it as typed.
QString Plain(QString text) { return text.replace('&', "&&"); }

}  // namespace

void TForm1::BuildMenuBar() {
  const auto keys = [](QKeySequence::StandardKey key) { return QKeySequence::keyBindings(key); };
  MenuBar1 = new QMenuBar(this);
  MenuBar1->setObjectName("MenuBar1");
  MenuBar1->setNativeMenuBar(false);  // in the window, above the chart, on every desktop
  const auto addMenu = [this](const char* name, const QString& title) {
    QMenu* menu = MenuBar1->addMenu(title);
    menu->setObjectName(name);
    return menu;
  };

  Menu_file = addMenu("Menu_file", "&File");
  AddEntry(Menu_file, "OpenDrawFile1", "&Open draw file\u2026", keys(QKeySequence::Open),
           [this] { OpenDrawFile1Click(); });
  AddEntry(Menu_file, "ImportResults1", "&Import results\u2026", {}, [this] { ImportResults1Click(); });
  Menu_recent = Menu_file->addMenu("Open &recent");
  Menu_recent->setObjectName("Menu_recent");
  connect(Menu_recent, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
  FillRecentMenu();
  AddEntry(Menu_file, "RestoreBackup1", "Restore a &backup\u2026", {}, [this] { RestoreBackup1Click(); });
  Menu_file->addSeparator();
  AddEntry(Menu_file, "SaveChartImage1", "&Save chart image\u2026", keys(QKeySequence::Save),
           [this] { ChartMenu->SaveImage(); });
  AddEntry(Menu_file, "SaveText1", "Save &text\u2026", {}, [this] { ChartMenu->SaveText(); });
  AddEntry(Menu_file, "CopyText1", "&Copy text", keys(QKeySequence::Copy), [this] { Button_copyClick(); });
  AddEntry(Menu_file, "CopyImage1", "Copy chart &image", {}, [this] { ChartMenu->CopyImage(); });
  Menu_file->addSeparator();
  AddEntry(Menu_file, "Print1", "&Print\u2026", keys(QKeySequence::Print), [this] { Printing->Print(); });
  AddEntry(Menu_file, "PrintPreview1", "Print pre&view\u2026", {}, [this] { Printing->Preview(); });
  AddEntry(Menu_file, "ExportPdf1", "E&xport PDF\u2026", {}, [this] { Printing->ExportPdf(); });
  Menu_file->addSeparator();
  AddEntry(Menu_file, "Quit1", "&Quit", keys(QKeySequence::Quit), [this] { Quit1Click(); });

  Menu_analysis = addMenu("Menu_analysis", "&Analysis");
  auto* options = new QActionGroup(Menu_analysis);
  for (int i = 0; i < drawlyze::kOptionCount; ++i) {
    QAction* option = AddEntry(Menu_analysis, "", QString::fromLatin1(drawlyze::OptionCaption(i)), {},
                               [this, i] { SelectOption(i); });
    option->setObjectName(QString("Option1_%1").arg(i));
    option->setCheckable(true);
    option->setChecked(i == model_.selection.option);
    options->addAction(option);
  }
  connect(RadioGroup1Buttons, &QButtonGroup::idToggled, options, [options](int id, bool checked) {
    if (checked && id >= 0 && id < options->actions().size()) options->actions()[id]->setChecked(true);
  });
  Menu_analysis->addSeparator();
  new FollowEnabled(AddEntry(Menu_analysis, "SeparationArrow1", "Separation: sort or reverse", {},
                             [this] { Button_left_rightClick(); }),
                    Button_left_right);
  new FollowEnabled(
      AddEntry(Menu_analysis, "SeparationCenter1", "Separation: as drawn", {}, [this] { Button_centerClick(); }),
      Button_center);
  AddCheckEntry(Menu_analysis, "Median1", "&Median", xpCheckBox_median);
  AddCheckEntry(Menu_analysis, "Grid1", "&Grid", xpCheckBox_grid);
  Menu_analysis->addSeparator();
  AddEntry(Menu_analysis, "Statistics1", "S&tatistics\u2026", {}, [this] { xpButton_statisticsClick(); });
  AddEntry(Menu_analysis, "Table1", "T&able\u2026", {}, [this] { Table1Click(); });
  AddEntry(Menu_analysis, "Sieve1", "Sie&ve\u2026", {}, [this] { xpButton_SieveClick(); });
  AddEntry(Menu_analysis, "Plays1", "&Plays\u2026", {}, [this] { xpButton_PlaysClick(); });
  AddEntry(Menu_analysis, "Filters1", "&Filters\u2026", {}, [this] { xpButton_FiltersClick(); });
  AddEntry(Menu_analysis, "Trends1", "T&rends\u2026", {}, [this] { xpButton_TrendsClick(); });

  Menu_update = addMenu("Menu_update", "&Update");
  AddEntry(Menu_update, "Update1", "&Update\u2026", {}, [this] { xpButton_UpdateClick(); });
  Menu_update->addSeparator();
  const std::vector<drawlyze::updater::UpdateSource> sources = drawlyze::updater::UpdateSources();
  for (int i = 0; i < static_cast<int>(sources.size()); ++i) {
    const std::string& state = sources[static_cast<std::size_t>(i)].state;
    if (!state.empty() && (i == 0 || sources[static_cast<std::size_t>(i - 1)].state != state))
      Menu_update->addSection(QString::fromStdString(state));
    AddEntry(Menu_update, "", Plain(QString::fromStdString(sources[static_cast<std::size_t>(i)].name)) + "\u2026", {},
             [this, i] { UpdateSourceClick(i); })
        ->setObjectName(QString("UpdateSource1_%1").arg(i));
  }

  Menu_help = addMenu("Menu_help", "&Help");
  AddEntry(Menu_help, "HelpContents1", "&Contents", keys(QKeySequence::HelpContents), [this] { HelpContents1Click(); });
  AddEntry(Menu_help, "HelpKeys1", "&Keys", {}, [this] { HelpKeys1Click(); });
  AddEntry(Menu_help, "About1", "&About Drawlyze Pick 3", {}, [this] { About1Click(); });

  MenuBar1->setGeometry(0, 0, width(), MenuBar1->sizeHint().height());
}

bool TForm1::MenuKeyDown(const QKeyEvent* event) {
  const QKeySequence pressed(QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
  for (QAction* action : MenuBar1->findChildren<QAction*>()) {
    if (!action->shortcuts().contains(pressed)) continue;
    if (action->isEnabled()) action->trigger();
    return true;
  }
  return false;
}

void TForm1::FillRecentMenu() {
  Menu_recent->clear();
  const QStringList paths = drawlyze::gui::RecentFiles(model_.Folder());
  for (int i = 0; i < paths.size(); ++i) {
    const QString path = paths[i];
    QAction* entry = Menu_recent->addAction(QString("&%1 %2").arg(i + 1).arg(Plain(path)));
    entry->setObjectName(QString("Recent1_%1").arg(i));
    connect(entry, &QAction::triggered, this, [this, path] { OpenRecentClick(path); });
  }
  if (paths.isEmpty()) Menu_recent->addAction("No files opened yet")->setEnabled(false);
}

void TForm1::ImportResults1Click() {
  // Several files at once: a lottery's yearly exports merge into one history.
  const QStringList paths =
      drawlyze::gui::OpenFileNames(QString(), "CSV and JSON exports (*.csv *.tsv *.json *.txt);;*.* (*)", this);
  if (!paths.isEmpty() && forms_.Form_import->LoadExports(paths)) forms_.Form_import->exec();
}

void TForm1::OpenRecentClick(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    drawlyze::gui::ShowError({drawlyze::ErrorKind::NotFound, path.toStdString(), {}}, this);
    drawlyze::gui::ForgetRecentFile(model_.Folder(), path);
    return;
  }
  OpenFile(path);
}

void TForm1::RestoreBackup1Click() {
  // The backups of the file the draws came from, else of the folder's draw file.
  const QString path = model_.drawFile.empty() ? model_.DrawFilePath() : QString::fromStdString(model_.drawFile);
  if (path.isEmpty()) {
    drawlyze::gui::ShowMessage("There is no data folder, so there are no backups to restore.", this);
    return;
  }
  if (forms_.Form_restore->ShowBackups(path)) forms_.Form_restore->exec();
}

void TForm1::Table1Click() { forms_.Form_Table->exec(); }

void TForm1::UpdateSourceClick(int source) {
  forms_.Form_updater->SelectSource(source);
  xpButton_UpdateClick();
}

void TForm1::HelpContents1Click() { forms_.Form_help->ShowHelp(); }

void TForm1::HelpKeys1Click() { forms_.Form_help->ShowKeys(); }

void TForm1::About1Click() {
  drawlyze::gui::ShowMessage(QString::fromStdString(drawlyze::platform::AboutText()), this);
}

void TForm1::Quit1Click() { close(); }
