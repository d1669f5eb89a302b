// Each filter that ignores the history, counted on the 1,000 numbers three
// ways: the filter, a count written out by hand, and a naive predicate on the
// number's text.
#include <gtest/gtest.h>

#include <algorithm>

#include "filters_test_util.h"

namespace drawlyze::filters {
namespace {

using testing::CountNaively;
using testing::FilterOf;

int D(const std::string& n, int p) { return n[static_cast<std::size_t>(p)] - '0'; }
int SumOf(const std::string& n) { return D(n, 0) + D(n, 1) + D(n, 2); }
bool Has(const std::string& n, char c) { return n.find(c) != std::string::npos; }
int Odd(const std::string& n) { return D(n, 0) % 2 + D(n, 1) % 2 + D(n, 2) % 2; }
int Spread(const std::string& n) {
  return std::max({D(n, 0), D(n, 1), D(n, 2)}) - std::min({D(n, 0), D(n, 1), D(n, 2)});
}

struct Case {
  const char* name;
  const char* value;
  int byHand;  // -1: no count written out
  std::function<bool(const std::string&)> naive;
};

TEST(StaticFilters, EachKeepsWhatHandAndNaiveCountsSay) {
  const std::vector<Case> cases = {
      // Sums 10..17: 63+69+73+75+75+73+69+63.
      {"sum", "10-17", 560, [](const std::string& n) { return SumOf(n) >= 10 && SumOf(n) <= 17; }},
      {"sum", "0-27", 1000, [](const std::string&) { return true; }},
      {"sum", "27", 1, [](const std::string& n) { return SumOf(n) == 27; }},
      // Root 9: sums 9, 18 and 27: 55 + 55 + 1.
      {"root-sum", "9", 111,
       [](const std::string& n) {
         int s = SumOf(n);
         return s == 9 || s == 18 || s == 27;
       }},
      {"root-sum", "0", 1, [](const std::string& n) { return n == "000"; }},
      {"root-sum", "1,4,7", 333,
       [](const std::string& n) {
         int s = SumOf(n);
         return s > 0 && (s - 1) % 9 % 3 == 0;
       }},
      {"spread", "0", 10, [](const std::string& n) { return Spread(n) == 0; }},
      {"spread", "9", -1, [](const std::string& n) { return Spread(n) == 9; }},
      {"spread", "3-6", -1, [](const std::string& n) { return Spread(n) >= 3 && Spread(n) <= 6; }},
      {"odd-even", "OEO", 125, [](const std::string& n) { return D(n, 0) % 2 && !(D(n, 1) % 2) && D(n, 2) % 2; }},
      {"odd-even", "oeo,EOE", 250,
       [](const std::string& n) {
         const bool a = D(n, 0) % 2, b = D(n, 1) % 2, c = D(n, 2) % 2;
         return (a && !b && c) || (!a && b && !c);
       }},
      {"odd-even", "2odd", 375, [](const std::string& n) { return Odd(n) == 2; }},
      {"odd-even", "3,0", 250, [](const std::string& n) { return Odd(n) == 3 || Odd(n) == 0; }},
      // A pattern and a count: either one keeps the number.
      {"odd-even", "EEE,3 odd", 250, [](const std::string& n) { return Odd(n) == 0 || Odd(n) == 3; }},
      {"high-low", "HHH", 125, [](const std::string& n) { return D(n, 0) >= 5 && D(n, 1) >= 5 && D(n, 2) >= 5; }},
      {"high-low", "1high", 375,
       [](const std::string& n) { return (D(n, 0) >= 5) + (D(n, 1) >= 5) + (D(n, 2) >= 5) == 1; }},
      {"contains", "7", 271, [](const std::string& n) { return Has(n, '7'); }},
      {"contains", "1,2", -1, [](const std::string& n) { return Has(n, '1') || Has(n, '2'); }},
      // Both 1 and 2: 1000 - 729 - 729 + 512.
      {"contains-all", "1,2", 54, [](const std::string& n) { return Has(n, '1') && Has(n, '2'); }},
      {"contains-all", "123", 6, [](const std::string& n) { return Has(n, '1') && Has(n, '2') && Has(n, '3'); }},
      {"excludes", "0", 729, [](const std::string& n) { return !Has(n, '0'); }},
      {"excludes", "0,1,2,3,4", 125,
       [](const std::string& n) { return n.find_first_of("01234") == std::string::npos; }},
      {"position", "1:0,1", 200, [](const std::string& n) { return D(n, 0) <= 1; }},
      {"position", "3:9", 100, [](const std::string& n) { return D(n, 2) == 9; }},
      {"pair", "front:12", 10, [](const std::string& n) { return n.substr(0, 2) == "12"; }},
      {"pair", "back:12,34", 20, [](const std::string& n) { return n.substr(1) == "12" || n.substr(1) == "34"; }},
      // Any pair: the two digits at two different positions, in either order.
      {"pair", "any:12", 54, [](const std::string& n) { return Has(n, '1') && Has(n, '2'); }},
      // Two 1s at least: 27 with exactly two, and 111.
      {"pair", "any:11", 28, [](const std::string& n) { return std::count(n.begin(), n.end(), '1') >= 2; }},
      {"no-pair", "back:00", 990, [](const std::string& n) { return n.substr(1) != "00"; }},
      {"no-pair", "any:12", 946, [](const std::string& n) { return !(Has(n, '1') && Has(n, '2')); }},
      {"kind", "singles", 720, [](const std::string& n) { return n[0] != n[1] && n[1] != n[2] && n[0] != n[2]; }},
      {"kind", "doubles", 270,
       [](const std::string& n) {
         const int distinct = 1 + (n[1] != n[0]) + (n[2] != n[0] && n[2] != n[1]);
         return distinct == 2;
       }},
      {"kind", "triples", 10, [](const std::string& n) { return n[0] == n[1] && n[1] == n[2]; }},
      {"kind", "singles,triples", 730,
       [](const std::string& n) {
         const int distinct = 1 + (n[1] != n[0]) + (n[2] != n[0] && n[2] != n[1]);
         return distinct != 2;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + c.value);
    const Filter f = FilterOf(c.name, c.value);
    const int kept = static_cast<int>(KeptByStatic(f).count());
    EXPECT_EQ(kept, CountNaively(c.naive));
    if (c.byHand >= 0) {
      EXPECT_EQ(kept, c.byHand);
    }
  }
}

TEST(StaticFilters, DigitalRootIsOneToNineAfterZero) {
  const std::vector<std::pair<int, int>> cases = {{0, 0}, {1, 1}, {9, 9}, {10, 1}, {18, 9}, {19, 1}, {27, 9}};
  for (const auto& [sum, root] : cases) EXPECT_EQ(DigitalRoot(sum), root) << sum;
}

}  // namespace
}  // namespace drawlyze::filters
