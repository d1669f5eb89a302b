#pragma once
// The Filters window: a control for every filter, the count kept and what
// each filter removes as the user changes them, the list as straight or box
// plays with its cost, chance and expected return, its backtest with a chart,
// and the list and the filter set saved to files.

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "core/filters/filter_backtest.h"
#include "core/filters/filter_set.h"
#include "core/filters/filter_text.h"
#include "core/plays/play.h"
#include "core/plays/prize_table.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QWidget;
namespace drawlyze::gui {
class Model;
}

namespace drawlyze::gui {
class PrintActions;
}

class TForm_filters : public QDialog {
  Q_OBJECT

 public:
  // "Print...", "Print preview..." and "Export PDF..." of what the window
  // shows, in a right click on the window; Ctrl+P prints.
  drawlyze::gui::PrintActions* Printing = nullptr;

  explicit TForm_filters(drawlyze::gui::Model& model, QWidget* parent = nullptr);

  // Where "Add to plays" hands the list (the Plays window's AddPlays); the
  // button stays greyed while none is set.
  using PlaysTarget = std::function<void(const std::vector<drawlyze::plays::Play>&)>;
  void SetPlaysTarget(PlaysTarget target);

  // Counts again from the controls: the filters, the count, each filter's
  // removals, the list. Runs on every change of a control.
  void Recount();
  // Sets the controls from a filter set, every other filter off; returns the
  // filters the window has no second control for, as text.
  QString ShowFilterSet(const drawlyze::filters::FilterSet& set);
  // The set the controls hold.
  drawlyze::filters::FilterSet CurrentFilterSet() const;

  // Handlers.
  void Button_backtestClick();
  void Button_add_playsClick();
  void Button_save_listClick();
  void Button_save_setClick();
  void Button_open_setClick();

  // What the window shows, for the tests.
  QString CountText() const;
  QString MessageText() const;
  QString ListText() const;
  QString BacktestText() const;
  const drawlyze::filters::ListSummary& List() const { return list_; }
  const std::vector<drawlyze::filters::Filter>& Filters() const { return filters_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // One filter's line: its check box, its controls, what it removes.
  struct Row {
    QCheckBox* on = nullptr;
    QLabel* removed = nullptr;
    std::function<drawlyze::filters::FilterOption()> option;           // from the controls
    std::function<bool(const drawlyze::filters::FilterOption&)> show;  // to the controls; false: not this row's
  };
  void BuildRows(QWidget* area);
  void AddRow(QWidget* area, int line, const QString& caption, QWidget* controls, Row row);
  std::vector<drawlyze::filters::Filter> ReadControls(QString& problems) const;
  void ShowBacktest(const drawlyze::filters::FilterBacktestResult& result);
  // prizes.csv in the data folder, else the bundled default.
  void LoadPrizes();

  drawlyze::gui::Model& model_;
  PlaysTarget playsTarget_;
  std::vector<Row> rows_;
  mutable std::vector<int> rowOfFilter_;  // the row each of filters_ came from
  std::vector<drawlyze::filters::Filter> filters_;
  drawlyze::filters::ListSummary list_;
  drawlyze::plays::PrizeTable table_ = drawlyze::plays::DefaultPrizeTable();
  QString tableProblem_;  // why prizes.csv could not be used, empty when it could
  // The views' measures up to the selected draw, kept while the row and the draws stay.
  std::unique_ptr<drawlyze::filters::MeasuresAlong> measures_;
  int measuresRow_ = 0;
  bool showing_ = false;  // ShowFilterSet is setting controls: one count at its end

  QLabel* Label_count = nullptr;
  QLabel* Label_message = nullptr;
  QComboBox* ComboBox_bet = nullptr;
  QLineEdit* Edit_amount = nullptr;
  QPlainTextEdit* Memo_summary = nullptr;
  QPlainTextEdit* Memo_list = nullptr;
  QPushButton* Button_add_plays = nullptr;
  QSpinBox* SpinBox_play_draws = nullptr;
  QDateEdit* DateEdit_plays = nullptr;
  QComboBox* ComboBox_play_time = nullptr;
  QPushButton* Button_save_list = nullptr;
  QPushButton* Button_open_set = nullptr;
  QPushButton* Button_save_set = nullptr;
  QSpinBox* SpinBox_backtest_draws = nullptr;
  QSpinBox* SpinBox_seed = nullptr;
  QPushButton* Button_backtest = nullptr;
  QPlainTextEdit* Memo_backtest = nullptr;
  QWidget* Chart_backtest = nullptr;
};
