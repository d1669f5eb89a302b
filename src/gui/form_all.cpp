#include "gui/form1.h"
#include "gui/form_memo.h"
#include "gui/form_sieve.h"
#include "gui/form_stat.h"
#include "gui/form_statistics.h"
#include "gui/form_table.h"
#include "gui/form_updater.h"
#include "gui/forms.h"

TForm1* Form1 = nullptr;
TForm_Sieve* Form_Sieve = nullptr;
TForm_updater* Form_updater = nullptr;
TForm_statistics* Form_statistics = nullptr;
TForm_memo* Form_memo = nullptr;
TForm_Table* Form_Table = nullptr;
TForm_Stat* Form_Stat = nullptr;

void CreateForms(const char* drawFileArgument) {
  Form1 = new TForm1(drawFileArgument);
  Form_Sieve = new TForm_Sieve(Form1);
  Form_updater = new TForm_updater(Form1);
  Form_statistics = new TForm_statistics(Form1);
  Form_memo = new TForm_memo(Form_statistics);
  Form_Table = new TForm_Table(Form_statistics);
  Form_Stat = new TForm_Stat(Form_Table);
}

void DestroyForms() {
  delete Form1;  // owns the others
  Form1 = nullptr;
  Form_Sieve = nullptr;
  Form_updater = nullptr;
  Form_statistics = nullptr;
  Form_memo = nullptr;
  Form_Table = nullptr;
  Form_Stat = nullptr;
}
