#include "core/backtest/backtest.h"

#include <algorithm>

#include "core/backtest/digit_tracker.h"
#include "core/backtest/multiple_tests.h"

namespace drawlyze {
namespace {

// The rules asked for that exist; every rule when none is asked for.
std::vector<int> RulesOf(const BacktestOptions& options) {
  const int count = static_cast<int>(AllDigitRules().size());
  std::vector<int> rules;
  for (const int rule : options.rules)
    if (rule >= 0 && rule < count) rules.push_back(rule);
  if (options.rules.empty())
    for (int rule = 0; rule < count; ++rule) rules.push_back(rule);
  return rules;
}

std::uint16_t DigitSet(const DrawNumbers& draw) {
  unsigned set = 0;
  for (const std::uint8_t d : draw)
    if (d < 10) set |= 1u << d;
  return static_cast<std::uint16_t>(set);
}

}  // namespace

double ChanceRate(Score score, int k) {
  const double q = k / 10.0;
  switch (score) {
    case Score::AtLeastOne:
      return 1 - (1 - q) * (1 - q) * (1 - q);
    case Score::AllThree:
      return q * q * q;
    case Score::AtThePosition:
      return q;
  }
  return 0;
}

const char* ScoreText(Score score) {
  switch (score) {
    case Score::AtLeastOne:
      return "at least one";
    case Score::AllThree:
      return "all three";
    case Score::AtThePosition:
      return "at the position";
  }
  return "";
}

void PlanBacktest(const DrawHistory& history, BacktestResult& result) {
  const BacktestOptions& o = result.options;
  result.count = history.Count();
  // The newest tested draw is the selected one; a draw is tested when N draws came before it.
  const int newest = result.count - std::max(o.row, 1);
  int first = std::max(o.window, 1);
  if (o.draws) first = std::max(first, newest - std::max(*o.draws, 0) + 1);
  result.firstTime = first;
  result.tested = std::max(newest - first + 1, 0);
}

std::vector<BacktestLine> BacktestLines(const BacktestOptions& options) {
  std::vector<BacktestLine> lines;
  for (const int rule : RulesOf(options)) {
    if (AllDigitRules()[static_cast<std::size_t>(rule)].positional) {
      lines.push_back({rule, Score::AtThePosition, 0, 0, {}});
    } else {
      lines.push_back({rule, Score::AtLeastOne, 0, 0, {}});
      lines.push_back({rule, Score::AllThree, 0, 0, {}});
    }
  }
  return lines;
}

void ScoreDraw(const DigitMeasures& m, const DrawNumbers& draw, const BacktestOptions& options,
               std::vector<BacktestLine>& lines) {
  const std::uint16_t drawSet = DigitSet(draw);
  int rankedRule = -1;
  std::uint16_t top = 0;
  for (BacktestLine& line : lines) {
    const DigitRule& rule = AllDigitRules()[static_cast<std::size_t>(line.rule)];
    int hits = 0;
    if (line.score == Score::AtThePosition) {
      for (int p = 0; p < 3; ++p) {
        const int digit = draw[static_cast<std::size_t>(p)];
        const std::uint16_t set = TopDigits(RankDigits(rule, m, p, options.seed), options.top);
        if (digit < 10 && (set >> digit & 1)) ++hits;
      }
      line.trials += 3;
    } else {
      // The two scores of a rule share its ranking.
      if (line.rule != rankedRule) {
        top = TopDigits(RankDigits(rule, m, 0, options.seed), options.top);
        rankedRule = line.rule;
      }
      if (line.score == Score::AtLeastOne)
        hits = (top & drawSet) != 0;
      else
        hits = drawSet != 0 && (drawSet & ~top) == 0;
      line.trials += 1;
    }
    line.hits += hits;
    line.hitsByDraw.push_back(static_cast<std::uint8_t>(hits));
  }
}

BacktestResult RunBacktest(const DrawHistory& history, const BacktestOptions& options) {
  BacktestResult result;
  result.options = options;
  result.options.rules = RulesOf(options);
  // Ranks have ten places and a window at least one draw.
  result.options.top = std::clamp(options.top, 1, 9);
  result.options.window = std::max(options.window, 1);
  PlanBacktest(history, result);
  result.lines = BacktestLines(result.options);
  for (BacktestLine& line : result.lines) line.hitsByDraw.reserve(static_cast<std::size_t>(result.tested));
  if (result.tested == 0) return result;

  DigitTracker tracker(result.options.window);
  const int last = result.firstTime + result.tested - 1;
  for (int t = 0; t <= last; ++t) {
    const DrawNumbers draw = history.GetDraw(result.count - 1 - t);
    if (t >= result.firstTime) ScoreDraw(tracker.Measures(), draw, result.options, result.lines);
    if (t < last) tracker.Push(draw);
  }
  return result;
}

BacktestOptions StatisticsBacktestOptions(int row, LastDraws lastDraws) {
  BacktestOptions options;
  options.row = row;
  options.draws = lastDraws;
  return options;
}

std::string Verdict(const Interval& interval, double chance, double pValue, int trials) {
  if (trials == 0) return "no draws to test";
  // Wilson's interval and the exact test can part near the edge: a verdict
  // needs both, so no line reads "better than chance" beside p = 0.08.
  if (pValue < 0.05 && interval.low > chance) return "better than chance";
  if (pValue < 0.05 && interval.high < chance) return "worse than chance";
  return "no better than chance";
}

std::vector<LineSummary> SummarizeLines(const BacktestResult& result) {
  std::vector<LineSummary> summaries;
  std::vector<double> pValues;
  for (const BacktestLine& line : result.lines) {
    LineSummary s;
    s.chance = ChanceRate(line.score, result.options.top);
    s.rate = line.trials > 0 ? static_cast<double>(line.hits) / line.trials : 0;
    s.lift = s.rate / s.chance;
    s.interval = WilsonInterval(line.hits, line.trials);
    s.pValue = BinomialTwoSidedP(line.hits, line.trials, s.chance);
    pValues.push_back(s.pValue);
    summaries.push_back(s);
  }
  const std::vector<double> adjusted = AdjustPValues(pValues);
  for (std::size_t i = 0; i < summaries.size(); ++i) {
    LineSummary& s = summaries[i];
    s.adjustedP = adjusted[i];
    s.verdict = Verdict(s.interval, s.chance, s.adjustedP, result.lines[i].trials);
  }
  return summaries;
}

std::string TestsMadeText(int tests) {
  return std::to_string(tests) + (tests == 1 ? " test was" : " tests were") + " made in this run";
}

}  // namespace drawlyze
