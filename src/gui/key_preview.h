#pragma once
// Keys seen by a window before its controls, and the Esc size toggle that
// several windows share.

#include <QList>
#include <functional>

class QKeyEvent;
class QWidget;

namespace drawlyze::gui {

// The handler gets every key pressed in the window or in one of the controls
// before they do, and returns true for a key it used up.
void PreviewKeys(QWidget* window, const QList<QWidget*>& controls, std::function<bool(QKeyEvent*)> handler);

// A maximised window is restored to its normal size, any other maximised.
void ToggleMaximised(QWidget* window);

}  // namespace drawlyze::gui
