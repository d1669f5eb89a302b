// drawlyze-cli: reads the options, then runs one subcommand.
#include <charconv>
#include <filesystem>
#include <iostream>
#include <map>

#include "cli/cli.h"
#include "core/views/views.h"

namespace drawlyze::cli {
namespace {

constexpr const char* kUsageText =
    "usage:\n"
    "  drawlyze-cli [OPTIONS] view OPTION [--chart | --png FILE]\n"
    "  drawlyze-cli [OPTIONS] report NAME\n"
    "  drawlyze-cli [OPTIONS] table\n"
    "  drawlyze-cli [OPTIONS] state T2 T3 ... T13\n"
    "  drawlyze-cli zip list ARCHIVE [MASK]\n"
    "  drawlyze-cli zip extract ARCHIVE FOLDER [MASK]\n"
    "  drawlyze-cli get URL OUTFILE\n"
    "  drawlyze-cli update URL [--mask MASK] [--folder DIR] [--force]\n"
    "OPTIONS: --file PATH (default: 3x10.txt in the program's folder) --row R (selected row, 1-based, default 1)\n"
    "  --last N (\"Use Last Draws\", default all draws) --median --layout positional|ascending|descending\n"
    "  --sieve PATTERNFILE --grid STEP:BIAS (grid on) --find TEXT\n";

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
          g.step < 1 || g.step > 20 || g.bias < 0 || g.bias > 19)
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
    } else if (arg == "--force") {
      o.force = true;
    } else if (arg == "--chart") {
      o.chart = true;
    } else if (arg == "--png") {
      if (!value(v)) return "--png needs a file";
      o.png = v;
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

std::string ProgramDir(const char* argv0) {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path().string();
}

}  // namespace

int Main(int argc, char** argv) {
  Context ctx{Options{}, {}, {}, std::cout, std::cerr, ProgramDir(argv[0])};
  const std::string error = ParseArguments(argc, argv, ctx);
  if (!error.empty() || ctx.command.empty()) {
    std::cerr << "drawlyze-cli: " << (error.empty() ? "no command given" : error) << '\n' << kUsageText;
    return kUsage;
  }
  static const std::map<std::string, int (*)(Context&)> commands = {
      {"view", RunViewCommand}, {"report", RunReportCommand}, {"table", RunTableCommand},   {"state", RunStateCommand},
      {"zip", RunZipCommand},   {"get", RunGetCommand},       {"update", RunUpdateCommand},
  };
  const auto it = commands.find(ctx.command);
  if (it == commands.end()) {
    std::cerr << "drawlyze-cli: unknown command " << ctx.command << '\n' << kUsageText;
    return kUsage;
  }
  return it->second(ctx);
}

}  // namespace drawlyze::cli

int main(int argc, char** argv) { return drawlyze::cli::Main(argc, argv); }
