#pragma once
// Every window reachable without a mouse: each control has a name that
// assistive technology reads, and Tab visits the controls in reading order.

#include <QList>
#include <QString>

class QWidget;

namespace drawlyze::gui {

// Names the window's controls that have none and chains Tab through them,
// now and again each time the window shows (its controls may have moved or
// been built since). Text fields and tables pass Tab on instead of taking it,
// a scroll area is no stop of its own (its controls are), and a label that
// captions a field becomes its buddy.
void MakeKeyboardReachable(QWidget* window);

// The window's Tab stops in reading order: top to bottom, a row of controls
// left to right, the controls of a group or panel together in its place.
QList<QWidget*> ReadingOrder(QWidget* window);

// The name a control is read by: its own, else the caption it shows; empty
// when it has neither.
QString AccessibleNameOf(const QWidget* control);

}  // namespace drawlyze::gui
