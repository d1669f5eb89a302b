#include "gui/form_sieve.h"

#include <QFile>
#include <QFileDialog>
#include <string>
#include <vector>

#include "core/history/draw_history.h"
#include "core/sieve/sieve_pattern_file.h"
#include "gui/error_message.h"
#include "gui/latin1.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "gui/styled_controls.h"

using namespace drawlyze;
using drawlyze::gui::Latin1;

std::function<QString()> TForm_Sieve::saveFileHook;
std::function<QString()> TForm_Sieve::openFileHook;

namespace {

const QString kFileFilter = "*.txt (*.txt);;*.* (*)";

// A memo's lines as a text list sees them: a final line end adds no empty line.
std::vector<std::string> MemoLines(const QPlainTextEdit* memo) {
  const QByteArray text = memo->toPlainText().toLatin1();
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(std::string_view(text.constData(), static_cast<std::size_t>(text.size()))))
    lines.emplace_back(line);
  return lines;
}

void SetMemoLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
  QStringList texts;
  for (const std::string& line : lines) texts << Latin1(line);
  memo->setPlainText(texts.join('\n'));
}

}  // namespace

TForm_Sieve::TForm_Sieve(gui::Model& model, QWidget* parent) : QDialog(parent), model_(model) {
  Memo1 = new QPlainTextEdit(this);
  Memo2 = new QPlainTextEdit(this);
  Label1 = new QLabel("More", this);
  Label2 = new QLabel("Less", this);
  xpButton_Save = new QPushButton("Save", this);
  xpButton_Load = new QPushButton("Load", this);
  Button_OK = new QPushButton("OK", this);
  FormCreate();
}

void TForm_Sieve::FormCreate() {
  drawlyze::gui::MakeFixedDialog(this, "Form_Sieve", "Sieve", 393, 370);

  drawlyze::gui::FillBackground(this);

  drawlyze::gui::PlaceControls({
      {Memo1, "Memo1", 8, 8, 185, 265},
      {Memo2, "Memo2", 200, 8, 185, 265},
      {Label1, "Label1", 88, 280, 40, 13},
      {Label2, "Label2", 288, 280, 40, 13},
      {xpButton_Save, "xpButton_Save", 152, 288, 49, 20},
      {xpButton_Load, "xpButton_Load", 208, 288, 49, 20},
      {Button_OK, "Button_OK", 160, 336, 75, 25},
  });
  drawlyze::gui::StyleButtons({xpButton_Save, xpButton_Load, Button_OK});
  for (QLabel* label : {Label1, Label2}) drawlyze::gui::FillBackground(label);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setAccessibleName(Label1->text());  // the captions stand below the lists
  Memo2->setAccessibleName(Label2->text());

  connect(xpButton_Save, &QPushButton::clicked, this, [this] { xpButton_SaveClick(); });
  connect(xpButton_Load, &QPushButton::clicked, this, [this] { xpButton_LoadClick(); });
  connect(Button_OK, &QPushButton::clicked, this, [this] { accept(); });

  // The memos start with the lines of the model's start patterns.
  SetMemoLines(Memo1, MoreStartLines());
  SetMemoLines(Memo2, LessStartLines());
}

const SievePatterns& TForm_Sieve::Patterns() const { return model_.sieve; }

bool TForm_Sieve::FormClose() {
  std::vector<std::string> more = MemoLines(Memo1);
  const SieveParseResult parsedMore = ParsePatternMemo(more, model_.sieve.more);
  if (parsedMore.ok) SetMemoLines(Memo1, more);
  SieveParseResult result = parsedMore;
  if (parsedMore.ok) {
    std::vector<std::string> less = MemoLines(Memo2);
    result = ParsePatternMemo(less, model_.sieve.less);
    if (result.ok) SetMemoLines(Memo2, less);
  }
  if (!result.ok) gui::ShowMessage(Latin1(result.error), this);
  return result.ok;
}

void TForm_Sieve::done(int result) {
  if (!FormClose()) return;  // stays open with the memos as they were
  QDialog::done(result);
  model_.PatternsEdited();
}

QString TForm_Sieve::ChooseFile(bool save) {
  if (save && saveFileHook) return saveFileHook();
  if (!save && openFileHook) return openFileHook();
  QFileDialog dialog(this);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(kFileFilter);
  dialog.setDefaultSuffix("txt");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

void TForm_Sieve::xpButton_SaveClick() {
  const QString path = ChooseFile(true);
  if (path.isEmpty()) return;
  if (const Status saved =
          WritePatternFile(QFile::encodeName(path).toStdString(), {MemoLines(Memo1), MemoLines(Memo2)});
      !saved)
    gui::ShowError(saved.Failure(), this);
}

void TForm_Sieve::xpButton_LoadClick() {
  const QString path = ChooseFile(false);
  if (path.isEmpty()) return;
  const Result<PatternLists> lists = ReadPatternFile(QFile::encodeName(path).toStdString());
  if (!lists) {
    gui::ShowError(lists.Failure(), this);
    return;
  }
  // Only the memos change; the patterns follow on closing.
  SetMemoLines(Memo1, lists->more);
  SetMemoLines(Memo2, lists->less);
}
