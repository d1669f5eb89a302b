#pragma once
// The program's seven windows. They are created once, in this order, and live
// until the program ends; each reaches the others through these pointers.

class TForm1;
class TForm_Sieve;
class TForm_updater;
class TForm_statistics;
class TForm_memo;
class TForm_Table;
class TForm_Stat;

extern TForm1* Form1;
extern TForm_Sieve* Form_Sieve;
extern TForm_updater* Form_updater;
extern TForm_statistics* Form_statistics;
extern TForm_memo* Form_memo;
extern TForm_Table* Form_Table;
extern TForm_Stat* Form_Stat;

// Creates the windows in order: main window (which loads the draw file and
// draws the first view), Sieve, Updater, Statistics, report, Table, State.
// The argument is the draw file named on the command line (empty: none).
void CreateForms(const char* drawFileArgument);
void DestroyForms();

namespace drawlyze {
struct SievePatterns;
}
// The patterns the Sieve view reads (null: the editor's start patterns).
const drawlyze::SievePatterns* CurrentSievePatterns();
