#pragma once
// The program's message boxes and input dialogs. Tests replace them with
// hooks so that no modal box waits for a click that never comes.

#include <QString>
#include <QStringList>
#include <functional>

class QInputDialog;
class QWidget;

namespace drawlyze::gui {

// The application title, ‹Drawlyze 3x10›: the message boxes' caption. Window
// titles stay as designed (a desktop would append a display name to them).
QString ApplicationTitle();

// A modal message box with the text and an OK button.
void ShowMessage(const QString& text, QWidget* parent = nullptr);
// The same with details behind the box's "Show Details..." button (the hook
// hears the text alone).
void ShowMessage(const QString& text, const QString& details, QWidget* parent);
// A modal question with Yes and No buttons; true for Yes.
bool AskYesNo(const QString& text, QWidget* parent = nullptr);
// The one-line input dialog; returns the default text when the user cancels.
QString InputBox(const QString& caption, const QString& prompt, const QString& defaultText, QWidget* parent = nullptr);
// That dialog, wide enough for its caption in a title bar.
QInputDialog* MakeInputDialog(const QString& caption, const QString& prompt, const QString& defaultText,
                              QWidget* parent = nullptr);

// The open-file dialog; returns the empty text when the user cancels.
QString OpenFileName(const QString& proposedName, const QString& filter, QWidget* parent = nullptr);
// The open-file dialog choosing several files; empty when the user cancels.
QStringList OpenFileNames(const QString& proposedName, const QString& filter, QWidget* parent = nullptr);
// The save-file dialog; returns the empty text when the user cancels.
QString SaveFileName(const QString& proposedName, const QString& filter, QWidget* parent = nullptr);
// The save-file dialog offering file types ("PNG image (*.png)"): type is the
// index of the one shown first and, after the dialog, of the one chosen. A
// name typed without a suffix gets the chosen type's, and the dialog asks
// before it replaces a file. Returns the empty text when the user cancels.
QString SaveFileNameOfType(const QString& proposedName, const QStringList& types, int& type, QWidget* parent = nullptr);
// The suffix a file type offers: "png" of "PNG image (*.png)".
QString FileTypeSuffix(const QString& type);

// Test hooks: when set, they are called instead of showing anything.
extern std::function<void(const QString&)> g_messageHook;
extern std::function<bool(const QString&)> g_questionHook;
extern std::function<QString(const QString& caption, const QString& prompt, const QString& defaultText)> g_inputHook;

extern std::function<QString(const QString& proposedName)> g_openFileHook;
// Several files; when unset, OpenFileNames asks g_openFileHook for one.
extern std::function<QStringList(const QString& proposedName)> g_openFilesHook;
extern std::function<QString(const QString& proposedName)> g_saveFileHook;
extern std::function<QString(const QString& proposedName, const QStringList& types, int& type)> g_saveFileTypeHook;

}  // namespace drawlyze::gui
