#include "core/import/import_to_draw_file.h"

namespace drawlyze::import {

namespace {

bool StopAsked(const ImportOptions& options) { return options.stop && options.stop(); }

// The step after reading: merged, summarised, checked and written.
ImportRun& Finish(ImportRun& run, const ImportOptions& options) {
  run.merged = MergeDraws(run.inputs);
  if (StopAsked(options)) return run.status = ImportStatus::Stopped, run;
  run.summary = MakeSummary(run.inputs, run.merged);
  if (run.merged.draws.empty()) return run.status = ImportStatus::NoDraws, run;
  if (const Status size = CheckDrawFileSize(run.merged.draws); !size) {
    run.failure = size.Failure();
    return run.status = ImportStatus::TooLarge, run;
  }
  if (!options.format) return run;
  run.drawFile = FormatDrawFile(run.merged.draws);
  if (StopAsked(options)) {
    run.drawFile = std::string();
    run.status = ImportStatus::Stopped;
  }
  return run;
}

// The status an input read ends the road with, or Ok to go on.
ImportStatus Judge(const ImportedInput& input, const ImportOptions& options) {
  if ((input.failure && input.failure->kind == ErrorKind::Stopped) || StopAsked(options)) return ImportStatus::Stopped;
  if (input.failure) return ImportStatus::Failed;
  if (!input.mapping.Ready()) return ImportStatus::Unclear;
  return ImportStatus::Ok;
}

}  // namespace

ImportRun ImportToDrawFile(const std::vector<std::string>& names, const LoadText& load, const ImportOptions& options) {
  ImportRun run;
  for (std::size_t i = 0; i < names.size(); ++i) {
    run.input = i;
    std::string text;
    if (!load(names[i], text)) return run.status = ImportStatus::NotRead, run;
    run.inputs.push_back(ReadInput(names[i], text, options.choice, options.stop));
    text = std::string();  // only the table of its rows stays
    run.status = Judge(run.inputs.back(), options);
    if (run.status == ImportStatus::Failed) run.failure = run.inputs.back().failure;
    if (run.status != ImportStatus::Ok) return run;
  }
  run.input = 0;
  return Finish(run, options);
}

ImportRun ImportToDrawFile(std::vector<ImportedInput> inputs, const ImportOptions& options) {
  ImportRun run;
  run.inputs = std::move(inputs);
  for (std::size_t i = 0; i < run.inputs.size() && run.status == ImportStatus::Ok; ++i) {
    run.input = i;
    run.status = Judge(run.inputs[i], options);
    if (run.status == ImportStatus::Failed) run.failure = run.inputs[i].failure;
  }
  if (run.status == ImportStatus::Ok) {
    run.input = 0;
    return Finish(run, options);
  }
  // A window shows what the inputs give so far beside what they still need.
  run.merged = MergeDraws(run.inputs);
  run.summary = MakeSummary(run.inputs, run.merged);
  return run;
}

}  // namespace drawlyze::import
