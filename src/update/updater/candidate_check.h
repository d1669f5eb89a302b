#pragma once
// Whether a downloaded draw file may replace the current one. The file is
// read by the draw-file loader first: one with no valid draw, more incorrect
// lines than draws, or past 64 MiB is refused; one that is older than the
// current file, or has fewer than half its draws, is installed only when the
// user agrees.

#include <cstdint>
#include <optional>
#include <string>

#include "core/history/draw_history.h"

namespace drawlyze::updater {

// The largest draw file an update installs: the one the importer writes.
using ::drawlyze::kMaxDrawFileBytes;

// What the decision needs of a draw file.
struct DrawFileFacts {
  long long draws = 0;      // valid lines
  long long incorrect = 0;  // incorrect lines
  std::string newestDate;   // the date text of the last valid line; empty without draws
};

DrawFileFacts FactsOf(const LoadResult& load);

// "05.03.2007" (day, month, year; a two-digit year is the latest year not
// after the current one) or "2007.03.05" as the number 20070305; nothing for
// another form, a day that does not exist or one after tomorrow.
std::optional<long> DateKey(const std::string& date);

enum class Verdict { Install, Ask, Refuse };

struct CandidateDecision {
  Verdict verdict = Verdict::Install;
  std::string reason;   // Refuse: why; Ask: what is wrong with the file
  std::string details;  // Ask: both files' draws and newest dates
};

// name: the archive member, as messages call it; bytes: its size.
CandidateDecision JudgeCandidate(const std::string& name, std::uint64_t bytes, const DrawFileFacts& candidate,
                                 const std::optional<DrawFileFacts>& current);

}  // namespace drawlyze::updater
