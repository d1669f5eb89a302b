// "trend KIND": a trend chart's series with the band chance gives it, as CSV,
// tab-separated text, or the chart as PNG or SVG.
#include <ostream>

#include "cli/cli.h"
#include "core/trends/trends.h"
#include "render/chart_files.h"
#include "render/trend_chart.h"

namespace drawlyze::cli {
namespace {

constexpr int kImageWidth = 1000;
constexpr int kImageHeight = 600;

bool Usage(Context& ctx, const std::string& message) {
  ctx.err << "drawlyze-cli: " << message << '\n';
  return false;
}

bool WholeNumber(const std::string& text, int low, int high, int& value) {
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  value = std::stoi(text);
  return value >= low && value <= high;
}

// The options of the command as the core reads them; false after a message.
bool ReadOptions(Context& ctx, trends::TrendKind kind, trends::TrendOptions& o) {
  const Options& in = ctx.options;
  const bool digitKind = kind == trends::TrendKind::Skip || kind == trends::TrendKind::Frequency;
  const bool averageKind = !digitKind && kind != trends::TrendKind::Pairs;
  if (in.digit && (!digitKind || !WholeNumber(*in.digit, 0, 9, o.digit)))
    return Usage(ctx, digitKind ? "--digit needs a digit 0..9" : "--digit is for skip and frequency");
  if (in.position) {
    if (kind == trends::TrendKind::Pairs) {
      if (!trends::ParsePairKind(*in.position, o.pairs))
        return Usage(ctx, "--position for pairs needs front, back, split or any");
    } else if (!digitKind) {
      return Usage(ctx, "--position is for skip, frequency and pairs");
    } else if (*in.position != "any" && !WholeNumber(*in.position, 1, 3, o.position)) {
      return Usage(ctx, "--position needs 1, 2, 3 or any");
    }
  }
  o.window = averageKind ? 1 : trends::kDefaultFrequencyWindow;
  if (in.window) {
    if (kind == trends::TrendKind::Skip || kind == trends::TrendKind::Pairs)
      return Usage(ctx, "--window is for frequency, sum, spread and rootsum (pairs count --last)");
    if (averageKind && *in.window > trends::kMaxAverageWindow)
      return Usage(ctx, "--window for an average needs 1.." + std::to_string(trends::kMaxAverageWindow) + " draws");
    if (*in.window > MAX_DRAWS) return Usage(ctx, "--window needs 1.." + std::to_string(MAX_DRAWS) + " draws");
    o.window = *in.window;
  }
  if (in.csv && (in.png || in.svg)) return Usage(ctx, "give --csv or an image (--png, --svg), not both");
  return true;
}

int WriteImages(Context& ctx, const std::string& title, const Painting& paint) {
  PaintingApplication app;
  for (const auto& [file, svg] : {std::pair{ctx.options.png, false}, std::pair{ctx.options.svg, true}}) {
    if (!file) continue;
    const std::string bytes =
        svg ? PaintedSvg(kImageWidth, kImageHeight, title, paint) : PaintedPng(kImageWidth, kImageHeight, paint);
    const Status written = WriteChartFile(*file, bytes);
    if (!written) {
      SayError(ctx, written.Failure());
      return kFailure;
    }
  }
  return kOk;
}

}  // namespace

int RunTrendCommand(Context& ctx) {
  trends::TrendKind kind{};
  if (ctx.args.size() != 1 || !trends::ParseTrendKind(ctx.args[0], kind)) {
    ctx.err << "drawlyze-cli: trend needs one KIND: skip, frequency, sum, spread, rootsum or pairs\n";
    return kUsage;
  }
  trends::TrendOptions options;
  if (!ReadOptions(ctx, kind, options)) return kUsage;
  DrawHistory history;
  if (!LoadHistory(ctx, history)) return kFailure;
  if (!CheckRow(ctx, history)) return kUsage;
  const trends::TrendSelection selection{ctx.options.row, ctx.options.last};
  const bool image = ctx.options.png || ctx.options.svg;

  if (kind == trends::TrendKind::Pairs) {
    const trends::PairTable table = trends::PairCounts(history, selection, options.pairs);
    if (image) return WriteImages(ctx, table.title, [&](QPainter& p, const QRectF& r) { PaintPairTable(p, r, table); });
    if (ctx.options.csv) {
      ctx.out << trends::PairTableCsv(table);
    } else {
      for (const std::string& line : trends::PairTableText(table)) ctx.out << line << '\n';
    }
    return kOk;
  }

  TrendPlot plot;
  plot.layers.push_back(trends::SeriesOf(kind, history, selection, options));
  if (image) {
    // The image shows each draw's own value beneath its average, as the window does.
    if (options.window > 1 && kind != trends::TrendKind::Frequency) {
      trends::TrendOptions each = options;
      each.window = 1;
      plot.layers.insert(plot.layers.begin(), trends::SeriesOf(kind, history, selection, each));
    }
    return WriteImages(ctx, plot.Main().title,
                       [&](QPainter& p, const QRectF& r) { PaintTrendPlot(p, r, plot, FullRange(plot)); });
  }
  if (ctx.options.csv) {
    ctx.out << trends::TrendCsv(plot.Main());
  } else {
    for (const std::string& line : trends::TrendText(plot.Main())) ctx.out << line << '\n';
  }
  return kOk;
}

}  // namespace drawlyze::cli
