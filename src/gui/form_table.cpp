#include "gui/form_table.h"

TForm_Table::TForm_Table(QWidget* parent) : QDialog(parent) { setWindowTitle("Table"); }
