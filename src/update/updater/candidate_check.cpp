#include "update/updater/candidate_check.h"

#include <vector>

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
  std::vector<std::string> parts(1);
  for (const char c : date) {
    if (c == '.')
      parts.emplace_back();
    else if (c >= '0' && c <= '9' && parts.back().size() < 4)
      parts.back() += c;
    else
      return std::nullopt;
  }
  if (parts.size() != 3) return std::nullopt;
  for (const std::string& p : parts)
    if (p.empty()) return std::nullopt;
  const bool yearFirst = parts[0].size() == 4;
  long year = std::stol(yearFirst ? parts[0] : parts[2]);
  const long month = std::stol(parts[1]);
  const long day = std::stol(yearFirst ? parts[2] : parts[0]);
  const std::size_t yearDigits = (yearFirst ? parts[0] : parts[2]).size();
  if (yearDigits == 2) year += year < 70 ? 2000 : 1900;
  if ((yearDigits != 2 && yearDigits != 4) || month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
  return year * 10000 + month * 100 + day;
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
