#include "gui/key_preview.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace drawlyze::gui {
namespace {

class KeyFilter : public QObject {
 public:
  KeyFilter(QObject* parent, std::function<bool(QKeyEvent*)> handler) : QObject(parent), handler_(std::move(handler)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && handler_(static_cast<QKeyEvent*>(event))) return true;
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<bool(QKeyEvent*)> handler_;
};

}  // namespace

void PreviewKeys(QWidget* window, const QList<QWidget*>& controls, std::function<bool(QKeyEvent*)> handler) {
  auto* filter = new KeyFilter(window, std::move(handler));
  window->installEventFilter(filter);
  for (QWidget* control : controls) control->installEventFilter(filter);
}

void ToggleMaximised(QWidget* window) {
  if (window->isMaximized())
    window->showNormal();
  else
    window->showMaximized();
}

}  // namespace drawlyze::gui
