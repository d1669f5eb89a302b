// The main window on a screen at 200% (QT_SCALE_FACTOR=2): the chart
// surface holds twice the pixels each way and the window shows them one to
// one, so the chart's text is as sharp as the window's; the saved and copied
// chart image keeps its 535 x 410 pixels.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QImage>
#include <QPixmap>

#include "forms_test.h"
#include "gui/save_actions.h"
#include "render/chart_painter.h"

namespace drawlyze {
namespace {

class HighDpiTest : public testing::FormsTest {
 protected:
  void SetUp() override {
    // Read when the test's application starts, which OpenForms does first.
    qputenv("QT_SCALE_FACTOR", "2");
    OpenForms(testing::kFourDraws);
    main->show();
  }
};

TEST_F(HighDpiTest, ChartIsPaintedAtTheScreensPixelRatio) {
  ASSERT_EQ(main->devicePixelRatioF(), 2.0);
  const QImage& surface = main->ChartSurface();
  EXPECT_EQ(surface.devicePixelRatio(), 2.0);
  EXPECT_EQ(surface.size(), QSize(2 * kChartWidth, 2 * kChartHeight));
  // Another view paints the same surface again, at the same ratio.
  main->SelectOption(1);
  EXPECT_EQ(main->ChartSurface().size(), QSize(2 * kChartWidth, 2 * kChartHeight));

  // The window shows the surface's pixels as they are: no scaling, no blur.
  const QImage shown = main->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.devicePixelRatio(), 2.0);
  const QRect band = main->ChartBand();
  const QImage onScreen = shown.copy(band.x() * 2, band.y() * 2, band.width() * 2, band.height() * 2);
  const QImage painted = main->ChartSurface().copy(0, 0, band.width() * 2, band.height() * 2);
  EXPECT_TRUE(onScreen == painted.convertToFormat(QImage::Format_RGB32));
}

TEST_F(HighDpiTest, SavedAndCopiedChartKeepTheirSize) {
  const QString png = dir.filePath("chart.png");
  gui::g_saveFileTypeHook = [&](const QString&, const QStringList&, int&) { return png; };
  main->ChartMenu->SaveImage();
  EXPECT_EQ(QImage(png).size(), QSize(kChartWidth, kChartVisibleHeight));
  main->ChartMenu->CopyImage();
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(kChartWidth, kChartVisibleHeight));
}

}  // namespace
}  // namespace drawlyze
