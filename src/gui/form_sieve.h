#pragma once

#include <QDialog>

// Placeholder until this window is built.
class TForm_Sieve : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_Sieve(QWidget* parent = nullptr);
};
