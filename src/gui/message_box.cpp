#include "gui/message_box.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <algorithm>
#include <memory>

#include "core/history/draw_history.h"

namespace drawlyze::gui {

namespace {
// Room beside a caption for the title bar's icon and buttons.
constexpr int kTitleBarButtons = 100;
// The width of a message box that has details.
constexpr int kDetailsWidth = 560;
}  // namespace

QString ApplicationTitle() { return QString("Drawlyze %1x%2").arg(DRAW_SIZE).arg(DIGIT_COUNT); }

std::function<void(const QString&)> g_messageHook;
std::function<bool(const QString&)> g_questionHook;
std::function<QString(const QString&, const QString&, const QString&)> g_inputHook;

std::function<QString(const QString&)> g_openFileHook;
std::function<QStringList(const QString&)> g_openFilesHook;
std::function<QString(const QString&)> g_saveFileHook;
std::function<QString(const QString&, const QStringList&, int&)> g_saveFileTypeHook;

void ShowMessage(const QString& text, QWidget* parent) { ShowMessage(text, QString(), parent); }

void ShowMessage(const QString& text, const QString& details, QWidget* parent) {
  if (g_messageHook) {
    g_messageHook(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, parent);
  // Messages quote what others wrote (a server's reason phrase, an archive
  // member's name): shown as text, never taken for markup or links.
  box.setTextFormat(Qt::PlainText);
  if (!details.isEmpty()) {
    box.setDetailedText(details);  // always plain text
    // Wide enough that a detail line (a line's number, reason and text) reads on one or two lines.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
      grid->addItem(new QSpacerItem(kDetailsWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(),
                    0, 1, grid->columnCount());
  }
  box.exec();
}

bool AskYesNo(const QString& text, QWidget* parent) {
  if (g_questionHook) return g_questionHook(text);
  QMessageBox box(QMessageBox::Question, ApplicationTitle(), text, QMessageBox::Yes | QMessageBox::No, parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

QString InputBox(const QString& caption, const QString& prompt, const QString& defaultText, QWidget* parent) {
  if (g_inputHook) return g_inputHook(caption, prompt, defaultText);
  const std::unique_ptr<QInputDialog> dialog(MakeInputDialog(caption, prompt, defaultText, parent));
  return dialog->exec() == QDialog::Accepted ? dialog->textValue() : defaultText;
}

QInputDialog* MakeInputDialog(const QString& caption, const QString& prompt, const QString& defaultText,
                              QWidget* parent) {
  auto* dialog = new QInputDialog(parent);
  dialog->setWindowTitle(caption);
  dialog->setLabelText(prompt);
  dialog->setTextValue(defaultText);
  // The window manager draws the caption in the desktop's face, not in the windows' condensed one.
  QFont title = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  title.setBold(true);
  // The dialog's layout sets its smallest size from the controls: the text field
  // makes room for the caption.
  const int width = QFontMetrics(title).horizontalAdvance(caption) + kTitleBarButtons;
  if (auto* edit = dialog->findChild<QLineEdit*>()) {
    const QMargins margins = dialog->layout() ? dialog->layout()->contentsMargins() : QMargins();
    edit->setMinimumWidth(width - margins.left() - margins.right());
  }
  return dialog;
}

QString OpenFileName(const QString& proposedName, const QString& filter, QWidget* parent) {
  if (g_openFileHook) return g_openFileHook(proposedName);
  return QFileDialog::getOpenFileName(parent, QString(), proposedName, filter);
}

QStringList OpenFileNames(const QString& proposedName, const QString& filter, QWidget* parent) {
  if (g_openFilesHook) return g_openFilesHook(proposedName);
  if (g_openFileHook) {
    const QString one = g_openFileHook(proposedName);
    return one.isEmpty() ? QStringList() : QStringList{one};
  }
  return QFileDialog::getOpenFileNames(parent, QString(), proposedName, filter);
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
