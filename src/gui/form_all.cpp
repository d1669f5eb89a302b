#include "gui/form1.h"
#include "gui/form_backtest_chart.h"
#include "gui/form_import.h"
#include "gui/form_memo.h"
#include "gui/form_sieve.h"
#include "gui/form_stat.h"
#include "gui/form_statistics.h"
#include "gui/form_table.h"
#include "gui/form_updater.h"
#include "gui/forms.h"

namespace drawlyze::gui {

Forms::Forms(Model& model, const char* drawFileArgument) {
  Form1 = new TForm1(model, *this, drawFileArgument);
  Form_Sieve = new TForm_Sieve(model, Form1);
  Form_updater = new TForm_updater(model, Form1);
  Form_statistics = new TForm_statistics(model, *this, Form1);
  Form_memo = new TForm_memo(Form_statistics);
  // A child of the report window, so the modal report leaves it usable.
  Form_backtest_chart = new TForm_backtest_chart(Form_memo);
  Form_Table = new TForm_Table(model, *this, Form_statistics);
  Form_Stat = new TForm_Stat(model, Form_Table);
  Form_import = new TForm_import(model, Form1);
}

Forms::~Forms() { delete Form1; }  // the others are its children

}  // namespace drawlyze::gui
