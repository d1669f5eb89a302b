#pragma once
// The Statistics window: one button per report of the core's report table,
// its own "Use Last Draws" list, the Table button, and below them the
// Backtest and Randomness buttons.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <vector>

namespace drawlyze {
struct ReportInfo;
namespace gui {
class Forms;
class Model;
}  // namespace gui
}  // namespace drawlyze

class TForm_statistics : public QDialog {
  Q_OBJECT

 public:
  // Opens the report window and the Table window of forms.
  TForm_statistics(drawlyze::gui::Model& model, const drawlyze::gui::Forms& forms, QWidget* parent = nullptr);

  // Titles the report window and shows it modally.
  void ShowReport(const QString& title);

  // Controls, named as in the design. The report buttons ("xpButton_Sum", ...)
  // are made from the report table, one per report, in its order.
  std::vector<QPushButton*> ReportButtons;
  QComboBox* ComboBox_last_draws;
  QLabel* Label_last_draws;
  QPushButton* xpButton_table;
  QPushButton* xpButton_Backtest;
  QPushButton* xpButton_Randomness;

  // Handlers. Every report button runs its report through the one handler.
  void ReportButtonClick(const drawlyze::ReportInfo& report, QPushButton* button);
  void ComboBox_last_drawsChange();
  void xpButton_tableClick();
  // The backtest of every digit rule over the draws the list chooses, its
  // chart beside the report; the randomness tests of those draws.
  void xpButton_BacktestClick();
  void xpButton_RandomnessClick();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void FormCreate();
  void DrawsLoaded();

  drawlyze::gui::Model& model_;
  const drawlyze::gui::Forms& forms_;
};
