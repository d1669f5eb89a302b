#pragma once
// Whether a new draw file may replace the current one: the Updater's download
// and the import window's history alike. The file is read by the draw-file
// loader first: one with no valid draw, more incorrect lines than draws, or
// past 64 MiB is refused; one that is older than the current file, has fewer
// than half its draws, or looks like another game's (it disagrees with the
// current file on the draws both hold, or shares none) replaces it only when
// the user agrees.

#include <cstdint>
#include <optional>
#include <string>

#include "core/history/draw_history.h"
#include "update/updater/shared_draws.h"

namespace drawlyze::updater {

// The largest draw file an update installs: the one the importer writes.
using ::drawlyze::kMaxDrawFileBytes;

// What the decision needs of a draw file.
struct DrawFileFacts {
  long long draws = 0;      // valid lines
  long long incorrect = 0;  // incorrect lines
  std::string newestDate;   // the date text of the last valid line; empty without draws
  std::string firstDate;    // the date text of the first valid line; empty without draws
  std::string source;       // where it came from, for the question: an address or a file; may be empty
};

DrawFileFacts FactsOf(const LoadResult& load, std::string source = {});

// "05.03.2007" (day, month, year; a two-digit year is the latest year not
// after the current one) or "2007.03.05" as the number 20070305; nothing for
// another form, a day that does not exist or one after tomorrow.
std::optional<long> DateKey(const std::string& date);

enum class Verdict { Install, Ask, Refuse };

struct CandidateDecision {
  Verdict verdict = Verdict::Install;
  std::string reason;       // Refuse: why; Ask: what is wrong with the file
  std::string details;      // Ask: "new: …; current: …", both files' draws, dates and sources
  std::string newFile;      // Ask: the new file's draws, first and newest dates and source
  std::string currentFile;  // Ask: the same of the current file
  bool otherGame = false;   // Ask: the new file looks like another game's history
  long long newDraws = -1;  // draws dated after the current file's newest; -1 without a current file
};

// name: the archive member, as messages call it; bytes: its size. shared:
// how the two files' draws compare (absent: not compared).
CandidateDecision JudgeCandidate(const std::string& name, std::uint64_t bytes, const DrawFileFacts& candidate,
                                 const std::optional<DrawFileFacts>& current,
                                 const std::optional<SharedDraws>& shared = std::nullopt);

// The judgement of a new file, read as candidate, against the draw file at
// currentPath (none there, or one that cannot be read: nothing to compare);
// currentSource, when known, is named beside its path.
CandidateDecision JudgeReplacement(const std::string& name, std::uint64_t bytes, const LoadResult& candidate,
                                   const std::string& candidateSource, const std::string& currentPath,
                                   const std::string& currentSource = {});

// What the user is asked on an Ask verdict, ending with
// "Replace the current draw file with it?".
std::string ReplaceQuestion(const CandidateDecision& decision);

}  // namespace drawlyze::updater
