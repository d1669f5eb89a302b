#pragma once
// The report window: the lines of the last report as plain text, Esc to
// maximise and restore.

#include <QDialog>
#include <QPlainTextEdit>
#include <string>
#include <vector>

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

 private:
  void FormCreate();
  bool FormKeyDown(QKeyEvent* event);
};
