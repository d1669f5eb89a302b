// drawlyze-cli [--file PATH] plays check PLAYSFILE [--prizes FILE] [--csv]
// drawlyze-cli plays odds [--prizes FILE]
#include <ostream>

#include "cli/cli.h"
#include "core/files/whole_file.h"
#include "core/plays/odds.h"
#include "core/plays/plays_report.h"
#include "platform/data_folder.h"

namespace drawlyze::cli {
namespace {

constexpr const char* kPlaysUsage =
    "usage: drawlyze-cli [--file PATH] plays check PLAYSFILE [--prizes FILE] [--csv]\n"
    "       drawlyze-cli plays odds [--prizes FILE]\n";

}  // namespace

bool LoadPrizes(Context& ctx, plays::PrizeTable& table) {
  if (ctx.options.prizes) {
    const Result<std::string> text = ReadWholeFile(*ctx.options.prizes);
    if (!text) {
      SayError(ctx, text.Failure());
      return false;
    }
    Result<plays::PrizeTable> read = plays::ReadPrizeTable(*text, *ctx.options.prizes);
    if (!read) {
      SayError(ctx, read.Failure());
      return false;
    }
    table = *read;
    return true;
  }
  Result<plays::PrizeTable> loaded = plays::LoadPrizeTable(platform::PrizeTablePaths(platform::DataFolder()));
  if (!loaded) {
    SayError(ctx, loaded.Failure());
    return false;
  }
  table = *loaded;
  return true;
}

namespace {

int RunOdds(Context& ctx) {
  if (ctx.args.size() != 1) {
    ctx.err << "drawlyze-cli: plays odds takes no file\n" << kPlaysUsage;
    return kUsage;
  }
  plays::PrizeTable table;
  if (!LoadPrizes(ctx, table)) return kFailure;
  for (const std::string& line : plays::OddsReport(table)) ctx.out << line << '\n';
  return kOk;
}

int RunCheck(Context& ctx) {
  if (ctx.args.size() != 2) {
    ctx.err << "drawlyze-cli: plays check needs exactly one PLAYSFILE\n" << kPlaysUsage;
    return kUsage;
  }
  const std::string& path = ctx.args[1];
  const Result<std::string> text = ReadWholeFile(path);
  if (!text) {
    SayError(ctx, text.Failure());
    return kFailure;
  }
  Result<plays::PlaysFile> file = plays::ReadPlays(*text, path);
  if (!file) {
    SayError(ctx, file.Failure());
    return kFailure;
  }
  // Listed as the draw file's incorrect lines are: on stderr, the rest used.
  for (const plays::BadRow& bad : file->bad)
    ctx.err << "drawlyze-cli: " << path << " line " << bad.line << ": " << bad.reason << '\n';
  plays::PrizeTable table;
  if (!LoadPrizes(ctx, table)) return kFailure;
  DrawModel model;
  if (!LoadModel(ctx, model)) return kFailure;

  const plays::PlaysReport report =
      plays::MakePlaysReport(path, model.drawFile, std::move(*file), std::move(table), model.history);
  if (ctx.options.csv) {
    ctx.out << plays::PlaysCsv(report, model.history);
  } else {
    for (const std::string& line : plays::PlaysReportLines(report, model.history)) ctx.out << line << '\n';
  }
  ctx.out.flush();
  return ctx.out ? kOk : kFailure;
}

}  // namespace

int RunPlaysCommand(Context& ctx) {
  const std::string what = ctx.args.empty() ? std::string() : ctx.args[0];
  if (what == "check") return RunCheck(ctx);
  if (what == "odds") return RunOdds(ctx);
  ctx.err << "drawlyze-cli: plays needs check or odds" << (what.empty() ? std::string() : ", not " + what) << '\n'
          << kPlaysUsage;
  return kUsage;
}

}  // namespace drawlyze::cli
