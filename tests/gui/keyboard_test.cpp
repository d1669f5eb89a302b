// Every window works without a mouse: each control a keyboard reaches has a
// name, Tab visits each one once in reading order (top to bottom, a row left
// to right, a group's controls together; of an exclusive group of options only
// the chosen one, the arrows move within it; a date's day, month and year one
// after the other), and every button and chart-menu
// command of the main window has its menu entry.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDateTimeEdit>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "forms_test.h"
#include "gui/form1.h"
#include "gui/form_filters.h"
#include "gui/form_help.h"
#include "gui/form_plays.h"
#include "gui/forms.h"
#include "gui/save_actions.h"

namespace drawlyze {
namespace {

QList<QWidget*> AllWindows(const gui::Forms& forms) {
  QList<QWidget*> windows{forms.Form1};
  for (QWidget* w : forms.Form1->findChildren<QWidget*>())
    if (w->isWindow() && !qobject_cast<QMenu*>(w) && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
      windows << w;
  return windows;
}

QString Describe(const QWidget* w) {
  const QString name = w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName();
  const QRect r(w->mapTo(w->window(), QPoint(0, 0)), w->size());
  return QString("%1/%2 at %3,%4").arg(w->window()->objectName(), name).arg(r.x()).arg(r.y());
}

// A control Tab can stop at: its parts (a combo box's field) hand the focus to it.
bool IsTabStop(const QWidget* w) {
  return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() && !w->isWindow();
}

QList<QWidget*> TabStops(QWidget* window) {
  QList<QWidget*> stops;
  for (QWidget* w : window->findChildren<QWidget*>())
    if (w->window() == window && IsTabStop(w) && w->isVisibleTo(window)) stops << w;
  return stops;
}

// Where Tab goes: enabled controls, and of an exclusive group of options the chosen one.
bool Reachable(const QWidget* w) {
  if (!w->isEnabled()) return false;
  const auto* radio = qobject_cast<const QRadioButton*>(w);
  return !radio || !radio->autoExclusive() || radio->isChecked();
}

// The name a screen reader reads: the one set, or a button's caption.
QString NameOf(const QWidget* w) {
  if (!w->accessibleName().isEmpty()) return w->accessibleName();
  if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return QString(button->text()).remove('&');
  return {};
}

// b follows a in reading order: compared where they part, as the controls (or
// panels) of one container; a row is formed by tops that differ by less than
// half the smaller height.
bool ReadsBefore(const QWidget* a, const QWidget* b) {
  QList<const QWidget*> aPath;
  for (const QWidget* w = a; w; w = w->parentWidget()) aPath.prepend(w);
  QList<const QWidget*> bPath;
  for (const QWidget* w = b; w; w = w->parentWidget()) bPath.prepend(w);
  qsizetype i = 0;
  while (i < aPath.size() && i < bPath.size() && aPath[i] == bPath[i]) ++i;
  if (i == aPath.size() || i == bPath.size()) return false;
  const QRect ra = aPath[i]->geometry();
  const QRect rb = bPath[i]->geometry();
  if (2 * std::abs(ra.top() - rb.top()) < std::min(ra.height(), rb.height())) return ra.left() < rb.left();
  return ra.top() < rb.top();
}

class KeyboardTest : public testing::FormsTest {
 protected:
  void SetUp() override { OpenForms(testing::kFourDraws); }

  // Shows the window as a user gets it: laid out, its names and Tab order set.
  void Show(QWidget* window) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QApplication::processEvents();
  }
};

TEST_F(KeyboardTest, EveryControlOfEveryWindowHasAName) {
  QStringList unnamed;
  int controls = 0;
  for (QWidget* window : AllWindows(*forms)) {
    Show(window);
    for (const QWidget* w : TabStops(window)) {
      ++controls;
      if (NameOf(w).trimmed().isEmpty()) unnamed << Describe(w);
    }
    if (window != main) window->hide();
  }
  EXPECT_GT(controls, 150);  // every window was walked
  EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join('\n').toStdString();
  // Names from a caption beside or above a field, or the check box of its row.
  EXPECT_EQ(main->ComboBox_last_draws->accessibleName(), "Use Last Draws");
  EXPECT_EQ(main->xpComboBox_grid->accessibleName(), "Grid's step");
  EXPECT_EQ(forms->Form_plays->Edit_date->accessibleName(), "Date");
  QStringList sums;
  for (const QSpinBox* spin : forms->Form_filters->findChildren<QSpinBox*>())
    if (spin->accessibleName().startsWith("Sum")) sums << spin->accessibleName();
  EXPECT_EQ(sums, QStringList({"Sum", "Sum to"}));
}

TEST_F(KeyboardTest, TabVisitsEveryControlOnceInReadingOrder) {
  for (QWidget* window : AllWindows(*forms)) {
    SCOPED_TRACE(window->objectName().toStdString());
    Show(window);
    QList<QWidget*> expected;
    for (QWidget* w : TabStops(window))
      if (Reachable(w)) expected << w;
    if (expected.isEmpty()) {
      if (window != main) window->hide();
      continue;
    }
    // Round from one control back to it: every control once, one step back
    // to the top where the round closes.
    QWidget* start = expected.front();
    start->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), start);
    QList<QWidget*> visited{start};
    for (int step = 0; step <= 3 * expected.size(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* now = QApplication::focusWidget();
      ASSERT_NE(now, nullptr);
      if (now == start) break;
      if (now == visited.back() && qobject_cast<QDateTimeEdit*>(now)) continue;  // from day to month to year
      ASSERT_FALSE(visited.contains(now)) << "twice: " << Describe(now).toStdString();
      visited << now;
    }
    QStringList missed;
    for (QWidget* w : expected)
      if (!visited.contains(w)) missed << Describe(w);
    EXPECT_TRUE(missed.isEmpty()) << "never reached:\n" << missed.join('\n').toStdString();
    QStringList backwards;
    for (qsizetype i = 0; i < visited.size(); ++i) {
      const QWidget* from = visited[i];
      const QWidget* to = visited[(i + 1) % visited.size()];
      if (!ReadsBefore(from, to)) backwards << Describe(from) + " -> " + Describe(to);
    }
    EXPECT_EQ(backwards.size(), 1) << backwards.join('\n').toStdString();
    if (window != main) window->hide();
  }
}

TEST_F(KeyboardTest, EveryButtonAndChartCommandOfTheMainWindowHasAMenuEntry) {
  const std::map<QString, QString> entries = {
      {"Button_Copy", "CopyText1"},           {"Button_left_right", "SeparationArrow1"},
      {"Button_center", "SeparationCenter1"}, {"xpCheckBox_median", "Median1"},
      {"xpButton_Sieve", "Sieve1"},           {"xpButton_Update", "Update1"},
      {"xpCheckBox_grid", "Grid1"},           {"xpButton_statistics", "Statistics1"},
      {"xpButton_Plays", "Plays1"},           {"xpButton_Filters", "Filters1"},
  };
  const auto entry = [&](const QString& name) { return main->MenuBar1->findChild<QAction*>(name); };
  main->SelectOption(6);  // the Separation buttons enabled, Median and Sieve not
  for (const QAbstractButton* button : main->findChildren<QAbstractButton*>()) {
    // The window's own buttons, not the parts of its menu bar or table.
    if (button->window() != main || main->MenuBar1->isAncestorOf(button) || main->StringGrid1->isAncestorOf(button))
      continue;
    SCOPED_TRACE(button->objectName().toStdString());
    QString name;
    if (const auto* option = qobject_cast<const QRadioButton*>(button))
      name = QString("Option1_%1").arg(main->RadioGroup1Buttons->id(const_cast<QRadioButton*>(option)));
    else if (entries.count(button->objectName()))
      name = entries.at(button->objectName());
    ASSERT_FALSE(name.isEmpty()) << "a button without a menu entry: " << Describe(button).toStdString() << " "
                                 << button->metaObject()->className();
    const QAction* action = entry(name);
    ASSERT_NE(action, nullptr) << name.toStdString();
    EXPECT_TRUE(action->isEnabled() || !button->isEnabled()) << name.toStdString();  // usable whenever the button is
  }
  for (const auto& [chart, menu] : {std::pair{main->ChartMenu->CopyText1, "CopyText1"},
                                    {main->ChartMenu->CopyImage1, "CopyImage1"},
                                    {main->ChartMenu->SaveImage1, "SaveChartImage1"},
                                    {main->ChartMenu->SaveText1, "SaveText1"}}) {
    EXPECT_TRUE(main->ChartMenu->menu->actions().contains(chart));
    EXPECT_NE(entry(menu), nullptr) << menu;
  }
}

// The help's windows list says what each window of the Analysis menu does.
TEST_F(KeyboardTest, HelpHasARowForEachWindowOfTheAnalysisMenu) {
  const QString help = forms->Form_help->Label_windows->text();
  for (const char* window : {"Statistics", "Table", "Sieve", "Plays", "Filters"})
    EXPECT_TRUE(help.contains(QString("<b>%1</b>").arg(window))) << window;
  EXPECT_TRUE(help.contains(QString::fromUtf8("Analysis → Filters…")));
  forms->Form_help->ShowHelp();
  EXPECT_LE(forms->Form_help->height(), 768 - 40) << "taller than a small screen";  // with its title bar
  forms->Form_help->close();
}

}  // namespace
}  // namespace drawlyze
