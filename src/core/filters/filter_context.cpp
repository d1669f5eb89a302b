#include "core/filters/filter_context.h"

#include <algorithm>

#include "core/backtest/digit_tracker.h"
#include "core/plays/bet_types.h"
#include "core/views/sieve_candidates.h"

namespace drawlyze::filters {
namespace {

int TrackerWindow(LastDraws window) { return window ? std::max(1, *window) : MAX_DRAWS; }

DigitSet Bit(int digit) { return static_cast<DigitSet>(1u << digit); }

NumberSet NotLast(const NotLastFilter& f, const FilterContext& c) {
  NumberSet kept;
  kept.set();
  const int end = std::min(c.history->Count(), c.selected + std::max(0, f.draws));
  for (int i = c.selected; i < end; ++i) {
    const DrawNumbers d = c.history->GetDraw(i);
    const int number = d[0] * 100 + d[1] * 10 + d[2];
    if (!f.anyOrder) {
      kept.reset(static_cast<std::size_t>(number));
      continue;
    }
    std::array<int, 3> digits = plays::DigitsOf(plays::BoxKey(number));
    do kept.reset(static_cast<std::size_t>(digits[0] * 100 + digits[1] * 10 + digits[2]));
    while (std::next_permutation(digits.begin(), digits.end()));
  }
  return kept;
}

// A union of at most ten sets a position, so the backtest can afford it at every draw.
NumberSet Matching(const std::array<DigitSet, 3>& sets, SetMatch match) {
  const auto& at = NumbersWithDigitAt();
  std::array<NumberSet, 3> in{};
  for (std::size_t p = 0; p < 3; ++p)
    for (int d = 0; d < 10; ++d)
      if ((sets[p] >> d) & 1) in[p] |= at[p][static_cast<std::size_t>(d)];
  switch (match) {
    case SetMatch::Any:
      return in[0] | in[1] | in[2];
    case SetMatch::All:
      return in[0] & in[1] & in[2];
    case SetMatch::None:
      break;
  }
  return ~(in[0] | in[1] | in[2]);
}

}  // namespace

MeasuresAlong::MeasuresAlong(const DrawHistory& history, int upTo) : history_(&history), upTo_(upTo) {}
MeasuresAlong::~MeasuresAlong() = default;

void MeasuresAlong::Advance() {
  if (upTo_ <= 0) return;
  --upTo_;
  for (Tracked& t : tracked_) t.tracker->Push(history_->GetDraw(upTo_));
}

DigitMeasures MeasuresAlong::For(LastDraws window) {
  const int n = TrackerWindow(window);
  for (Tracked& t : tracked_)
    if (t.window == n) return t.tracker->Measures();
  Tracked t{n, std::make_unique<DigitTracker>(n)};
  for (int i = history_->Count() - 1; i >= upTo_ && i >= 0; --i) t.tracker->Push(history_->GetDraw(i));
  tracked_.push_back(std::move(t));
  return tracked_.back().tracker->Measures();
}

std::array<DigitSet, 3> HistoryDigits(const HistoryDigitsFilter& f, const FilterContext& c) {
  std::array<DigitSet, 3> sets{};
  const DrawNumbers selected = c.history->GetDraw(c.selected);
  switch (f.source) {
    case DigitSource::NearSelected:
      for (std::size_t p = 0; p < 3; ++p) {
        const int d = selected[p];
        sets[p] = static_cast<DigitSet>(Bit((d + 9) % 10) | Bit(d) | Bit((d + 1) % 10));
      }
      break;
    case DigitSource::Sieve: {
      const SieveCandidateTable table = SieveCandidates(c.sieve ? *c.sieve : StartSievePatterns(), selected);
      for (std::size_t p = 0; p < 3; ++p)
        for (const std::uint8_t v : table[p])
          if (v < 10) sets[p] = static_cast<DigitSet>(sets[p] | Bit(v));
      break;
    }
    case DigitSource::Ranking: {
      const DigitRule& rule = AllDigitRules()[static_cast<std::size_t>(f.rule)];
      MeasuresAlong local(*c.history, c.selected);
      MeasuresAlong& along = c.measures ? *c.measures : local;
      const DigitMeasures m = along.For(f.window);
      for (int p = 0; p < 3; ++p) {
        DigitOrder order = RankDigits(rule, m, rule.positional ? p : 0, 0);
        if (f.cold) std::reverse(order.begin(), order.end());
        sets[static_cast<std::size_t>(p)] = TopDigits(order, f.k);
      }
      break;
    }
  }
  if (!f.byPosition) {
    const DigitSet all = static_cast<DigitSet>(sets[0] | sets[1] | sets[2]);
    sets = {all, all, all};
  }
  return sets;
}

NumberSet KeptBy(const Filter& filter, const FilterContext& context) {
  if (!IsHistoryBased(filter)) return KeptByStatic(filter);
  if (!context.HasSelectedDraw()) return NumberSet().set();
  if (const auto* notLast = std::get_if<NotLastFilter>(&filter)) return NotLast(*notLast, context);
  const auto& digits = std::get<HistoryDigitsFilter>(filter);
  return Matching(HistoryDigits(digits, context), digits.match);
}

}  // namespace drawlyze::filters
