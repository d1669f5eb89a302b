#pragma once

#include <QDialog>

// Placeholder until this window is built.
class TForm_updater : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_updater(QWidget* parent = nullptr);
};
