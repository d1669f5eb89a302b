#pragma once
// The look every window shares: the light blue background, controls named and
// placed as designed in the small window font, bold navy button captions.

#include <QColor>
#include <QPushButton>
#include <initializer_list>

namespace drawlyze::gui {

// The start colour of the windows' background gradient.
inline const QColor kBackgroundStart(0xD2, 0xDF, 0xF4);

struct DesignedControl {
  QWidget* widget;
  const char* name;
  int x, y, w, h;
};

// Object name, geometry and the small window font for each control.
void PlaceControls(std::initializer_list<DesignedControl> controls);
// Bold navy captions while enabled; a disabled button keeps the style's grey.
void StyleButtons(std::initializer_list<QPushButton*> buttons);
// Fills the widget's background with the colour.
void FillBackground(QWidget* widget, const QColor& colour = kBackgroundStart);

}  // namespace drawlyze::gui
