#include "core/filters/filter_backtest.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/backtest/multiple_tests.h"
#include "core/filters/filter_text.h"
#include "core/filters/poisson_binomial.h"
#include "core/plays/prizes.h"

namespace drawlyze::filters {
namespace {

using plays::BetType;
using plays::Cents;

std::uint64_t SplitMix64(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// What a list can hold: the 1,000 numbers straight, the 210 sets of digits boxed.
struct Universe {
  std::vector<int> items;
  std::array<int, kNumbers> indexOf{};  // of a number (straight) or a box key (box); -1 for none
};

Universe MakeUniverse(BetType bet) {
  Universe u;
  u.indexOf.fill(-1);
  for (int n = 0; n < kNumbers; ++n) {
    if (bet == BetType::Box && (plays::BoxKey(n) != n || plays::KindOf(n) == plays::NumberKind::Triple)) continue;
    u.indexOf[static_cast<std::size_t>(n)] = static_cast<int>(u.items.size());
    u.items.push_back(n);
  }
  return u;
}

// The item a drawn number is a hit for, -1 when no list can hit it (a boxed triple).
int HitItem(const Universe& u, BetType bet, int drawn) {
  const int item = bet == BetType::Box ? plays::BoxKey(drawn) : drawn;
  return u.indexOf[static_cast<std::size_t>(item)];
}

// A random list of size k is the first k items of a seeded shuffle, so it keeps
// the filter list's size at every tested draw. rank[item * lists + j]: the
// item's place in list j's shuffle, laid out so one draw reads one row.
std::vector<std::uint16_t> RandomRanks(std::size_t items, int lists, std::uint64_t seed) {
  std::vector<std::uint16_t> rank(items * static_cast<std::size_t>(lists));
  std::vector<std::uint16_t> order(items);
  for (int j = 0; j < lists; ++j) {
    std::uint64_t state = seed * 0x2545F4914F6CDD1Dull + static_cast<std::uint64_t>(j);
    SplitMix64(state);
    for (std::size_t i = 0; i < items; ++i) order[i] = static_cast<std::uint16_t>(i);
    for (std::size_t i = items - 1; i > 0; --i) {
      const std::size_t r = static_cast<std::size_t>(((SplitMix64(state) >> 32) * (i + 1)) >> 32);
      std::swap(order[i], order[r]);
    }
    for (std::size_t place = 0; place < items; ++place)
      rank[order[place] * static_cast<std::size_t>(lists) + static_cast<std::size_t>(j)] =
          static_cast<std::uint16_t>(place);
  }
  return rank;
}

std::string Percent(double share) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f%%", share * 100);
  return text;
}

std::string PText(double p) {
  char text[32];
  if (p < 0.0001)
    std::snprintf(text, sizeof text, "%.2g", p);
  else
    std::snprintf(text, sizeof text, "%.4f", p);
  return text;
}

std::string Fixed(double v, const char* format = "%.2f") {
  char text[32];
  std::snprintf(text, sizeof text, format, v);
  return text;
}

// Where the list stands among lists picked at random, said plainly.
std::string PercentileWords(double percentile) {
  const std::string rank = Fixed(percentile, "%.0f");
  if (percentile >= 95)
    return "your list did better than " + rank +
           "% of random lists; one random list in 20 does that well, so "
           "see the verdict before you believe it";
  if (percentile <= 5)
    return "your list did worse than " + Fixed(100 - percentile, "%.0f") +
           "% of random lists: one random list in "
           "20 does that badly too";
  return "your list did better than " + rank +
         "% of random lists of the same size: an ordinary result, what a "
         "list picked at random does";
}

void Judge(FilterBacktestResult& r) {
  r.testNames = {"the exact test of the hits", "the random lists' net"};
  r.rawP = {r.pValue, r.randomP};
  r.adjustedP = AdjustPValues(r.rawP);
  const bool hitsOff = r.adjustedP[0] < 0.05, moneyOff = r.adjustedP[1] < 0.05;
  const bool hitsUp = r.hits > r.expectedHits, moneyUp = r.randomAbove < r.randomBelow;
  const bool better = (hitsOff && hitsUp) || (moneyOff && moneyUp);
  const bool worse = (hitsOff && !hitsUp) || (moneyOff && !moneyUp);
  if (better && !worse)
    r.verdict = "better than chance";
  else if (worse && !better)
    r.verdict = "worse than chance";
  else
    r.verdict = "no better than chance";
}

}  // namespace

DrawListCounter::DrawListCounter(BetType bet, Cents amount, const plays::PrizeTable& table) : bet_(bet) {
  for (int n = 0; n < kNumbers; ++n) {
    key_[static_cast<std::size_t>(n)] = static_cast<std::uint16_t>(bet == BetType::Box ? plays::BoxKey(n) : n);
    if (!plays::Refusal(bet, n).empty() || (bet == BetType::Box && plays::BoxKey(n) != n)) continue;
    orders_[static_cast<std::size_t>(n)] = bet == BetType::Box ? plays::Orders(n) : 1;
    prize_[static_cast<std::size_t>(n)] = plays::Prize(bet, n, amount, n, table);
  }
}

DrawList DrawListCounter::Count(const NumberSet& kept) const {
  DrawList list;
  if (bet_ == BetType::Box) {
    for (std::size_t n = kept._Find_first(); n < kept.size(); n = kept._Find_next(n))
      if (orders_[key_[n]] > 0) list.items.set(key_[n]);
  } else {
    list.items = kept;
  }
  // The plays of a straight or box list never win on the same drawn number,
  // so their winning numbers and prizes simply add up.
  for (std::size_t n = list.items._Find_first(); n < list.items.size(); n = list.items._Find_next(n)) {
    ++list.plays;
    if (prize_[n] > 0) list.hitNumbers += orders_[n];
    list.prizeOverAll += orders_[n] * prize_[n];
  }
  return list;
}

Result<FilterBacktestResult> RunFilterBacktest(const DrawHistory& history, const std::vector<Filter>& filters,
                                               const FilterBacktestOptions& options, const plays::PrizeTable& table) {
  FilterBacktestResult r;
  r.options = options;
  r.requested = options.draws;
  const int count = history.Count();
  const int newest = options.row - 1;
  // A tested draw needs an older draw to be predicted from.
  const int oldest = std::min(newest + options.draws - 1, count - 2);
  if (newest < 0 || newest > count - 2 || oldest < newest)
    return Error{ErrorKind::Unreadable, "backtest",
                 "needs a draw older than the selected one to predict it from: select a newer row or load more draws"};
  const BetType bet = options.bet == BetType::Box ? BetType::Box : BetType::Straight;

  NumberSet fixed;
  fixed.set();
  std::vector<const Filter*> moving;
  for (const Filter& f : filters) {
    if (IsHistoryBased(f))
      moving.push_back(&f);
    else
      fixed &= KeptByStatic(f);
  }
  const Universe universe = MakeUniverse(bet);
  const int lists = std::max(0, options.randomLists);
  const std::vector<std::uint16_t> rank = RandomRanks(universe.items.size(), lists, options.seed);
  std::vector<Cents> randomWon(static_cast<std::size_t>(lists), 0);
  std::vector<Cents> scratch(static_cast<std::size_t>(lists));
  const int tested = oldest - newest + 1;
  const int bandStep = std::max(1, (tested + 499) / 500);

  MeasuresAlong measures(history, oldest + 1);
  const DrawListCounter counter(bet, options.amount, table);
  DrawList list = counter.Count(fixed);
  std::vector<double> chances;
  for (int t = oldest; t >= newest; --t) {
    // Everything below reads the draws at t+1 and older only.
    if (!moving.empty()) {
      const FilterContext context{&history, t + 1, options.sieve, &measures};
      NumberSet kept = fixed;
      for (const Filter* f : moving) kept &= KeptBy(*f, context);
      list = counter.Count(kept);
    }
    const DrawNumbers d = history.GetDraw(t);
    TestedDraw td;
    td.index = t;
    td.drawn = d[0] * 100 + d[1] * 10 + d[2];
    td.kept = list.plays;
    td.cost = list.plays * options.amount;
    const int key = bet == BetType::Box ? plays::BoxKey(td.drawn) : td.drawn;
    td.hit = list.items.test(static_cast<std::size_t>(key)) && plays::Refusal(bet, td.drawn).empty();
    const Cents prizeIfHit = plays::Prize(bet, key, options.amount, td.drawn, table);
    td.prize = td.hit ? prizeIfHit : 0;
    td.chance = list.hitNumbers / double(kNumbers);
    td.expectedPrize = double(list.prizeOverAll) / kNumbers;
    r.draws.push_back(td);
    chances.push_back(td.chance);
    ++r.trials;
    r.hits += td.hit;
    r.expectedHits += td.chance;
    r.cost += td.cost;
    r.won += td.prize;
    r.expectedWon += td.expectedPrize;
    r.runningNet.push_back(r.won - r.cost);

    // The random lists of the same size at this draw.
    const int item = HitItem(universe, bet, td.drawn);
    if (item >= 0 && prizeIfHit > 0) {
      const std::uint16_t* row = rank.data() + static_cast<std::size_t>(item) * static_cast<std::size_t>(lists);
      for (int j = 0; j < lists; ++j)
        if (row[j] < td.kept) randomWon[static_cast<std::size_t>(j)] += prizeIfHit;
    }
    const int done = static_cast<int>(r.draws.size());
    if (lists > 0 && (done % bandStep == 0 || t == newest)) {
      for (int j = 0; j < lists; ++j) scratch[static_cast<std::size_t>(j)] = randomWon[static_cast<std::size_t>(j)];
      const auto lowAt = static_cast<std::ptrdiff_t>(std::floor(0.05 * (lists - 1)));
      const auto highAt = static_cast<std::ptrdiff_t>(std::ceil(0.95 * (lists - 1)));
      std::nth_element(scratch.begin(), scratch.begin() + lowAt, scratch.end());
      const Cents low = scratch[static_cast<std::size_t>(lowAt)];
      std::nth_element(scratch.begin(), scratch.begin() + highAt, scratch.end());
      const Cents high = scratch[static_cast<std::size_t>(highAt)];
      r.band.push_back({done - 1, double(low - r.cost), double(high - r.cost)});
    }
    if (t > newest) measures.Advance();
  }

  r.chance = r.expectedHits / r.trials;
  r.sameChance = std::all_of(chances.begin(), chances.end(), [&](double c) { return c == chances.front(); });
  r.interval = WilsonInterval(r.hits, r.trials);
  r.pValue =
      r.sameChance ? BinomialTwoSidedP(r.hits, r.trials, chances.front()) : PoissonBinomialTwoSidedP(r.hits, chances);
  for (Cents& w : randomWon) w -= r.cost;  // every random list costs what the list costs
  std::sort(randomWon.begin(), randomWon.end());
  r.randomNets = randomWon;
  const Cents net = r.Net();
  r.randomBelow = static_cast<int>(std::lower_bound(randomWon.begin(), randomWon.end(), net) - randomWon.begin());
  r.randomAbove = static_cast<int>(randomWon.end() - std::upper_bound(randomWon.begin(), randomWon.end(), net));
  r.randomTies = lists - r.randomBelow - r.randomAbove;
  if (lists > 0) {
    r.percentile = 100.0 * (r.randomBelow + 0.5 * r.randomTies) / lists;
    const double up = (1.0 + r.randomAbove + r.randomTies) / (lists + 1);
    const double down = (1.0 + r.randomBelow + r.randomTies) / (lists + 1);
    r.randomP = std::min(1.0, 2 * std::min(up, down));
  }
  Judge(r);
  return r;
}

std::vector<std::string> FilterBacktestReport(const FilterBacktestResult& r, const plays::PrizeTable& table) {
  using plays::CountText;
  using plays::MoneyText;
  std::vector<std::string> lines;
  const std::string bet(plays::BetName(r.options.bet == BetType::Box ? BetType::Box : BetType::Straight));
  lines.push_back("Backtest of the list as " + bet + " plays of " + MoneyText(r.options.amount) + " over " +
                  CountText(r.trials) + " draws, each predicted from the draws older than it");
  if (r.trials < r.requested)
    lines.push_back("(" + CountText(r.requested) + " draws asked for; the history holds " + CountText(r.trials) +
                    " with an older draw to predict them from)");
  const TestedDraw& first = r.draws.front();
  const TestedDraw& last = r.draws.back();
  lines.push_back("Tested draws: rows " + std::to_string(first.index + 1) + " (the oldest) to " +
                  std::to_string(last.index + 1));
  lines.push_back("Trials\t" + CountText(r.trials));
  lines.push_back("Hits\t" + CountText(r.hits) + " (" + Percent(double(r.hits) / r.trials) + ")");
  lines.push_back("Expected hits\t" + Fixed(r.expectedHits) + " (" + Percent(r.chance) +
                  " a draw, from the list's size)");
  lines.push_back("95% Wilson interval of the hit rate\t" + Percent(r.interval.low) + " to " +
                  Percent(r.interval.high));
  lines.push_back(std::string(r.sameChance ? "Exact binomial p-value (two-sided)\t"
                                           : "Exact p-value (two-sided; Poisson-binomial, the list's size changed)\t") +
                  PText(r.pValue));
  lines.push_back("Cost\t" + MoneyText(r.cost));
  lines.push_back("Won\t" + MoneyText(r.won) + " (expected " + MoneyText(r.expectedWon) + ")");
  lines.push_back("Net\t" + plays::SignedMoneyText(r.Net()) + " (expected " +
                  plays::SignedMoneyText(r.expectedWon - double(r.cost)) + ")");
  const int lists = static_cast<int>(r.randomNets.size());
  if (lists > 0) {
    lines.push_back("Random lists\t" + CountText(lists) + " of the same size and bet at every draw (seed " +
                    std::to_string(r.options.seed) + "), net from " + plays::SignedMoneyText(r.randomNets.front()) +
                    " to " + plays::SignedMoneyText(r.randomNets.back()) + ", middle 90% " +
                    plays::SignedMoneyText(r.band.back().low) + " to " + plays::SignedMoneyText(r.band.back().high));
    lines.push_back("Percentile\t" + Fixed(r.percentile, "%.1f") + ": the list did better than " +
                    CountText(r.randomBelow) + " of the " + CountText(lists) + " random lists, as well as " +
                    CountText(r.randomTies) + " and worse than " + CountText(r.randomAbove));
    lines.push_back("Random lists p-value (two-sided)\t" + PText(r.randomP));
    lines.push_back("In a player's words\t" + PercentileWords(r.percentile));
  }
  std::string counted;
  for (std::size_t i = 0; i < r.testNames.size(); ++i)
    counted += (i ? "; " : "") + r.testNames[i] + " " + PText(r.rawP[i]) + ", adjusted " + PText(r.adjustedP[i]);
  lines.push_back("Tests counted\t" + std::to_string(r.testNames.size()) + " (" + counted + "; Holm's method)");
  lines.push_back("Verdict\t" + r.verdict);
  if (r.verdict == "no better than chance")
    lines.push_back(
        "A list that keeps a share of the numbers catches about that share of the draws, whatever its "
        "filters; this one did nothing luck alone does not do.");
  else
    lines.push_back(
        "Even a real difference in past draws is no promise for the next one: the draws are meant to "
        "be random, so trust it only if newer draws confirm it.");
  lines.push_back("Prizes: " + table.source + ". " + std::string(plays::kPrizeTableWarning));
  return lines;
}

std::vector<std::string> FilterBacktestCsv(const DrawHistory& history, const FilterBacktestResult& r) {
  std::vector<std::string> lines{"date,draw,drawn,kept,hit,cost,prize"};
  for (const TestedDraw& d : r.draws)
    lines.push_back(history.DateText(d.index) + "," + history.NumberText(d.index) + "," +
                    plays::NumberText(BetType::Straight, d.drawn) + "," + std::to_string(d.kept) + "," +
                    (d.hit ? "1" : "0") + "," + plays::MoneyText(d.cost) + "," + plays::MoneyText(d.prize));
  return lines;
}

}  // namespace drawlyze::filters
