#pragma once
// Runs `then` on each message box as it is shown (from the box's own event
// loop), the event a test waits for instead of looking every few milliseconds.

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <utility>

namespace drawlyze::testing {

class ShownMessageBoxes : public QObject {
 public:
  explicit ShownMessageBoxes(std::function<void(QMessageBox*)> then) : then_(std::move(then)) {
    QApplication::instance()->installEventFilter(this);
  }
  ~ShownMessageBoxes() override { QApplication::instance()->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (auto* box = qobject_cast<QMessageBox*>(watched); box && event->type() == QEvent::Show)
      QTimer::singleShot(0, box, [this, box] { then_(box); });
    return false;
  }

 private:
  std::function<void(QMessageBox*)> then_;
};

}  // namespace drawlyze::testing
