// drawlyze-cli: reads the options, then runs one subcommand.
#include <charconv>
#include <iostream>

#include "cli/cli.h"
#include "cli/command_table.h"
#include "core/chart/grid_ranges.h"
#include "core/views/views.h"
#include "platform/data_folder.h"
#include "platform/program_info.h"

namespace drawlyze::cli {
namespace {

bool ParseInt(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

// Returns an error text, empty when all options were understood.
std::string ParseArguments(int argc, char** argv, Context& ctx) {
  Options& o = ctx.options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& into) -> bool {
      if (i + 1 >= argc) return false;
      into = argv[++i];
      return true;
    };
    std::string v;
    if (arg == "--file") {
      if (!value(v)) return "--file needs a path";
      o.file = v;
    } else if (arg == "--row") {
      if (!value(v) || !ParseInt(v, o.row) || o.row < 1) return "--row needs a row number from 1";
    } else if (arg == "--last") {
      int n = 0;
      if (!value(v) || !ParseInt(v, n) || n < 1) return "--last needs a number of draws from 1";
      o.last = n;
    } else if (arg == "--median") {
      o.median = true;
    } else if (arg == "--layout") {
      if (!value(v) || (v != "positional" && v != "ascending" && v != "descending"))
        return "--layout needs positional, ascending or descending";
      o.layout = v;
    } else if (arg == "--sieve") {
      if (!value(v)) return "--sieve needs a pattern file";
      o.sieve = v;
    } else if (arg == "--grid") {
      GridSettings g;
      g.on = true;
      if (!value(v)) return "--grid needs STEP:BIAS";
      const auto at = v.find(':');
      if (at == std::string::npos || !ParseInt(v.substr(0, at), g.step) || !ParseInt(v.substr(at + 1), g.bias) ||
          g.step < kGridStepMin || g.step > kGridStepMax || g.bias < kGridBiasMin || g.bias > kGridBiasMax)
        return "--grid needs STEP:BIAS with STEP 1..20 and BIAS 0..19";
      o.grid = g;
    } else if (arg == "--find") {
      if (!value(v)) return "--find needs a text";
      o.find = v;
    } else if (arg == "--mask") {
      if (!value(v)) return "--mask needs a mask";
      o.mask = v;
    } else if (arg == "--folder") {
      if (!value(v)) return "--folder needs a folder";
      o.folder = v;
    } else if (arg == "--source") {
      if (!value(v)) return "--source needs the name of a source (drawlyze-cli sources lists them)";
      o.source = v;
    } else if (arg == "--force") {
      o.force = true;
    } else if (arg == "--chart") {
      o.chart = true;
    } else if (arg == "--png") {
      if (!value(v)) return "--png needs a file";
      o.png = v;
    } else if (arg == "--svg") {
      if (!value(v)) return "--svg needs a file";
      o.svg = v;
    } else if (arg == "--pdf") {
      if (!value(v)) return "--pdf needs a file";
      o.pdf = v;
    } else if (arg == "--scale") {
      double scale = 0;
      const auto [end, ec] = value(v) ? std::from_chars(v.data(), v.data() + v.size(), scale)
                                      : std::from_chars_result{nullptr, std::errc::invalid_argument};
      if (ec != std::errc() || end != v.data() + v.size() || !(scale >= 1 && scale <= 8))
        return "--scale needs a number from 1 to 8";
      o.scale = scale;
    } else if (arg == "--prizes") {
      if (!value(v)) return "--prizes needs a prize table file";
      o.prizes = v;
    } else if (arg == "--csv") {
      o.csv = true;
    } else if (arg == "--save") {
      o.save = true;
    } else if (arg == "--help" || arg == "-h") {
      o.help = true;
    } else if (arg == "--version") {
      o.version = true;
    } else if (arg == "--rule" || arg == "--top" || arg == "--window" || arg == "--draws") {
      // The backtest's options.
      int n = 0;
      if (!value(v)) return arg + " needs a value";
      if (arg == "--rule")
        o.rules.push_back(v);
      else if (!ParseInt(v, n) || n < 1)
        return arg + " needs a number from 1";
      else if (arg == "--top")
        o.top = n;
      else if (arg == "--window")
        o.window = n;
      else
        o.draws = n;
    } else if (arg == "--out" || arg == "--date" || arg == "--time" || arg == "--result") {  // import
      if (!value(v)) return arg + " needs " + (arg == "--out" ? "a file" : "a column (header or number)");
      if (arg == "--result")
        o.results.push_back(v);
      else
        (arg == "--out" ? o.out : arg == "--date" ? o.date : o.time) = v;
    } else if (arg == "--day-first" || arg == "--month-first") {
      if (o.dayFirst && *o.dayFirst != (arg == "--day-first")) return "give --day-first or --month-first, not both";
      o.dayFirst = arg == "--day-first";
    } else if (arg == "--digit" || (arg == "--position" && ctx.command != "filter")) {  // trend
      if (!value(v)) return arg + (arg == "--digit" ? " needs a digit 0..9" : " needs a position");
      (arg == "--digit" ? o.digit : o.position) = v;
    } else if (ctx.command == "filter" && arg.size() > 2 && arg.rfind("--", 0) == 0) {
      // The filter command's own options, each with its value but --list: it reads them itself.
      ctx.args.push_back(arg);
      if (arg != "--list" && i + 1 < argc) ctx.args.push_back(argv[++i]);
    } else if (arg.size() > 2 && arg.rfind("--", 0) == 0) {
      return "unknown option " + arg;
    } else if (ctx.command.empty()) {
      ctx.command = arg;
    } else {
      ctx.args.push_back(arg);
    }
  }
  return {};
}

}  // namespace

int Main(int argc, char** argv) {
  platform::SetApplicationNames();
  Context ctx{Options{}, {}, {}, std::cout, std::cerr, platform::LocateDataFolder().folder};
  const std::string error = ParseArguments(argc, argv, ctx);
  if (error.empty() && ctx.options.version) {
    ctx.out << platform::VersionText("drawlyze-cli");
    return kOk;
  }
  const bool help = error.empty() && (ctx.options.help || ctx.command == "help");
  if (help && ctx.command == "help") ctx.command = ctx.args.empty() ? "" : ctx.args[0];
  if (help && (ctx.command.empty() || ctx.command == "help")) {
    ctx.out << HelpText();
    return kOk;
  }
  if (!error.empty() || ctx.command.empty()) {
    std::cerr << "drawlyze-cli: " << (error.empty() ? "no command given" : error) << '\n' << UsageText();
    return kUsage;
  }
  const CommandEntry* command = FindCommand(ctx.command);
  if (!command) {
    std::cerr << "drawlyze-cli: unknown command " << ctx.command << '\n' << UsageText();
    return kUsage;
  }
  if (help) {
    ctx.out << CommandHelpText(*command);
    return kOk;
  }
  return command->run(ctx);
}

}  // namespace drawlyze::cli

int main(int argc, char** argv) { return drawlyze::cli::Main(argc, argv); }
