#pragma once
// The report window: the lines of the last report as plain text, Esc to
// maximise and restore.

#include <QDialog>
#include <QPlainTextEdit>
#include <functional>
#include <string>
#include <vector>

namespace drawlyze {
struct PrintHeader;
}
namespace drawlyze::gui {
class PrintActions;
}

class TForm_memo : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_memo(QWidget* parent = nullptr);

  // How tabs lay out: at the edit control's stops every eight characters (the
  // reports written for them), or as aligned columns, the window widened to
  // hold the widest line and scrolling sideways beyond the screen (the
  // backtest and randomness tables, whose cells differ in length).
  enum class Tabs { Default, Columns };

  // Replaces the whole text by the lines, in one go.
  void SetLines(const std::vector<std::string>& lines, Tabs tabs = Tabs::Default);

  QPlainTextEdit* Memo1;
  // "Save As..." at the end of the text's context menu, also Ctrl+S: the text
  // as it stands, as text or CSV.
  QAction* SaveAs1;
  void SaveAs1Click();
  // "Print...", "Print preview..." and "Export PDF..." of the text, below
  // "Save As..." in its context menu; Ctrl+P prints.
  drawlyze::gui::PrintActions* Printing;
  // The header of the printed pages: the draws the report counted (the window
  // set names them; none before).
  std::function<drawlyze::PrintHeader()> PrintHeaderSource;

 private:
  void FormCreate();
  bool FormKeyDown(QKeyEvent* event);
};
