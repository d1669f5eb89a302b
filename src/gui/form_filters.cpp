#include "gui/form_filters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/backtest/digit_rules.h"
#include "core/filters/filter_set.h"
#include "core/plays/prize_table.h"
#include "gui/model.h"
#include "gui/print_actions.h"
#include "gui/styled_controls.h"

using drawlyze::filters::FilterOption;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

QSpinBox* Spin(int low, int high, int value) {
  auto* spin = new QSpinBox;
  spin->setRange(low, high);
  spin->setValue(value);
  return spin;
}

QLineEdit* Edit(const QString& text, const QString& hint) {
  auto* edit = new QLineEdit(text);
  edit->setToolTip(hint);
  edit->setMinimumWidth(90);
  return edit;
}

QComboBox* Combo(const QStringList& items) {
  auto* combo = new QComboBox;
  combo->addItems(items);
  return combo;
}

QWidget* Line(std::initializer_list<QWidget*> widgets) {
  auto* box = new QWidget;
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  for (QWidget* w : widgets) layout->addWidget(w);
  layout->addStretch(1);
  return box;
}

// "A-B" into two spin boxes.
bool ShowRange(const QString& value, QSpinBox* low, QSpinBox* high) {
  const QStringList parts = value.split('-');
  if (parts.size() != 2) return false;
  low->setValue(parts[0].toInt());
  high->setValue(parts[1].toInt());
  return true;
}

const QStringList kMatches = {"any", "all", "none"};

// The rankings a hot or cold filter can take: every rule but the random baselines.
QStringList RankingNames() {
  QStringList names;
  for (const drawlyze::DigitRule& rule : drawlyze::AllDigitRules())
    if (rule.key != drawlyze::DigitMeasure::Random) names << rule.name;
  return names;
}

}  // namespace

TForm_filters::TForm_filters(drawlyze::gui::Model& model, QWidget* parent) : QDialog(parent), model_(model) {
  setObjectName("Form_filters");
  setWindowTitle("Filters");
  drawlyze::gui::FillBackground(this);

  auto* filtersBox = new QGroupBox("Filters (a number must pass every one that is ticked)");
  auto* area = new QWidget;
  BuildRows(area);
  auto* scroll = new QScrollArea;
  scroll->setWidget(area);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Every line whole, the removals column included; only the height scrolls.
  scroll->setMinimumWidth(area->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width() + 4);
  auto* filtersLayout = new QVBoxLayout(filtersBox);
  filtersLayout->addWidget(scroll);
  filtersBox->setMaximumWidth(scroll->minimumWidth() + 40);  // the room left goes to the list and the chart

  Label_count = new QLabel;
  Label_count->setObjectName("Label_count");
  QFont big = Label_count->font();
  big.setBold(true);
  big.setPixelSize(QFontInfo(Label_count->font()).pixelSize() * 3 / 2 + 2);
  Label_count->setFont(big);
  Label_message = new QLabel;
  Label_message->setObjectName("Label_message");
  Label_message->setWordWrap(true);
  Label_message->setStyleSheet("color: #C00000;");

  ComboBox_bet = Combo({"straight", "box"});
  ComboBox_bet->setObjectName("ComboBox_bet");
  ComboBox_bet->setToolTip("Box: one play a set of digits that has an order kept; triples cannot be boxed");
  Edit_amount = new QLineEdit("1.00");
  Edit_amount->setObjectName("Edit_amount");
  Edit_amount->setMaximumWidth(70);
  Edit_amount->setToolTip("The amount a play, a multiple of 0.50");
  Memo_summary = new QPlainTextEdit;
  Memo_summary->setObjectName("Memo_summary");
  Memo_summary->setReadOnly(true);
  Memo_list = new QPlainTextEdit;
  Memo_list->setObjectName("Memo_list");
  Memo_list->setReadOnly(true);
  Memo_list->setFont(QFont("Monospace"));
  Memo_list->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Ten plays a line, as the list is laid out.
  Memo_list->setMinimumWidth(QFontMetrics(Memo_list->font()).horizontalAdvance("000 ") * 10 + 30);

  Button_add_plays = new QPushButton("Add to plays");
  Button_add_plays->setObjectName("Button_add_plays");
  SpinBox_play_draws = Spin(1, drawlyze::plays::kMaxDraws, 1);
  SpinBox_play_draws->setObjectName("SpinBox_play_draws");
  SpinBox_play_draws->setToolTip("How many consecutive draws each play covers");
  DateEdit_plays = new QDateEdit(QDate::currentDate());
  DateEdit_plays->setObjectName("DateEdit_plays");
  DateEdit_plays->setDisplayFormat("yyyy-MM-dd");
  DateEdit_plays->setCalendarPopup(true);
  ComboBox_play_time = Combo({"-", "Mid", "Eve"});
  ComboBox_play_time->setObjectName("ComboBox_play_time");
  Button_save_list = new QPushButton("Save list\u2026");
  Button_save_list->setObjectName("Button_save_list");
  Button_open_set = new QPushButton("Open set\u2026");
  Button_open_set->setObjectName("Button_open_set");
  Button_save_set = new QPushButton("Save set\u2026");
  Button_save_set->setObjectName("Button_save_set");
  SetPlaysTarget({});

  SpinBox_backtest_draws = Spin(1, drawlyze::MAX_DRAWS, 500);
  SpinBox_backtest_draws->setObjectName("SpinBox_backtest_draws");
  SpinBox_backtest_draws->setToolTip("The draws up to the selected one to play the list on");
  SpinBox_seed = Spin(0, 999999, 1);
  SpinBox_seed->setObjectName("SpinBox_seed");
  SpinBox_seed->setToolTip("The seed of the 1,000 random lists");
  Button_backtest = new QPushButton("Backtest");
  Button_backtest->setObjectName("Button_backtest");
  Memo_backtest = new QPlainTextEdit;
  Memo_backtest->setObjectName("Memo_backtest");
  Memo_backtest->setReadOnly(true);
  Memo_backtest->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Chart_backtest = new QWidget;
  Chart_backtest->setObjectName("Chart_backtest");
  Chart_backtest->setMinimumSize(300, 240);
  auto* chartLayout = new QVBoxLayout(Chart_backtest);
  chartLayout->setContentsMargins(0, 0, 0, 0);
  drawlyze::gui::StyleButtons({Button_add_plays, Button_save_list, Button_open_set, Button_save_set, Button_backtest});

  // Right: the count, the list and its money, then the backtest.
  auto* listBox = new QGroupBox("The list");
  auto* listLayout = new QGridLayout(listBox);
  listLayout->addWidget(Label_count, 0, 0, 1, 2);
  listLayout->addWidget(Label_message, 1, 0, 1, 2);
  listLayout->addWidget(Line({new QLabel("Play as"), ComboBox_bet, new QLabel("Amount"), Edit_amount}), 2, 0, 1, 2);
  listLayout->addWidget(Memo_summary, 3, 0);
  listLayout->addWidget(Memo_list, 3, 1);
  listLayout->setColumnStretch(0, 1);
  listLayout->addWidget(Line({Button_add_plays, new QLabel("from"), DateEdit_plays, ComboBox_play_time,
                              new QLabel("draws"), SpinBox_play_draws}),
                        4, 0, 1, 2);
  listLayout->addWidget(Line({Button_save_list, Button_open_set, Button_save_set}), 5, 0, 1, 2);

  auto* backtestBox = new QGroupBox("Backtest: the list on past draws, each predicted from the draws older than it");
  auto* backtestLayout = new QGridLayout(backtestBox);
  backtestLayout->addWidget(
      Line({new QLabel("Draws"), SpinBox_backtest_draws, new QLabel("Seed"), SpinBox_seed, Button_backtest}), 0, 0, 1,
      2);
  backtestLayout->addWidget(Memo_backtest, 1, 0);
  backtestLayout->addWidget(Chart_backtest, 1, 1);
  backtestLayout->setColumnStretch(0, 2);
  backtestLayout->setColumnStretch(1, 3);

  auto* right = new QVBoxLayout;
  right->addWidget(listBox, 1);
  right->addWidget(backtestBox, 1);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(filtersBox, 0);
  layout->addLayout(right, 1);
  resize(1300, 840);
  // The filters ticked, the count, the list and its money, the backtest.
  Printing = new drawlyze::gui::PrintActions(this, [this] {
    QStringList lines{"Filters:"};
    for (const drawlyze::filters::Filter& filter : filters_)
      lines << "  " + QString::fromStdString(drawlyze::filters::FilterText(filter));
    lines << QString() << CountText();
    if (!MessageText().isEmpty()) lines << MessageText();
    lines << QString() << drawlyze::gui::PrintLinesOf(Memo_summary->toPlainText()) << QString()
          << drawlyze::gui::PrintLinesOf(ListText());
    if (!BacktestText().isEmpty()) lines << QString() << drawlyze::gui::PrintLinesOf(BacktestText());
    return drawlyze::PrintDocument{
        "Filters", drawlyze::gui::PrintHeaderOf(model_), {drawlyze::PrintBlock::OfLines(lines)}};
  });

  connect(ComboBox_bet, &QComboBox::currentIndexChanged, this, [this] { Recount(); });
  connect(Edit_amount, &QLineEdit::textChanged, this, [this] { Recount(); });
  connect(Button_backtest, &QPushButton::clicked, this, [this] { Button_backtestClick(); });
  connect(Button_add_plays, &QPushButton::clicked, this, [this] { Button_add_playsClick(); });
  connect(Button_save_list, &QPushButton::clicked, this, [this] { Button_save_listClick(); });
  connect(Button_save_set, &QPushButton::clicked, this, [this] { Button_save_setClick(); });
  connect(Button_open_set, &QPushButton::clicked, this, [this] { Button_open_setClick(); });
  connect(&model_, &drawlyze::gui::Model::drawsLoaded, this, [this] {
    measures_.reset();
    Recount();
  });
  LoadPrizes();
  connect(&model_, &drawlyze::gui::Model::patternsChanged, this, [this] { Recount(); });
  Recount();
}

void TForm_filters::SetPlaysTarget(PlaysTarget target) {
  playsTarget_ = std::move(target);
  Button_add_plays->setEnabled(static_cast<bool>(playsTarget_));
  Button_add_plays->setToolTip(playsTarget_ ? "Adds the list to the Plays window, for the draws from the date on"
                                            : "No Plays window takes the list");
}

void TForm_filters::AddRow(QWidget* area, int line, const QString& caption, QWidget* controls, Row row) {
  auto* grid = static_cast<QGridLayout*>(area->layout());
  row.on = new QCheckBox(caption);
  row.removed = new QLabel;
  row.removed->setMinimumWidth(QFontMetrics(row.removed->font()).horizontalAdvance("1,000 alone, 1,000 in the chain"));
  grid->addWidget(row.on, line, 0);
  grid->addWidget(controls, line, 1);
  grid->addWidget(row.removed, line, 2);
  connect(row.on, &QCheckBox::toggled, this, [this] { Recount(); });
  // Every control of the line counts again when it changes.
  for (QSpinBox* w : controls->findChildren<QSpinBox*>())
    connect(w, &QSpinBox::valueChanged, this, [this, on = row.on] {
      if (on->isChecked()) Recount();
    });
  for (QLineEdit* w : controls->findChildren<QLineEdit*>())
    connect(w, &QLineEdit::textChanged, this, [this, on = row.on] {
      if (on->isChecked()) Recount();
    });
  for (QComboBox* w : controls->findChildren<QComboBox*>())
    connect(w, &QComboBox::currentIndexChanged, this, [this, on = row.on] {
      if (on->isChecked()) Recount();
    });
  for (QCheckBox* w : controls->findChildren<QCheckBox*>())
    connect(w, &QCheckBox::toggled, this, [this, on = row.on] {
      if (on->isChecked()) Recount();
    });
  rows_.push_back(std::move(row));
}

void TForm_filters::BuildRows(QWidget* area) {
  auto* grid = new QGridLayout(area);
  grid->setVerticalSpacing(3);
  auto* removes = new QLabel("Removes");
  QFont bold = removes->font();
  bold.setBold(true);
  removes->setFont(bold);
  grid->addWidget(removes, 0, 2);
  int line = 1;
  const auto range = [&](const char* name, const QString& caption, int max, int low, int high) {
    QSpinBox* a = Spin(0, max, low);
    QSpinBox* b = Spin(0, max, high);
    AddRow(area, line++, caption, Line({a, new QLabel("to"), b}),
           {nullptr, nullptr,
            [=] {
              return FilterOption{name, std::to_string(a->value()) + "-" + std::to_string(b->value())};
            },
            [=](const FilterOption& o) { return o.name == name && ShowRange(Q(o.value), a, b); }});
  };
  const auto text = [&](const char* name, const QString& caption, const QString& value, const QString& hint) {
    QLineEdit* e = Edit(value, hint);
    AddRow(area, line++, caption, Line({e}),
           {nullptr, nullptr,
            [=] {
              return FilterOption{name, S(e->text())};
            },
            [=](const FilterOption& o) {
              if (o.name != name) return false;
              e->setText(Q(o.value));
              return true;
            }});
  };
  range("sum", "Sum", drawlyze::filters::kMaxSum, 10, 17);
  text("root-sum", "Root sum", "1,4,7", "The digital root of the sum, 0 for 0, else 1..9; comma-separated");
  range("spread", "Spread", drawlyze::filters::kMaxSpread, 2, 7);
  text("odd-even", "Odd/even", "OEO,EOE", "Patterns by position (OEO) or counts of odd digits (2odd)");
  text("high-low", "High/low", "HLH,LHL", "High is 5..9: patterns by position (HLH) or counts (1high)");
  text("contains", "Contains any of", "1,2,3", "At least one of these digits");
  text("contains-all", "Contains all of", "1,2", "Every one of these digits");
  text("excludes", "Excludes", "0", "None of these digits");
  for (int p = 1; p <= 3; ++p) {
    QLineEdit* e = Edit("0,1,2,3,4,5,6,7,8,9", "The digits this position may hold");
    const std::string prefix = std::to_string(p) + ":";
    AddRow(area, line++, QString("A%1 digits").arg(p), Line({e}),
           {nullptr, nullptr,
            [=] {
              return FilterOption{"position", prefix + S(e->text())};
            },
            [=](const FilterOption& o) {
              if (o.name != "position" || o.value.rfind(prefix, 0) != 0) return false;
              e->setText(Q(o.value.substr(prefix.size())));
              return true;
            }});
  }
  for (const char* name : {"pair", "no-pair"}) {
    QComboBox* place = Combo({"front", "back", "any"});
    QLineEdit* e = Edit(std::string(name) == "pair" ? "12,34" : "00", "Two-digit pairs, comma-separated");
    AddRow(area, line++, std::string(name) == "pair" ? "Has a pair" : "Has no pair", Line({place, e}),
           {nullptr, nullptr,
            [=] {
              return FilterOption{name, S(place->currentText()) + ":" + S(e->text())};
            },
            [=](const FilterOption& o) {
              const std::size_t colon = o.value.find(':');
              if (o.name != name || colon == std::string::npos) return false;
              place->setCurrentText(Q(o.value.substr(0, colon)));
              e->setText(Q(o.value.substr(colon + 1)));
              return true;
            }});
  }
  {
    auto* singles = new QCheckBox("singles");
    auto* doubles = new QCheckBox("doubles");
    auto* triples = new QCheckBox("triples");
    singles->setChecked(true);
    AddRow(area, line++, "Kind", Line({singles, doubles, triples}),
           {nullptr, nullptr,
            [=] {
              std::string kinds;
              for (QCheckBox* b : {singles, doubles, triples})
                if (b->isChecked()) kinds += (kinds.empty() ? "" : ",") + S(b->text());
              return FilterOption{"kind", kinds};
            },
            [=](const FilterOption& o) {
              if (o.name != "kind") return false;
              for (QCheckBox* b : {singles, doubles, triples})
                b->setChecked(o.value.find(S(b->text())) != std::string::npos);
              return true;
            }});
  }
  for (const char* name : {"not-last", "not-last-box"}) {
    QSpinBox* n = Spin(1, drawlyze::MAX_DRAWS, 10);
    const bool box = std::string(name) == "not-last-box";
    n->setToolTip("The last draws, the selected one included");
    AddRow(area, line++, box ? "Not in the last draws, any order" : "Not in the last draws, as drawn",
           Line({n, new QLabel("draws")}),
           {nullptr, nullptr,
            [=] {
              return FilterOption{name, std::to_string(n->value())};
            },
            [=](const FilterOption& o) {
              if (o.name != name) return false;
              n->setValue(std::stoi(o.value));
              return true;
            }});
  }
  const auto source = [&](const char* name, const char* positional, const QString& caption) {
    QComboBox* match = Combo(kMatches);
    auto* byPosition = new QCheckBox("by position");
    AddRow(area, line++, caption, Line({match, byPosition}),
           {nullptr, nullptr,
            [=] {
              return FilterOption{byPosition->isChecked() ? positional : name, S(match->currentText())};
            },
            [=](const FilterOption& o) {
              if (o.name != name && o.name != positional) return false;
              match->setCurrentText(Q(o.value));
              byPosition->setChecked(o.name == positional);
              return true;
            }});
    match->setToolTip("any: at least one digit of the number among them; all: all three; none: no digit");
  };
  source("near", "near-position", "Selected draw's digits \u00b11");
  source("sieve-digits", "sieve-position", "Sieve view's candidates");
  for (const char* name : {"hot", "cold"}) {
    QComboBox* rule = Combo(RankingNames());
    rule->setCurrentText("most-frequent");
    QSpinBox* k = Spin(1, 9, 3);
    QLineEdit* window = Edit("100", "The ranking's \"Use Last Draws\": a count of draws, or all");
    window->setMinimumWidth(50);
    window->setMaximumWidth(60);
    QComboBox* match = Combo(kMatches);
    AddRow(area, line++, std::string(name) == "hot" ? "Hot digits" : "Cold digits",
           Line({rule, k, new QLabel("over"), window, match}),
           {nullptr, nullptr,
            [=] {
              return FilterOption{name, S(rule->currentText()) + ":" + std::to_string(k->value()) + ":" +
                                            S(window->text().trimmed()) + ":" + S(match->currentText())};
            },
            [=](const FilterOption& o) {
              if (o.name != name) return false;
              const QStringList parts = Q(o.value).split(':');
              if (parts.size() != 4) return false;
              rule->setCurrentText(parts[0]);
              k->setValue(parts[1].toInt());
              window->setText(parts[2]);
              match->setCurrentText(parts[3]);
              return true;
            }});
  }
  grid->setRowStretch(line, 1);
}

std::vector<drawlyze::filters::Filter> TForm_filters::ReadControls(QString& problems) const {
  std::vector<drawlyze::filters::Filter> filters;
  rowOfFilter_.clear();
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const Row& row = rows_[i];
    row.removed->setToolTip({});
    if (!row.on->isChecked()) {
      row.removed->clear();
      continue;
    }
    const FilterOption o = row.option();
    drawlyze::Result<drawlyze::filters::Filter> f = drawlyze::filters::ParseFilter(o.name, o.value);
    if (!f) {
      const QString why = row.on->text() + ": " + Q(f.Failure().detail);
      problems += (problems.isEmpty() ? "" : "\n") + why;
      row.removed->setText("not counted: see above");
      continue;
    }
    filters.push_back(*f);
    rowOfFilter_.push_back(static_cast<int>(i));
  }
  return filters;
}

void TForm_filters::Recount() {
  if (showing_) return;
  QString problems;
  filters_ = ReadControls(problems);
  drawlyze::plays::Cents amount = 0;
  if (!drawlyze::plays::ReadMoney(S(Edit_amount->text()), amount) || amount <= 0 ||
      amount % drawlyze::plays::kAmountStep != 0) {
    problems += QString(problems.isEmpty() ? "" : "\n") + "Amount: a multiple of 0.50 (1.00); 1.00 is counted";
    amount = drawlyze::plays::kOneUnit;
  }
  const int selected = model_.selection.row - 1;
  if (!measures_ || measuresRow_ != selected) {
    measures_ = std::make_unique<drawlyze::filters::MeasuresAlong>(model_.history, selected);
    measuresRow_ = selected;
  }
  const drawlyze::filters::FilterContext context{&model_.history, selected, &model_.sieve, measures_.get()};
  const drawlyze::filters::ChainResult chain = drawlyze::filters::EvaluateChain(filters_, context);
  const drawlyze::plays::BetType bet =
      ComboBox_bet->currentIndex() == 1 ? drawlyze::plays::BetType::Box : drawlyze::plays::BetType::Straight;
  const drawlyze::plays::PrizeTable& table = table_;
  if (!tableProblem_.isEmpty()) problems += QString(problems.isEmpty() ? "" : "\n") + tableProblem_;
  list_ = drawlyze::filters::SummarizeList(chain.kept, bet, amount, table);
  for (std::size_t i = 0; i < filters_.size(); ++i) {
    const drawlyze::filters::FilterStep& s = chain.steps[i];
    rows_[static_cast<std::size_t>(rowOfFilter_[i])].removed->setText(
        QString("%1 alone, %2 in the chain")
            .arg(Q(drawlyze::plays::CountText(s.removedAlone)), Q(drawlyze::plays::CountText(s.removedInChain))));
  }
  Label_count->setText(Q(drawlyze::filters::KeptText(chain.Kept())));
  const std::string why = drawlyze::filters::WhyNothingPasses(filters_, chain);
  if (!why.empty())
    problems += QString(problems.isEmpty() ? "" : "\n") + Q(why);
  else if (list_.plays.empty())
    problems += QString(problems.isEmpty() ? "" : "\n") +
                "No box play: the kept numbers are all triples, which cannot be boxed.";
  if (model_.history.Count() == 0 && !filters_.empty())
    problems +=
        QString(problems.isEmpty() ? "" : "\n") + "No draws are loaded: the history-based filters keep every number.";
  Label_message->setText(problems);
  // The summary without its table: each filter's removals stand on its line.
  std::vector<std::string> lines = drawlyze::filters::SummaryLines(filters_, chain, list_, table);
  QString summary;
  for (std::size_t i = 2 + std::max<std::size_t>(filters_.size(), 1); i < lines.size(); ++i)
    summary += Q(lines[i]) + "\n";
  Memo_summary->setPlainText(summary);
  QString listText;
  int column = 0;
  for (const int n : list_.plays) {
    listText += Q(drawlyze::plays::NumberText(bet, n)) + (++column % 10 == 0 ? "\n" : " ");
  }
  Memo_list->setPlainText(listText);
  Button_save_list->setEnabled(!list_.plays.empty());
  Button_backtest->setEnabled(!list_.plays.empty());
  Button_add_plays->setEnabled(playsTarget_ && !list_.plays.empty());
}

QString TForm_filters::ShowFilterSet(const drawlyze::filters::FilterSet& set) {
  showing_ = true;
  for (Row& row : rows_) row.on->setChecked(false);
  QString left;
  for (const drawlyze::filters::Filter& f : set.filters) {
    const FilterOption o = drawlyze::filters::FormatFilter(f);
    bool shown = false;
    for (Row& row : rows_) {
      if (row.on->isChecked() || !row.show(o)) continue;
      row.on->setChecked(true);
      shown = true;
      break;
    }
    if (!shown) left += (left.isEmpty() ? "" : ", ") + Q(drawlyze::filters::FilterText(f));
  }
  if (set.bet) ComboBox_bet->setCurrentIndex(*set.bet == drawlyze::plays::BetType::Box ? 1 : 0);
  if (set.amount) Edit_amount->setText(Q(drawlyze::plays::MoneyText(*set.amount)));
  showing_ = false;
  Recount();
  return left;
}

drawlyze::filters::FilterSet TForm_filters::CurrentFilterSet() const {
  drawlyze::filters::FilterSet set;
  set.filters = filters_;
  set.bet = list_.bet;
  set.amount = list_.amount;
  return set;
}

QString TForm_filters::CountText() const { return Label_count->text(); }
QString TForm_filters::MessageText() const { return Label_message->text(); }
QString TForm_filters::ListText() const { return Memo_list->toPlainText(); }
QString TForm_filters::BacktestText() const { return Memo_backtest->toPlainText(); }

void TForm_filters::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  LoadPrizes();
  measures_.reset();  // the selected row or the draws may have changed since the last time
  Recount();
}
