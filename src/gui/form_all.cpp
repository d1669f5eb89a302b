#include <QShortcut>

#include "gui/form1.h"
#include "gui/form_backtest_chart.h"
#include "gui/form_filters.h"
#include "gui/form_help.h"
#include "gui/form_import.h"
#include "gui/form_memo.h"
#include "gui/form_plays.h"
#include "gui/form_restore.h"
#include "gui/form_sieve.h"
#include "gui/form_stat.h"
#include "gui/form_statistics.h"
#include "gui/form_table.h"
#include "gui/form_trends.h"
#include "gui/form_updater.h"
#include "gui/forms.h"
#include "gui/keyboard_access.h"
#include "gui/print_actions.h"
#include "gui/styled_controls.h"

namespace drawlyze::gui {

Forms::Forms(Model& model, const char* drawFileArgument) {
  UseWindowFont();
  Form1 = new TForm1(model, *this, drawFileArgument);
  Form_Sieve = new TForm_Sieve(model, Form1);
  Form_updater = new TForm_updater(model, Form1);
  Form_statistics = new TForm_statistics(model, *this, Form1);
  Form_memo = new TForm_memo(Form_statistics);
  Form_memo->PrintHeaderSource = [&model] { return PrintHeaderOf(model); };  // the draws its reports count
  Form_backtest_chart = Form_memo->Chart1;                                   // a pane of the report window
  Form_Table = new TForm_Table(model, *this, Form_statistics);
  Form_Stat = new TForm_Stat(model, Form_Table);
  Form_import = new TForm_import(model, Form1);
  Form_plays = new TForm_plays(model, Form1);
  Form_filters = new TForm_filters(model, Form1);
  // "Add to plays": the list joins the Plays window's plays, which opens to show them.
  Form_filters->SetPlaysTarget([plays = Form_plays](const std::vector<drawlyze::plays::Play>& list) {
    plays->AddPlays(list);
    plays->exec();
  });
  Form_trends = new TForm_trends(model, Form1);
  Form_restore = new TForm_restore(model, Form1);
  Form_help = new TForm_help(Form1);
  // The windows that paint the designed light background get the palette made for it.
  for (QWidget* window :
       std::initializer_list<QWidget*>{Form_updater, Form_statistics, Form_import, Form_plays, Form_restore, Form_help})
    UseDesignedPalette(window);
  // F1 in every window of the set (menus aside), whoever made it.
  QList<QWidget*> windows{Form1};
  for (QWidget* w : Form1->findChildren<QWidget*>())
    if (w->isWindow() && w->windowType() != Qt::Popup && w != Form_help) windows << w;
  for (QWidget* window : windows)
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F1), window), &QShortcut::activated, Form_help,
                     [help = Form_help] { help->ShowHelp(); });
  // Every window read by name and reached by Tab, the help included.
  for (QWidget* window : windows) MakeKeyboardReachable(window);
  MakeKeyboardReachable(Form_help);
}

Forms::~Forms() { delete Form1; }  // the others are its children

}  // namespace drawlyze::gui
