#include "gui/message_box.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <algorithm>

namespace drawlyze::gui {

std::function<void(const QString&)> g_messageHook;
std::function<bool(const QString&)> g_questionHook;
std::function<QString(const QString&, const QString&, const QString&)> g_inputHook;

std::function<QString(const QString&)> g_openFileHook;
std::function<QString(const QString&)> g_saveFileHook;
std::function<QString(const QString&, const QStringList&, int&)> g_saveFileTypeHook;

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

QString FileTypeSuffix(const QString& type) {
  const qsizetype star = type.indexOf("(*.");
  return star < 0 ? QString() : type.mid(star + 3).section(')', 0, 0).section(' ', 0, 0);
}

QString SaveFileNameOfType(const QString& proposedName, const QStringList& types, int& type, QWidget* parent) {
  if (g_saveFileTypeHook) return g_saveFileTypeHook(proposedName, types, type);
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);  // confirms before replacing a file
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(types);
  dialog.selectNameFilter(types.value(type));
  dialog.setDefaultSuffix(FileTypeSuffix(types.value(type)));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& chosen) { dialog.setDefaultSuffix(FileTypeSuffix(chosen)); });
  dialog.selectFile(proposedName);
  const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
  // Some window managers leave no window focused after the dialog and its
  // "replace?" question close; the keys then go nowhere until a click.
  if (parent) parent->window()->activateWindow();
  if (!accepted) return QString();
  type = std::max<int>(0, static_cast<int>(types.indexOf(dialog.selectedNameFilter())));
  return dialog.selectedFiles().constFirst();
}

}  // namespace drawlyze::gui
