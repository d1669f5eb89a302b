#pragma once

#include <QDialog>

// Placeholder until this window is built.
class TForm_memo : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_memo(QWidget* parent = nullptr);
};
