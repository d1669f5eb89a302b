#pragma once
// One QApplication for a window test executable, created on first use.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace drawlyze::testing {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "gui_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Writes text into a file of the folder and returns its path.
inline QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
  const QString path = dir.filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(text);
  return path;
}

}  // namespace drawlyze::testing
