#pragma once

#include <QDialog>

// Placeholder until this window is built.
class TForm_Table : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_Table(QWidget* parent = nullptr);
};
