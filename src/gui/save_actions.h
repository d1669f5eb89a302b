#pragma once
// Saving what the windows show: the main window's chart as an image or its
// text, a report as text or CSV, the Table window as CSV. Every file is
// written whole (a new file renamed over the old one), the save dialog asks
// before it replaces a file, and a failure is a message naming the file.

#include <QMenu>
#include <QObject>
#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

#include "core/table/table_text.h"

class TForm1;

namespace drawlyze::gui {

struct SaveTarget {
  QString path;  // empty: the user cancelled
  int type = 0;  // the index of the file type to write
};

// The save dialog, proposing name (a caption, made a file name, with the type's
// suffix) in the folder saved into last, at first the user's documents folder.
// The type follows the file's suffix when one of the types has it, else the
// type chosen in the dialog.
SaveTarget AskSaveTarget(const QString& name, const QStringList& types, int type, QWidget* parent);

// Writes the bytes whole; on failure shows "Error - file PATH cannot be
// written!" and returns false, the file as it was. No bytes is a failure
// unless mayBeEmpty (an empty text is a text; an empty image is none).
bool WriteSavedFile(const QString& path, std::string_view bytes, QWidget* parent, bool mayBeEmpty = true);

// A caption as a file name: blanks cut from both ends, characters that
// cannot stand in a file name replaced by "_".
QString FileNameOf(const QString& caption);

// The report window's text (its lines) as text or CSV.
void SaveReportAs(const QString& title, const QString& text, QWidget* parent);
// The Table window's cells, header row first, as CSV.
void SaveTableAsCsv(const std::vector<TableRow>& cells, QWidget* parent);

// The main window's chart menu: a right click on the chart opens it.
class ChartSaveActions : public QObject {
 public:
  explicit ChartSaveActions(TForm1* form);

  QMenu* menu;
  QAction* CopyText1;
  QAction* CopyImage1;
  QAction* SaveImage1;  // also Ctrl+S
  QAction* SaveText1;

  void CopyText() const;
  void CopyImage() const;
  void SaveImage() const;
  void SaveText() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString Caption() const;
  TForm1* form_;
};

}  // namespace drawlyze::gui
