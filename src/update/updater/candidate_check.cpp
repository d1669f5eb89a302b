#include "update/updater/candidate_check.h"

#include <vector>

#include "core/files/whole_file.h"
#include "core/import/cell_values.h"

namespace drawlyze::updater {

namespace {

std::string Draws(long long count) { return std::to_string(count) + (count == 1 ? " draw" : " draws"); }

std::string Describe(const DrawFileFacts& facts) {
  std::string text = Draws(facts.draws);
  if (facts.newestDate.empty())
    text += ", no dates";
  else if (facts.firstDate.empty() || facts.firstDate == facts.newestDate)
    text += " of " + facts.newestDate;
  else
    text += " from " + facts.firstDate + " to " + facts.newestDate;
  if (!facts.source.empty()) text += ", " + facts.source;
  return text;
}

// "a", "a and b", "a, b and c".
std::string Listed(const std::vector<std::string>& parts) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) text += i + 1 == parts.size() ? " and " : ", ";
    text += parts[i];
  }
  return text;
}

// Whether the two files' days overlap; true when a date does not read as a day.
bool SpansOverlap(const DrawFileFacts& a, const DrawFileFacts& b) {
  const auto a0 = DateKey(a.firstDate), a1 = DateKey(a.newestDate);
  const auto b0 = DateKey(b.firstDate), b1 = DateKey(b.newestDate);
  if (!a0 || !a1 || !b0 || !b1) return true;
  return *a0 <= *b1 && *b0 <= *a1;
}

}  // namespace

DrawFileFacts FactsOf(const LoadResult& load, std::string source) {
  DrawFileFacts facts;
  facts.draws = load.ValidLineCount();
  facts.incorrect = load.incorrectLineCount;
  if (!load.draws.empty()) {
    facts.newestDate = load.draws.front().date;
    facts.firstDate = load.firstDate.empty() ? load.draws.back().date : load.firstDate;
  }
  facts.source = std::move(source);
  return facts;
}

std::optional<long> DateKey(const std::string& date) {
  // Digits and points only, as a draw file writes a date; read by the importer's one date reader.
  if (date.empty() || date.find_first_not_of("0123456789.") != std::string::npos) return std::nullopt;
  const import::DateParts parts = import::ReadDateParts(date);
  if (parts.kind != import::DateKind::Dotted && parts.kind != import::DateKind::YearFirst) return std::nullopt;
  const import::DayKey day = import::ResolveDate(parts, import::DayOrder::DayFirst);
  // A day after tomorrow tells nothing of a file's age: no draw was held then.
  if (day == 0 || day > import::LatestDrawDay()) return std::nullopt;
  return day;
}

CandidateDecision JudgeCandidate(const std::string& name, std::uint64_t bytes, const DrawFileFacts& candidate,
                                 const std::optional<DrawFileFacts>& current,
                                 const std::optional<SharedDraws>& shared) {
  CandidateDecision d;
  d.verdict = Verdict::Refuse;
  if (bytes > kMaxDrawFileBytes) {
    d.reason = name + " is larger than " + std::to_string(kMaxDrawFileBytes >> 20) + " MiB: it is no draw file";
    return d;
  }
  if (candidate.draws == 0) {
    d.reason = name + " holds no valid draw";
    return d;
  }
  if (candidate.incorrect > candidate.draws) {
    d.reason = name + " has more incorrect lines (" + std::to_string(candidate.incorrect) + ") than draws (" +
               std::to_string(candidate.draws) + ")";
    return d;
  }
  d.verdict = Verdict::Install;
  if (!current || current->draws == 0) return d;

  const auto newKey = DateKey(candidate.newestDate);
  const auto oldKey = DateKey(current->newestDate);
  std::vector<std::string> wrong;
  if (newKey && oldKey && *newKey < *oldKey) wrong.push_back("is older than the current draw file");
  if (candidate.draws * 2 < current->draws) wrong.push_back("has fewer than half the draws of the current draw file");
  if (shared && shared->shared > 0 && shared->differing * 2 > shared->shared) {
    const std::string of =
        shared->shared == 1 ? "the one draw" : std::to_string(shared->differing) + " of the " + Draws(shared->shared);
    wrong.push_back("disagrees with the current draw file on " + of + " both hold (" + shared->example + ")");
    d.otherGame = true;
  } else if (shared && shared->shared == 0 && (shared->overlapping || !SpansOverlap(candidate, *current))) {
    // Draws of the same days that never pair, or histories far apart in time.
    wrong.push_back("shares no draw (the same date and draw time) with the current draw file");
    d.otherGame = true;
  }
  if (wrong.empty()) return d;
  d.verdict = Verdict::Ask;
  d.reason = name + " " + Listed(wrong);
  if (d.otherGame) d.reason += ": it is probably another game's history";
  d.newFile = Describe(candidate);
  d.currentFile = Describe(*current);
  d.details = "new: " + d.newFile + "; current: " + d.currentFile;
  return d;
}

CandidateDecision JudgeReplacement(const std::string& name, std::uint64_t bytes, const LoadResult& candidate,
                                   const std::string& candidateSource, const std::string& currentPath,
                                   const std::string& currentSource) {
  const DrawFileFacts facts = FactsOf(candidate, candidateSource);
  std::string text;
  if (currentPath.empty() || !ReadWholeFile(currentPath, text)) return JudgeCandidate(name, bytes, facts, std::nullopt);
  const LoadResult current = ParseDrawFile(text);
  text = std::string();
  CandidateDecision d = JudgeCandidate(
      name, bytes, facts, FactsOf(current, currentSource.empty() ? currentPath : currentPath + ", " + currentSource),
      CompareSharedDraws(candidate.draws, current.draws));
  // What the update brings: the draws after the current history's newest day.
  const std::optional<long> newest = current.draws.empty() ? std::nullopt : DateKey(current.draws.front().date);
  d.newDraws = 0;
  for (const Draw& draw : candidate.draws) {
    const std::optional<long> day = DateKey(draw.date);
    if (day && (!newest || *day > *newest)) ++d.newDraws;
  }
  // Older lines the loader dropped may be new as well: then the count is not known.
  if (candidate.olderLinesNotLoaded > 0 && d.newDraws == static_cast<long long>(candidate.draws.size()))
    d.newDraws = -1;
  return d;
}

std::string ReplaceQuestion(const CandidateDecision& decision) {
  return decision.reason + ".\nnew: " + decision.newFile + "\ncurrent: " + decision.currentFile +
         "\nReplace the current draw file with it?";
}

}  // namespace drawlyze::updater
