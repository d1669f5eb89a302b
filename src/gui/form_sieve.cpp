#include "gui/form_sieve.h"

TForm_Sieve::TForm_Sieve(QWidget* parent) : QDialog(parent) { setWindowTitle("Sieve"); }

#include "gui/forms.h"

const drawlyze::SievePatterns* CurrentSievePatterns() { return nullptr; }
