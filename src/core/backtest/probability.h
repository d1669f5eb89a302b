#pragma once
// The few tail probabilities and intervals the backtest and the randomness
// tests need; the distributions themselves come from Boost.Math.

namespace drawlyze {

struct Interval {
  double low = 0;
  double high = 0;
};

// Wilson's (1927) score interval for a proportion of hits in trials; 0..1 for no trials.
Interval WilsonInterval(int hits, int trials, double confidence = 0.95);

// The band of chance: the rates hits/trials whose Wilson interval (above)
// holds the chance rate. Wilson's interval is the inverse of the score test,
// so the band is chance +- z * sqrt(chance * (1 - chance) / trials), cut to
// 0..1: a rate leaves it exactly when its interval clears chance. 0..1 for no trials.
Interval ChanceBand(double chance, int trials, double confidence = 0.95);

// The two-sided exact binomial test of hits in trials against the chance p,
// as R's binom.test computes it: the total probability of every outcome no
// more likely than the one seen.
double BinomialTwoSidedP(int hits, int trials, double p);

// P(X >= statistic) for X chi-square with df degrees of freedom.
double ChiSquareUpperP(double statistic, int df);

// P(|Z| >= |z|) for a standard normal Z.
double NormalTwoSidedP(double z);

}  // namespace drawlyze
