#include "gui/form_stat.h"

TForm_Stat::TForm_Stat(QWidget* parent) : QDialog(parent) { setWindowTitle("State"); }
