#include "gui/message_box.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace drawlyze::gui {

std::function<void(const QString&)> g_messageHook;
std::function<bool(const QString&)> g_questionHook;
std::function<QString(const QString&, const QString&, const QString&)> g_inputHook;

std::function<QString(const QString&)> g_openFileHook;
std::function<QString(const QString&)> g_saveFileHook;

void ShowMessage(const QString& text, QWidget* parent) {
  if (g_messageHook) {
    g_messageHook(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
  // Messages quote what others wrote (a server's reason phrase, an archive
  // member's name): shown as text, never taken for markup or links.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool AskYesNo(const QString& text, QWidget* parent) {
  if (g_questionHook) return g_questionHook(text);
  QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

QString InputBox(const QString& caption, const QString& prompt, const QString& defaultText, QWidget* parent) {
  if (g_inputHook) return g_inputHook(caption, prompt, defaultText);
  bool ok = false;
  const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, defaultText, &ok);
  return ok ? text : defaultText;
}

QString OpenFileName(const QString& proposedName, const QString& filter, QWidget* parent) {
  if (g_openFileHook) return g_openFileHook(proposedName);
  return QFileDialog::getOpenFileName(parent, QString(), proposedName, filter);
}

QString SaveFileName(const QString& proposedName, const QString& filter, QWidget* parent) {
  if (g_saveFileHook) return g_saveFileHook(proposedName);
  return QFileDialog::getSaveFileName(parent, QString(), proposedName, filter);
}

}  // namespace drawlyze::gui
