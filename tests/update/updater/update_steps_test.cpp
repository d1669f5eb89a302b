#include "update/updater/update_steps.h"

#include <gtest/gtest.h>

#include <set>

#include "update/updater/candidate_check.h"

namespace drawlyze::updater {
namespace {

TEST(ReferenceOf, SchemeAndHostOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"http://results.example.com/pick3/loto3_txt.zip", "http://results.example.com"},
      {"http://results.example.com:8080/a/b", "http://results.example.com:8080"},
      {"https://secure.example.com/x", "https://secure.example.com"},  // the scan starts at the 8th character
      {"http://results.example.com", "http://results.example.com"},
      {"http://", "http://"},
      {"short", "short"},
      {"", ""},
      {"results.example.com/x", "results.example.com"},
  };
  for (const auto& [url, reference] : cases) EXPECT_EQ(ReferenceOf(url), reference) << url;
}

TEST(ArchiveUrl, ADirectoryGetsTheArchiveName) {
  const std::pair<const char*, const char*> cases[] = {
      {"http://results.example.com/pick3/", "http://results.example.com/pick3/loto3_txt.zip"},
      {"http://results.example.com/pick3/loto3_txt.zip", "http://results.example.com/pick3/loto3_txt.zip"},
      {"https://data.ny.gov/api/views/hsys-3def/rows.csv?accessType=DOWNLOAD",
       "https://data.ny.gov/api/views/hsys-3def/rows.csv?accessType=DOWNLOAD"},
      {"", ""},
  };
  for (const auto& [url, archive] : cases) EXPECT_EQ(ArchiveUrl(url, "loto3_txt.zip"), archive) << url;
}

TEST(DownloadName, TheFileTheAddressNames) {
  const std::pair<const char*, const char*> cases[] = {
      {"https://data.ny.gov/api/views/hsys-3def/rows.csv?accessType=DOWNLOAD", "rows.csv"},
      {"http://results.example.com/pick3.csv#top", "pick3.csv"},
      {"http://results.example.com", "the download"},
      {"http://results.example.com/", "the download"},
      {"http://x/a\nb.csv", "a?b.csv"},
  };
  for (const auto& [url, name] : cases) EXPECT_EQ(DownloadName(url), name) << url;
}

TEST(ChooseMember, LastNameContainingLoto) {
  using Names = std::vector<std::string>;
  const std::pair<Names, std::string> cases[] = {
      {{"readme.txt", "loto3.txt"}, "loto3.txt"}, {{"loto3.txt", "readme.txt", "loto3_new.txt"}, "loto3_new.txt"},
      {{"readme.txt", "LOTO3.TXT"}, ""},  // the test is case-sensitive
      {{"data\\loto3.txt"}, "data\\loto3.txt"},   {{}, ""},
  };
  for (const auto& [names, chosen] : cases) EXPECT_EQ(ChooseMember(names), chosen);
}

TEST(BackupName, FirstFreeName) {
  const auto existing = [](std::set<std::string> names) {
    return [names](const std::string& name) { return names.count(name) > 0; };
  };
  EXPECT_EQ(BackupName("3x10.txt", existing({})), "3x10.txt.bak");
  EXPECT_EQ(BackupName("3x10.txt", existing({"3x10.txt.bak"})), "3x10.txt[1].bak");
  EXPECT_EQ(BackupName("3x10.txt", existing({"3x10.txt.bak", "3x10.txt[1].bak"})), "3x10.txt[2].bak");
  EXPECT_EQ(BackupName("3x10.txt", existing({"3x10.txt[1].bak"})), "3x10.txt.bak");
  EXPECT_EQ(BackupName("3x10.txt", [](const std::string&) { return true; }), "3x10.txt[9999].bak");
}

TEST(DateKey, DayMonthYearOrYearFirst) {
  const std::pair<const char*, std::optional<long>> cases[] = {
      {"05.03.2007", 20070305}, {"2007.03.05", 20070305},      {"5.3.07", 20070305},       {"31.12.99", 19991231},
      {"2007", std::nullopt},   {"32.01.2007", std::nullopt},  {"05..2007", std::nullopt}, {"05.03.207", std::nullopt},
      {"", std::nullopt},       {"05.03.2007.1", std::nullopt}};
  for (const auto& [text, key] : cases) EXPECT_EQ(DateKey(text), key) << text;
}

TEST(JudgeCandidate, RefusesAsksOrInstalls) {
  const DrawFileFacts current{100, 0, "10.01.2020"};
  struct Case {
    std::uint64_t bytes;
    DrawFileFacts candidate;
    std::optional<DrawFileFacts> current;
    Verdict verdict;
    std::string reason;
  };
  const Case cases[] = {
      {kMaxDrawFileBytes + 1,
       {100, 0, "11.01.2020"},
       current,
       Verdict::Refuse,
       "loto3.txt is larger than 64 MiB: it is no draw file"},
      {10, {0, 0, ""}, std::nullopt, Verdict::Refuse, "loto3.txt holds no valid draw"},
      {10,
       {3, 4, "11.01.2020"},
       std::nullopt,
       Verdict::Refuse,
       "loto3.txt has more incorrect lines (4) than draws (3)"},
      {10, {3, 3, "11.01.2020"}, std::nullopt, Verdict::Install, ""},
      {10, {50, 0, "10.01.2020"}, current, Verdict::Install, ""},  // half the draws, as new
      {10,
       {49, 0, "11.01.2020"},
       current,
       Verdict::Ask,
       "loto3.txt has fewer than half the draws of the current draw file"},
      {10, {200, 0, "09.01.2020"}, current, Verdict::Ask, "loto3.txt is older than the current draw file"},
      {10, {200, 0, "2007"}, current, Verdict::Install, ""},                      // dates that cannot be compared
      {10, {1, 0, "01.01.2020"}, DrawFileFacts{0, 5, ""}, Verdict::Install, ""},  // nothing to lose
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    const CandidateDecision d = JudgeCandidate("loto3.txt", c.bytes, c.candidate, c.current);
    EXPECT_EQ(d.verdict, c.verdict);
    EXPECT_EQ(d.reason, c.reason);
  }
  EXPECT_EQ(JudgeCandidate("loto3.txt", 10, {200, 0, "09.01.2020"}, current).details,
            "new: 200 draws, newest 09.01.2020; current: 100 draws, newest 10.01.2020");
}

}  // namespace
}  // namespace drawlyze::updater
