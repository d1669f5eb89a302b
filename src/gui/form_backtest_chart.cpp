#include "gui/form_backtest_chart.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "render/backtest_chart.h"

TForm_backtest_chart::TForm_backtest_chart(QWidget* parent) : QDialog(parent) {
  setObjectName("Form_backtest_chart");
  setWindowTitle("Backtest chart");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);
  // Modal over the report it comes with, as every window here opens over the
  // one before: window managers then keep it above the report and the
  // Statistics window, and the report reads beside it.
  setWindowModality(Qt::WindowModal);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  resize(1000, 900);
}

void TForm_backtest_chart::SetResult(const drawlyze::BacktestResult& result) {
  delete charts_;
  charts_ = drawlyze::MakeBacktestCharts(result, this);
  layout()->addWidget(charts_);
}

void TForm_backtest_chart::PlaceBeside(QWidget* report) {
  // Narrower than this, the three charts and their legends get cramped.
  constexpr int kMinWidth = 560;
  constexpr int kMaxWidth = 1000;
  const QScreen* screen = report->screen() ? report->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  // The frame's size once shown; before that, a guess at a title bar.
  const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(2, 24);
  const auto leftRoom = [&] { return report->frameGeometry().left() - area.left() - frame.width(); };
  const auto rightRoom = [&] { return area.right() - report->frameGeometry().right() - frame.width(); };
  // Too little room on either side: the report moves to the screen's right
  // edge, the charts take the room left of it.
  if (std::max(leftRoom(), rightRoom()) < kMaxWidth && rightRoom() > 0)
    report->move(report->x() + rightRoom() + frame.width(), report->y());
  int width = std::min(std::max(leftRoom(), rightRoom()), kMaxWidth);
  int x = rightRoom() > leftRoom() ? report->frameGeometry().right() + 1
                                   : report->frameGeometry().left() - width - frame.width();
  if (width < kMinWidth) {  // a small screen: over the report's left part only,
    width = kMinWidth;      // so that the report's right part stays in sight
    x = area.left();
  }
  resize(width, area.height() - frame.height());  // as tall as the report
  move(x, area.top());
}
