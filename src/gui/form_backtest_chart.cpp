#include "gui/form_backtest_chart.h"

#include <QVBoxLayout>

#include "gui/backtest_chart.h"

TForm_backtest_chart::TForm_backtest_chart(QWidget* parent) : QDialog(parent) {
  setObjectName("Form_backtest_chart");
  setWindowTitle("Backtest");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  resize(1000, 900);
}

void TForm_backtest_chart::SetResult(const drawlyze::BacktestResult& result) {
  delete charts_;
  charts_ = drawlyze::MakeBacktestCharts(result, this);
  layout()->addWidget(charts_);
}
