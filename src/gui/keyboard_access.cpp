#include "gui/keyboard_access.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace drawlyze::gui {
namespace {

// How far a caption may stand from its field: beside it, or just above it.
constexpr int kCaptionGapBeside = 16;
constexpr int kCaptionGapAbove = 8;
constexpr int kCaptionAlign = 4;
// A tooltip longer than this explains rather than names.
constexpr int kLongestTooltipName = 40;

bool IsTabStop(const QWidget* w) {
  return !w->isWindow() && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy();
}

// A caption as a name: no mnemonic marks, no colon at its end.
QString Plain(QString text) {
  text.replace("&&", "\x01").remove('&').replace('\x01', '&');
  text = text.trimmed();
  if (text.endsWith(':')) text.chop(1);
  return text.trimmed();
}

QRect InWindow(const QWidget* w, const QWidget* window) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); }

bool IsLineField(const QWidget* w) {
  return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QAbstractSpinBox*>(w);
}

bool CentreWithin(const QRect& a, const QRect& b) {
  const int centre = a.center().y();
  return centre >= b.top() && centre <= b.bottom();
}

// The plain label that captions a one-line field: the nearest one just left
// of it on its row, else one just above it, aligned with its left edge.
QLabel* CaptionLabel(const QWidget* field, const QWidget* window) {
  if (!IsLineField(field)) return nullptr;
  const QRect f = InWindow(field, window);
  QLabel* beside = nullptr;
  QLabel* above = nullptr;
  int besideGap = kCaptionGapBeside + 1;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->window() != window || !label->isVisibleTo(window) || Plain(label->text()).isEmpty()) continue;
    if (label->buddy() && label->buddy() != field) continue;
    const QRect l = InWindow(label, window);
    const int gap = f.left() - l.right() - 1;
    if (gap >= 0 && gap < besideGap && CentreWithin(l, f)) {
      beside = label;
      besideGap = gap;
    }
    const int over = f.top() - l.bottom() - 1;
    if (over >= 0 && over <= kCaptionGapAbove && std::abs(l.left() - f.left()) <= kCaptionAlign) above = label;
  }
  return beside ? beside : above;
}

// The check box that leads the field's row, just left of the field or of the
// panel that holds the row's fields: the field sets what the box turns on.
const QCheckBox* LeadingCheckBox(const QWidget* field, const QWidget* window) {
  for (const QWidget* holder : {field, static_cast<const QWidget*>(field->parentWidget())}) {
    if (!holder || holder == window || !holder->parentWidget()) continue;
    const QRect h = InWindow(holder, window);
    for (const QCheckBox* box : holder->parentWidget()->findChildren<QCheckBox*>(Qt::FindDirectChildrenOnly)) {
      if (box->isHidden() || box->text().isEmpty()) continue;
      const QRect b = InWindow(box, window);
      const int gap = h.left() - b.right() - 1;
      if (gap >= 0 && gap <= kCaptionGapBeside && CentreWithin(b, InWindow(field, window))) return box;
    }
  }
  return nullptr;
}

// "StringGrid_preview" names its role after its kind: "Preview".
QString RoleOf(const QString& objectName) {
  static const QRegularExpression pattern("^[A-Za-z]+[0-9]*_([A-Za-z_]+)[0-9]*$");
  const QRegularExpressionMatch match = pattern.match(objectName);
  if (!match.hasMatch()) return {};
  QString role = match.captured(1).replace('_', ' ').trimmed();
  if (!role.isEmpty()) role[0] = role[0].toUpper();
  return role;
}

void Name(QWidget* field, QWidget* window) {
  if (!AccessibleNameOf(field).isEmpty()) return;
  QString name;
  QLabel* label = CaptionLabel(field, window);
  for (QLabel* other : window->findChildren<QLabel*>())
    if (other->buddy() == field) label = other;
  if (label) {
    if (!label->buddy()) label->setBuddy(field);
    name = Plain(label->text());
  }
  if (const QCheckBox* box = LeadingCheckBox(field, window); box && !qobject_cast<QAbstractButton*>(field))
    name = Plain(box->text()) + (name.isEmpty() ? QString() : " " + name);
  const QString tip = field->toolTip();
  if (name.isEmpty() && !tip.isEmpty() && tip.size() <= kLongestTooltipName && !tip.contains('\n')) name = tip;
  if (name.isEmpty()) name = RoleOf(field->objectName());
  if (!name.isEmpty()) field->setAccessibleName(name);
}

// Tab leaves text fields and tables; a scroll area lets Tab into its controls.
void PassTabOn(QWidget* window) {
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->window() != window) continue;
    if (auto* text = qobject_cast<QPlainTextEdit*>(w)) text->setTabChangesFocus(true);
    if (auto* text = qobject_cast<QTextEdit*>(w)) text->setTabChangesFocus(true);
    if (auto* view = qobject_cast<QAbstractItemView*>(w)) view->setTabKeyNavigation(false);
    if (auto* scroll = qobject_cast<QScrollArea*>(w); scroll && scroll->widget()) scroll->setFocusPolicy(Qt::NoFocus);
  }
}

bool HasTabStops(const QWidget* container) {
  for (const QWidget* w : container->findChildren<QWidget*>())
    if (!w->isWindow() && !w->isHidden() && IsTabStop(w)) return true;
  return false;
}

// Two controls stand in one row when their tops differ by less than half the
// smaller one's height.
bool SameRow(const QRect& a, const QRect& b) {
  return 2 * std::abs(a.top() - b.top()) < std::min(a.height(), b.height());
}

void Collect(QWidget* container, QList<QWidget*>& order) {
  std::vector<QWidget*> items;
  for (QWidget* w : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!w->isWindow() && !w->isHidden() && (IsTabStop(w) || HasTabStops(w))) items.push_back(w);
  std::stable_sort(items.begin(), items.end(),
                   [](const QWidget* a, const QWidget* b) { return a->geometry().top() < b->geometry().top(); });
  std::vector<std::vector<QWidget*>> rows;
  for (QWidget* w : items) {
    if (rows.empty() || !SameRow(rows.back().front()->geometry(), w->geometry())) rows.emplace_back();
    rows.back().push_back(w);
  }
  for (std::vector<QWidget*>& row : rows) {
    std::stable_sort(row.begin(), row.end(),
                     [](const QWidget* a, const QWidget* b) { return a->geometry().left() < b->geometry().left(); });
    for (QWidget* w : row) {
      if (IsTabStop(w))
        order << w;  // a control's own parts (a combo box's field) are no stops of their own
      else
        Collect(w, order);
    }
  }
}

void Apply(QWidget* window) {
  if (window->layout()) window->layout()->activate();
  PassTabOn(window);
  const QList<QWidget*> order = ReadingOrder(window);
  for (QWidget* w : order) Name(w, window);
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

class OnShow : public QObject {
 public:
  explicit OnShow(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    // After the window's own show handler, which may build controls.
    if (watched == window_ && event->type() == QEvent::Show)
      QTimer::singleShot(0, window_, [window = window_] { Apply(window); });
    return false;
  }

 private:
  QWidget* window_;
};

}  // namespace

QString AccessibleNameOf(const QWidget* control) {
  if (!control->accessibleName().isEmpty()) return control->accessibleName();
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return Plain(button->text());
  if (const auto* group = qobject_cast<const QGroupBox*>(control)) return Plain(group->title());
  return {};
}

QList<QWidget*> ReadingOrder(QWidget* window) {
  QList<QWidget*> order;
  Collect(window, order);
  return order;
}

void MakeKeyboardReachable(QWidget* window) {
  // Places are known once the window has laid itself out for showing.
  PassTabOn(window);
  if (window->isVisible()) Apply(window);
  new OnShow(window);
}

}  // namespace drawlyze::gui
