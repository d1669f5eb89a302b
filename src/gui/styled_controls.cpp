#include "gui/styled_controls.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace drawlyze::gui {

void PlaceControls(std::initializer_list<DesignedControl> controls) {
  for (const DesignedControl& d : controls) {
    d.widget->setObjectName(d.name);
    d.widget->setGeometry(d.x, d.y, d.w, d.h);
    QFont small = d.widget->font();
    small.setPixelSize(11);
    d.widget->setFont(small);
  }
}

void StyleButtons(std::initializer_list<QPushButton*> buttons) {
  for (QPushButton* b : buttons) {
    QFont bold = b->font();
    bold.setBold(true);
    b->setFont(bold);
    b->setAutoDefault(false);
    QPalette p = b->palette();
    p.setColor(QPalette::Active, QPalette::ButtonText, QColor(0, 0, 0x80));
    p.setColor(QPalette::Inactive, QPalette::ButtonText, QColor(0, 0, 0x80));
    b->setPalette(p);
  }
}

void FillBackground(QWidget* widget, const QColor& colour) {
  QPalette p = widget->palette();
  p.setColor(QPalette::Window, colour);
  widget->setPalette(p);
  widget->setAutoFillBackground(true);
}

void PaintGradient(QWidget* window, Gradient gradient) {
  QPainter painter(window);
  QLinearGradient fill(0, 0, 0, window->height());
  if (gradient == Gradient::TopDown) {
    fill.setColorAt(0, kBackgroundStart);
    fill.setColorAt(1, kBackgroundEnd);
  } else {
    fill.setColorAt(0, kBackgroundEnd);
    fill.setColorAt(0.5, kBackgroundStart);
    fill.setColorAt(1, kBackgroundEnd);
  }
  painter.fillRect(window->rect(), fill);
}

void MakeFixedDialog(QWidget* dialog, const char* name, const QString& title, int width, int height) {
  dialog->setObjectName(name);
  dialog->setWindowTitle(title);
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  dialog->setFixedSize(width, height);
}

namespace {
// The screen's area for windows; an offscreen platform may have none.
QRect ScreenArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}
}  // namespace

void PlaceCentred(QWidget* window) {
  const QRect area = ScreenArea();
  window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
}

void PlaceAtTop(QWidget* window, int width, int minHeight) {
  const QRect area = ScreenArea();
  window->resize(width, std::max(minHeight, area.height() - 20));
  window->move(area.x() + (area.width() - width) / 2, area.y());
}

}  // namespace drawlyze::gui
