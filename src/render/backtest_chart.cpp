#include "render/backtest_chart.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPixmap>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <memory>

#include "core/backtest/decimal_text.h"

namespace drawlyze {
namespace {

// At most this many points a line: enough for any screen, cheap for any history.
constexpr int kMaxPoints = 1200;

// One colour per rule, the same in every chart.
QColor RuleColour(int rule) {
  static const QColor colours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
                                   QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd), QColor(0x7f, 0x7f, 0x7f),
                                   QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf)};
  return colours[static_cast<std::size_t>(rule) % std::size(colours)];
}

QString ChartTitle(Score score, int top) {
  const std::string chance = Fixed(ChanceRate(score, top), 3);
  const std::string k = std::to_string(top);
  switch (score) {
    case Score::AtLeastOne:
      return QString::fromStdString("At least one of the top " + k + " digits comes (chance " + chance + ")");
    case Score::AllThree:
      return QString::fromStdString("All three digits among the top " + k + " (chance " + chance + ")");
    case Score::AtThePosition:
      return QString::fromStdString("The digit at each position among its top " + k + " (chance " + chance + ")");
  }
  return {};
}

QLineSeries* Series(QChart* chart, const QString& name, const QPen& pen) {
  auto* series = new QLineSeries(chart);
  series->setName(name);
  series->setPen(pen);
  return series;
}

// The rules' running hit rates, the chance line and the 95% range of chance.
QChart* ScoreChart(const BacktestResult& result, Score score) {
  auto* chart = new QChart();
  chart->setTitle(ChartTitle(score, result.options.top));
  const double chance = ChanceRate(score, result.options.top);
  const int perDraw = score == Score::AtThePosition ? 3 : 1;
  const int n = result.tested;
  const int step = std::max(1, n / kMaxPoints);
  const auto sampled = [&](int j) { return (j + 1) % step == 0 || j == n - 1; };
  const auto spread = [&](int j) { return 1.959964 * std::sqrt(chance * (1 - chance) / (perDraw * (j + 1.0))); };

  // The axis shows the band from a twentieth of the draws on (the first
  // draws swing wildly) and every rule's rate from there.
  const int settled = std::min(n - 1, std::max(n / 20, 20));
  double low = chance - 1.2 * spread(settled), high = chance + 1.2 * spread(settled);

  std::vector<QLineSeries*> all;
  for (const BacktestLine& line : result.lines) {
    if (line.score != score) continue;
    const DigitRule& rule = AllDigitRules()[static_cast<std::size_t>(line.rule)];
    QLineSeries* series = Series(chart, rule.caption, QPen(RuleColour(line.rule), 1.6));
    int hits = 0;
    QList<QPointF> points;
    for (int j = 0; j < n; ++j) {
      hits += line.hitsByDraw[static_cast<std::size_t>(j)];
      const double rate = static_cast<double>(hits) / (perDraw * (j + 1));
      if (j >= settled) low = std::min(low, rate), high = std::max(high, rate);
      if (sampled(j)) points.append(QPointF(j + 1, rate));
    }
    series->replace(points);
    all.push_back(series);
  }
  QPen chancePen(Qt::black, 1.4, Qt::DashLine);
  QPen bandPen(QColor(0x60, 0x60, 0x60), 1, Qt::DotLine);
  QLineSeries* chanceLine = Series(chart, "chance", chancePen);
  QLineSeries* upper = Series(chart, "95% range of chance", bandPen);
  QLineSeries* lower = Series(chart, "", bandPen);
  QList<QPointF> chancePoints, upperPoints, lowerPoints;
  for (int j = 0; j < n; ++j) {
    if (!sampled(j)) continue;
    chancePoints.append(QPointF(j + 1, chance));
    upperPoints.append(QPointF(j + 1, chance + spread(j)));
    lowerPoints.append(QPointF(j + 1, chance - spread(j)));
  }
  chanceLine->replace(chancePoints);
  upper->replace(upperPoints);
  lower->replace(lowerPoints);
  all.push_back(chanceLine);
  all.push_back(upper);
  all.push_back(lower);

  auto* x = new QValueAxis(chart);
  x->setTitleText("Tested draws, oldest first");
  x->setRange(1, std::max(n, 2));
  x->setLabelFormat("%d");
  auto* y = new QValueAxis(chart);
  y->setTitleText("Hit rate so far");
  const double margin = (high - low) * 0.05;
  y->setRange(std::max(0.0, low - margin), std::min(1.0, high + margin));
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
  for (const Score score : {Score::AtLeastOne, Score::AllThree, Score::AtThePosition}) {
    const bool used = std::any_of(result.lines.begin(), result.lines.end(),
                                  [&](const BacktestLine& line) { return line.score == score; });
    if (!used || result.tested == 0) continue;
    auto* view = new QChartView(ScoreChart(result, score), widget);
    view->setObjectName(QString("ChartView_%1").arg(static_cast<int>(score)));
    view->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(view);
  }
  return widget;
}

bool SaveBacktestChartPng(const BacktestResult& result, const std::string& path, std::string& error) {
  if (result.tested == 0) {
    error = "no draw was tested, so there is no chart";
    return false;
  }
  std::unique_ptr<QApplication> app;
  if (!QCoreApplication::instance()) {
    static int argc = 3;
    static char arg0[] = "drawlyze-cli", arg1[] = "-platform", arg2[] = "offscreen";
    static char* argv[] = {arg0, arg1, arg2, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
  } else if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
    error = "the chart needs a widget application";
    return false;
  }
  std::unique_ptr<QWidget> charts(MakeBacktestCharts(result));
  const int count = static_cast<int>(charts->findChildren<QChartView*>().size());
  // Laid out and painted without ever being shown.
  charts->resize(1100, 380 * std::max(count, 1));
  charts->ensurePolished();
  charts->layout()->activate();
  if (!charts->grab().save(QString::fromStdString(path), "PNG")) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace drawlyze
