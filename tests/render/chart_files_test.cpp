// The chart surface as the window shows it and its files: texts on their
// opaque background, lines in their pen colour, the visible band cut from the
// surface, and an SVG that holds the texts as text.
#include "render/chart_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QTemporaryDir>

#include "render/chart_painter.h"

namespace drawlyze {
namespace {

Chart MarkedChart() {
  Chart chart;
  chart.TextOut(20, 30, "07 ", kHitText);
  chart.pen = kGreen;
  chart.LineTo(0, 500, kChartWidth - 1, 500);  // below the shown band
  chart.LineTo(100, 200, 300, 200);
  return chart;
}

TEST(ChartFiles, SurfaceBandAndSvgHoldWhatTheChartDraws) {
  const PaintingApplication app;
  const QImage surface = PaintChart(MarkedChart());
  ASSERT_EQ(surface.size(), QSize(kChartWidth, kChartHeight));
  // The hit's brush fills its text's box: under the closing blank, yellow.
  const int right = 20 + QFontMetrics(ChartFont()).horizontalAdvance("07 ") - 1;
  EXPECT_EQ(surface.pixel(right, 32), QColor(Qt::yellow).rgb());
  EXPECT_EQ(surface.pixel(right + 2, 32), QColor(Qt::white).rgb());
  EXPECT_EQ(surface.pixel(150, 200), QColor(Qt::green).rgb());
  EXPECT_EQ(surface.pixel(150, 500), QColor(Qt::green).rgb());
  EXPECT_EQ(surface.pixel(400, 100), QColor(Qt::white).rgb());

  const QImage band = VisibleChart(surface);
  EXPECT_EQ(band.size(), QSize(kChartWidth, kChartVisibleHeight));
  EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(PngBytes(band)), "PNG").convertToFormat(band.format()), band);

  const std::string svg = ChartSvg(MarkedChart(), "Skips");
  EXPECT_NE(svg.find("<title>Skips</title>"), std::string::npos);
  EXPECT_NE(svg.find(">07 </text>"), std::string::npos);
  EXPECT_EQ(svg, ChartSvg(MarkedChart(), "Skips"));  // the same chart, the same bytes
}

// A chart file is written whole or not at all, and its failure is the error
// value both front ends word: no bytes from the encoder, a folder that is not
// there, a folder where the file belongs.
TEST(ChartFiles, AFailedWriteSaysWhyAndLeavesNothing) {
  QTemporaryDir dir;
  const std::string folder = dir.filePath("taken").toStdString();
  ASSERT_TRUE(QDir(dir.path()).mkdir("taken"));
  const std::string missing = dir.filePath("none/chart.svg").toStdString();
  const std::string fresh = dir.filePath("empty.png").toStdString();
  const struct {
    std::string path;
    std::string bytes;
    std::string text;
  } cases[] = {
      {fresh, "", "Error - file " + fresh + " cannot be written! the image could not be encoded"},
      {missing, "<svg/>", "Error - file " + missing + " cannot be written! No such file or directory"},
      {folder, "<svg/>", "Error - " + folder + ": it is a folder, not a file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const Status written = WriteChartFile(c.path, c.bytes);
    ASSERT_FALSE(written);
    EXPECT_EQ(ErrorText(written.Failure()), c.text);
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"taken"});
  EXPECT_TRUE(WriteChartFile(dir.filePath("chart.svg").toStdString(), "<svg/>"));
}

}  // namespace
}  // namespace drawlyze
