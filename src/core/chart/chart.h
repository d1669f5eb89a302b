#pragma once
// The chart as data: what a view draws on the chart surface, in drawing
// order, plus the plain-text copy of the view. Windows paint it; the command
// line prints it; tests compare it.

#include <cstdint>
#include <string>
#include <vector>

namespace drawlyze {

using Rgb = std::uint32_t;  // 0xRRGGBB
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kRed = 0xFF0000;
inline constexpr Rgb kYellow = 0xFFFF00;
inline constexpr Rgb kBlue = 0x0000FF;
inline constexpr Rgb kGreen = 0x00FF00;
inline constexpr Rgb kHeadingBlue = 0xB0DEF8;

// The off-screen surface every view draws on; the window shows its top rows.
inline constexpr int kChartWidth = 535;
inline constexpr int kChartHeight = 640;
inline constexpr int kChartVisibleHeight = 410;

// How a text is drawn: its colour on an opaque background of the brush colour.
struct TextStyle {
  Rgb font = kBlack;
  Rgb brush = kWhite;
  bool bold = false;
};
inline constexpr TextStyle kPlainText{};
inline constexpr TextStyle kBoldText{kBlack, kWhite, true};
// A digit of the next draw: red on yellow.
inline constexpr TextStyle kHitText{kRed, kYellow, false};

struct ChartText {
  int x = 0, y = 0;
  Rgb font = kBlack;
  Rgb brush = kWhite;  // text is drawn on an opaque background of this colour
  bool bold = false;
  std::string text;
  bool operator==(const ChartText&) const = default;
};

struct ChartLine {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Rgb pen = kBlack;
  bool operator==(const ChartLine&) const = default;
};

struct ChartItem {
  enum class Kind { Text, Line } kind = Kind::Text;
  ChartText text;
  ChartLine line;
};

class Chart {
 public:
  // The colour of the lines drawn next.
  Rgb pen = kBlue;

  void TextOut(int x, int y, std::string text, const TextStyle& style = kPlainText);
  void LineTo(int x1, int y1, int x2, int y2);

  void AddCopyLine(std::string line) { copyLines.push_back(std::move(line)); }
  // Every copy line followed by CR LF.
  std::string CopyText() const;

  std::vector<ChartItem> items;
  std::vector<std::string> copyLines;
};

// One item a line, in drawing order:
//   text X Y #RRGGBB #RRGGBB normal|bold TEXT
//   line X1 Y1 X2 Y2 #RRGGBB
std::string FormatChartListing(const Chart& chart);
std::string FormatRgb(Rgb colour);

}  // namespace drawlyze
