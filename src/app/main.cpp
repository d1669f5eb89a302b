// Drawlyze Pick 3: creates the windows in order and runs the event loop.
//   drawlyze [DRAWFILE]
//   drawlyze --screenshot FILE [--option N] [--row R] [DRAWFILE]
//   drawlyze --help | --version
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/app_help.h"
#include "gui/error_message.h"
#include "gui/form1.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "platform/program_info.h"
#include "render/chart_files.h"

namespace {

bool HaveDisplay() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 && *x11) || (wayland && *wayland);
}

// A script waits on no dialog: every message goes to stderr, a question is
// answered No, an input keeps its default and no file is chosen.
void AnswerDialogsOnStderr() {
  using namespace drawlyze::gui;
  g_messageHook = [](const QString& text) { std::fprintf(stderr, "drawlyze: %s\n", text.toLocal8Bit().constData()); };
  g_questionHook = [](const QString& text) {
    std::fprintf(stderr, "drawlyze: %s (no)\n", text.toLocal8Bit().constData());
    return false;
  };
  g_inputHook = [](const QString&, const QString&, const QString& defaultText) { return defaultText; };
  g_openFileHook = [](const QString&) { return QString(); };
  g_saveFileHook = [](const QString&) { return QString(); };
}

}  // namespace

int main(int argc, char** argv) {
  std::string screenshot;
  int option = -1;
  int row = -1;
  const char* drawFile = nullptr;
  drawlyze::platform::SetApplicationNames();
  for (int i = 1; i < argc; ++i) {
    // Answered before anything needs a display.
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(AppHelpText().c_str(), stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::fputs(drawlyze::platform::VersionText("drawlyze").c_str(), stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
      screenshot = argv[++i];
    } else if (std::strcmp(argv[i], "--option") == 0 && i + 1 < argc) {
      option = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--row") == 0 && i + 1 < argc) {
      row = std::atoi(argv[++i]);
    } else if (!drawFile) {
      drawFile = argv[i];
    }
  }
  if (!screenshot.empty() && !HaveDisplay()) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!HaveDisplay()) {
    std::fprintf(stderr,
                 "drawlyze: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                 "Without a display you can still:\n"
                 "  drawlyze --screenshot chart.png [--option N] [--row R]   render the main window to a PNG\n"
                 "  drawlyze-cli view Skips                                  print a view's copy text\n"
                 "  drawlyze-cli --help                                      all command-line uses\n");
    return 1;
  }

  QApplication app(argc, argv);
  // The desktop matches the windows to the menu entry and the installed icon.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(drawlyze::platform::kDesktopId));
  QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(drawlyze::platform::kDesktopId)));
  if (!screenshot.empty()) AnswerDialogsOnStderr();
  drawlyze::gui::Model model;  // the draws, patterns and selection every window shares
  drawlyze::gui::Forms forms(model, drawFile);
  TForm1* Form1 = forms.Form1;
  if (!screenshot.empty()) {
    if (option >= 0) Form1->SelectOption(option);
    if (row >= 1) Form1->SelectRow(row);
    Form1->show();
    QApplication::processEvents();
    // Written whole, as the chart's images are; a failure in the windows' words.
    const drawlyze::Status saved = drawlyze::WriteChartFile(screenshot, drawlyze::PngBytes(Form1->grab().toImage()));
    if (!saved)
      std::fprintf(stderr, "drawlyze: %s\n", drawlyze::gui::ErrorMessage(saved.Failure()).toUtf8().constData());
    return saved ? 0 : 1;
  }
  Form1->show();
  return app.exec();
}
