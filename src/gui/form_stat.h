#pragma once

#include <QDialog>

// Placeholder until this window is built.
class TForm_Stat : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_Stat(QWidget* parent = nullptr);
};
