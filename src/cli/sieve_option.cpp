#include <ostream>

#include "cli/cli.h"
#include "core/sieve/sieve_pattern_file.h"
#include "core/sieve/sieve_patterns.h"

namespace drawlyze::cli {

// As the editor would: start patterns, the file loaded into both memos as the
// Load button does, then the parse of closing the editor.
bool LoadSieveOption(Context& ctx, DrawModel& model) {
  Result<PatternLists> lists = ReadPatternFile(*ctx.options.sieve);
  if (!lists) {
    SayError(ctx, lists.Failure());
    return false;
  }
  model.sieve = StartSievePatterns();
  const SieveParseResult parse = ParsePatternMemos(lists->more, lists->less, model.sieve);
  // A number too large stops the parse; the view still shows what was parsed.
  if (!parse.ok) ctx.err << parse.error << '\n';
  return true;
}

}  // namespace drawlyze::cli
