#pragma once
// The help window (F1 in any window): what each window does and every key.

#include <QDialog>
#include <QLabel>

class TForm_help : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_help(QWidget* parent = nullptr);

  // Shows the window over whichever window is open, modal to them all, and
  // returns at once; Esc or the close box closes it.
  void ShowHelp();
  // The same, with the keys alone.
  void ShowKeys();

  // The text of the two lists.
  QLabel* Label_windows;
  QLabel* Label_keys;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Show(bool windows);
  void FitHeight();
};
