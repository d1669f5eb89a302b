// The option grammar: what a player types reads back as the same filter, and
// what a player gets wrong says what is wrong.
#include <gtest/gtest.h>

#include "core/filters/filter_set.h"
#include "filters_test_util.h"

namespace drawlyze::filters {
namespace {

TEST(FilterText, WrittenFiltersReadBackAsTheSameFilter) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"sum", "10-17"},
      {"root-sum", "1,4,7"},
      {"spread", "2-7"},
      {"odd-even", "EOE,OEO,2odd"},
      {"high-low", "HLH,0high"},
      {"contains", "1,3,5"},
      {"contains-all", "1,2"},
      {"excludes", "0,9"},
      {"position", "2:1,3,5"},
      {"pair", "front:12,34"},
      {"no-pair", "any:00"},
      {"kind", "singles,doubles"},
      {"not-last", "30"},
      {"not-last-box", "5"},
      {"near", "any"},
      {"near-position", "none"},
      {"sieve-digits", "all"},
      {"sieve-position", "any"},
      {"hot", "most-frequent:3:100:any"},
      {"cold", "longest-skip:4:all:none"},
      {"hot", "position-frequent:2:50:all"},
  };
  for (const auto& [name, value] : cases) {
    SCOPED_TRACE(std::string(name) + " " + value);
    const Filter f = testing::FilterOf(name, value);
    const FilterOption o = FormatFilter(f);
    EXPECT_EQ(o.name, name);
    EXPECT_EQ(o.value, value);
    EXPECT_EQ(testing::FilterOf(o.name, o.value), f);
  }
}

TEST(FilterText, LooseSpellingsReadAsTheTidyOne) {
  const std::vector<std::tuple<const char*, const char*, const char*>> cases = {
      {"contains", "135", "1,3,5"},
      {"odd-even", " oeo , 2 odd ", "OEO,2odd"},
      {"sum", "12", "12-12"},
      {"kind", "Triple", "triples"},
      {"pair", "FRONT: 34,12,34", "front:12,34"},
      {"hot", "Most frequent:2", "most-frequent:2:all:any"},
  };
  for (const auto& [name, typed, tidy] : cases)
    EXPECT_EQ(FormatFilter(testing::FilterOf(name, typed)).value, tidy) << name << " " << typed;
}

TEST(FilterText, WhatAPlayerGetsWrongIsSaid) {
  const std::vector<std::tuple<const char*, const char*, const char*>> cases = {
      {"sum", "30-40", "needs a range A-B of sums 0..27 (10-17): \"30-40\" is out of bounds"},
      {"sum", "17-10", "\"17-10\" ends before it starts"},
      {"sum", "ten", "\"ten\" is no range"},
      {"spread", "0-10", "needs a range A-B of spreads 0..9 (10-17): \"0-10\" is out of bounds"},
      {"odd-even", "OE", "\"OE\" has 2 letters, not 3"},
      {"odd-even", "OHO", "\"OHO\" holds \"h\""},
      {"high-low", "4high", "\"4high\" is no count 0..3"},
      {"contains", "1,a", "\"1,a\"" /* unused */},
      {"contains-all", "1,2,3,4", "asks for more digits than a number has (three)"},
      {"position", "4:1", "needs P:DIGITS with P = 1, 2 or 3 for A1, A2, A3"},
      {"pair", "middle:12", "\"middle\" is not front, back or any"},
      {"pair", "front:123", "\"123\" is not two digits"},
      {"kind", "quads", "\"quads\" is none of these"},
      {"not-last", "0", "needs a count of draws 1..10000"},
      {"near", "some", "needs any, all or none"},
      {"hot", "random:3", "knows no ranking \"random\"; the rankings are longest-skip, lowest-median"},
      {"cold", "most-frequent:10", "\"10\" is not a count of digits 1..9"},
  };
  for (const auto& [name, value, says] : cases) {
    SCOPED_TRACE(std::string(name) + " " + value);
    Result<Filter> f = ParseFilter(name, value);
    ASSERT_FALSE(f);
    EXPECT_EQ(f.Failure().subject, std::string("--") + name);
    if (std::string(name) != "contains") {
      EXPECT_NE(f.Failure().detail.find(says), std::string::npos) << f.Failure().detail;
    } else {
      EXPECT_NE(f.Failure().detail.find("\"a\" is not a digit"), std::string::npos) << f.Failure().detail;
    }
  }
}

TEST(FilterSetFile, ReadsBackWhatItWrites) {
  FilterSet set;
  set.bet = plays::BetType::Box;
  set.amount = 50;
  set.filters = {testing::FilterOf("sum", "10-17"), testing::FilterOf("hot", "most-frequent:3:100:any"),
                 testing::FilterOf("not-last-box", "20")};
  const std::string text = FormatFilterSet(set);
  EXPECT_NE(text.find("\nbet box\namount 0.50\nsum 10-17\nhot most-frequent:3:100:any\nnot-last-box 20\n"),
            std::string::npos)
      << text;
  Result<FilterSet> back = ReadFilterSet(text, "mine.txt");
  ASSERT_TRUE(back) << back.Failure().detail;
  EXPECT_EQ(*back, set);
}

TEST(FilterSetFile, NamesEveryWrongLine) {
  Result<FilterSet> set = ReadFilterSet("# mine\n--sum 10-17\nsum 40\n\nwhat 3\nbet combo\namount 0.30\n", "mine.txt");
  ASSERT_FALSE(set);
  EXPECT_EQ(set.Failure().subject, "mine.txt");
  EXPECT_EQ(set.Failure().detail,
            "is no filter set:\n"
            "line 3: sum needs a range A-B of sums 0..27 (10-17): \"40\" is out of bounds\n"
            "line 5: \"what\" is no filter\n"
            "line 6: bet needs straight or box\n"
            "line 7: amount needs a multiple of 0.50 (1.00)");
}

}  // namespace
}  // namespace drawlyze::filters
