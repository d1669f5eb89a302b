#pragma once
// The backtest chart window: each rule's running hit rate against chance.

#include <QDialog>

#include "core/backtest/backtest.h"

class TForm_backtest_chart : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_backtest_chart(QWidget* parent = nullptr);

  // Replaces the charts by those of the result.
  void SetResult(const drawlyze::BacktestResult& result);

  // Places the window beside the report, moving the report to the screen's
  // right edge when that leaves the charts more room; over the report's left
  // part on a screen too small for both. Before either shows.
  void PlaceBeside(QWidget* report);

 private:
  QWidget* charts_ = nullptr;
};
