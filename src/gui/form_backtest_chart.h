#pragma once
// The backtest chart: each rule's running hit rate against chance. A pane of
// the report window, beside the backtest's table or on a tab of its own.

#include <QWidget>

#include "core/backtest/backtest.h"

class TForm_backtest_chart : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_backtest_chart(QWidget* parent = nullptr);

  // Replaces the charts by those of the result.
  void SetResult(const drawlyze::BacktestResult& result);

  // Narrower than this, the three charts and their legends get cramped;
  // wider than the other, they show nothing more.
  static constexpr int kMinWidth = 560;
  static constexpr int kMaxWidth = 1000;
  static constexpr int kMinHeight = 660;  // three charts, each legend whole

 private:
  QWidget* charts_ = nullptr;
};
