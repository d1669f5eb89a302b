#include "core/plays/luck.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <utility>

#include "core/plays/odds.h"
#include "core/plays/prizes.h"

namespace drawlyze::plays {

namespace {

constexpr std::size_t kMaxExactValues = 4'000'000;  // the convolution's array: 32 MiB of doubles
constexpr double kTolerance = 1e-12;

struct DrawnDraw {
  int index;
  const Play* play;
};

// Each drawn draw's distribution of its total prize; draws that pay nothing
// whatever is drawn are left out (they change no total).
std::vector<std::vector<PrizeValue>> Distributions(const PlaysCheck& check, const PrizeTable& table) {
  std::vector<DrawnDraw> drawn;
  for (const PlayCheck& play : check.plays)
    for (const CoveredDraw& covered : play.draws)
      if (covered.outcome != Outcome::Pending) drawn.push_back({covered.index, &play.play});
  std::sort(drawn.begin(), drawn.end(), [](const DrawnDraw& a, const DrawnDraw& b) { return a.index < b.index; });
  std::vector<std::vector<PrizeValue>> out;
  std::vector<const Play*> plays;
  for (std::size_t i = 0; i < drawn.size();) {
    plays.clear();
    std::size_t j = i;
    for (; j < drawn.size() && drawn[j].index == drawn[i].index; ++j) plays.push_back(drawn[j].play);
    std::vector<PrizeValue> values = DrawPrizeDistribution(plays, table);
    if (values.back().prize != 0) out.push_back(std::move(values));
    i = j;
  }
  return out;
}

int DistinctDraws(const PlaysCheck& check) {
  std::vector<int> indexes;
  for (const PlayCheck& play : check.plays)
    for (const CoveredDraw& covered : play.draws)
      if (covered.outcome != Outcome::Pending) indexes.push_back(covered.index);
  std::sort(indexes.begin(), indexes.end());
  return static_cast<int>(std::unique(indexes.begin(), indexes.end()) - indexes.begin());
}

struct Tails {
  double atLeast = 1, atMost = 1;
  Cents low = 0, high = 0;
};

// The exact distribution of the sum over the draws, in units of the values' greatest common divisor.
Tails ExactTails(const std::vector<std::vector<PrizeValue>>& draws, Cents unit, Cents won) {
  std::size_t size = 1;
  for (const auto& values : draws) size += static_cast<std::size_t>(values.back().prize / unit);
  std::vector<double> p(size, 0.0);
  p[0] = 1;
  std::size_t top = 0;  // the highest sum reached so far, in units
  for (const auto& values : draws) {
    const std::size_t reach = top + static_cast<std::size_t>(values.back().prize / unit);
    // From the top down, so that every p read still holds the sums before this draw.
    for (std::size_t j = reach + 1; j-- > 0;) {
      double sum = 0;
      for (const PrizeValue& v : values) {
        const std::size_t shift = static_cast<std::size_t>(v.prize / unit);
        if (shift <= j && j - shift <= top) sum += p[j - shift] * (v.numbers / double(kNumbers));
      }
      p[j] = sum;
    }
    top = reach;
  }
  Tails tails;
  const std::size_t w = static_cast<std::size_t>(won / unit);
  double below = 0, cumulative = 0;
  bool haveLow = false, haveHigh = false;
  for (std::size_t j = 0; j <= top; ++j) {
    if (j < w) below += p[j];
    cumulative += p[j];
    if (!haveLow && cumulative >= 0.05 - kTolerance) {
      tails.low = static_cast<Cents>(j) * unit;
      haveLow = true;
    }
    if (!haveHigh && cumulative >= 0.95 - kTolerance) {
      tails.high = static_cast<Cents>(j) * unit;
      haveHigh = true;
    }
  }
  const double at = w <= top ? p[w] : 0;
  tails.atLeast = std::clamp(1 - below, 0.0, 1.0);
  tails.atMost = std::clamp(below + at, 0.0, 1.0);
  return tails;
}

Tails SimulatedTails(const std::vector<std::vector<PrizeValue>>& draws, Cents won, int players, std::uint64_t seed) {
  // Per draw its winning values, each with the count of numbers up to it: a
  // number below `below` pays the first such prize.
  struct Step {
    int below;
    Cents prize;
  };
  std::vector<std::vector<Step>> steps;
  steps.reserve(draws.size());
  for (const auto& values : draws) {
    std::vector<Step> s;
    int count = 0;
    for (const PrizeValue& v : values) {
      if (v.prize == 0) continue;
      count += v.numbers;
      s.push_back({count, v.prize});
    }
    steps.push_back(std::move(s));
  }
  std::mt19937_64 random(seed);
  std::vector<Cents> totals(static_cast<std::size_t>(players));
  for (Cents& total : totals) {
    total = 0;
    for (const std::vector<Step>& s : steps) {
      const int number = static_cast<int>((random() >> 11) % kNumbers);
      for (const Step& step : s)
        if (number < step.below) {
          total += step.prize;
          break;
        }
    }
  }
  std::sort(totals.begin(), totals.end());
  Tails tails;
  const auto n = static_cast<double>(players);
  const auto less = std::lower_bound(totals.begin(), totals.end(), won) - totals.begin();
  const auto upTo = std::upper_bound(totals.begin(), totals.end(), won) - totals.begin();
  tails.atLeast = (n - static_cast<double>(less)) / n;
  tails.atMost = static_cast<double>(upTo) / n;
  const auto quantile = [&](double q) {
    const auto k = static_cast<std::size_t>(std::ceil(q * n - kTolerance));
    return totals[std::min(totals.size() - 1, k == 0 ? 0 : k - 1)];
  };
  tails.low = quantile(0.05);
  tails.high = quantile(0.95);
  return tails;
}

std::string OneIn(double p) { return CountText(std::llround(1 / p)); }

std::string Percent(double p) {
  const long long whole = std::llround(p * 100);
  if (whole >= 100 && p < 1) return "more than 99%";
  if (whole <= 0 && p > 0) return "less than 1%";
  return std::to_string(whole) + "%";
}

}  // namespace

std::vector<PrizeValue> DrawPrizeDistribution(const std::vector<const Play*>& plays, const PrizeTable& table) {
  std::vector<std::pair<int, Cents>> wins;  // (number drawn, a prize it pays one play)
  for (const Play* play : plays)
    ForEachWinningDraw(play->bet, play->number, [&](int drawn, PrizeLine line) {
      wins.emplace_back(drawn, ScaledPrize(table.For(line), play->amount));
    });
  std::sort(wins.begin(), wins.end());
  std::vector<Cents> totals;  // one a number that pays anything
  for (std::size_t i = 0; i < wins.size();) {
    Cents sum = 0;
    std::size_t j = i;
    for (; j < wins.size() && wins[j].first == wins[i].first; ++j) sum += wins[j].second;
    totals.push_back(sum);
    i = j;
  }
  const int zeros = kNumbers - static_cast<int>(totals.size());
  std::sort(totals.begin(), totals.end());
  std::vector<PrizeValue> values;
  if (zeros > 0) values.push_back({0, zeros});
  for (Cents total : totals) {
    if (!values.empty() && values.back().prize == total)
      ++values.back().numbers;
    else
      values.push_back({total, 1});
  }
  return values;
}

Luck LuckOf(const PlaysCheck& check, const PrizeTable& table, const LuckOptions& options) {
  Luck luck;
  for (const PlayCheck& play : check.plays) {
    luck.won += play.won;
    luck.expected += play.expected;
  }
  luck.draws = DistinctDraws(check);
  const std::vector<std::vector<PrizeValue>> draws = Distributions(check, table);
  if (draws.empty()) return luck;  // nothing could have been won: every player wins 0

  Cents unit = 0;
  for (const auto& values : draws)
    for (const PrizeValue& v : values) unit = std::gcd(unit, v.prize);
  long long work = 0;
  std::size_t size = 1;
  for (const auto& values : draws) {
    size += static_cast<std::size_t>(values.back().prize / unit);
    work += static_cast<long long>(size) * static_cast<long long>(values.size());
    if (size > kMaxExactValues || work > options.exactWork) break;
  }
  Tails tails;
  if (size <= kMaxExactValues && work <= options.exactWork) {
    tails = ExactTails(draws, unit, luck.won);
  } else {
    luck.exact = false;
    luck.seed = options.seed;
    const long long players = options.simulationWork / static_cast<long long>(draws.size());
    luck.players = static_cast<int>(std::clamp<long long>(players, options.minPlayers, options.maxPlayers));
    tails = SimulatedTails(draws, luck.won, luck.players, options.seed);
  }
  luck.atLeast = tails.atLeast;
  luck.atMost = tails.atMost;
  luck.low = tails.low;
  luck.high = tails.high;
  return luck;
}

std::vector<std::string> LuckLines(const Luck& luck) {
  if (luck.draws == 0) return {"Against chance: none of the plays' draws has been drawn yet."};
  std::vector<std::string> lines;
  const std::string draws = CountText(luck.draws) + (luck.draws == 1 ? " drawn draw" : " drawn draws");
  if (luck.exact)
    lines.push_back("Against chance (exact: every one of the 1,000 numbers of each of the " + draws + " counted):");
  else
    lines.push_back("Against chance (simulated, not exact: " + CountText(luck.players) +
                    " players making the same plays on the " + draws + ", seed " + std::to_string(luck.seed) +
                    "; an exact count would take too long):");
  const std::string orMore = luck.won == 0 ? "something or nothing" : MoneyText(luck.won) + " or more";
  const std::string orLess = luck.won == 0 ? "nothing" : MoneyText(luck.won) + " or less";
  if (luck.atLeast <= 0) {
    lines.push_back("  Luckier than every one of the " + CountText(luck.players) + " simulated players: none won " +
                    orMore + ".");
  } else if (luck.atLeast <= 0.5) {
    lines.push_back("  As lucky as 1 player in " + OneIn(luck.atLeast) + ": 1 player in " + OneIn(luck.atLeast) +
                    " making the same plays wins " + orMore + ".");
  } else if (luck.atMost <= 0.5) {
    lines.push_back("  As unlucky as 1 player in " + OneIn(luck.atMost) + ": 1 player in " + OneIn(luck.atMost) +
                    " making the same plays wins " + orLess + ".");
  } else if (luck.won == 0) {
    lines.push_back("  An ordinary result: " + Percent(luck.atMost) +
                    " of players making the same plays win nothing either.");
  } else {
    lines.push_back("  An ordinary result: " + Percent(luck.atLeast) + " of players making the same plays win " +
                    orMore + ", " + Percent(luck.atMost) + " win " + orLess + ".");
  }
  lines.push_back("  At least 9 players in 10 making them win between " + MoneyText(luck.low) + " and " +
                  MoneyText(luck.high) + "; chance expects " + MoneyText(luck.expected) + ".");
  return lines;
}

}  // namespace drawlyze::plays
