#pragma once
// The program's windows around one model. They are created once, in this
// order, and live until the set is destroyed: the main window (which loads
// the draw file and draws the first view), Sieve, Updater, Statistics,
// report (with the backtest chart, a pane of it), Table, State, the import window of results exports,
// the Plays window, Filters, and the help that F1 opens in any of them. A window that opens windows created after it
// receives this set and finds them here when it opens them. The program's main owns the model and the set; nothing is
// global, so two sets never share state.

class TForm1;
class TForm_Sieve;
class TForm_updater;
class TForm_statistics;
class TForm_memo;
class TForm_backtest_chart;
class TForm_Table;
class TForm_Stat;
class TForm_import;
class TForm_plays;
class TForm_filters;
class TForm_help;

namespace drawlyze::gui {

class Model;

class Forms {
 public:
  // drawFileArgument: the draw file named on the command line (null or empty: none).
  Forms(Model& model, const char* drawFileArgument);
  ~Forms();
  Forms(const Forms&) = delete;
  Forms& operator=(const Forms&) = delete;

  TForm1* Form1 = nullptr;
  TForm_Sieve* Form_Sieve = nullptr;
  TForm_updater* Form_updater = nullptr;
  TForm_statistics* Form_statistics = nullptr;
  TForm_memo* Form_memo = nullptr;
  TForm_backtest_chart* Form_backtest_chart = nullptr;
  TForm_Table* Form_Table = nullptr;
  TForm_Stat* Form_Stat = nullptr;
  TForm_import* Form_import = nullptr;
  TForm_plays* Form_plays = nullptr;
  TForm_filters* Form_filters = nullptr;
  TForm_help* Form_help = nullptr;
};

}  // namespace drawlyze::gui
