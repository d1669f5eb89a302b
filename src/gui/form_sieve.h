#pragma once
// The Sieve editor: the More and Less pattern memos and their Save and Load.
// Closing it parses the memos into the model's patterns, which the Sieve view
// reads, and tells the windows (the main window redraws its view).

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

#include "core/sieve/sieve_patterns.h"

namespace drawlyze::gui {
class Model;
}

class TForm_Sieve : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_Sieve(drawlyze::gui::Model& model, QWidget* parent = nullptr);

  const drawlyze::SievePatterns& Patterns() const;

  // Controls, named as in the design.
  QPlainTextEdit* Memo1;  // More
  QPlainTextEdit* Memo2;  // Less
  QLabel* Label1;         // "More"
  QLabel* Label2;         // "Less"
  QPushButton* xpButton_Save;
  QPushButton* xpButton_Load;
  QPushButton* Button_OK;

  // Handlers.
  void xpButton_SaveClick();
  void xpButton_LoadClick();
  // Parses More, then Less; false (after the conversion message) when a
  // number is too large, and the window then stays open.
  bool FormClose();

  // Test hooks: when set, they stand in for the save and open dialogs and
  // return the chosen file (empty: cancelled).
  static std::function<QString()> saveFileHook;
  static std::function<QString()> openFileHook;

 protected:
  void done(int result) override;  // every way of closing ends here

 private:
  void FormCreate();
  QString ChooseFile(bool save);

  drawlyze::gui::Model& model_;
};
