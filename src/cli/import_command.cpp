// drawlyze-cli import INPUT... [--out FILE] [--date COLUMN] [--result COLUMN]...
//                              [--time COLUMN] [--day-first|--month-first]
#include <ostream>

#include "cli/cli.h"
#include "core/files/whole_file.h"
#include "core/import/import.h"

namespace drawlyze::cli {
namespace {

constexpr const char* kImportUsage =
    "usage: drawlyze-cli import INPUT... [--out FILE] [--date COLUMN] [--result COLUMN]... [--time COLUMN]"
    " [--day-first|--month-first]\n";

const char* Hint(import::Choice needs) {
  switch (needs) {
    case import::Choice::DateColumn:
      return "choose the date column with --date COLUMN";
    case import::Choice::DayOrder:
      return "give --day-first or --month-first";
    case import::Choice::ResultColumns:
      return "choose the result columns with --result COLUMN (the midday one first)";
    case import::Choice::Column:
      return "name a column by its header or its number";
    case import::Choice::None:
      break;
  }
  return "";
}

import::MappingChoice ChoiceOf(const Options& o){import::MappingChoice choice;
choice.date = o.date;
choice.results = o.results;
choice.time = o.time;
if (o.dayFirst) choice.dayOrder = *o.dayFirst ? import::DayOrder::DayFirst : import::DayOrder::MonthFirst;
return choice;
}  // namespace

}  // namespace drawlyze::cli

int RunImportCommand(Context& ctx) {
  if (ctx.args.empty()) {
    ctx.err << "drawlyze-cli: import needs at least one input file\n" << kImportUsage;
    return kUsage;
  }
  const import::MappingChoice choice = ChoiceOf(ctx.options);
  std::vector<import::ImportedInput> inputs;
  for (const std::string& path : ctx.args) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
      ctx.err << "Error - file " << path << " not found!\n";
      return kFailure;
    }
    inputs.push_back(import::ReadInput(path, text, choice));
    const import::ImportedInput& input = inputs.back();
    if (!input.mapping.Ready()) {
      ctx.err << "drawlyze-cli: " << path << ": " << input.mapping.problem << "; " << Hint(input.mapping.needs) << '\n';
      for (const std::string& line : import::ColumnLines(input)) ctx.err << line << '\n';
      return kUsage;
    }
  }
  const import::MergedHistory merged = import::MergeDraws(inputs);
  for (const std::string& line : import::SummaryLines(inputs, merged)) ctx.err << line << '\n';
  if (merged.draws.empty()) {
    ctx.err << "drawlyze-cli: no readable draw in the input\n";
    return kFailure;
  }
  const std::string text = import::FormatDrawFile(merged.draws);
  if (!ctx.options.out) {
    ctx.out << text;
    ctx.out.flush();
    return ctx.out ? kOk : kFailure;
  }
  if (const Status saved = WriteFileWhole(*ctx.options.out, text); !saved) {
    const Error& failure = saved.Failure();
    ctx.err << "Error - cannot write " << *ctx.options.out << (failure.detail.empty() ? "" : ": " + failure.detail)
            << '\n';
    return kFailure;
  }
  return kOk;
}

}  // namespace drawlyze::cli
