#include "gui/form_memo.h"

TForm_memo::TForm_memo(QWidget* parent) : QDialog(parent) { setWindowTitle("Statistics"); }
