// libFuzzer target for the Sieve pattern file and the memo parse: the input
// is a pattern file's text. Splitting, writing and reading again must give the
// same lists; parsing the memos must either succeed with cleaned lines that
// keep their patterns from the second parse on, or fail with the conversion
// message.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/sieve/sieve_pattern_file.h"
#include "core/sieve/sieve_patterns.h"

using namespace drawlyze;

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

const std::string& WorkFile() {
  static const std::string path = [] {
    char name[] = "/tmp/sieve-fuzz-XXXXXX";
    if (!mkdtemp(name)) std::abort();
    return std::string(name) + "/patterns.txt";
  }();
  return path;
}

bool SameLists(const PatternLists& a, const PatternLists& b) { return a.more == b.more && a.less == b.less; }

void CheckParse(PatternLists lists) {
  const PatternLists before = lists;
  SievePatterns patterns = StartSievePatterns();
  const SieveParseResult result = ParsePatternMemos(lists.more, lists.less, patterns);
  if (!result.ok) {
    const std::string tail = "' is not a valid integer value";
    if (result.error.size() < tail.size() + 2 || result.error.front() != '\'' ||
        result.error.compare(result.error.size() - tail.size(), tail.size(), tail) != 0)
      Fail("parse error message");
    // The memo that failed stays as it was; when More fails, Less is not parsed.
    if (lists.less != before.less) Fail("failed parse changed the memo");
    return;
  }
  for (const auto* memo : {&lists.more, &lists.less})
    for (const std::string& line : *memo)
      if (line.empty() || CleanPatternLine(line) != line) Fail("memo line not cleaned");
  // Blank lines shift later lines to later slots only until they are removed,
  // so the second parse may move lines; from then on parsing changes nothing.
  std::vector<std::string> more = lists.more;
  std::vector<std::string> less = lists.less;
  if (!ParsePatternMemos(more, less, patterns).ok || more != lists.more || less != lists.less)
    Fail("cleaned memos do not parse to themselves");
  SievePatterns again = patterns;
  if (!ParsePatternMemos(more, less, again).ok || !(again == patterns)) Fail("third parse differs");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const PatternLists lists = SplitPatternFile(text);
  if (!SameLists(SplitPatternFile(FormatPatternFile(lists)), lists)) Fail("format and split differ");

  // Through the file: what Load reads is what Save wrote.
  {
    std::FILE* f = std::fopen(WorkFile().c_str(), "wb");
    if (!f) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
  }
  const Result<PatternLists> read = ReadPatternFile(WorkFile());
  if (!read || !SameLists(*read, lists)) Fail("read file differs");
  if (!WritePatternFile(WorkFile(), lists)) Fail("written file reads back differently");
  const Result<PatternLists> again = ReadPatternFile(WorkFile());
  if (!again || !SameLists(*again, lists)) Fail("written file reads back differently");

  CheckParse(lists);
  return 0;
}
