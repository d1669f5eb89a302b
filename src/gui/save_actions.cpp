#include "gui/save_actions.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

#include "core/export/export_text.h"
#include "core/files/whole_file.h"
#include "core/views/views.h"
#include "gui/error_message.h"
#include "gui/form1.h"
#include "gui/message_box.h"
#include "render/chart_files.h"

namespace drawlyze::gui {
namespace {

const QString kPngType = "PNG image (*.png)";
const QString kSvgType = "SVG image (*.svg)";
const QString kTextType = "Text (*.txt)";
const QString kCsvType = "CSV (*.csv)";

// The folder of the last save, for the next dialog; empty before the first.
QString& LastFolder() {
  static QString folder;
  return folder;
}

QString StartFolder() {
  if (!LastFolder().isEmpty()) return LastFolder();
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace

QString FileNameOf(const QString& caption) {
  QString name = caption.trimmed();
  for (QChar& c : name)
    if (c < QChar(' ') || QStringView(u"/\\:*?\"<>|").contains(c)) c = '_';
  return name.isEmpty() ? QString("Drawlyze") : name;
}

SaveTarget AskSaveTarget(const QString& name, const QStringList& types, int type, QWidget* parent) {
  const QString proposed = QDir(StartFolder()).filePath(FileNameOf(name) + "." + FileTypeSuffix(types.value(type)));
  SaveTarget target;
  target.type = type;
  target.path = SaveFileNameOfType(proposed, types, target.type, parent);
  const QString suffix = QFileInfo(target.path).suffix();
  for (int i = 0; i < types.size(); ++i)
    if (suffix.compare(FileTypeSuffix(types[i]), Qt::CaseInsensitive) == 0) target.type = i;
  return target;
}

bool WriteSavedFile(const QString& path, std::string_view bytes, QWidget* parent, bool mayBeEmpty) {
  // An image is never empty: no bytes means its encoder failed.
  const Status saved = bytes.empty() && !mayBeEmpty ? Status(Error{ErrorKind::CannotWrite, {}, {}})
                                                    : WriteFileWhole(QFile::encodeName(path).toStdString(), bytes);
  if (!saved) {
    Error failure = saved.Failure();
    failure.subject = QDir::toNativeSeparators(path).toStdString();
    ShowError(failure, parent);
    return false;
  }
  LastFolder() = QFileInfo(path).absolutePath();
  return true;
}

void SaveReportAs(const QString& title, const QString& text, QWidget* parent) {
  const SaveTarget target = AskSaveTarget(title, {kTextType, kCsvType}, 0, parent);
  if (target.path.isEmpty()) return;
  // The lines as the report window joined them: n line breaks part n + 1 lines.
  std::vector<std::string> lines;
  if (!text.isEmpty())
    for (const QString& line : text.split('\n')) lines.push_back(Utf8(line));
  WriteSavedFile(target.path, target.type == 1 ? ReportCsv(lines) : ReportText(lines), parent);
}

void SaveTableAsCsv(const std::vector<TableRow>& cells, QWidget* parent) {
  const SaveTarget target = AskSaveTarget("Table", {kCsvType}, 0, parent);
  if (!target.path.isEmpty()) WriteSavedFile(target.path, TableCsv(cells), parent);
}

ChartSaveActions::ChartSaveActions(TForm1* form) : QObject(form), form_(form) {
  menu = new QMenu(form);
  menu->setObjectName("PopupMenu_chart");
  CopyText1 = menu->addAction("Copy Text", this, [this] { CopyText(); });
  CopyImage1 = menu->addAction("Copy Image", this, [this] { CopyImage(); });
  menu->addSeparator();
  SaveImage1 = menu->addAction("Save Image\u2026", this, [this] { SaveImage(); });
  SaveText1 = menu->addAction("Save Text\u2026", this, [this] { SaveText(); });
  CopyText1->setObjectName("CopyText1");
  CopyImage1->setObjectName("CopyImage1");
  SaveImage1->setObjectName("SaveImage1");
  SaveText1->setObjectName("SaveText1");
  // The window's key handler owns Ctrl+C and Ctrl+S; the menu only shows them.
  for (QAction* action : menu->actions()) action->setShortcutContext(Qt::WidgetShortcut);
  CopyText1->setShortcut(QKeySequence::Copy);
  SaveImage1->setShortcut(QKeySequence::Save);
  form->installEventFilter(this);
}

bool ChartSaveActions::eventFilter(QObject* watched, QEvent* event) {
  if (watched != form_ || event->type() != QEvent::ContextMenu) return false;
  // On the chart band only, not on a control standing over it.
  const auto* click = static_cast<QContextMenuEvent*>(event);
  if (!form_->ChartBand().contains(click->pos()) || form_->childAt(click->pos())) return false;
  menu->popup(click->globalPos());
  return true;
}

QString ChartSaveActions::Caption() const { return OptionCaption(form_->SelectedOption()); }

void ChartSaveActions::CopyText() const { QGuiApplication::clipboard()->setText(form_->CopyText()); }

void ChartSaveActions::CopyImage() const {
  QGuiApplication::clipboard()->setImage(VisibleChart(form_->ChartSurface()));
}

void ChartSaveActions::SaveImage() const {
  const SaveTarget target = AskSaveTarget(Caption(), {kPngType, kSvgType}, 0, form_);
  if (target.path.isEmpty()) return;
  const std::string bytes = target.type == 1 ? ChartSvg(form_->CurrentChart(), Utf8(Caption()))
                                             : PngBytes(VisibleChart(form_->ChartSurface()));
  WriteSavedFile(target.path, bytes, form_, false);
}

void ChartSaveActions::SaveText() const {
  const SaveTarget target = AskSaveTarget(Caption(), {kTextType}, 0, form_);
  if (!target.path.isEmpty()) WriteSavedFile(target.path, Utf8(form_->CopyText()), form_);
}

}  // namespace drawlyze::gui
