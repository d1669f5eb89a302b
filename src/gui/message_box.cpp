#include "gui/message_box.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace drawlyze::gui {

std::function<void(const QString&)> g_messageHook;
std::function<QString(const QString&, const QString&, const QString&)> g_inputHook;

void ShowMessage(const QString& text, QWidget* parent) {
  if (g_messageHook) {
    g_messageHook(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
  box.exec();
}

QString InputBox(const QString& caption, const QString& prompt, const QString& defaultText, QWidget* parent) {
  if (g_inputHook) return g_inputHook(caption, prompt, defaultText);
  bool ok = false;
  const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, defaultText, &ok);
  return ok ? text : defaultText;
}

}  // namespace drawlyze::gui
