#include "gui/styled_controls.h"

namespace drawlyze::gui {

void PlaceControls(std::initializer_list<DesignedControl> controls) {
  for (const DesignedControl& d : controls) {
    d.widget->setObjectName(d.name);
    d.widget->setGeometry(d.x, d.y, d.w, d.h);
    QFont small = d.widget->font();
    small.setPixelSize(11);
    d.widget->setFont(small);
  }
}

void StyleButtons(std::initializer_list<QPushButton*> buttons) {
  for (QPushButton* b : buttons) {
    QFont bold = b->font();
    bold.setBold(true);
    b->setFont(bold);
    b->setAutoDefault(false);
    QPalette p = b->palette();
    p.setColor(QPalette::Active, QPalette::ButtonText, QColor(0, 0, 0x80));
    p.setColor(QPalette::Inactive, QPalette::ButtonText, QColor(0, 0, 0x80));
    b->setPalette(p);
  }
}

void FillBackground(QWidget* widget, const QColor& colour) {
  QPalette p = widget->palette();
  p.setColor(QPalette::Window, colour);
  widget->setPalette(p);
  widget->setAutoFillBackground(true);
}

}  // namespace drawlyze::gui
