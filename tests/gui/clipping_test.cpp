// Every text of every window fits the space it has. The windows are walked as
// the window set holds them (the main window and every window below it), so a
// window or a control added later is checked too: each label, button, check
// box, radio button, group title, combo box, table header section and table
// cell is measured in the font it is drawn in against the rectangle the style
// gives its text, with no history, the bundled one and a 25,000-line one.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSizeGrip>
#include <QStyleOption>
#include <QTableView>
#include <QTimer>
#include <memory>

#include "gui/form1.h"
#include "gui/form_statistics.h"
#include "gui/forms.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "qt_app.h"

namespace drawlyze {
namespace {

// Room a window manager needs beside a title for the window's icon and buttons.
constexpr int kTitleBarButtons = 100;

QString Name(const QWidget* w) {
  const QString own = w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName();
  const QWidget* window = w->window();
  const QString windowName = window->objectName().isEmpty() ? window->windowTitle() : window->objectName();
  return w == window ? windowName : windowName + "/" + own;
}

class Walker {
 public:
  QStringList problems;

  void Window(QWidget* window) {
    Title(window);
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (w->window() != window || !w->isVisible()) continue;
      if (auto* label = qobject_cast<QLabel*>(w))
        Label(label);
      else if (auto* button = qobject_cast<QAbstractButton*>(w))
        Button(button);
      else if (auto* group = qobject_cast<QGroupBox*>(w))
        Group(group);
      else if (auto* combo = qobject_cast<QComboBox*>(w))
        Combo(combo);
      else if (auto* table = qobject_cast<QTableView*>(w))
        Table(table);
      if (IsContainer(w)) Siblings(w);
    }
    Siblings(window);
  }

 private:
  void Report(const QWidget* w, const QString& text, int need, int have, const char* what = "wide") {
    problems << QString("%1: \"%2\" needs %3 px %4, has %5").arg(Name(w), text).arg(need).arg(what).arg(have);
  }

  // A dialog's caption fits its title bar; the main window's names a file and may be elided.
  void Title(QWidget* window) {
    if (!window->parentWidget()) return;
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);  // the window manager's, not ours
    font.setBold(true);
    const int need = QFontMetrics(font).horizontalAdvance(window->windowTitle()) + kTitleBarButtons;
    if (need > window->width()) Report(window, "title " + window->windowTitle(), need, window->width());
  }

  void Label(QLabel* label) {
    const QString text = label->text();
    if (text.isEmpty()) return;
    const bool rich =
        label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (label->wordWrap() || rich) {
      const int need = label->heightForWidth(label->width());
      if (need > label->height()) Report(label, text.left(40), need, label->height(), "high");
      if (label->minimumSizeHint().width() > label->width())
        Report(label, text.left(40), label->minimumSizeHint().width(), label->width());
      return;
    }
    const int margin = label->margin();
    const QRect space = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const QSize need = QFontMetrics(label->font()).size(Qt::TextShowMnemonic, text);
    if (need.width() > space.width()) Report(label, text, need.width(), space.width());
    if (need.height() > space.height()) Report(label, text, need.height(), space.height(), "high");
  }

  void Button(QAbstractButton* button) {
    const QString text = button->text();
    if (text.isEmpty()) return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(button)) element = QStyle::SE_CheckBoxContents;
    if (qobject_cast<QRadioButton*>(button)) element = QStyle::SE_RadioButtonContents;
    if (auto* push = qobject_cast<QPushButton*>(button)) {
      if (push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
      if (push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    }
    const QRect space = button->style()->subElementRect(element, &option, button);
    QSize need = QFontMetrics(button->font()).size(Qt::TextShowMnemonic, text);
    if (!option.icon.isNull()) need.rwidth() += option.iconSize.width() + 4;
    if (need.width() > space.width()) Report(button, text, need.width(), space.width());
    if (need.height() > space.height()) Report(button, text, need.height(), space.height(), "high");
  }

  // The title fits its group, and no control of the group crosses its frame or its title.
  void Group(QGroupBox* group) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.textAlignment = group->alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame;
    if (!option.text.isEmpty()) option.subControls |= QStyle::SC_GroupBoxLabel;
    if (group->isFlat()) option.features |= QStyleOptionFrame::Flat;
    const QStyle* style = group->style();
    const QRect title = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    const QRect frame = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, group);
    if (!option.text.isEmpty()) {
      const int need = QFontMetrics(group->font()).horizontalAdvance(option.text);
      if (need > title.width() || title.right() >= group->width()) Report(group, option.text, need, title.width());
    }
    const QRect inside = frame.adjusted(1, 1, -1, -1);
    for (QWidget* child : Controls(group)) {
      const QRect r = child->geometry();
      if (!inside.contains(r) || (!option.text.isEmpty() && r.intersects(title)))
        problems << QString("%1 (%3,%4 %5x%6) crosses the frame or title of %2")
                        .arg(Name(child), Name(group))
                        .arg(r.x())
                        .arg(r.y())
                        .arg(r.width())
                        .arg(r.height());
    }
  }

  void Combo(QComboBox* combo) {
    const QString text = combo->currentText();
    if (text.isEmpty()) return;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.currentText = text;
    const QRect space =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    // An editable box shows its text in a line edit with its own small margins.
    const int need = QFontMetrics(combo->font()).horizontalAdvance(text) + (combo->isEditable() ? 4 : 0);
    if (need > space.width()) Report(combo, text, need, space.width());
  }

  void Table(QTableView* table) {
    const QAbstractItemModel* model = table->model();
    if (!model) return;
    const QHeaderView* header = table->horizontalHeader();
    // Cells keep the style's text margin on both sides, as an item view draws them.
    const int cellMargin = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    const bool scrolls = table->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    for (int c = 0; c < model->columnCount(); ++c) {
      if (table->isColumnHidden(c)) continue;
      const int width = header->sectionSize(c);
      const int x = header->sectionViewportPosition(c);
      if (!scrolls && x + width > table->viewport()->width())
        problems << QString("%1: column %2 is cut by the table's edge (%3 + %4 > %5)")
                        .arg(Name(table))
                        .arg(c)
                        .arg(x)
                        .arg(width)
                        .arg(table->viewport()->width());
      const QString title = model->headerData(c, Qt::Horizontal).toString();
      if (header->isVisible() && !title.isEmpty()) {
        QStyleOptionHeader option;
        option.initFrom(header);
        option.rect = QRect(x, 0, width, header->height());
        option.section = c;
        option.text = title;
        option.textAlignment = header->defaultAlignment();
        option.orientation = Qt::Horizontal;
        const QRect space = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header);
        const int need = QFontMetrics(header->font()).horizontalAdvance(title);
        if (need > space.width()) Report(header, "header " + title, need, space.width());
      }
      // The widest cell of the column.
      const QFontMetrics metrics(table->font());
      int widest = 0;
      QString widestText;
      for (int r = 0; r < model->rowCount(); ++r) {
        const QString text = model->index(r, c).data().toString();
        const int w = metrics.horizontalAdvance(text);
        if (w > widest) {
          widest = w;
          widestText = text;
        }
      }
      if (widest + cellMargin > width)
        Report(table, QString("column %1 cell %2").arg(c).arg(widestText), widest + cellMargin, width);
    }
  }

  // The controls placed on a window or in a group: not the parts of a control.
  static bool IsContainer(const QWidget* w) {
    return qobject_cast<const QGroupBox*>(w) || QByteArray(w->metaObject()->className()) == "QWidget" ||
           QByteArray(w->metaObject()->className()) == "QDialogButtonBox";
  }
  static QList<QWidget*> Controls(QWidget* parent) {
    QList<QWidget*> controls;
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (!w->isWindow() && w->isVisible() && !qobject_cast<QSizeGrip*>(w)) controls << w;
    return controls;
  }

  // No two controls of one window or group cover each other.
  void Siblings(QWidget* parent) {
    const QList<QWidget*> controls = Controls(parent);
    for (int i = 0; i < controls.size(); ++i) {
      if (!controls[i]->rect().isEmpty() && !parent->rect().contains(controls[i]->geometry()))
        problems << QString("%1 runs past the edge of %2").arg(Name(controls[i]), Name(parent));
      for (int j = i + 1; j < controls.size(); ++j)
        if (controls[i]->geometry().intersects(controls[j]->geometry()))
          problems << QString("%1 and %2 cover each other").arg(Name(controls[i]), Name(controls[j]));
    }
  }
};

// The main window and every window below it, menus aside.
QList<QWidget*> AllWindows(const gui::Forms& forms) {
  QList<QWidget*> windows{forms.Form1};
  for (QWidget* w : forms.Form1->findChildren<QWidget*>())
    if (w->isWindow() && !qobject_cast<QMenu*>(w) && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
      windows << w;
  return windows;
}

QStringList WalkAllWindows(const gui::Forms& forms) {
  Walker walker;
  for (QWidget* window : AllWindows(forms)) {
    window->show();
    QApplication::processEvents();
    walker.Window(window);
    if (window != forms.Form1) window->hide();
  }
  // The Separation buttons' other captions.
  forms.Form1->SelectOption(6);
  for (int i = 0; i < 2; ++i) forms.Form1->Button_left_rightClick();
  forms.Form1->Button_centerClick();
  walker.Window(forms.Form1);
  forms.Form1->Button_centerClick();
  walker.Window(forms.Form1);
  forms.Form1->hide();
  return walker.problems;
}

QByteArray LongHistory(int lines) {
  QByteArray text;
  const QDate start(1954, 1, 1);
  for (int i = 0; i < lines; ++i) {
    const QDate day = start.addDays(i / 2);
    text += QByteArray::number(i + 1) + ' ' + day.toString("dd.MM.yyyy").toLatin1() +
            (i % 2 ? " Sat Eve " : " Sat Day ") + QByteArray::number(i % 10) + ' ' + QByteArray::number(i * 7 % 10) +
            ' ' + QByteArray::number(i * 3 % 10) + " x\n";
  }
  return text;
}

class Clipping : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    testing::App();
    gui::g_messageHook = [](const QString&) {};
    gui::g_openFileHook = [](const QString&) { return QString(); };
  }
  void TearDown() override {
    gui::g_messageHook = nullptr;
    gui::g_openFileHook = nullptr;
  }
  QString History() {
    const std::string name = GetParam();
    if (name == "bundled") return DRAWLYZE_SOURCE_DIR "/data/3x10.txt";
    if (name == "long") return testing::WriteFile(dir, "long.txt", LongHistory(25000));
    return testing::WriteFile(dir, "empty.txt", "");
  }
  QTemporaryDir dir;
};

TEST_P(Clipping, EveryTextOfEveryWindowFits) {
  gui::Model model;
  model.SetFolder(dir.path());
  const QString history = History();
  const gui::Forms forms(model, history.toLocal8Bit().constData());
  const QStringList problems = WalkAllWindows(forms);
  EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Histories, Clipping, ::testing::Values("none", "bundled", "long"));

// The one-line input dialog of Find: walked while it is open, then cancelled.
TEST(ClippingFind, TheInputDialogHoldsItsTitleAndTexts) {
  testing::App();
  gui::g_messageHook = [](const QString&) {};
  QTemporaryDir dir;
  gui::Model model;
  model.SetFolder(dir.path());
  const gui::Forms forms(model, DRAWLYZE_SOURCE_DIR "/data/3x10.txt");
  Walker walker;
  bool asked = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (!dialog || dialog == forms.Form_statistics) return;
    if (dialog->findChild<QLineEdit*>() && dialog->windowTitle() == "Find free combination") {
      asked = true;
      walker.Window(dialog);
    }
    dialog->reject();
  });
  poll.start(10);
  forms.Form_statistics->show();
  forms.Form_statistics->findChild<QPushButton*>("xpButton_Find")->click();
  poll.stop();
  forms.Form_statistics->hide();
  EXPECT_TRUE(asked);
  EXPECT_TRUE(walker.problems.isEmpty()) << walker.problems.join('\n').toStdString();
  gui::g_messageHook = nullptr;
}

}  // namespace
}  // namespace drawlyze
