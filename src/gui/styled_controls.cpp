#include "gui/styled_controls.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <algorithm>

namespace drawlyze::gui {

QFont WindowFont() {
  QFont font("DejaVu Sans Condensed");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

void UseWindowFont() { QApplication::setFont(WindowFont()); }

void PlaceControls(std::initializer_list<DesignedControl> controls) {
  for (const DesignedControl& d : controls) {
    d.widget->setObjectName(d.name);
    d.widget->setGeometry(d.x, d.y, d.w, d.h);
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

void UseDesignedPalette(QWidget* window) {
  QPalette p = window->style()->standardPalette();
  p.setColor(QPalette::Window, kBackgroundStart);
  window->setPalette(p);
}

void SetBackgroundAndText(QWidget* widget, const QColor& colour) {
  QPalette p = widget->palette();
  const QColor text = colour.lightness() < 128 ? Qt::white : Qt::black;
  for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window}) p.setColor(role, colour);
  // A disabled control keeps the style's grey text.
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
      p.setColor(group, role, text);
  widget->setPalette(p);
  widget->setAutoFillBackground(true);
}

void FillBackground(QWidget* widget, const QColor& colour) {
  if (widget->isWindow()) UseDesignedPalette(widget);
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

// A title bar and frame as most desktops draw them, until the window manager
// has framed the window and tells.
constexpr int kFrameGuess = 30;

// The screen's area for windows (without panels); an offscreen platform may have none.
QRect ScreenArea(const QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

int FrameHeight(const QWidget* window) {
  const int framed = window->frameGeometry().height() - window->height();
  return framed > 0 ? framed : kFrameGuess;
}

// Shortens a window placed at the top once the window manager has framed it,
// when its frame turned out taller than guessed and the bottom edge left the area.
class KeepOnScreen : public QObject {
 public:
  explicit KeepOnScreen(QWidget* window) : QObject(window), window_(window) {
    setObjectName(kName);
    window->installEventFilter(this);
  }
  static constexpr const char* kName = "KeepOnScreen";

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) checks_ = 20;
    if (checks_ > 0 && (event->type() == QEvent::Show || event->type() == QEvent::Move))
      QTimer::singleShot(0, this, [this] { Fit(); });
    return false;
  }

 private:
  void Fit() {
    if (checks_ <= 0 || !window_->isVisible() || window_->isMaximized() || window_->isFullScreen()) return;
    --checks_;
    const QRect frame = window_->frameGeometry();
    if (frame.height() == window_->height()) return;  // not framed yet
    checks_ = 0;
    const QRect area = ScreenArea(window_);
    if (frame.bottom() <= area.bottom()) return;
    window_->resize(window_->width(), std::max(window_->minimumHeight(), area.height() - FrameHeight(window_)));
    window_->move(window_->x(), area.y());
  }

  QWidget* window_;
  int checks_ = 0;
};

}  // namespace

void PlaceCentred(QWidget* window) {
  const QRect area = ScreenArea(window);
  window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
}

void PlaceAtTop(QWidget* window, int width, int minHeight) {
  const QRect area = ScreenArea(window);
  window->resize(width, std::max(minHeight, area.height() - FrameHeight(window)));
  window->move(area.x() + (area.width() - width) / 2, area.y());
  if (!window->findChild<QObject*>(KeepOnScreen::kName, Qt::FindDirectChildrenOnly)) new KeepOnScreen(window);
}

void FitColumnToTexts(QTableView* table, int column, int designedWidth) {
  const QFontMetrics metrics(table->font());
  int widest = 0;
  const QAbstractItemModel* model = table->model();
  for (int r = 0; model && r < model->rowCount(); ++r)
    widest = std::max(widest, metrics.horizontalAdvance(model->index(r, column).data().toString()));
  // An item view keeps the focus frame's margin and one pixel on each side of a text.
  const int margins = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
  table->setColumnWidth(column, std::max(designedWidth, widest + margins));
}

}  // namespace drawlyze::gui
