#include "render/backtest_chart.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPixmap>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <memory>

#include "core/backtest/backtest_series.h"
#include "render/chart_files.h"

namespace drawlyze {
namespace {

// One colour per rule, the same in every chart.
QColor RuleColour(int rule) {
  static const QColor colours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
                                   QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd), QColor(0x7f, 0x7f, 0x7f),
                                   QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf)};
  return colours[static_cast<std::size_t>(rule) % std::size(colours)];
}

QLineSeries* Series(QChart* chart, const QString& name, const QPen& pen) {
  auto* series = new QLineSeries(chart);
  series->setName(name);
  series->setPen(pen);
  return series;
}

// Draws one score's series as the core computed them: the rules' running hit
// rates, the chance line and the 95% range of chance.
QChart* ScoreChart(const BacktestSeries& data, int tested) {
  auto* chart = new QChart();
  chart->setTitle(QString::fromStdString(data.title));
  const auto points = [&](const auto& valueAt) {
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(data.draws.size()));
    for (std::size_t i = 0; i < data.draws.size(); ++i) list.append(QPointF(data.draws[i], valueAt(i)));
    return list;
  };

  std::vector<QLineSeries*> all;
  for (const RuleSeries& rule : data.rules) {
    QLineSeries* series = Series(chart, QString::fromStdString(rule.name), QPen(RuleColour(rule.rule), 1.6));
    series->replace(points([&](std::size_t i) { return rule.rates[i]; }));
    all.push_back(series);
  }
  QPen chancePen(Qt::black, 1.4, Qt::DashLine);
  QPen bandPen(QColor(0x60, 0x60, 0x60), 1, Qt::DotLine);
  QLineSeries* chanceLine = Series(chart, "chance", chancePen);
  QLineSeries* upper = Series(chart, "95% range of chance", bandPen);
  QLineSeries* lower = Series(chart, "", bandPen);
  chanceLine->replace(points([&](std::size_t) { return data.chance; }));
  upper->replace(points([&](std::size_t i) { return data.band[i].high; }));
  lower->replace(points([&](std::size_t i) { return data.band[i].low; }));
  all.push_back(chanceLine);
  all.push_back(upper);
  all.push_back(lower);

  auto* x = new QValueAxis(chart);
  x->setTitleText("Tested draws, oldest first");
  x->setRange(1, std::max(tested, 2));
  x->setLabelFormat("%d");
  auto* y = new QValueAxis(chart);
  y->setTitleText("Hit rate so far");
  y->setRange(data.axis.low, data.axis.high);
  y->setLabelFormat("%.3f");
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (QLineSeries* series : all) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
  }
  // The band's lower edge needs no second legend entry.
  for (QLegendMarker* marker : chart->legend()->markers(lower)) marker->setVisible(false);
  chart->legend()->setAlignment(Qt::AlignRight);
  // Three charts share a screen as short as 768 pixels: compact legends and
  // margins keep all eight entries of a chart visible.
  QFont legendFont = chart->legend()->font();
  legendFont.setPixelSize(11);
  chart->legend()->setFont(legendFont);
  chart->setMargins(QMargins(4, 2, 4, 2));
  chart->layout()->setContentsMargins(2, 2, 2, 2);
  return chart;
}

}  // namespace

QWidget* MakeBacktestCharts(const BacktestResult& result, QWidget* parent) {
  auto* widget = new QWidget(parent);
  auto* layout = new QVBoxLayout(widget);
  layout->setContentsMargins(0, 0, 0, 0);
  const std::vector<BacktestSeries> charts = BacktestChartSeries(result);
  for (const BacktestSeries& data : charts) {
    auto* view = new QChartView(ScoreChart(data, result.tested), widget);
    view->setObjectName(QString("ChartView_%1").arg(static_cast<int>(data.score)));
    view->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(view);
  }
  if (!charts.empty()) {
    auto* note = new QLabel(QString::fromStdString(BacktestChartNote(result)), widget);
    note->setObjectName("Label_backtest_note");
    note->setWordWrap(true);
    note->setContentsMargins(6, 2, 6, 4);
    layout->addWidget(note);
  }
  return widget;
}

Status SaveBacktestChartPng(const BacktestResult& result, const std::string& path) {
  if (result.tested == 0) return Error{ErrorKind::Unreadable, "", "no draw was tested, so there is no chart"};
  std::unique_ptr<QApplication> app;
  if (!QCoreApplication::instance()) {
    static int argc = 3;
    static char arg0[] = "drawlyze-cli", arg1[] = "-platform", arg2[] = "offscreen";
    static char* argv[] = {arg0, arg1, arg2, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
  } else if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
    return Error{ErrorKind::CannotWrite, path, "the chart needs a widget application"};
  }
  std::unique_ptr<QWidget> charts(MakeBacktestCharts(result));
  const int count = static_cast<int>(charts->findChildren<QChartView*>().size());
  // Laid out and painted without ever being shown.
  charts->resize(1100, 380 * std::max(count, 1));
  charts->ensurePolished();
  charts->layout()->activate();
  // Through the chart files' writer: whole or not at all, never half a PNG.
  return WriteChartFile(path, PngBytes(charts->grab().toImage()));
}

}  // namespace drawlyze
