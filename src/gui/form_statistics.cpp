#include "gui/form_statistics.h"

TForm_statistics::TForm_statistics(QWidget* parent) : QDialog(parent) { setWindowTitle("Statistics"); }
