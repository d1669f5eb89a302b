#include "gui/form_statistics.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

#include "core/reports/reports.h"
#include "gui/form1.h"
#include "gui/form_memo.h"
#include "gui/form_table.h"
#include "gui/forms.h"
#include "gui/message_box.h"

using namespace drawlyze;

namespace {

const QColor kBackgroundStart(0xD2, 0xDF, 0xF4);
const QColor kBackgroundEnd(0xE9, 0xEF, 0xF9);
const QColor kNavy(0, 0, 0x80);

QString Latin1(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

TForm_statistics::TForm_statistics(QWidget* parent) : QDialog(parent) {
  setObjectName("Form_statistics");
  setWindowTitle("Statistics");
  // A fixed-size dialog with only a close box.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(378, 296);

  xpButton_Triples_not_drawn_yet = new QPushButton(this);
  ComboBox_last_draws = new QComboBox(this);
  Label_last_draws = new QLabel("Use Last Draws:", this);
  xpButton_Free_Triples = new QPushButton(this);
  xpButton_Exact_Pairs = new QPushButton(this);
  xpButton_Free_Pairs = new QPushButton(this);
  xpButton_Free_pairs_Skips = new QPushButton(this);
  xpButton_Find = new QPushButton(this);
  xpButton_Exact_Triples = new QPushButton(this);
  xpButton_Exact_pairs_Skips = new QPushButton(this);
  xpButton_Exact_Triples_Skips = new QPushButton(this);
  xpButton_Free_Triples_skips = new QPushButton(this);
  xpButton_Common_four = new QPushButton(this);
  xpButton_Sum = new QPushButton(this);
  xpButton_table = new QPushButton(this);

  // Two columns of buttons, x = 8 and x = 200, rows 32 pixels apart.
  const struct {
    QPushButton* button;
    const char* name;
    const char* caption;
    int x, y;
    void (TForm_statistics::*handler)();
  } buttons[] = {
      {xpButton_Triples_not_drawn_yet, "xpButton_Triples_not_drawn_yet", "Triples not drawn yet", 8, 8,
       &TForm_statistics::xpButton_Triples_not_drawn_yetClick},
      {xpButton_Free_Triples, "xpButton_Free_Triples", "Free Triples", 8, 40,
       &TForm_statistics::xpButton_Free_TriplesClick},
      {xpButton_Exact_Pairs, "xpButton_Exact_Pairs", "Exact Pairs", 8, 72,
       &TForm_statistics::xpButton_Exact_PairsClick},
      {xpButton_Free_Pairs, "xpButton_Free_Pairs", "Free Pairs", 8, 104, &TForm_statistics::xpButton_Free_PairsClick},
      {xpButton_Free_pairs_Skips, "xpButton_Free_pairs_Skips", "Free Pairs' Skips", 200, 104,
       &TForm_statistics::xpButton_Free_pairs_SkipsClick},
      {xpButton_Find, "xpButton_Find", "Find ", 200, 8, &TForm_statistics::xpButton_FindClick},
      {xpButton_Exact_Triples, "xpButton_Exact_Triples", "Exact Triples", 8, 136,
       &TForm_statistics::xpButton_Exact_TriplesClick},
      {xpButton_Exact_pairs_Skips, "xpButton_Exact_pairs_Skips", "Exact Pairs' Skips", 200, 72,
       &TForm_statistics::xpButton_Exact_pairs_SkipsClick},
      {xpButton_Exact_Triples_Skips, "xpButton_Exact_Triples_Skips", "Exact Triples' Skips", 200, 136,
       &TForm_statistics::xpButton_Exact_Triples_SkipsClick},
      {xpButton_Free_Triples_skips, "xpButton_Free_Triples_skips", "Free Triples' Skips", 200, 40,
       &TForm_statistics::xpButton_Free_Triples_skipsClick},
      {xpButton_Common_four, "xpButton_Common_four", "Common Four", 8, 168,
       &TForm_statistics::xpButton_Common_fourClick},
      {xpButton_Sum, "xpButton_Sum", "Sum", 200, 168, &TForm_statistics::xpButton_SumClick},
      {xpButton_table, "xpButton_table", "Table", 8, 200, &TForm_statistics::xpButton_tableClick},
  };
  QFont small = font();
  small.setPixelSize(11);
  QFont bold = small;
  bold.setBold(true);
  for (const auto& b : buttons) {
    b.button->setObjectName(b.name);
    b.button->setText(b.caption);
    b.button->setGeometry(b.x, b.y, 169, 25);
    b.button->setFont(bold);
    b.button->setAutoDefault(false);
    QPalette p = b.button->palette();
    p.setColor(QPalette::ButtonText, kNavy);
    b.button->setPalette(p);
    connect(b.button, &QPushButton::clicked, this, [this, handler = b.handler] { (this->*handler)(); });
  }
  ComboBox_last_draws->setObjectName("ComboBox_last_draws");
  ComboBox_last_draws->setGeometry(280, 264, 89, 22);
  ComboBox_last_draws->setFont(small);
  ComboBox_last_draws->setEditable(false);
  ComboBox_last_draws->setMaxVisibleItems(20);
  Label_last_draws->setObjectName("Label_last_draws");
  Label_last_draws->setGeometry(184, 270, 90, 13);
  Label_last_draws->setFont(small);

  FormCreate();
}

void TForm_statistics::FormCreate() {
  QPalette labelColour = Label_last_draws->palette();
  labelColour.setColor(QPalette::Window, kBackgroundStart);
  Label_last_draws->setPalette(labelColour);
  Label_last_draws->setAutoFillBackground(true);

  // Filled once, from the draws loaded by then; all draws selected.
  ComboBox_last_draws->clear();
  const int count = Form1 ? Form1->History().Count() : 0;
  QStringList items;
  items.reserve(count);
  for (int i = 1; i <= count; ++i) items.append(QString::number(i));
  ComboBox_last_draws->addItems(items);
  ComboBox_last_draws->setCurrentIndex(count - 1);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
}

void TForm_statistics::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0, kBackgroundStart);
  gradient.setColorAt(1, kBackgroundEnd);
  painter.fillRect(rect(), gradient);
  QDialog::paintEvent(event);
}

void TForm_statistics::ShowReport(const QString& title) {
  if (!Form_memo) return;
  Form_memo->setWindowTitle(title);
  Form_memo->exec();
}

void TForm_statistics::RunReport(QPushButton* button, const char* caption) {
  const ReportInfo* report = FindReportByName(caption);
  if (!report || !Form1 || !Form_memo) return;
  ReportInput in;
  in.history = &Form1->History();
  in.row = Form1->SelectedRow();
  in.lastDrawsIndex = ComboBox_last_draws->currentIndex();
  if (report->asksForNumbers) {
    const QString text =
        gui::InputBox("Find free combination", "Enter numbers", Latin1(FindDefaultText(*in.history, in.row)), this);
    in.findText = text.toLatin1().toStdString();
    const std::string error = FindTextError(in.findText);
    if (!error.empty()) {
      gui::ShowMessage(Latin1(error), this);
      return;
    }
  }
  if (report->greyedWhileRunning) {
    button->setEnabled(false);
    button->repaint();
  }
  Form_memo->SetLines(report->run(in));
  ShowReport(report->caption);
  button->setEnabled(true);
}

void TForm_statistics::xpButton_Triples_not_drawn_yetClick() {
  RunReport(xpButton_Triples_not_drawn_yet, "Triples not drawn yet");
}
void TForm_statistics::xpButton_Free_TriplesClick() { RunReport(xpButton_Free_Triples, "Free Triples"); }
void TForm_statistics::xpButton_Exact_PairsClick() { RunReport(xpButton_Exact_Pairs, "Exact Pairs"); }
void TForm_statistics::xpButton_Free_PairsClick() { RunReport(xpButton_Free_Pairs, "Free Pairs"); }
void TForm_statistics::xpButton_Free_pairs_SkipsClick() { RunReport(xpButton_Free_pairs_Skips, "Free Pairs' Skips"); }
void TForm_statistics::xpButton_FindClick() { RunReport(xpButton_Find, "Find "); }
void TForm_statistics::xpButton_Exact_TriplesClick() { RunReport(xpButton_Exact_Triples, "Exact Triples"); }
void TForm_statistics::xpButton_Exact_pairs_SkipsClick() {
  RunReport(xpButton_Exact_pairs_Skips, "Exact Pairs' Skips");
}
void TForm_statistics::xpButton_Exact_Triples_SkipsClick() {
  RunReport(xpButton_Exact_Triples_Skips, "Exact Triples' Skips");
}
void TForm_statistics::xpButton_Free_Triples_skipsClick() {
  RunReport(xpButton_Free_Triples_skips, "Free Triples' Skips");
}
void TForm_statistics::xpButton_Common_fourClick() { RunReport(xpButton_Common_four, "Common Four"); }
void TForm_statistics::xpButton_SumClick() { RunReport(xpButton_Sum, "Sum"); }

void TForm_statistics::xpButton_tableClick() {
  if (Form_Table) Form_Table->exec();
}
