#include "gui/form_plays.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

#include "core/files/whole_file.h"
#include "core/import/import.h"
#include "core/plays/odds.h"
#include "core/plays/prizes.h"
#include "gui/error_message.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "gui/save_actions.h"
#include "gui/styled_controls.h"
#include "platform/data_folder.h"

using namespace drawlyze;
using namespace drawlyze::plays;

namespace {

constexpr const char* kAnnouncedFileName = "plays_announced.txt";
constexpr const char* kPlaysFilter = "Plays files (*.csv);;*.* (*)";
// A message lists this many wins or bad rows, then how many more there are.
constexpr int kListedInMessage = 12;

const QColor kBadField(0xFF, 0xD0, 0xD0);

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
std::string Bytes(const QString& text) { return text.trimmed().toUtf8().toStdString(); }

void MarkField(QWidget* field, bool bad) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, bad ? kBadField : QApplication::palette().color(QPalette::Base));
  field->setPalette(palette);
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment align = Qt::AlignLeft) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(align | Qt::AlignVCenter);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return item;
}

// How a play stands, in a word or two for its row.
QString StandText(const PlayCheck& check) {
  switch (check.state) {
    case PlayState::OutsideHistory:
      return "outside the history";
    case PlayState::NoSuchDrawTime:
      return "no such draw time";
    case PlayState::Checked:
      break;
  }
  if (check.settled == 0) return "pending";
  QString text = check.wins == 0   ? QString("lost")
                 : check.wins == 1 ? QString("won once")
                                   : QString("won %1 times").arg(check.wins);
  if (check.Pending() > 0) text += QString(", %1 pending").arg(check.Pending());
  return text;
}

// One win as the announced file keeps it: the play's cells and the draw it won.
std::string WinKey(const Play& play, const CoveredDraw& draw, const DrawHistory& history) {
  return PlayDateText(play.date) + ',' + std::string(import::TimeToken(play.time)) + ',' +
         std::string(BetName(play.bet)) + ',' + NumberText(play.bet, play.number) + ',' + MoneyText(play.amount) + ',' +
         std::to_string(play.draws) + ',' + CoveredDrawText(history, draw) + ',' +
         NumberText(BetType::Straight, draw.drawn);
}

// The rows of a plays file that cannot be read, by line with the reason.
QString BadRowsText(const std::vector<BadRow>& bad, const QString& path) {
  QStringList lines{(bad.size() == 1 ? QString("1 row of %1 cannot be read and is left out:")
                                     : QString("%1 rows of %2 cannot be read and are left out:").arg(bad.size()))
                        .arg(QDir::toNativeSeparators(path))};
  for (std::size_t i = 0; i < bad.size() && i < kListedInMessage; ++i)
    lines << QString("line %1: %2").arg(bad[i].line).arg(Text(bad[i].reason));
  if (bad.size() > kListedInMessage) lines << QString("\u2026 and %1 more").arg(bad.size() - kListedInMessage);
  return lines.join('\n');
}

}  // namespace

TForm_plays::TForm_plays(gui::Model& model, QWidget* parent) : QDialog(parent), model_(model) {
  Label_file = new QLabel(this);
  Label_date = new QLabel("Date", this);
  Edit_date = new QLineEdit(this);
  Label_draw = new QLabel("Draw", this);
  ComboBox_draw = new QComboBox(this);
  Label_bet = new QLabel("Bet", this);
  ComboBox_bet = new QComboBox(this);
  Label_number = new QLabel("Number", this);
  Edit_number = new QLineEdit(this);
  Label_amount = new QLabel("Amount", this);
  Edit_amount = new QLineEdit(this);
  Label_draws = new QLabel("Draws", this);
  Edit_draws = new QLineEdit(this);
  xpButton_Add = new QPushButton("Add", this);
  xpButton_Change = new QPushButton("Change", this);
  xpButton_Delete = new QPushButton("Delete", this);
  Label_check = new QLabel(this);
  StringGrid_plays = new QTableWidget(this);
  Label_play = new QLabel(this);
  StringGrid_draws = new QTableWidget(this);
  Memo_totals = new QPlainTextEdit(this);
  Label_note = new QLabel(this);
  xpButton_Open = new QPushButton("Open\u2026", this);
  xpButton_Save = new QPushButton("Save", this);
  xpButton_SaveAs = new QPushButton("Save As\u2026", this);
  xpButton_Close = new QPushButton("Close", this);
  FormCreate();
}

void TForm_plays::FormCreate() {
  gui::MakeFixedDialog(this, "Form_plays", "Plays", 780, 600);
  gui::PlaceCentred(this);
  gui::PlaceControls({
      {Label_file, "Label_file", 8, 8, 764, 16},
      {Label_date, "Label_date", 8, 30, 96, 16},
      {Edit_date, "Edit_date", 8, 46, 96, 22},
      {Label_draw, "Label_draw", 112, 30, 64, 16},
      {ComboBox_draw, "ComboBox_draw", 112, 46, 64, 22},
      {Label_bet, "Label_bet", 184, 30, 100, 16},
      {ComboBox_bet, "ComboBox_bet", 184, 46, 100, 22},
      {Label_number, "Label_number", 292, 30, 56, 16},
      {Edit_number, "Edit_number", 292, 46, 56, 22},
      {Label_amount, "Label_amount", 356, 30, 60, 16},
      {Edit_amount, "Edit_amount", 356, 46, 60, 22},
      {Label_draws, "Label_draws", 424, 30, 52, 16},
      {Edit_draws, "Edit_draws", 424, 46, 52, 22},
      {xpButton_Add, "xpButton_Add", 492, 46, 88, 22},
      {xpButton_Change, "xpButton_Change", 588, 46, 88, 22},
      {xpButton_Delete, "xpButton_Delete", 684, 46, 88, 22},
      {Label_check, "Label_check", 8, 74, 764, 16},
      {StringGrid_plays, "StringGrid_plays", 8, 96, 764, 232},
      {Label_play, "Label_play", 8, 334, 764, 16},
      {StringGrid_draws, "StringGrid_draws", 8, 354, 276, 180},
      {Memo_totals, "Memo_totals", 292, 354, 480, 180},
      {Label_note, "Label_note", 8, 538, 764, 26},
      {xpButton_Open, "xpButton_Open", 8, 568, 88, 25},
      {xpButton_Save, "xpButton_Save", 104, 568, 88, 25},
      {xpButton_SaveAs, "xpButton_SaveAs", 200, 568, 88, 25},
      {xpButton_Close, "xpButton_Close", 684, 568, 88, 25},
  });
  gui::StyleButtons(
      {xpButton_Add, xpButton_Change, xpButton_Delete, xpButton_Open, xpButton_Save, xpButton_SaveAs, xpButton_Close});
  for (QLabel* label : {Label_date, Label_draw, Label_bet, Label_number, Label_amount, Label_draws}) {
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
  }
  Edit_date->setToolTip("The first draw the play is for: YYYY-MM-DD or DD.MM.YYYY");
  ComboBox_draw->setEditable(true);
  ComboBox_draw->addItems({"Mid", "Eve", "Day", "Night", "Mor", "-"});
  ComboBox_draw->setToolTip("The draw time as the history names it; - for a history without draw times");
  for (BetType bet : kBetTypes) ComboBox_bet->addItem(Text(BetName(bet)));
  Edit_number->setToolTip("Three digits, two for a pair");
  Edit_amount->setToolTip("A multiple of 0.50, for each order of a combo");
  Edit_draws->setToolTip("How many consecutive draws of its draw time the play covers");
  Edit_amount->setText("1.00");
  Edit_draws->setText("1");
  Edit_date->setText(QDate::currentDate().toString("yyyy-MM-dd"));
  Label_note->setWordWrap(true);
  Memo_totals->setReadOnly(true);

  StringGrid_plays->setColumnCount(10);
  StringGrid_plays->setHorizontalHeaderLabels(
      {"Date", "Draw", "Bet", "Number", "Amount", "Draws", "Cost", "Won", "Net", "Result"});
  const int widths[] = {78, 44, 84, 56, 60, 46, 70, 70, 70, 150};
  for (int c = 0; c < 10; ++c) StringGrid_plays->setColumnWidth(c, widths[c]);
  StringGrid_plays->horizontalHeader()->setStretchLastSection(true);
  StringGrid_draws->setColumnCount(3);
  StringGrid_draws->setHorizontalHeaderLabels({"Draw", "Drawn", "Result"});
  StringGrid_draws->setColumnWidth(0, 104);
  StringGrid_draws->setColumnWidth(1, 48);
  StringGrid_draws->horizontalHeader()->setStretchLastSection(true);
  StringGrid_draws->verticalHeader()->hide();
  for (QTableWidget* grid : {StringGrid_plays, StringGrid_draws}) {
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  }

  connect(Edit_date, &QLineEdit::textChanged, this, [this] { FieldsChange(); });
  connect(ComboBox_draw, &QComboBox::currentTextChanged, this, [this] { FieldsChange(); });
  connect(ComboBox_bet, &QComboBox::currentIndexChanged, this, [this] { FieldsChange(); });
  connect(Edit_number, &QLineEdit::textChanged, this, [this] { FieldsChange(); });
  connect(Edit_amount, &QLineEdit::textChanged, this, [this] { FieldsChange(); });
  connect(Edit_draws, &QLineEdit::textChanged, this, [this] { FieldsChange(); });
  connect(xpButton_Add, &QPushButton::clicked, this, [this] { xpButton_AddClick(); });
  connect(xpButton_Change, &QPushButton::clicked, this, [this] { xpButton_ChangeClick(); });
  connect(xpButton_Delete, &QPushButton::clicked, this, [this] { xpButton_DeleteClick(); });
  connect(StringGrid_plays, &QTableWidget::currentCellChanged, this, [this] { StringGrid_playsClick(); });
  connect(xpButton_Open, &QPushButton::clicked, this, [this] { xpButton_OpenClick(); });
  connect(xpButton_Save, &QPushButton::clicked, this, [this] { xpButton_SaveClick(); });
  connect(xpButton_SaveAs, &QPushButton::clicked, this, [this] { xpButton_SaveAsClick(); });
  connect(xpButton_Close, &QPushButton::clicked, this, [this] { reject(); });
  // Enter in a field adds the play it describes.
  for (QLineEdit* edit : {Edit_date, Edit_number, Edit_amount, Edit_draws})
    connect(edit, &QLineEdit::returnPressed, this, [this] { xpButton_AddClick(); });
  connect(&model_, &gui::Model::drawsLoaded, this, [this] { CheckAgain(); });

  // The plays file of the data folder, read now; what it says and the wins
  // already there wait for the event loop, so that the main window shows first.
  ReadAnnounced();
  LoadPrizes();
  path_ = QDir(model_.Folder()).filePath(QString::fromLatin1(kPlaysFileName.data(), kPlaysFileName.size()));
  QString problem;
  if (QFileInfo(path_).isFile()) {
    if (const Result<std::string> text = ReadWholeFile(QFile::encodeName(path_).toStdString()); !text) {
      problem = gui::ErrorMessage(text.Failure());
    } else if (Result<PlaysFile> file = ReadPlays(*text, Bytes(path_)); !file) {
      problem = gui::ErrorMessage(file.Failure());
    } else {
      plays_ = file->plays;
      bad_ = file->bad;
    }
  }
  ShowFile();
  Recheck();
  FieldsChange();
  QTimer::singleShot(0, this, [this, problem] {
    if (!problem.isEmpty()) gui::ShowMessage(problem, parentWidget());
    if (!bad_.empty()) gui::ShowMessage(BadRowsText(bad_, path_), parentWidget());
    NoteWins(true);
  });
}

void TForm_plays::paintEvent(QPaintEvent* event) {
  gui::PaintGradient(this, gui::Gradient::TopDown);
  QDialog::paintEvent(event);
}

void TForm_plays::showEvent(QShowEvent* event) {
  // The prize table may have been edited since the last check.
  LoadPrizes();
  Recheck();
  QDialog::showEvent(event);
}

// Empty when the run has no data folder: the wins are then not remembered,
// rather than written into whatever the current folder is.
QString TForm_plays::AnnouncedPath() const {
  return model_.Folder().isEmpty() ? QString() : QDir(model_.Folder()).filePath(kAnnouncedFileName);
}

bool TForm_plays::LoadPrizes() {
  const Result<PrizeTable> table =
      LoadPrizeTable(platform::PrizeTablePaths(QFile::encodeName(model_.Folder()).toStdString()));
  if (!table) {
    tableProblem_ = gui::ErrorMessage(table.Failure());
    ShowNote();
    return false;
  }
  table_ = *table;
  tableProblem_.clear();
  ShowNote();
  return true;
}

void TForm_plays::ShowFile() {
  Label_file->setText("Plays file: " + QDir::toNativeSeparators(path_) + (modified_ ? "  (changed, not saved)" : ""));
}

void TForm_plays::ShowNote() {
  if (!tableProblem_.isEmpty()) {
    Label_note->setStyleSheet("color: #C00000;");
    Label_note->setText(tableProblem_ + " Nothing is priced until the prize table is put right.");
    return;
  }
  Label_note->setStyleSheet(QString());
  Label_note->setText("Prizes: " + Text(table_.source) +
                      (table_.source == DefaultPrizeTable().source
                           ? QString(" (the schedule New York, Ohio, Maryland and Florida publish)")
                           : QString()) +
                      ". " + Text(kPrizeTableWarning) + " Put your lottery's in " +
                      QString::fromLatin1(kPrizeTableFileName.data(), kPrizeTableFileName.size()) +
                      " in the data folder.");
}

Result<Play> TForm_plays::FieldsPlay() {
  const std::string date = Bytes(Edit_date->text()), time = Bytes(ComboBox_draw->currentText());
  const std::string bet = Bytes(ComboBox_bet->currentText()), number = Bytes(Edit_number->text());
  const std::string amount = Bytes(Edit_amount->text()), draws = Bytes(Edit_draws->text());
  const Result<BetType> betType = ReadPlayBet(bet);
  MarkField(Edit_date, !ReadPlayDate(date));
  MarkField(ComboBox_draw, !ReadPlayTime(time));
  // An empty number is still to be typed, not wrong.
  MarkField(Edit_number, !number.empty() && !ReadPlayNumber(number, betType ? *betType : BetType::Straight));
  MarkField(Edit_amount, !ReadPlayAmount(amount));
  MarkField(Edit_draws, !ReadPlayDraws(draws));
  return ReadPlayRow(date, time, bet, number, amount, draws);
}

void TForm_plays::FieldsChange() {
  const bool pair =
      ComboBox_bet->currentIndex() >= 0 && IsPair(kBetTypes[static_cast<std::size_t>(ComboBox_bet->currentIndex())]);
  Edit_number->setPlaceholderText(pair ? "2 digits" : "3 digits");
  const Result<Play> play = FieldsPlay();
  const bool selected =
      StringGrid_plays->currentRow() >= 0 && StringGrid_plays->currentRow() < static_cast<int>(plays_.size());
  xpButton_Add->setEnabled(play.Ok());
  xpButton_Change->setEnabled(play.Ok() && selected);
  xpButton_Delete->setEnabled(selected);
  if (!play) {
    Label_check->setStyleSheet("color: #C00000;");
    Label_check->setText(Edit_number->text().trimmed().isEmpty() && play.Failure().detail.find(';') == std::string::npos
                             ? "Type the number to play."
                             : "Not a play yet: " + Text(play.Failure().detail));
    return;
  }
  // What the play costs and may bring, computed from the prize table.
  Label_check->setStyleSheet(QString());
  QString text = Text(PlayText(*play));
  if (tableProblem_.isEmpty()) {
    const BetOdds odds = OddsOf(play->bet, play->number, table_);
    text += QString("; wins with chance %1 a draw, expected %2 of %3")
                .arg(Text(ChanceText(odds.winningNumbers)))
                .arg(Text(MoneyText(ExpectedPrize(*play, table_))))
                .arg(Text(MoneyText(PlayCost(play->bet, play->number, play->amount))));
  }
  Label_check->setText(text);
}

void TForm_plays::Recheck() {
  const std::string historyName = QFileInfo(QString::fromStdString(model_.drawFile)).fileName().toStdString();
  PlaysFile file{plays_, bad_};
  if (tableProblem_.isEmpty()) {
    report_ = MakePlaysReport(Bytes(path_), historyName, std::move(file), table_, model_.history);
  } else {
    report_ = PlaysReport{};
    report_.file = std::move(file);
  }
  FillPlays();
  QStringList lines;
  if (!tableProblem_.isEmpty()) {
    lines << tableProblem_;
  } else {
    for (const std::string& line : TotalsLines(report_)) lines << Text(line);
  }
  if (!bad_.empty()) {
    lines << "" << QString("Rows of the file left out (%1):").arg(bad_.size());
    for (const BadRow& bad : bad_) lines << QString("  line %1: %2").arg(bad.line).arg(Text(bad.reason));
  }
  Memo_totals->setPlainText(lines.join('\n'));
}

void TForm_plays::FillPlays() {
  const int keep = StringGrid_plays->currentRow();
  {
    const QSignalBlocker block(StringGrid_plays);
    StringGrid_plays->clearContents();
    StringGrid_plays->setRowCount(static_cast<int>(plays_.size()));
    const bool checked = report_.check.plays.size() == plays_.size();
    for (std::size_t i = 0; i < plays_.size(); ++i) {
      const int r = static_cast<int>(i);
      const Play& play = plays_[i];
      StringGrid_plays->setItem(r, 0, Cell(Text(PlayDateText(play.date))));
      StringGrid_plays->setItem(r, 1, Cell(Text(import::TimeToken(play.time))));
      StringGrid_plays->setItem(r, 2, Cell(Text(BetName(play.bet))));
      StringGrid_plays->setItem(r, 3, Cell(Text(NumberText(play.bet, play.number))));
      StringGrid_plays->setItem(r, 4, Cell(Text(MoneyText(play.amount)), Qt::AlignRight));
      StringGrid_plays->setItem(r, 5, Cell(QString::number(play.draws), Qt::AlignRight));
      if (!checked) continue;
      const PlayCheck& check = report_.check.plays[i];
      const bool settled = check.state == PlayState::Checked && check.settled > 0;
      StringGrid_plays->setItem(r, 6, Cell(settled ? Text(MoneyText(check.cost)) : QString(), Qt::AlignRight));
      StringGrid_plays->setItem(r, 7, Cell(settled ? Text(MoneyText(check.won)) : QString(), Qt::AlignRight));
      StringGrid_plays->setItem(
          r, 8, Cell(settled ? Text(SignedMoneyText(check.won - check.cost)) : QString(), Qt::AlignRight));
      QTableWidgetItem* result = Cell(StandText(check));
      result->setToolTip(Text(StateText(check, report_.check, model_.history)));
      if (check.wins > 0) result->setForeground(QColor(0, 0x80, 0));
      StringGrid_plays->setItem(r, 9, result);
    }
    if (!plays_.empty()) StringGrid_plays->setCurrentCell(std::clamp(keep, 0, static_cast<int>(plays_.size()) - 1), 0);
  }
  FillDraws();
  FieldsChange();
}

void TForm_plays::FillDraws() {
  const int row = StringGrid_plays->currentRow();
  StringGrid_draws->clearContents();
  StringGrid_draws->setRowCount(0);
  if (row < 0 || row >= static_cast<int>(report_.check.plays.size())) {
    Label_play->setText(plays_.empty() ? "No plays yet: fill in the fields above and press Add." : QString());
    return;
  }
  const PlayCheck& check = report_.check.plays[static_cast<std::size_t>(row)];
  Label_play->setText(QString("Play %1: %2").arg(row + 1).arg(Text(StateText(check, report_.check, model_.history))));
  StringGrid_draws->setRowCount(static_cast<int>(check.draws.size()));
  for (std::size_t i = 0; i < check.draws.size(); ++i) {
    const CoveredDraw& draw = check.draws[i];
    const int r = static_cast<int>(i);
    const bool drawn = draw.index >= 0;
    StringGrid_draws->setItem(r, 0, Cell(Text(CoveredDrawText(model_.history, draw))));
    StringGrid_draws->setItem(r, 1, Cell(drawn ? Text(NumberText(BetType::Straight, draw.drawn)) : QString()));
    QTableWidgetItem* result = Cell(Text(OutcomeText(draw)));
    if (draw.outcome == Outcome::Win) result->setForeground(QColor(0, 0x80, 0));
    StringGrid_draws->setItem(r, 2, result);
  }
}

void TForm_plays::StringGrid_playsClick() {
  FillDraws();
  const int row = StringGrid_plays->currentRow();
  if (row < 0 || row >= static_cast<int>(plays_.size())) {
    FieldsChange();
    return;
  }
  // The fields show the selected play, for Change.
  const Play& play = plays_[static_cast<std::size_t>(row)];
  const QSignalBlocker a(Edit_date), b(ComboBox_draw), c(ComboBox_bet), d(Edit_number), e(Edit_amount), f(Edit_draws);
  Edit_date->setText(Text(PlayDateText(play.date)));
  ComboBox_draw->setCurrentText(Text(import::TimeToken(play.time)));
  ComboBox_bet->setCurrentIndex(
      static_cast<int>(std::find(kBetTypes.begin(), kBetTypes.end(), play.bet) - kBetTypes.begin()));
  Edit_number->setText(Text(NumberText(play.bet, play.number)));
  Edit_amount->setText(Text(MoneyText(play.amount)));
  Edit_draws->setText(QString::number(play.draws));
  FieldsChange();
}

void TForm_plays::xpButton_AddClick() {
  const Result<Play> play = FieldsPlay();
  if (!play) return;
  AddPlays({*play});
}

void TForm_plays::AddPlays(const std::vector<Play>& plays) {
  if (plays.empty()) return;
  for (Play play : plays) {
    play.line = 0;  // not from the file read
    plays_.push_back(play);
  }
  modified_ = true;
  ShowFile();
  {
    const QSignalBlocker block(StringGrid_plays);
    StringGrid_plays->setCurrentCell(-1, -1);
  }
  Recheck();
  // The user sees the results of the plays added; only later draws are news.
  NoteWins(false);
  StringGrid_plays->setCurrentCell(static_cast<int>(plays_.size()) - 1, 0);
}

void TForm_plays::xpButton_ChangeClick() {
  const int row = StringGrid_plays->currentRow();
  const Result<Play> play = FieldsPlay();
  if (!play || row < 0 || row >= static_cast<int>(plays_.size())) return;
  Play& target = plays_[static_cast<std::size_t>(row)];
  const int line = target.line;
  target = *play;
  target.line = line;
  modified_ = true;
  ShowFile();
  Recheck();
  NoteWins(false);
}

void TForm_plays::xpButton_DeleteClick() {
  const int row = StringGrid_plays->currentRow();
  if (row < 0 || row >= static_cast<int>(plays_.size())) return;
  plays_.erase(plays_.begin() + row);
  modified_ = true;
  ShowFile();
  Recheck();
  StringGrid_playsClick();
}

void TForm_plays::CheckAgain() {
  LoadPrizes();
  Recheck();
  NoteWins(true);
}

void TForm_plays::ReadAnnounced() {
  announced_.clear();
  std::string text;
  if (!ReadWholeFile(QFile::encodeName(AnnouncedPath()).toStdString(), text)) return;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) announced_.insert(line);
    start = end + 1;
  }
}

void TForm_plays::NoteWins(bool announce) {
  if (report_.check.plays.size() != plays_.size()) return;
  QStringList wins;
  for (std::size_t i = 0; i < report_.check.plays.size(); ++i) {
    const PlayCheck& check = report_.check.plays[i];
    for (const CoveredDraw& draw : check.draws) {
      if (draw.outcome != Outcome::Win) continue;
      if (!announced_.insert(WinKey(check.play, draw, model_.history)).second) continue;
      wins << QString("Play %1, %2: %3 drawn %4, won %5")
                  .arg(i + 1)
                  .arg(Text(PlayText(check.play)))
                  .arg(Text(CoveredDrawText(model_.history, draw)))
                  .arg(Text(NumberText(BetType::Straight, draw.drawn)))
                  .arg(Text(MoneyText(draw.prize)));
    }
  }
  if (wins.isEmpty()) return;
  std::string text;
  for (const std::string& key : announced_) text += key + '\n';
  // Not kept: the same wins are announced once more at the next start, nothing worse.
  if (const QString path = AnnouncedPath(); !path.isEmpty())
    static_cast<void>(WriteFileWhole(QFile::encodeName(path).toStdString(), text));
  if (!announce) return;
  QStringList lines{wins.size() == 1 ? QString("A play has won!")
                                     : QString("Plays have won %1 times!").arg(wins.size())};
  for (int i = 0; i < wins.size() && i < kListedInMessage; ++i) lines << wins[i];
  if (wins.size() > kListedInMessage) lines << QString("\u2026 and %1 more wins").arg(wins.size() - kListedInMessage);
  lines << "The Plays window (Analysis menu) shows them all.";
  gui::ShowMessage(lines.join('\n'), isVisible() ? static_cast<QWidget*>(this) : parentWidget());
}

bool TForm_plays::OpenPlaysFile(const QString& path) {
  const Result<std::string> text = ReadWholeFile(QFile::encodeName(path).toStdString());
  if (!text) {
    gui::ShowError(text.Failure(), this);
    return false;
  }
  Result<PlaysFile> file = ReadPlays(*text, Bytes(path));
  if (!file) {
    gui::ShowError(file.Failure(), this);
    return false;
  }
  plays_ = file->plays;
  bad_ = file->bad;
  path_ = path;
  modified_ = false;
  ShowFile();
  {
    const QSignalBlocker block(StringGrid_plays);
    StringGrid_plays->setCurrentCell(-1, -1);
  }
  Recheck();
  StringGrid_playsClick();
  if (!bad_.empty()) gui::ShowMessage(BadRowsText(bad_, path_), this);
  NoteWins(true);
  return true;
}

bool TForm_plays::SavePlaysFile(const QString& path) {
  const bool sameFile = QFileInfo(path).absoluteFilePath() == QFileInfo(path_).absoluteFilePath();
  if (sameFile && !bad_.empty() &&
      !gui::AskYesNo(QString("%1 rows of %2 could not be read; saving writes the plays without them. Save anyway?")
                         .arg(bad_.size())
                         .arg(path),
                     this))
    return false;
  if (!gui::WriteSavedFile(path, FormatPlays(plays_), this)) return false;
  // The file now holds the plays in this order, from its second line.
  for (std::size_t i = 0; i < plays_.size(); ++i) plays_[i].line = static_cast<int>(i) + 2;
  bad_.clear();
  path_ = path;
  modified_ = false;
  ShowFile();
  Recheck();
  return true;
}

bool TForm_plays::LeaveChanges(Leaving leaving) {
  if (!modified_) return true;
  const QString no = leaving == Leaving::Window  ? "No keeps them in this window, unsaved, until the program ends."
                     : leaving == Leaving::Plays ? "No drops them for the file you open."
                                                 : "No drops them.";
  if (!gui::AskYesNo("The plays have changed. Save them to " + QDir::toNativeSeparators(path_) + "?\n(" + no + ")",
                     leaving == Leaving::Program ? parentWidget() : static_cast<QWidget*>(this)))
    return true;
  return SavePlaysFile(path_);
}

void TForm_plays::xpButton_OpenClick() {
  if (!LeaveChanges(Leaving::Plays)) return;
  const QString path = gui::OpenFileName(path_, kPlaysFilter, this);
  if (!path.isEmpty()) OpenPlaysFile(path);
}

void TForm_plays::xpButton_SaveClick() { SavePlaysFile(path_); }

void TForm_plays::xpButton_SaveAsClick() {
  const QString path = gui::SaveFileName(path_, kPlaysFilter, this);
  if (!path.isEmpty()) SavePlaysFile(path);
}

void TForm_plays::reject() {
  if (LeaveChanges(Leaving::Window)) QDialog::reject();
}
