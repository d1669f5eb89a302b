#include "gui/form_help.h"

#include <QVBoxLayout>

#include "gui/styled_controls.h"

namespace {

// Two columns: a name in bold, then what it does.
QString Rows(std::initializer_list<std::pair<const char*, const char*>> rows) {
  QString html = "<table cellspacing=0 cellpadding=2>";
  for (const auto& [name, text] : rows)
    html += QString("<tr><td width=84 style='white-space:nowrap'><b>%1</b></td><td>%2</td></tr>")
                .arg(QString::fromUtf8(name).toHtmlEscaped(), QString::fromUtf8(text).toHtmlEscaped());
  return html + "</table>";
}

QLabel* Section(const QString& html, const char* name, QWidget* parent) {
  auto* label = new QLabel(html, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::RichText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

TForm_help::TForm_help(QWidget* parent) : QDialog(parent) {
  setObjectName("Form_help");
  setWindowTitle("Help");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);

  Label_windows =
      Section("<b>Windows</b>" +
                  Rows({
                      {"Main window",
                       "The table of draws, the options and the chart of the selected view. The view counts "
                       "the draws up to the selected row; \"Use Last Draws\" says how many (pick one or type "
                       "a number and press Enter)."},
                      {"Statistics",
                       "Twelve reports of pairs, triples, Common Four, Sum and Find over its own \"Use Last "
                       "Draws\"; \"Table\" opens the Table window; \"Backtest\" tests whether simple rules "
                       "would have predicted the next draw, \"Randomness\" whether the draws look random."},
                      {"Report", "The text of a report, to select, copy or save."},
                      {"Backtest chart",
                       "Each rule's hit rate against the rate of chance, beside or below its report (on a "
                       "small screen on a tab of the report window)."},
                      {"Table",
                       "Every draw with its derived columns; \"State\" counts, for each column, how many of the "
                       "newest draws lie above and below a threshold."},
                      {"Sieve", "The More and Less patterns of the Sieve view; Save and Load keep them in a file."},
                      {"Updater",
                       "Downloads the results (an archive, or a lottery's CSV export), installs them as the "
                       "draw file and keeps the old one as a backup; Close or Esc stops a download."},
                      {"Import",
                       "A CSV export opened with File → Import results… or Ctrl+O: choose what each "
                       "column holds, then OK saves it as the draw file."},
                      {"Restore a backup",
                       "File → Restore a backup…: the draw file's backups with their draws and age; Restore "
                       "puts one back and keeps the file it replaces as a backup."},
                      {"Plays",
                       "Your own plays, checked against every draw they cover and priced by the prize table "
                       "(prizes.csv), with the totals beside their exact expectation; Save keeps them in "
                       "plays.csv. A new win is announced once, after the draws load."},
                      {"Filters",
                       "Narrows the 1,000 numbers by sums, patterns, digits, pairs and the history; what "
                       "passes is a list to play (\"Add to plays\"), save or backtest on past draws against "
                       "random lists of its size. The \"Filters\" button or Analysis → Filters… opens it."},
                      {"Trends",
                       "Skips, frequencies, sums, pairs up to the selected row, each against the band chance "
                       "keeps it in; it follows the main window. Wheel or + - zoom, drag or arrows move."},
                  }),
              "Label_windows", this);
  Label_windows->setWordWrap(true);
  Label_keys =
      Section("<b>Keys</b>" + Rows({
                                  {"Alt+F, A, U, H",
                                   "Main window: the File, Analysis, Update and Help menus, which hold "
                                   "every command of the window."},
                                  {"Ctrl+O", "Main window: open another draw file, or a CSV export to import."},
                                  {"Ctrl+C", "Main window: copy the text of the view."},
                                  {"Ctrl+S",
                                   "Main window: save the chart as an image; report window: save "
                                   "the report as text or CSV; Table window: save it as CSV."},
                                  {"Ctrl+P",
                                   "Main, report, Table, Plays, Filters and Trends windows: print what the "
                                   "window shows (also Print preview and Export PDF)."},
                                  {"Esc",
                                   "Main, report and Table windows: maximise or restore; "
                                   "the report with the backtest chart, or a dialog: close it."},
                                  {"Tab",
                                   "Any window: the next control, left to right and top to bottom "
                                   "(Shift+Tab the one before); the arrow keys move among the options."},
                                  {"Double click", "Table window: copy that column; the title names it."},
                                  {"Right click",
                                   "Chart: copy or save its text or image; Table window: Copy All, "
                                   "Save As CSV; report window: Save As; each also prints."},
                                  {"Ctrl+Q", "Main window: quit."},
                                  {"F1", "This help, in any window."},
                              }),
              "Label_keys", this);
  Label_keys->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 8, 10, 10);
  layout->setSpacing(8);
  layout->addWidget(Label_windows);
  layout->addWidget(Label_keys);
  FitHeight();
}

void TForm_help::ShowHelp() { Show(true); }

void TForm_help::ShowKeys() { Show(false); }

void TForm_help::FitHeight() {
  constexpr int kWidth = 600;  // wide enough that both lists fit a 768-row screen
  setFixedSize(kWidth, layout()->totalHeightForWidth(kWidth));
}

void TForm_help::Show(bool windows) {
  Label_windows->setVisible(windows);
  setWindowTitle(windows ? "Help" : "Keys");
  FitHeight();
  setWindowModality(Qt::ApplicationModal);
  drawlyze::gui::PlaceCentred(this);
  show();
  raise();
  activateWindow();
}

void TForm_help::paintEvent(QPaintEvent* event) {
  drawlyze::gui::PaintGradient(this, drawlyze::gui::Gradient::TopDown);
  QDialog::paintEvent(event);
}
