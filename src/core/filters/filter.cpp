#include "core/filters/filter.h"

#include <algorithm>

#include "core/history/draw_history.h"

namespace drawlyze::filters {
namespace {

bool Has(DigitSet set, int digit) { return (set >> digit) & 1u; }

template <typename Keep>
NumberSet Select(Keep&& keep) {
  NumberSet kept;
  const auto& all = AllNumberDigits();
  for (int n = 0; n < kNumbers; ++n)
    if (keep(all[static_cast<std::size_t>(n)])) kept.set(static_cast<std::size_t>(n));
  return kept;
}

int PatternCode(const NumberDigits& n, PatternKind kind) {
  int code = 0;
  for (int p = 0; p < 3; ++p) {
    const int d = n.d[p];
    const bool marked = kind == PatternKind::OddEven ? d % 2 == 1 : d >= 5;
    code = code * 2 + (marked ? 1 : 0);
  }
  return code;
}

int PopCount3(int code) { return (code & 1) + ((code >> 1) & 1) + ((code >> 2) & 1); }

bool HasPair(const NumberDigits& n, const PairFilter& f) {
  for (const int pair : f.pairs) {
    const int x = pair / 10, y = pair % 10;
    switch (f.place) {
      case PairPlace::Front:
        if (n.d[0] == x && n.d[1] == y) return true;
        break;
      case PairPlace::Back:
        if (n.d[1] == x && n.d[2] == y) return true;
        break;
      case PairPlace::Any:
        if (ContainsPair(DrawNumbers{n.d[0], n.d[1], n.d[2]}, x, y)) return true;
        break;
    }
  }
  return false;
}

int KindBit(const NumberDigits& n) {
  if (n.d[0] == n.d[1] && n.d[1] == n.d[2]) return 2;
  if (n.d[0] == n.d[1] || n.d[1] == n.d[2] || n.d[0] == n.d[2]) return 1;
  return 0;
}

}  // namespace

const std::array<NumberDigits, kNumbers>& AllNumberDigits() {
  static const std::array<NumberDigits, kNumbers> all = [] {
    std::array<NumberDigits, kNumbers> a{};
    for (int n = 0; n < kNumbers; ++n) {
      NumberDigits& x = a[static_cast<std::size_t>(n)];
      x.d[0] = static_cast<std::uint8_t>(n / 100);
      x.d[1] = static_cast<std::uint8_t>(n / 10 % 10);
      x.d[2] = static_cast<std::uint8_t>(n % 10);
      x.set = static_cast<DigitSet>((1u << x.d[0]) | (1u << x.d[1]) | (1u << x.d[2]));
    }
    return a;
  }();
  return all;
}

const std::array<std::array<NumberSet, 10>, 3>& NumbersWithDigitAt() {
  static const std::array<std::array<NumberSet, 10>, 3> sets = [] {
    std::array<std::array<NumberSet, 10>, 3> s{};
    const auto& all = AllNumberDigits();
    for (int n = 0; n < kNumbers; ++n)
      for (std::size_t p = 0; p < 3; ++p) s[p][all[static_cast<std::size_t>(n)].d[p]].set(static_cast<std::size_t>(n));
    return s;
  }();
  return sets;
}

int DigitalRoot(int sum) { return sum == 0 ? 0 : 1 + (sum - 1) % 9; }

bool IsHistoryBased(const Filter& filter) {
  return std::holds_alternative<NotLastFilter>(filter) || std::holds_alternative<HistoryDigitsFilter>(filter);
}

NumberSet KeptByStatic(const Filter& filter) {
  struct Visitor {
    NumberSet operator()(const SumRange& f) const {
      return Select([&](const NumberDigits& n) {
        const int s = n.d[0] + n.d[1] + n.d[2];
        return s >= f.low && s <= f.high;
      });
    }
    NumberSet operator()(const RootSumSet& f) const {
      return Select([&](const NumberDigits& n) { return Has(f.roots, DigitalRoot(n.d[0] + n.d[1] + n.d[2])); });
    }
    NumberSet operator()(const SpreadRange& f) const {
      return Select([&](const NumberDigits& n) {
        const int spread = std::max({n.d[0], n.d[1], n.d[2]}) - std::min({n.d[0], n.d[1], n.d[2]});
        return spread >= f.low && spread <= f.high;
      });
    }
    NumberSet operator()(const PatternFilter& f) const {
      return Select([&](const NumberDigits& n) {
        const int code = PatternCode(n, f.kind);
        return ((f.positional >> code) & 1) || ((f.counts >> PopCount3(code)) & 1);
      });
    }
    NumberSet operator()(const DigitsFilter& f) const {
      return Select([&](const NumberDigits& n) {
        switch (f.mode) {
          case DigitsMode::AnyOf:
            return (n.set & f.digits) != 0;
          case DigitsMode::AllOf:
            return (n.set & f.digits) == f.digits;
          case DigitsMode::NoneOf:
            return (n.set & f.digits) == 0;
        }
        return false;
      });
    }
    NumberSet operator()(const PositionFilter& f) const {
      return Select([&](const NumberDigits& n) { return Has(f.digits, n.d[f.position]); });
    }
    NumberSet operator()(const PairFilter& f) const {
      return Select([&](const NumberDigits& n) { return HasPair(n, f) == f.contain; });
    }
    NumberSet operator()(const KindFilter& f) const {
      return Select([&](const NumberDigits& n) { return ((f.kinds >> KindBit(n)) & 1) != 0; });
    }
    NumberSet operator()(const NotLastFilter&) const { return NumberSet().set(); }
    NumberSet operator()(const HistoryDigitsFilter&) const { return NumberSet().set(); }
  };
  return std::visit(Visitor{}, filter);
}

}  // namespace drawlyze::filters
