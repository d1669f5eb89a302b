// "backtest": how each digit ranking would have fared on the history; and the
// "Randomness" report beside the Statistics window's twelve.
#include <ostream>

#include "cli/cli.h"
#include "core/backtest/backtest.h"
#include "core/backtest/randomness.h"
#include "core/history/text_helpers.h"
#include "render/backtest_chart.h"

namespace drawlyze::cli {
namespace {

void ListRules(std::ostream& err) {
  for (const DigitRule& rule : AllDigitRules()) err << ' ' << rule.name;
  err << '\n';
}

bool IsRandomness(const std::string& name) { return NameKey(name) == "randomness"; }

}  // namespace

int RunBacktestCommand(Context& ctx) {
  if (!ctx.args.empty()) {
    ctx.err << "drawlyze-cli: backtest takes no words, only options (--rule NAME --top K --window N --draws M)\n";
    return kUsage;
  }
  BacktestOptions options;
  for (const std::string& name : ctx.options.rules) {
    const int rule = FindDigitRule(name);
    if (rule < 0) {
      ctx.err << "drawlyze-cli: no rule is called \"" << name << "\"; the rules are:";
      ListRules(ctx.err);
      return kUsage;
    }
    options.rules.push_back(rule);
  }
  if (ctx.options.top) options.top = *ctx.options.top;
  if (options.top > 9) {
    ctx.err << "drawlyze-cli: --top needs a number of digits from 1 to 9\n";
    return kUsage;
  }
  if (ctx.options.window) options.window = *ctx.options.window;
  if (ctx.options.draws) options.draws = *ctx.options.draws;
  options.row = ctx.options.row;

  DrawHistory history;
  if (!LoadHistory(ctx, history)) return kFailure;
  if (!CheckRow(ctx, history)) return kUsage;

  const BacktestResult result = RunBacktest(history, options);
  for (const std::string& line : BacktestReport(result)) ctx.out << line << '\n';
  if (ctx.options.png) {
    if (const Status saved = SaveBacktestChartPng(result, *ctx.options.png); !saved) {
      SayError(ctx, saved.Failure());
      return kFailure;
    }
  }
  return kOk;
}

int RunReportOrRandomnessCommand(Context& ctx) {
  if (ctx.args.size() != 1 || !IsRandomness(ctx.args[0])) return RunReportCommand(ctx);
  DrawHistory history;
  if (!LoadHistory(ctx, history)) return kFailure;
  if (!CheckRow(ctx, history)) return kUsage;
  PrintReport(ctx, RandomnessReport(history, ctx.options.row, ctx.options.last));
  return kOk;
}

}  // namespace drawlyze::cli
