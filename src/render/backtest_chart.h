#pragma once
// The backtest chart: each rule's running hit rate over the tested draws
// against its chance line and the range chance alone keeps to 95% of the
// time, one chart per way of scoring, drawn with Qt Charts. The numbers are
// the core's (BacktestChartSeries); this file only paints them.

#include <QWidget>
#include <string>

#include "core/backtest/backtest.h"
#include "core/error/error.h"

namespace drawlyze {

// One chart per score that the result's rules use (at most three), stacked.
QWidget* MakeBacktestCharts(const BacktestResult& result, QWidget* parent = nullptr);

// Renders the charts into a PNG, written whole as the chart's files are. Needs
// a QApplication; creates an offscreen one when none runs.
Status SaveBacktestChartPng(const BacktestResult& result, const std::string& path);

}  // namespace drawlyze
