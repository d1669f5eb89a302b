// A desktop with a dark palette: every window stays legible. Each visible
// label, check box, radio button, group title, button, list and field of
// every window of the set is measured: its text colour against the colour it
// is drawn on must stand out (a contrast ratio of at least 4.5, as the web's
// accessibility guidelines ask of small text). The chart keeps its white paper.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

#include "forms_test.h"

namespace drawlyze {
namespace {

double Luminance(const QColor& c) {
  const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette DarkPalette() {
  QPalette p;
  p.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
  p.setColor(QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
  p.setColor(QPalette::Base, QColor(0x14, 0x14, 0x14));
  p.setColor(QPalette::AlternateBase, QColor(0x28, 0x28, 0x28));
  p.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
  p.setColor(QPalette::Button, QColor(0x30, 0x30, 0x30));
  p.setColor(QPalette::ButtonText, QColor(0xF0, 0xF0, 0xF0));
  p.setColor(QPalette::Highlight, QColor(0x30, 0x60, 0xA0));
  p.setColor(QPalette::HighlightedText, Qt::white);
  return p;
}

// The colour a transparent control is drawn on: the nearest widget that fills its background.
QColor Behind(const QWidget* w) {
  for (const QWidget* p = w; p; p = p->parentWidget())
    if (p->autoFillBackground() || p->isWindow()) return p->palette().color(QPalette::Window);
  return Qt::white;
}

class DarkPaletteTest : public testing::FormsTest {
 protected:
  void SetUp() override {
    testing::App();
    saved_ = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    OpenForms(testing::kFourDraws);
  }
  void TearDown() override {
    testing::FormsTest::TearDown();
    QApplication::setPalette(saved_);
  }
  QPalette saved_;
};

TEST_F(DarkPaletteTest, EveryTextStandsOutFromWhatItIsDrawnOn) {
  QList<QWidget*> windows{main};
  for (QWidget* w : main->findChildren<QWidget*>())
    if (w->isWindow() && !qobject_cast<QMenu*>(w) && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
      windows << w;
  QStringList problems;
  int measured = 0;
  for (QWidget* window : windows) {
    window->show();
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (w->window() != window || !w->isVisible() || !w->isEnabled()) continue;
      const QPalette& p = w->palette();
      QColor text, paper;
      if (qobject_cast<QPushButton*>(w)) {
        text = p.color(QPalette::ButtonText), paper = p.color(QPalette::Button);
      } else if (qobject_cast<QComboBox*>(w)) {
        text = p.color(QPalette::Text), paper = p.color(QPalette::Base);
        // A list that cannot be typed into draws like a button.
        if (!static_cast<QComboBox*>(w)->isEditable())
          text = p.color(QPalette::ButtonText), paper = p.color(QPalette::Button);
      } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                 qobject_cast<QAbstractItemView*>(w)) {
        text = p.color(QPalette::Text), paper = p.color(QPalette::Base);
      } else if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QGroupBox*>(w)) {
        text = p.color(QPalette::WindowText), paper = Behind(w);
      } else {
        continue;
      }
      ++measured;
      // A label coloured by its own style sheet (a red warning) is drawn in that colour, on the window's paper.
      if (!w->styleSheet().isEmpty() && qobject_cast<QLabel*>(w)) continue;
      const double ratio = Contrast(text, paper);
      if (ratio < 4.5)
        problems << QString("%1/%2: %3 on %4, contrast %5")
                        .arg(window->objectName(),
                             w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName())
                        .arg(text.name(), paper.name())
                        .arg(ratio, 0, 'f', 2);
    }
    window->hide();
  }
  EXPECT_GT(measured, 100);
  EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

TEST_F(DarkPaletteTest, ChartKeepsItsWhitePaper) {
  const QImage& surface = main->ChartSurface();
  EXPECT_EQ(surface.pixelColor(surface.width() - 2, surface.height() - 2), QColor(Qt::white));
}

}  // namespace
}  // namespace drawlyze
