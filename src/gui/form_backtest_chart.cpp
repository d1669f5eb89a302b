#include "gui/form_backtest_chart.h"

#include <QChartView>
#include <QVBoxLayout>

#include "render/backtest_chart.h"

TForm_backtest_chart::TForm_backtest_chart(QWidget* parent) : QWidget(parent) {
  setObjectName("Form_backtest_chart");
  setWindowTitle("Backtest chart");  // the name of its tab
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
}

void TForm_backtest_chart::SetResult(const drawlyze::BacktestResult& result) {
  delete charts_;
  charts_ = drawlyze::MakeBacktestCharts(result, this);
  // The charts only show; Tab passes them by.
  for (QChartView* view : charts_->findChildren<QChartView*>()) view->setFocusPolicy(Qt::NoFocus);
  layout()->addWidget(charts_);
}
