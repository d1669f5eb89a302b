#include "gui/form_updater.h"

TForm_updater::TForm_updater(QWidget* parent) : QDialog(parent) { setWindowTitle("Updater"); }
