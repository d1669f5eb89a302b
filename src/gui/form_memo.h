#pragma once
// The report window: the lines of the last report as plain text, scrolling
// sideways past a long line, Esc to maximise and restore; the backtest's
// chart beside the text or on a tab of its own.

#include <QDialog>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTabWidget>
#include <string>
#include <vector>

#include "core/backtest/backtest.h"

class TForm_backtest_chart;

class TForm_memo : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_memo(QWidget* parent = nullptr);

  // How tabs lay out: at the edit control's stops every eight characters (the
  // reports written for them), or as aligned columns, the window widened to
  // hold the widest line and scrolling sideways beyond the screen (the
  // backtest and randomness tables, whose cells differ in length).
  enum class Tabs { Default, Columns };

  // Replaces the whole text by the lines, in one go.
  void SetLines(const std::vector<std::string>& lines, Tabs tabs = Tabs::Default);

  // Shows the result's chart with the report: beside it, the window widened,
  // when the screen has room for both; below the table on a screen too
  // narrow for that but tall enough for both; else on a tab of its own. It never covers
  // the report's first column. Esc then closes the window.
  void ShowChart(const drawlyze::BacktestResult& result);
  // The report alone again, the window as it was before the chart.
  void HideChart();
  bool ChartShown() const { return chartShown_; }

  QPlainTextEdit* Memo1;
  QTabWidget* Pages1;    // the report's page and, on a narrow screen, the chart's
  QSplitter* Splitter1;  // the text and the chart beside it
  TForm_backtest_chart* Chart1;
  // "Save As..." at the end of the text's context menu, also Ctrl+S: the text
  // as it stands, as text or CSV.
  QAction* SaveAs1;
  void SaveAs1Click();

 private:
  void FormCreate();
  bool FormKeyDown(QKeyEvent* event);

  bool chartShown_ = false;
  QRect alone_;  // the window's place without the chart
};
