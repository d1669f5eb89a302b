#pragma once
// The look every window shares: the light blue background, controls named and
// placed as designed in the small window font, bold navy button captions, and
// the windows' places on the screen.

#include <QColor>
#include <QFont>
#include <QPushButton>
#include <initializer_list>

class QTableView;

namespace drawlyze::gui {

// The windows' font: DejaVu Sans Condensed at 11 pixels has the metrics the
// windows were laid out for (a 13-pixel line, digits 6 pixels wide, 5 on
// average), so the designed places and sizes hold their texts.
QFont WindowFont();
// Makes it the font of every window and dialog created from now on.
void UseWindowFont();

// The colours of the windows' background gradient.
inline const QColor kBackgroundStart(0xD2, 0xDF, 0xF4);
inline const QColor kBackgroundEnd(0xE9, 0xEF, 0xF9);

struct DesignedControl {
  QWidget* widget;
  const char* name;
  int x, y, w, h;
};

// Object name and geometry for each control.
void PlaceControls(std::initializer_list<DesignedControl> controls);
// Bold navy captions while enabled; a disabled button keeps the style's grey.
void StyleButtons(std::initializer_list<QPushButton*> buttons);
// Fills the widget's background with the colour; a window also takes the
// designed palette (below).
void FillBackground(QWidget* widget, const QColor& colour = kBackgroundStart);
// The light palette the designed look was made for, on a window and its
// controls: dark text on the light blue background and on light fields and
// buttons, whatever the desktop's palette (a dark one would put its white
// text on the light background the windows paint).
void UseDesignedPalette(QWidget* window);
// Sets the widget's background roles to the colour and its text roles to
// black or white, whichever stands out on it.
void SetBackgroundAndText(QWidget* widget, const QColor& colour);

// Paints the window's vertical gradient, from its top edge down or from its
// middle out to both edges; for a paintEvent.
enum class Gradient { TopDown, FromCentre };
void PaintGradient(QWidget* window, Gradient gradient);

// A fixed-size dialog with only a close box in its title bar.
void MakeFixedDialog(QWidget* dialog, const char* name, const QString& title, int width, int height);

// Centres the window on the screen.
void PlaceCentred(QWidget* window);
// The window at the top edge of the screen's free area, centred across it, as
// tall as that area with the window's title bar and frame (never below
// minHeight). Once shown, a window whose frame turned out taller than guessed
// is shortened to the area again.
void PlaceAtTop(QWidget* window, int width, int minHeight);

// The column as designed, or as wide as its widest text needs with the
// table's cell margins (a number column of 25,000 draws).
void FitColumnToTexts(QTableView* table, int column, int designedWidth);

}  // namespace drawlyze::gui
