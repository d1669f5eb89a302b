#pragma once

#include <QDialog>

// Placeholder until this window is built.
class TForm_statistics : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_statistics(QWidget* parent = nullptr);
};
