#pragma once
// The program's window set on a draw file in a temporary folder: the fixture
// the window tests share. What a message box would show is collected in
// `messages`; every hook a test sets is cleared again after it.

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "gui/form1.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "gui/print_actions.h"
#include "qt_app.h"

namespace drawlyze::testing {

inline const QByteArray kFourDraws =
    "1 01.01.2011 a b 3 1 4 x\r\n"
    "2 01.01.2011 a b 5 9 2 x\r\n"
    "3 02.01.2011 a b 3 5 8 x\r\n"
    "4 02.01.2011 a b 9 7 9 x\r\n";

class FormsTest : public ::testing::Test {
 protected:
  // Writes `draws` as the folder's 3x10.txt and opens the windows on it.
  void OpenForms(const QByteArray& draws) {
    App();
    gui::g_messageHook = [this](const QString& text) { messages << text; };
    path = WriteFile(dir, "3x10.txt", draws);
    model.SetFolder(dir.path());
    forms = std::make_unique<gui::Forms>(model, path.toLocal8Bit().constData());
    main = forms->Form1;
  }
  void TearDown() override {
    forms.reset();
    gui::g_messageHook = nullptr;
    gui::g_questionHook = nullptr;
    gui::g_openFileHook = nullptr;
    gui::g_openFilesHook = nullptr;
    gui::g_saveFileHook = nullptr;
    gui::g_saveFileTypeHook = nullptr;
    gui::g_inputHook = nullptr;
    gui::g_printDialogHook = nullptr;
    gui::g_printPreviewHook = nullptr;
  }

  QTemporaryDir dir;
  QString path;
  QStringList messages;
  gui::Model model;
  std::unique_ptr<gui::Forms> forms;
  TForm1* main = nullptr;
};

}  // namespace drawlyze::testing
