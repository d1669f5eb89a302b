#include "core/filters/filter_text.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <charconv>

#include "core/backtest/digit_rules.h"
#include "core/history/text_helpers.h"

namespace drawlyze::filters {
namespace {

const std::vector<std::string_view> kNames = {
    "sum",      "root-sum",      "spread",       "odd-even",       "high-low", "contains", "contains-all",
    "excludes", "position",      "pair",         "no-pair",        "kind",     "not-last", "not-last-box",
    "near",     "near-position", "sieve-digits", "sieve-position", "hot",      "cold"};

std::vector<std::string> Split(std::string_view s, char by) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  while (true) {
    const std::size_t at = s.find(by, from);
    parts.emplace_back(Trim(s.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from)));
    if (at == std::string_view::npos) break;
    from = at + 1;
  }
  return parts;
}

bool ReadInt(std::string_view text, int& value) {
  const std::string t(Trim(text));
  if (t.empty() || t.size() > 6) return false;
  auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  return ec == std::errc() && ptr == t.data() + t.size();
}

Error Wrong(std::string_view name, std::string detail) {
  return Error{ErrorKind::Unreadable, "--" + std::string(name), std::move(detail)};
}

std::string Quoted(std::string_view value) { return "\"" + std::string(value) + "\""; }

// "A-B" or "A", both within 0..max.
Result<std::pair<int, int>> ReadRange(std::string_view name, std::string_view value, int max, const char* what) {
  const std::string need = std::string("needs a range A-B of ") + what + " 0.." + std::to_string(max) + " (10-17)";
  const std::vector<std::string> parts = Split(value, '-');
  int low = 0, high = 0;
  if (parts.size() > 2 || !ReadInt(parts[0], low) || (parts.size() == 2 && !ReadInt(parts[1], high)))
    return Wrong(name, need + ": " + Quoted(value) + " is no range");
  if (parts.size() == 1) high = low;
  if (low < 0 || high > max || low > max || high < 0)
    return Wrong(name, need + ": " + Quoted(value) + " is out of bounds");
  if (low > high) return Wrong(name, need + ": " + Quoted(value) + " ends before it starts");
  return std::pair{low, high};
}

// "1,3,5" or "135": digits 0..9.
Result<DigitSet> ReadDigits(std::string_view name, std::string_view value, int max = 9) {
  DigitSet set = 0;
  bool any = false;
  for (const std::string& part : Split(value, ',')) {
    if (part.empty()) continue;
    const bool oneNumber = max > 9;
    if (oneNumber) {
      int v = 0;
      if (!ReadInt(part, v) || v < 0 || v > max)
        return Wrong(name,
                     "needs numbers 0.." + std::to_string(max) + ", comma-separated: " + Quoted(part) + " is not one");
      set = static_cast<DigitSet>(set | 1u << v);
      any = true;
      continue;
    }
    for (const char c : part) {
      if (c == ' ') continue;
      if (c < '0' || c > '9')
        return Wrong(name, "needs digits 0..9, comma-separated (1,3,5): " + Quoted(part) + " is not a digit");
      set = static_cast<DigitSet>(set | 1u << (c - '0'));
      any = true;
    }
  }
  if (!any) return Wrong(name, "needs at least one digit (1,3,5)");
  return set;
}

Result<SetMatch> ReadMatch(std::string_view name, std::string_view value) {
  const std::string v = LowerCase(Trim(value));
  if (v == "any") return SetMatch::Any;
  if (v == "all") return SetMatch::All;
  if (v == "none") return SetMatch::None;
  return Wrong(name, "needs any, all or none (at least one digit among them, all three, or none): " + Quoted(value) +
                         " is none of these");
}

Result<Filter> ReadPatterns(std::string_view name, std::string_view value, PatternKind kind) {
  const bool oddEven = kind == PatternKind::OddEven;
  const char yes = oddEven ? 'O' : 'H', no = oddEven ? 'E' : 'L';
  const std::string countWord = oddEven ? "odd" : "high";
  const std::string need = std::string("needs patterns of three letters ") + yes + " and " + no + " (" +
                           (oddEven ? "OEO" : "HLH") + ") or counts of " + countWord + " digits 0..3 (2" + countWord +
                           "), comma-separated";
  PatternFilter f{kind, 0, 0};
  for (const std::string& raw : Split(value, ',')) {
    std::string part = LowerCase(raw);
    part.erase(std::remove(part.begin(), part.end(), ' '), part.end());
    if (part.empty()) continue;
    if (std::isdigit(static_cast<unsigned char>(part[0]))) {
      std::string digits = part;
      if (digits.size() > countWord.size() &&
          digits.compare(digits.size() - countWord.size(), countWord.size(), countWord) == 0)
        digits.resize(digits.size() - countWord.size());
      int c = 0;
      if (!ReadInt(digits, c) || c < 0 || c > 3) return Wrong(name, need + ": " + Quoted(raw) + " is no count 0..3");
      f.counts = static_cast<std::uint8_t>(f.counts | 1u << c);
      continue;
    }
    if (part.size() != 3)
      return Wrong(name, need + ": " + Quoted(raw) + " has " + std::to_string(part.size()) + " letters, not 3");
    int code = 0;
    for (const char c : part) {
      const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      if (u != yes && u != no) return Wrong(name, need + ": " + Quoted(raw) + " holds " + Quoted(std::string(1, c)));
      code = code * 2 + (u == yes ? 1 : 0);
    }
    f.positional = static_cast<std::uint8_t>(f.positional | 1u << code);
  }
  if (f.positional == 0 && f.counts == 0) return Wrong(name, need);
  return Filter{f};
}

Result<Filter> ReadPairs(std::string_view name, std::string_view value, bool contain) {
  const std::string need = "needs front, back or any, a colon and two-digit pairs, comma-separated (front:12,34)";
  const std::size_t colon = value.find(':');
  if (colon == std::string_view::npos) return Wrong(name, need + ": " + Quoted(value) + " has no colon");
  const std::string place = LowerCase(Trim(value.substr(0, colon)));
  PairFilter f;
  f.contain = contain;
  if (place == "front")
    f.place = PairPlace::Front;
  else if (place == "back")
    f.place = PairPlace::Back;
  else if (place == "any")
    f.place = PairPlace::Any;
  else
    return Wrong(name, need + ": " + Quoted(place) + " is not front, back or any");
  for (const std::string& part : Split(value.substr(colon + 1), ',')) {
    if (part.empty()) continue;
    if (part.size() != 2 || !std::isdigit(static_cast<unsigned char>(part[0])) ||
        !std::isdigit(static_cast<unsigned char>(part[1])))
      return Wrong(name, need + ": " + Quoted(part) + " is not two digits");
    const int pair = (part[0] - '0') * 10 + (part[1] - '0');
    if (std::find(f.pairs.begin(), f.pairs.end(), pair) == f.pairs.end()) f.pairs.push_back(pair);
  }
  if (f.pairs.empty()) return Wrong(name, need + ": no pair given");
  std::sort(f.pairs.begin(), f.pairs.end());
  return Filter{f};
}

Result<Filter> ReadKinds(std::string_view name, std::string_view value) {
  KindFilter f;
  for (const std::string& raw : Split(value, ',')) {
    const std::string part = LowerCase(raw);
    if (part.empty()) continue;
    if (part == "singles" || part == "single")
      f.kinds |= 1;
    else if (part == "doubles" || part == "double")
      f.kinds |= 2;
    else if (part == "triples" || part == "triple")
      f.kinds |= 4;
    else
      return Wrong(name, "needs singles, doubles or triples, comma-separated: " + Quoted(raw) + " is none of these");
  }
  if (f.kinds == 0) return Wrong(name, "needs singles, doubles or triples, comma-separated");
  return Filter{f};
}

Result<Filter> ReadRanking(std::string_view name, std::string_view value, bool cold, LastDraws defaultWindow) {
  const std::string need =
      "needs RULE:K[:N][:MATCH]: a ranking (most-frequent), 1..9 digits, the \"Use Last Draws\" count or all, "
      "and any, all or none";
  const std::vector<std::string> parts = Split(value, ':');
  if (parts.size() < 2 || parts.size() > 4) return Wrong(name, need + ": " + Quoted(value) + " is not that");
  HistoryDigitsFilter f;
  f.source = DigitSource::Ranking;
  f.cold = cold;
  f.rule = FindDigitRule(parts[0]);
  if (f.rule < 0 || AllDigitRules()[static_cast<std::size_t>(f.rule)].key == DigitMeasure::Random) {
    std::string names;
    for (const DigitRule& rule : AllDigitRules())
      if (rule.key != DigitMeasure::Random) names += std::string(names.empty() ? "" : ", ") + rule.name;
    return Wrong(name, "knows no ranking " + Quoted(parts[0]) + "; the rankings are " + names);
  }
  f.byPosition = AllDigitRules()[static_cast<std::size_t>(f.rule)].positional;
  if (!ReadInt(parts[1], f.k) || f.k < 1 || f.k > 9)
    return Wrong(name, need + ": " + Quoted(parts[1]) + " is not a count of digits 1..9");
  f.window = defaultWindow;
  if (parts.size() >= 3) {
    int n = 0;
    if (LowerCase(parts[2]) == "all")
      f.window.reset();
    else if (ReadInt(parts[2], n) && n >= 1 && n <= MAX_DRAWS)
      f.window = n;
    else
      return Wrong(name, need + ": " + Quoted(parts[2]) + " is not a count of draws 1..10000 nor all");
  }
  if (parts.size() == 4) {
    Result<SetMatch> match = ReadMatch(name, parts[3]);
    if (!match) return match.Failure();
    f.match = *match;
  }
  return Filter{f};
}

Result<Filter> ReadHistoryDigits(std::string_view name, std::string_view value, DigitSource source, bool byPosition) {
  Result<SetMatch> match = ReadMatch(name, value);
  if (!match) return match.Failure();
  HistoryDigitsFilter f;
  f.source = source;
  f.byPosition = byPosition;
  f.match = *match;
  return Filter{f};
}

std::string PatternsText(const PatternFilter& f) {
  const bool oddEven = f.kind == PatternKind::OddEven;
  std::string out;
  for (int code = 0; code < 8; ++code) {
    if (!((f.positional >> code) & 1)) continue;
    std::string p;
    for (int b = 2; b >= 0; --b) p += ((code >> b) & 1) ? (oddEven ? 'O' : 'H') : (oddEven ? 'E' : 'L');
    out += (out.empty() ? "" : ",") + p;
  }
  for (int c = 0; c < 4; ++c)
    if ((f.counts >> c) & 1) out += (out.empty() ? "" : ",") + std::to_string(c) + (oddEven ? "odd" : "high");
  return out;
}

std::string RangeText(int low, int high) { return std::to_string(low) + "-" + std::to_string(high); }

std::string PairPlaceName(PairPlace place) {
  return place == PairPlace::Front ? "front" : place == PairPlace::Back ? "back" : "any";
}

}  // namespace

const std::vector<std::string_view>& FilterOptionNames() { return kNames; }

bool IsFilterOption(std::string_view name) { return std::find(kNames.begin(), kNames.end(), name) != kNames.end(); }

std::string DigitSetText(DigitSet set) {
  std::string out;
  for (int d = 0; d < 10; ++d)
    if ((set >> d) & 1) out += (out.empty() ? "" : ",") + std::to_string(d);
  return out;
}

std::string_view SetMatchName(SetMatch match) {
  return match == SetMatch::Any ? "any" : match == SetMatch::All ? "all" : "none";
}

Result<Filter> ParseFilter(std::string_view name, std::string_view value, LastDraws defaultWindow) {
  if (name == "sum" || name == "spread") {
    const bool sum = name == "sum";
    auto range = ReadRange(name, value, sum ? kMaxSum : kMaxSpread, sum ? "sums" : "spreads");
    if (!range) return range.Failure();
    if (sum) return Filter{SumRange{range->first, range->second}};
    return Filter{SpreadRange{range->first, range->second}};
  }
  if (name == "root-sum") {
    auto set = ReadDigits(name, value, 9);
    if (!set)
      return Wrong(name, "needs digital roots 0..9, comma-separated (1,4,7): " + Quoted(value) + " is not that");
    return Filter{RootSumSet{*set}};
  }
  if (name == "odd-even") return ReadPatterns(name, value, PatternKind::OddEven);
  if (name == "high-low") return ReadPatterns(name, value, PatternKind::HighLow);
  if (name == "contains" || name == "contains-all" || name == "excludes") {
    auto set = ReadDigits(name, value);
    if (!set) return set.Failure();
    const DigitsMode mode = name == "contains"       ? DigitsMode::AnyOf
                            : name == "contains-all" ? DigitsMode::AllOf
                                                     : DigitsMode::NoneOf;
    if (mode == DigitsMode::AllOf && std::popcount(static_cast<unsigned>(*set)) > 3)
      return Wrong(name, "asks for more digits than a number has (three): " + Quoted(value));
    return Filter{DigitsFilter{mode, *set}};
  }
  if (name == "position") {
    const std::size_t colon = value.find(':');
    int p = 0;
    if (colon == std::string_view::npos || !ReadInt(value.substr(0, colon), p) || p < 1 || p > 3)
      return Wrong(name,
                   "needs P:DIGITS with P = 1, 2 or 3 for A1, A2, A3 (2:1,3,5): " + Quoted(value) + " is not that");
    auto set = ReadDigits(name, value.substr(colon + 1));
    if (!set) return set.Failure();
    return Filter{PositionFilter{p - 1, *set}};
  }
  if (name == "pair") return ReadPairs(name, value, true);
  if (name == "no-pair") return ReadPairs(name, value, false);
  if (name == "kind") return ReadKinds(name, value);
  if (name == "not-last" || name == "not-last-box") {
    int n = 0;
    if (!ReadInt(value, n) || n < 1 || n > MAX_DRAWS)
      return Wrong(name, "needs a count of draws 1..10000: " + Quoted(value) + " is not one");
    return Filter{NotLastFilter{n, name == "not-last-box"}};
  }
  if (name == "near") return ReadHistoryDigits(name, value, DigitSource::NearSelected, false);
  if (name == "near-position") return ReadHistoryDigits(name, value, DigitSource::NearSelected, true);
  if (name == "sieve-digits") return ReadHistoryDigits(name, value, DigitSource::Sieve, false);
  if (name == "sieve-position") return ReadHistoryDigits(name, value, DigitSource::Sieve, true);
  if (name == "hot") return ReadRanking(name, value, false, defaultWindow);
  if (name == "cold") return ReadRanking(name, value, true, defaultWindow);
  return Error{ErrorKind::Unreadable, "--" + std::string(name), "is no filter"};
}

FilterOption FormatFilter(const Filter& filter) {
  struct Visitor {
    FilterOption operator()(const SumRange& f) const { return {"sum", RangeText(f.low, f.high)}; }
    FilterOption operator()(const RootSumSet& f) const { return {"root-sum", DigitSetText(f.roots)}; }
    FilterOption operator()(const SpreadRange& f) const { return {"spread", RangeText(f.low, f.high)}; }
    FilterOption operator()(const PatternFilter& f) const {
      return {f.kind == PatternKind::OddEven ? "odd-even" : "high-low", PatternsText(f)};
    }
    FilterOption operator()(const DigitsFilter& f) const {
      return {f.mode == DigitsMode::AnyOf   ? "contains"
              : f.mode == DigitsMode::AllOf ? "contains-all"
                                            : "excludes",
              DigitSetText(f.digits)};
    }
    FilterOption operator()(const PositionFilter& f) const {
      return {"position", std::to_string(f.position + 1) + ":" + DigitSetText(f.digits)};
    }
    FilterOption operator()(const PairFilter& f) const {
      std::string pairs;
      for (const int p : f.pairs) pairs += (pairs.empty() ? "" : ",") + std::to_string(p / 10) + std::to_string(p % 10);
      return {f.contain ? "pair" : "no-pair", PairPlaceName(f.place) + ":" + pairs};
    }
    FilterOption operator()(const KindFilter& f) const {
      std::string kinds;
      const char* names[] = {"singles", "doubles", "triples"};
      for (int k = 0; k < 3; ++k)
        if ((f.kinds >> k) & 1) kinds += std::string(kinds.empty() ? "" : ",") + names[k];
      return {"kind", kinds};
    }
    FilterOption operator()(const NotLastFilter& f) const {
      return {f.anyOrder ? "not-last-box" : "not-last", std::to_string(f.draws)};
    }
    FilterOption operator()(const HistoryDigitsFilter& f) const {
      const std::string match(SetMatchName(f.match));
      switch (f.source) {
        case DigitSource::NearSelected:
          return {f.byPosition ? "near-position" : "near", match};
        case DigitSource::Sieve:
          return {f.byPosition ? "sieve-position" : "sieve-digits", match};
        case DigitSource::Ranking:
          break;
      }
      return {f.cold ? "cold" : "hot", std::string(AllDigitRules()[static_cast<std::size_t>(f.rule)].name) + ":" +
                                           std::to_string(f.k) + ":" +
                                           (f.window ? std::to_string(*f.window) : std::string("all")) + ":" + match};
    }
  };
  return std::visit(Visitor{}, filter);
}

std::string FilterText(const Filter& filter) {
  const FilterOption o = FormatFilter(filter);
  return o.name + " " + o.value;
}

std::string FilterCaption(const Filter& filter) {
  struct Visitor {
    std::string operator()(const SumRange&) const { return "the sum filter"; }
    std::string operator()(const RootSumSet&) const { return "the root sum filter"; }
    std::string operator()(const SpreadRange&) const { return "the spread filter"; }
    std::string operator()(const PatternFilter& f) const {
      return f.kind == PatternKind::OddEven ? "the odd/even filter" : "the high/low filter";
    }
    std::string operator()(const DigitsFilter& f) const {
      return f.mode == DigitsMode::AnyOf   ? "the contains filter"
             : f.mode == DigitsMode::AllOf ? "the contains-all filter"
                                           : "the excludes filter";
    }
    std::string operator()(const PositionFilter& f) const {
      return "the A" + std::to_string(f.position + 1) + " filter";
    }
    std::string operator()(const PairFilter& f) const {
      return std::string("the ") + (f.contain ? "" : "no ") + PairPlaceName(f.place) + " pair filter";
    }
    std::string operator()(const KindFilter&) const { return "the kind filter"; }
    std::string operator()(const NotLastFilter& f) const {
      return f.anyOrder ? "the not-last-box filter" : "the not-last filter";
    }
    std::string operator()(const HistoryDigitsFilter& f) const {
      switch (f.source) {
        case DigitSource::NearSelected:
          return "the selected draw +/-1 filter";
        case DigitSource::Sieve:
          return "the Sieve filter";
        case DigitSource::Ranking:
          break;
      }
      return f.cold ? "the cold digits filter" : "the hot digits filter";
    }
  };
  return std::visit(Visitor{}, filter);
}

}  // namespace drawlyze::filters
