#include "update/updater/candidate_check.h"

#include <vector>

#include "core/import/cell_values.h"

namespace drawlyze::updater {

namespace {

std::string Draws(long long count) { return std::to_string(count) + (count == 1 ? " draw" : " draws"); }

std::string Describe(const DrawFileFacts& facts) {
  return Draws(facts.draws) + ", newest " + (facts.newestDate.empty() ? "none" : facts.newestDate);
}

}  // namespace

DrawFileFacts FactsOf(const LoadResult& load) {
  DrawFileFacts facts;
  facts.draws = load.ValidLineCount();
  facts.incorrect = load.incorrectLineCount;
  if (!load.draws.empty()) facts.newestDate = load.draws.front().date;
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
                                 const std::optional<DrawFileFacts>& current) {
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
  const bool older = newKey && oldKey && *newKey < *oldKey;
  const bool fewer = candidate.draws * 2 < current->draws;
  if (!older && !fewer) return d;
  d.verdict = Verdict::Ask;
  d.reason = name;
  if (older) d.reason += " is older than the current draw file";
  if (older && fewer) d.reason += " and";
  if (fewer) d.reason += " has fewer than half the draws of the current draw file";
  d.details = "new: " + Describe(candidate) + "; current: " + Describe(*current);
  return d;
}

}  // namespace drawlyze::updater
